#ifndef CLEAVEMARK_PDF_PAGERANGE_H
#define CLEAVEMARK_PDF_PAGERANGE_H

#include <QList>
#include <QMetaType>

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

Q_DECLARE_METATYPE(PageRange)
Q_DECLARE_METATYPE(PageRangeList)

#endif
