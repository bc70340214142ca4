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

PageRangeList failRanges(RangeTextError reason, RangeTextError *error)
{
    if (error)
        *error = reason;
    return {};
}

// Numbers too long for an integer are simply beyond the last page.
qint64 pageNumber(const QString &digits)
{
    bool ok = false;
    const qint64 number = digits.toLongLong(&ok);
    return ok ? number : std::numeric_limits<qint64>::max();
}

} // namespace

PageRangeList typedPageRanges(const QString &text, int pageCount, RangeTextError *error)
{
    static const QRegularExpression item(QStringLiteral("^\\s*(\\d*)\\s*(-)?\\s*(\\d*)\\s*$"));
    if (error)
        *error = RangeTextError::None;
    PageRangeList ranges;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const auto match = item.match(part);
        const bool dash = match.capturedLength(2) > 0;
        const bool hasFirst = match.capturedLength(1) > 0;
        const bool hasLast = match.capturedLength(3) > 0;
        if (!match.hasMatch() || (!hasFirst && !hasLast) || (!dash && hasLast))
            return failRanges(RangeTextError::Syntax, error);
        const qint64 first = hasFirst ? pageNumber(match.captured(1)) : 1;
        const qint64 last = hasLast ? pageNumber(match.captured(3)) : dash ? pageCount : first;
        if (first < 1 || last < 1 || first > pageCount || last > pageCount)
            return failRanges(RangeTextError::OutOfRange, error);
        if (first > last)
            return failRanges(RangeTextError::Syntax, error);
        ranges.append({int(first), int(last)});
    }
    return ranges;
}

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

QString pageRangeText(const PageRange &range)
{
    if (range.from == range.to)
        return QString::number(range.from);
    return QStringLiteral("%1-%2").arg(range.from).arg(range.to);
}

QString pageRangeListText(const PageRangeList &ranges)
{
    QStringList texts;
    for (const PageRange &range : ranges)
        texts.append(pageRangeText(range));
    return texts.join(QLatin1Char(','));
}
