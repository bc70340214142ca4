#include "cli/PageSelection.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <cmath>

namespace PageSelection {

namespace {

// A page number, "z" or "rN"; 0 when it is none.
int pageNumber(const QString &text, int pageCount)
{
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("z"))
        return pageCount;
    bool ok = false;
    if (word.startsWith(QLatin1Char('r'))) {
        const int back = word.mid(1).toInt(&ok);
        return ok && back >= 1 ? pageCount + 1 - back : 0;
    }
    const int page = word.toInt(&ok);
    return ok ? page : 0;
}

bool parseItem(const QString &item, int pageCount, PageRange &range, QString &error)
{
    const int dash = item.indexOf(QLatin1Char('-'));
    const QString first = dash < 0 ? item : item.left(dash);
    const QString last = dash < 0 ? item : item.mid(dash + 1);
    range.from = first.trimmed().isEmpty() && dash >= 0 ? 1 : pageNumber(first, pageCount);
    range.to = last.trimmed().isEmpty() && dash >= 0 ? pageCount : pageNumber(last, pageCount);
    if (item.trimmed() == QLatin1String("-") || range.from == 0 || range.to == 0) {
        error = QStringLiteral("'%1' is not a page or a range of pages").arg(item);
        return false;
    }
    if (range.from < 1 || range.to > pageCount || range.from > pageCount || range.to < 1) {
        error = QStringLiteral("'%1' names a page outside 1-%2").arg(item).arg(pageCount);
        return false;
    }
    if (range.from > range.to) {
        error = QStringLiteral("'%1' runs backwards").arg(item);
        return false;
    }
    return true;
}

} // namespace

bool parse(const QString &text, int pageCount, PageRangeList &ranges, QString &error)
{
    ranges.clear();
    if (text.trimmed().isEmpty()) {
        error = QStringLiteral("no pages given");
        return false;
    }
    const QStringList items = text.split(QLatin1Char(','));
    for (const QString &item : items) {
        PageRange range;
        if (!parseItem(item, pageCount, range, error))
            return false;
        ranges.append(range);
    }
    return true;
}

bool parseParts(const QString &text, int pageCount, QList<PageRangeList> &parts, QString &error)
{
    parts.clear();
    const QStringList texts = text.split(QLatin1Char(';'));
    for (int k = 0; k < texts.size(); ++k) {
        PageRangeList ranges;
        if (texts.at(k).trimmed().isEmpty()) {
            error = QStringLiteral("part %1 has no pages").arg(k + 1);
            return false;
        }
        if (!parse(texts.at(k), pageCount, ranges, error))
            return false;
        parts.append(ranges);
    }
    return true;
}

bool parseRotations(const QString &text, int pageCount, QList<PageRotation> &rotations, QString &error)
{
    rotations.clear();
    QSet<int> named;
    for (const QString &item : text.split(QLatin1Char(','))) {
        const int colon = item.lastIndexOf(QLatin1Char(':'));
        bool ok = false;
        const int angle = colon < 0 ? 0 : item.mid(colon + 1).trimmed().toInt(&ok);
        if (!ok || (angle != 90 && angle != 180 && angle != 270)) {
            error = QStringLiteral("'%1' is not PAGES:ANGLE with an angle of 90, 180 or 270").arg(item);
            return false;
        }
        PageRange range;
        if (!parseItem(item.left(colon), pageCount, range, error))
            return false;
        for (int page = range.from; page <= range.to; ++page) {
            if (named.contains(page)) {
                error = QStringLiteral("page %1 is rotated twice").arg(page);
                return false;
            }
            named.insert(page);
            rotations.append({page, angle});
        }
    }
    return true;
}

bool parseSize(const QString &text, qint64 &bytes)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d+(?:\\.\\d+)?)\\s*([kKmMgG]?)[bB]?\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    double value = match.captured(1).toDouble();
    const QChar unit = match.captured(2).isEmpty() ? QChar() : match.captured(2).at(0).toLower();
    if (unit == QLatin1Char('k'))
        value *= 1024.0;
    else if (unit == QLatin1Char('m'))
        value *= 1024.0 * 1024.0;
    else if (unit == QLatin1Char('g'))
        value *= 1024.0 * 1024.0 * 1024.0;
    bytes = qint64(std::llround(value));
    return bytes > 0;
}

} // namespace PageSelection
