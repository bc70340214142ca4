#include "worker/OutputNaming.h"

#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <functional>

namespace {

const QString pdfExtension = QStringLiteral(".pdf");

// The first length characters of text, one less when that would split a
// surrogate pair.
QString leftWhole(const QString &text, int length)
{
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate())
        --length;
    return text.left(length);
}

// A name made from the base name, fitted into maxBytes: the longest start of
// the base name that lets the whole name fit; when even an empty base name
// is too long, that name's text is cut at its end before ".pdf".
QString fitName(const std::function<QString(const QString &)> &make, const QString &baseName,
                int maxBytes)
{
    const QString whole = make(baseName);
    if (fileNameBytes(whole) <= maxBytes)
        return whole;

    int fits = 0;
    int tooLong = baseName.size();
    while (tooLong - fits > 1) {
        const int middle = (fits + tooLong) / 2;
        if (fileNameBytes(make(leftWhole(baseName, middle))) <= maxBytes)
            fits = middle;
        else
            tooLong = middle;
    }
    const QString name = make(leftWhole(baseName, fits));
    if (fileNameBytes(name) <= maxBytes)
        return name;

    QString text = name.endsWith(pdfExtension) ? name.chopped(pdfExtension.size()) : name;
    while (!text.isEmpty() && fileNameBytes(text + pdfExtension) > maxBytes)
        text = leftWhole(text, text.size() - 1);
    return text + pdfExtension;
}

} // namespace

int fileNameBytes(const QString &name)
{
    return QFile::encodeName(name).size();
}

QString expandTemplate(const QString &templ, const QString &counterLabel, const QString &pageLabel,
                       const QString &baseName, const QDateTime &dateTime)
{
    QString name = templ;
    name.replace(QStringLiteral("[COUNTER]"), counterLabel);
    name.replace(QStringLiteral("[PAGE]"), pageLabel);
    name.replace(QStringLiteral("[BASENAME]"), baseName);
    name.replace(QStringLiteral("[DATENOW]"), dateTime.toString(QStringLiteral("yyyyMMdd")));
    name.replace(QStringLiteral("[TIMENOW]"), dateTime.toString(QStringLiteral("HHmmss")));
    if (name.contains(QStringLiteral("[UNIQUE]")))
        name.replace(QStringLiteral("[UNIQUE]"), QUuid::createUuid().toString());
    return name;
}

QString pageLabel(int from, int to, int pageWidth)
{
    const QChar zero = QLatin1Char('0');
    if (from == to)
        return QStringLiteral("%1").arg(from, pageWidth, 10, zero);
    return QStringLiteral("%1-%2").arg(from, pageWidth, 10, zero).arg(to, pageWidth, 10, zero);
}

QString counterLabel(int k, int counterWidth)
{
    return QStringLiteral("%1").arg(k, counterWidth, 10, QLatin1Char('0'));
}

int digitCount(int n)
{
    if (n == 0)
        return 0;
    return QString::number(qAbs(qint64(n))).size();
}

QString baseNameOf(const QString &sourcePath)
{
    return QFileInfo(sourcePath).completeBaseName();
}

QString rangeOutputName(const QString &templ, const QString &counterLabel, const QString &pageLabel,
                        const QString &baseName, const QDateTime &dateTime, int maxBytes)
{
    if (templ.isEmpty()) {
        return fitName([&](const QString &base) { return QStringLiteral("%1_p%2.pdf").arg(base, pageLabel); },
                       baseName, maxBytes);
    }
    // One expansion's [UNIQUE] stays the same however often the base is shortened.
    const QString fixedTemplate = QString(templ).replace(QStringLiteral("[UNIQUE]"),
                                                         QUuid::createUuid().toString());
    const auto make = [&](const QString &base) {
        return expandTemplate(fixedTemplate, counterLabel, pageLabel, base, dateTime) + pdfExtension;
    };
    return fitName(make, baseName, maxBytes);
}

QString editedOutputName(const QString &baseName, const QDateTime &dateTime, int maxBytes)
{
    const QString stamp = dateTime.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    return fitName([&](const QString &base) { return QStringLiteral("%1_edited_%2.pdf").arg(base, stamp); },
                   baseName, maxBytes);
}

bool isUsableFileName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0))
           && name != QLatin1String(".") && name != QLatin1String("..");
}
