#pragma once

#include "pdf/OutlineEntry.h"
#include "pdf/PageRange.h"

#include <QList>
#include <QString>

// Where a document is cut when it is split at the bookmarks of one level of
// its outline. Levels count from 1, the top-level bookmarks.
namespace OutlinePieces {

struct Piece
{
    PageRange range;
    // The title of the bookmark the piece begins at. For pages before the
    // first bookmark of the level: the first bookmark of any level among
    // them, or empty when there is none.
    QString title;
};

// A piece begins at each page a bookmark of the level leads to (bookmarks
// leading to the same page begin one piece, titled after the first), and at
// page 1 when the first of them lies later. Empty when no bookmark of the
// level leads to a page of the document.
QList<Piece> atLevel(const OutlineEntryList &outline, int level, int pageCount);

// How many pieces a split at each level gives: element 0 for level 1, up to
// the deepest level of the outline.
QList<int> countsByLevel(const OutlineEntryList &outline, int pageCount);

} // namespace OutlinePieces
