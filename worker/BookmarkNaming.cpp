#include "worker/BookmarkNaming.h"

#include <QSet>

namespace BookmarkNaming {

namespace {

const QString bookmarkTag = QStringLiteral("[BOOKMARK]");

QString trimmedName(QString text)
{
    text = text.simplified();
    while (text.startsWith(QLatin1Char('.')) || text.startsWith(QLatin1Char(' ')))
        text.remove(0, 1);
    while (text.endsWith(QLatin1Char('.')) || text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// Drops the last character, never half of a surrogate pair.
void chopCharacter(QString &text)
{
    const bool pair = text.size() >= 2 && text.at(text.size() - 1).isLowSurrogate()
                      && text.at(text.size() - 2).isHighSurrogate();
    text.chop(pair ? 2 : 1);
}

QString nameWith(const QString &templ, const QString &counterLabel, const QString &pageLabel,
                 const QString &baseName, const QDateTime &dateTime, const QString &bookmark)
{
    if (templ.isEmpty())
        return bookmark + QStringLiteral(".pdf");
    QString name = expandTemplate(templ, counterLabel, pageLabel, baseName, dateTime);
    return name.replace(bookmarkTag, bookmark) + QStringLiteral(".pdf");
}

} // namespace

QString safeTitle(const QString &title)
{
    QString text = title;
    text.replace(QLatin1Char('/'), QLatin1Char('-'));
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    }
    return trimmedName(text);
}

QStringList numberRepeated(const QStringList &names)
{
    const QSet<QString> titles(names.cbegin(), names.cend());
    QSet<QString> used;
    QStringList result;
    for (const QString &name : names) {
        QString unique = name;
        // A number that another piece has as its own title is passed over.
        for (int n = 2; used.contains(unique) || (unique != name && titles.contains(unique)); ++n)
            unique = QStringLiteral("%1 (%2)").arg(name).arg(n);
        used.insert(unique);
        result.append(unique);
    }
    return result;
}

QString outputName(const QString &templ, const QString &counterLabel, const QString &pageLabel,
                   const QString &baseName, const QDateTime &dateTime, const QString &bookmark, int maxBytes)
{
    const bool usesBookmark = templ.isEmpty() || templ.contains(bookmarkTag);
    if (!usesBookmark)
        return rangeOutputName(templ, counterLabel, pageLabel, baseName, dateTime, maxBytes);
    QString shortened = bookmark;
    QString name = nameWith(templ, counterLabel, pageLabel, baseName, dateTime, shortened);
    while (fileNameBytes(name) > maxBytes && !shortened.isEmpty()) {
        chopCharacter(shortened);
        shortened = shortened.trimmed();
        name = nameWith(templ, counterLabel, pageLabel, baseName, dateTime, shortened);
    }
    if (fileNameBytes(name) <= maxBytes)
        return name;
    // Too long even without its bookmark: the rest of the template is cut.
    return rangeOutputName(QString(templ).remove(bookmarkTag), counterLabel, pageLabel, baseName, dateTime,
                           maxBytes);
}

} // namespace BookmarkNaming
