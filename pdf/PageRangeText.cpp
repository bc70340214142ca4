#include "pdf/PageRangeText.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

QList<int> fail(RangeTextError reason, RangeTextError *error)
{
    if (error)
        *error = reason;
    return {};
}

} // namespace

QList<int> pagesFromRangeText(const QString &text, int pageCount, RangeTextError *error)
{
    static const QRegularExpression item(QStringLiteral("^\\s*(\\d+)\\s*(?:-\\s*(\\d+)\\s*)?$"));
    if (error)
        *error = RangeTextError::None;

    QList<QPair<qint64, qint64>> ranges;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const auto match = item.match(part);
        if (!match.hasMatch())
            return fail(RangeTextError::Syntax, error);
        // Numbers too long for an integer are simply beyond the last page.
        bool ok = false;
        const qint64 from = match.captured(1).toLongLong(&ok);
        const qint64 first = ok ? from : std::numeric_limits<qint64>::max();
        qint64 last = first;
        if (match.capturedLength(2) > 0) {
            const qint64 to = match.captured(2).toLongLong(&ok);
            last = ok ? to : std::numeric_limits<qint64>::max();
        }
        if (first < 1 || last < 1 || first > pageCount || last > pageCount)
            return fail(RangeTextError::OutOfRange, error);
        ranges.append({first, last});
    }

    QList<int> pages;
    for (const auto &range : ranges) {
        const int step = range.first <= range.second ? 1 : -1;
        for (qint64 page = range.first;; page += step) {
            pages.append(int(page));
            if (page == range.second)
                break;
        }
    }
    return pages;
}
