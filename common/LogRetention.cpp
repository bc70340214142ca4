#include "common/LogRetention.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace {

struct DailyFile
{
    QDate date;
    QString path;
    qint64 size = 0;
};

// The date a daily file's name carries; invalid for any other name.
QDate dateOfName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^log_(\\d{4})_(\\d{2})_(\\d{2})\\.txt$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch())
        return QDate();
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

// Oldest first.
std::vector<DailyFile> dailyFiles(const QString &folder)
{
    std::vector<DailyFile> files;
    const QFileInfoList entries = QDir(folder).entryInfoList({QStringLiteral("log_*.txt")},
                                                             QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo &entry : entries) {
        const QDate date = dateOfName(entry.fileName());
        if (date.isValid())
            files.push_back({date, entry.filePath(), entry.size()});
    }
    std::sort(files.begin(), files.end(),
              [](const DailyFile &a, const DailyFile &b) { return a.date < b.date; });
    return files;
}

} // namespace

int LogRetention::prune(const QString &folder, const QDate &today) const
{
    const QDate oldestKept = today.addDays(-keepDays);
    qint64 total = 0;
    const std::vector<DailyFile> files = dailyFiles(folder);
    for (const DailyFile &file : files)
        total += file.size;

    int removed = 0;
    for (const DailyFile &file : files) {
        if (file.date >= oldestKept && total <= maxBytes)
            break;
        if (QFile::remove(file.path)) {
            total -= file.size;
            ++removed;
        }
    }
    return removed;
}
