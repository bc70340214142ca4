#include "worker/PiecePages.h"

#include "pdf/PdfDocument.h"


namespace PiecePages {

int largestPage(const PageRangeList &pages)
{
    int largest = 0;
    for (const PageRange &range : pages)
        largest = qMax(largest, qMax(range.from, range.to));
    return largest;
}

QHash<int, int> turnsByPage(const QList<PageRotation> &rotations)
{
    QHash<int, int> turns;
    for (const PageRotation &rotation : rotations)
        turns.insert(rotation.page, rotation.angle);
    return turns;
}

QList<PageRotation> turnsOf(const QHash<int, int> &turns, const PageRangeList &pages, int pageCount)
{
    if (turns.isEmpty())
        return {};
    QList<int> numbers;
    for (const PageRange &range : pages) {
        if (qMin(range.from, range.to) < 1 || qMax(range.from, range.to) > pageCount)
            return {};
        const int step = range.from <= range.to ? 1 : -1;
        for (int page = range.from; page != range.to + step; page += step)
            numbers.append(page);
    }
    return turnsOf(turns, numbers);
}

QList<PageRotation> turnsOf(const QHash<int, int> &turns, const QList<int> &pages)
{
    QList<PageRotation> result;
    for (int k = 0; k < pages.size() && !turns.isEmpty(); ++k) {
        const auto angle = turns.constFind(pages.at(k));
        if (angle != turns.constEnd())
            result.append({k + 1, angle.value()});
    }
    return result;
}

bool turn(PdfDocument &piece, const QList<PageRotation> &turns)
{
    for (const PageRotation &rotation : turns) {
        if (!piece.rotatePage(rotation.page, rotation.angle))
            return false;
    }
    return true;
}

} // namespace PiecePages
