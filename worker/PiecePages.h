#pragma once

#include "pdf/PageRange.h"
#include "protocol/JobFiles.h"

#include <QHash>
#include <QList>
#include <QString>

class PdfDocument;

// The source pages a piece of a split holds: as the PDF service is asked
// for them, and with the turns the request gives them, which in the piece
// fall on other page numbers.
namespace PiecePages {

// The highest page the ranges name.
int largestPage(const PageRangeList &pages);

// Source page -> angle.
QHash<int, int> turnsByPage(const QList<PageRotation> &rotations);

// The turns of a piece made of these ranges of a document of pageCount
// pages, numbered as the piece's pages; a page the piece holds twice is
// turned in both places. None for ranges outside the document, whose piece
// the PDF service refuses anyway.
QList<PageRotation> turnsOf(const QHash<int, int> &turns, const PageRangeList &pages, int pageCount);

// The same for a piece that holds these source pages, in this order.
QList<PageRotation> turnsOf(const QHash<int, int> &turns, const QList<int> &pages);

// Turns the piece's pages; false when one could not be turned.
bool turn(PdfDocument &piece, const QList<PageRotation> &turns);

} // namespace PiecePages
