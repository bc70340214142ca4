#include "pdf/OutlinePieces.h"

#include <QMap>

namespace OutlinePieces {

namespace {

bool leadsIntoDocument(const OutlineEntry &entry, int pageCount)
{
    return entry.page >= 1 && entry.page <= pageCount;
}

QString firstTitleBefore(const OutlineEntryList &outline, int page)
{
    for (const OutlineEntry &entry : outline) {
        if (entry.page >= 1 && entry.page < page)
            return entry.title;
    }
    return QString();
}

} // namespace

QList<Piece> atLevel(const OutlineEntryList &outline, int level, int pageCount)
{
    // First page of each piece -> its title; the first bookmark at a page names it.
    QMap<int, QString> starts;
    for (const OutlineEntry &entry : outline) {
        if (entry.level == level - 1 && leadsIntoDocument(entry, pageCount) && !starts.contains(entry.page))
            starts.insert(entry.page, entry.title);
    }
    if (starts.isEmpty())
        return {};
    if (starts.firstKey() > 1)
        starts.insert(1, firstTitleBefore(outline, starts.firstKey()));

    QList<Piece> pieces;
    for (auto it = starts.cbegin(); it != starts.cend(); ++it) {
        const auto next = std::next(it);
        const int last = next == starts.cend() ? pageCount : next.key() - 1;
        pieces.append({{it.key(), last}, it.value()});
    }
    return pieces;
}

QList<int> countsByLevel(const OutlineEntryList &outline, int pageCount)
{
    int deepest = 0;
    for (const OutlineEntry &entry : outline)
        deepest = qMax(deepest, entry.level + 1);
    QList<int> counts;
    for (int level = 1; level <= deepest; ++level)
        counts.append(atLevel(outline, level, pageCount).size());
    return counts;
}

} // namespace OutlinePieces
