#pragma once

#include <QString>
#include <QStringList>

class QPDF;

// The labels a reader shows for the pages ("iv", "A-3"), in page order; an
// empty list for a document without labels.
QStringList pageLabelTexts(QPDF &pdf);

// One label: the prefix, then the number in the style of the label
// dictionary's /S ("D", "R", "r", "A", "a"; none: the prefix alone).
QString pageLabelText(const QString &prefix, const QString &style, long long number);
