#pragma once

#include <QList>

class QPDF;

// Which pages have content that cannot be decoded: a content stream whose
// filters fail on its data (a broken Flate stream, say). qpdf copies such a
// stream into a new file as it is, so a document made of the page carries
// the damage on; the check tells it without repairing anything.
namespace ContentCheck {

// 1-based page numbers, in page order.
QList<int> pagesWithDamagedContent(QPDF &pdf);

} // namespace ContentCheck
