#ifndef CLEAVEMARK_PDF_PAGERANGE_H
#define CLEAVEMARK_PDF_PAGERANGE_H

#include <QList>
#include <QMetaType>
#include <QtGlobal>

// A span of pages, both ends included and 1-based.
struct PageRange
{
    int from = 0;   // 1-based
    int to = 0;
};
using PageRangeList = QList<PageRange>;

inline bool operator==(const PageRange &a, const PageRange &b)
{
    return a.from == b.from && a.to == b.to;
}

// How many pages the ranges take; a range may run backwards ("5-3" is three pages).
inline int pageCountOf(const PageRangeList &ranges)
{
    int count = 0;
    for (const PageRange &range : ranges)
        count += qAbs(range.to - range.from) + 1;
    return count;
}

// Adds a page after the last: it extends the last range when it follows it.
inline void appendPage(PageRangeList &ranges, int page)
{
    if (!ranges.isEmpty() && ranges.last().to == page - 1)
        ranges.last().to = page;
    else
        ranges.append({page, page});
}

Q_DECLARE_METATYPE(PageRange)
Q_DECLARE_METATYPE(PageRangeList)

#endif
