#include "worker/OutputNaming.h"

#include <QFileInfo>
#include <QUuid>

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
                        const QString &baseName, const QDateTime &dateTime)
{
    if (templ.isEmpty())
        return QStringLiteral("%1_p%2.pdf").arg(baseName, pageLabel);
    return QStringLiteral("%1.pdf").arg(expandTemplate(templ, counterLabel, pageLabel, baseName, dateTime));
}

QString editedOutputName(const QString &baseName, const QDateTime &dateTime)
{
    return QStringLiteral("%1_edited_%2.pdf")
        .arg(baseName, dateTime.toString(QStringLiteral("yyyyMMdd_HHmmss")));
}

bool isUsableFileName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0))
           && name != QLatin1String(".") && name != QLatin1String("..");
}
