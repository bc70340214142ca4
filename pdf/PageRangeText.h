#pragma once

#include "pdf/PageRange.h"

#include <QList>
#include <QString>

// Range texts name the pages of an extraction: "n", "a-b", or a comma-separated
// list of these ("1,2,4-6"). "a-b" with a greater than b lists the pages in
// descending order ("5-3" is 5, 4, 3).
enum class RangeTextError { None, Syntax, OutOfRange };

// The 1-based pages a range text names, in order; an empty list and the reason
// when the text is malformed or names a page outside 1..pageCount.
QList<int> pagesFromRangeText(const QString &text, int pageCount, RangeTextError *error = nullptr);

// Pages as a person types them into a field: a comma-separated list of "n",
// "a-b", "a-" (to the last page) and "-b" (from the first); "3-5,7,10-".
// The ranges in the order typed, each running forwards; an empty list and
// the reason when the text is malformed, a range runs backwards (Syntax) or
// names a page outside 1..pageCount.
PageRangeList typedPageRanges(const QString &text, int pageCount, RangeTextError *error = nullptr);

// A range as a range text: "n" or "a-b".
QString pageRangeText(const PageRange &range);
// Ranges as a range text: "1,2,4-6".
QString pageRangeListText(const PageRangeList &ranges);
