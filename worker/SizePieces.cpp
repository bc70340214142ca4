#include "worker/SizePieces.h"

namespace SizePieces {

namespace {

// The longest run from first on that fits, found by growing from a guess in
// doubling steps and then halving the gap between the last run that fitted
// and the first that did not. first - 1 when not even one page fits.
int lastFittingPage(int first, int pageCount, int guess, const std::function<bool(int)> &fits)
{
    int good = first - 1;
    int bad = pageCount + 1;
    int probe = qMin(pageCount, first + guess - 1);
    int step = qMax(1, guess);
    while (true) {
        if (!fits(probe)) {
            bad = probe;
            break;
        }
        good = probe;
        if (probe == pageCount)
            return good;
        probe = qMin(pageCount, probe + step);
        step *= 2;
    }
    while (bad - good > 1) {
        const int middle = good + (bad - good) / 2;
        if (fits(middle))
            good = middle;
        else
            bad = middle;
    }
    return good;
}

} // namespace

QList<Piece> divide(int pageCount, qint64 limit, const Measure &measure, const Advance &advance)
{
    QList<Piece> pieces;
    int guess = 1;   // the next piece likely holds as many pages as the last
    int first = 1;
    while (first <= pageCount) {
        const auto fits = [&](int last) {
            const qint64 size = measure({first, last});
            return size >= 0 && size <= limit;
        };
        const int last = lastFittingPage(first, pageCount, guess, fits);
        if (last < first) {
            const qint64 size = measure({first, first});
            pieces.append({{first, first}, size > limit});
        } else {
            pieces.append({{first, last}, false});
        }
        guess = pieces.last().range.to - first + 1;
        first = pieces.last().range.to + 1;
        advance(pieces.last().range.to);
    }
    return pieces;
}

} // namespace SizePieces
