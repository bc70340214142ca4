#include "instance/CommandMessage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

const QString splitFlag = QStringLiteral("-split_add");
const QString mergeFlag = QStringLiteral("-merge_add");
const QChar separator = QLatin1Char('|');

bool isListFlag(const QString &argument)
{
    return argument == splitFlag || argument == mergeFlag;
}

QStringList documentsAmong(const QStringList &paths, const CommandMessage::DocumentTest &isDocument)
{
    QStringList files;
    for (const QString &path : paths) {
        if (isDocument(path))
            files.append(QFileInfo(path).absoluteFilePath());
    }
    return files;
}

} // namespace

QString CommandMessage::build(const QStringList &arguments)
{
    QStringList parts = arguments.mid(1);
    if (parts.size() >= 2 && isListFlag(parts.at(0))) {
        if (!parts.at(1).isEmpty())
            parts[1] = QDir::current().absoluteFilePath(parts.at(1));
        return parts.join(separator);
    }
    for (QString &part : parts) {
        if (QFileInfo(part).isFile())
            part = QFileInfo(part).absoluteFilePath();
    }
    return parts.join(separator);
}

QStringList CommandMessage::readListFile(const QString &path)
{
    QStringList lines;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream stream(&file);
        stream.setCodec("UTF-8");
        while (!stream.atEnd())
            lines.append(stream.readLine());
        file.close();
    }
    return lines;
}

QStringList CommandMessage::listArguments(Action action, const QString &listFile)
{
    Q_ASSERT(action != None);
    return {action == SplitAdd ? splitFlag : mergeFlag, listFile};
}

CommandMessage CommandMessage::parse(const QString &message, const DocumentTest &isDocument)
{
    CommandMessage result;
    if (message.isEmpty())
        return result;

    const QStringList parts = message.split(separator);
    if (!isListFlag(parts.at(0))) {
        result.files = documentsAmong(parts, isDocument);
        if (!result.files.isEmpty())
            result.action = OpenFiles;
        return result;
    }
    if (parts.size() < 2)
        return result;

    const QString listFile = parts.at(1);
    result.files = readListFile(listFile);
    QFile::remove(listFile);
    if (result.files.isEmpty())
        return result;

    // Splitting wins when a message carries both flags.
    if (message.contains(splitFlag))
        result.action = SplitAdd;
    else if (message.contains(mergeFlag))
        result.action = MergeAdd;
    return result;
}
