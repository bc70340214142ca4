#pragma once

#include "pdf/PageRange.h"

#include <QList>

#include <functional>

// Divides a document into runs of consecutive pages, each as long as it can
// be while its file stays within a size limit. Sizes are measured, never
// estimated: a piece's size depends on which fonts and images its pages
// share, and on compression and encryption.
namespace SizePieces {

struct Piece
{
    PageRange range;
    bool oversized = false;   // one page alone that is larger than the limit
};

// The size in bytes of the file made of the pages of a range; -1 when it
// cannot be made.
using Measure = std::function<qint64(const PageRange &)>;
// Called with the last page of each piece once it is known.
using Advance = std::function<void(int lastPage)>;

// Every page in order, in as few pieces as the limit allows when a piece's
// size grows with its pages. A page that alone is over the limit, or that
// cannot be measured, is a piece by itself.
QList<Piece> divide(int pageCount, qint64 limit, const Measure &measure, const Advance &advance);

} // namespace SizePieces
