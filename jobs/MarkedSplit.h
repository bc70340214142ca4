#ifndef CLEAVEMARK_JOBS_MARKEDSPLIT_H
#define CLEAVEMARK_JOBS_MARKEDSPLIT_H

#include "pdf/PageFacts.h"
#include "pdf/PageRange.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QVector>

// What the user marked on one page in the page window.
struct PageMark
{
    bool cutAfter = false;   // a new piece starts with the next page
    bool leftOut = false;    // the page goes into no piece
    int rotation = 0;        // added clockwise: 0, 90, 180 or 270

    bool isEmpty() const { return !cutAfter && !leftOut && rotation == 0; }
    bool operator==(const PageMark &other) const
    {
        return cutAfter == other.cutAfter && leftOut == other.leftOut && rotation == other.rotation;
    }
    bool operator!=(const PageMark &other) const { return !(*this == other); }
};

// One piece of a split at marks: the pages between two cuts without those
// left out, and what the user is told of it.
struct MarkedPart
{
    PageRangeList pages;   // in order, consecutive pages joined
    QString name;          // empty: named from the template
    int first = 0;         // the span between the cuts, left-out pages included
    int last = 0;
    int leftOut = 0;       // pages of the span in no piece
    int rotated = 0;       // pages of the piece turned by a mark
    // What finding cuts read on its pages, for names from them: the first
    // line of its first page, the code of the first separator in its span.
    QString firstLine;
    QString code;

    int pageCount() const;
};

struct MarkedRotation
{
    int page = 0;
    int angle = 0;   // 90, 180 or 270, clockwise
};

// A split at marks: the pieces in page order, and the turns of the pages
// that are in one. A span whose pages are all left out gives no piece.
struct MarkedSplit
{
    QList<MarkedPart> parts;
    QList<MarkedRotation> rotations;

    bool isEmpty() const { return parts.isEmpty(); }
    // marks holds page 1 first; a cut after the last page cuts nothing.
    // found, when finding cuts looked at the pages, has one entry a page
    // whose codes are only those that counted as separators.
    static MarkedSplit fromMarks(const QVector<PageMark> &marks, const PageFactsList &found = {});
};

Q_DECLARE_METATYPE(MarkedSplit)

#endif
