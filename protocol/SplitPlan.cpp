#include "protocol/SplitPlan.h"

#include "common/UserPreferences.h"

#include <QtGlobal>

namespace SplitPlan {

QString defaultTemplate()
{
    return QStringLiteral("[BASENAME]_p[PAGE]");
}

QString bookmarkTemplate()
{
    return QStringLiteral("[BOOKMARK]");
}

PageRangeList singlePages(int pageCount)
{
    PageRangeList ranges;
    for (int page = 1; page <= pageCount; ++page)
        ranges.append({page, page});
    return ranges;
}

PageRangeList groupRanges(int pageCount, int startPage, int size)
{
    PageRangeList ranges;
    // A start below the first page would make a group of pages that do not exist.
    int from = qMax(1, startPage);
    while (from <= pageCount) {
        int to = from;
        while (to < pageCount && to < from + size - 1)
            ++to;
        ranges.append({from, to});
        from = to + 1;
    }
    return ranges;
}

QString defaultProducer()
{
    return UserPreferences::defaultAuthor();
}

QString defaultAuthor()
{
    return UserPreferences().author();
}

} // namespace SplitPlan
