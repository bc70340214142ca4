#include "common/Logger.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTextStream>
#include <QtDebug>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// PRETTY_NAME from an os-release file, unquoted; empty when absent.
QString prettyNameFrom(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    const QString key = QStringLiteral("PRETTY_NAME=");
    while (!stream.atEnd()) {
        const QString line = stream.readLine().trimmed();
        if (!line.startsWith(key))
            continue;
        QString value = line.mid(key.size());
        if (value.size() >= 2 && (value.startsWith('"') || value.startsWith('\''))
            && value.endsWith(value.at(0)))
            value = value.mid(1, value.size() - 2);
        return value.replace(QStringLiteral("\\\""), QStringLiteral("\""));
    }
    return QString();
}

QString readOsName()
{
    for (const QString &path : {QStringLiteral("/etc/os-release"), QStringLiteral("/usr/lib/os-release")}) {
        const QString name = prettyNameFrom(path);
        if (!name.isEmpty())
            return name;
    }
    const QString fallback = QSysInfo::prettyProductName();
    return fallback.isEmpty() ? QStringLiteral("Unknown OS") : fallback;
}

QString wordSizeText()
{
    return QString::number(QSysInfo::WordSize) + QStringLiteral("bit");
}

} // namespace

Logger &Logger::instance()
{
    static Logger logger;
    return logger;
}

Logger::Logger()
    : m_levelNames{QStringLiteral("DEBUG"), QStringLiteral("ERROR"),
                   QStringLiteral("WARNING"), QStringLiteral("INFO")}
{
}

void Logger::log(const QString &message, LogLevel level)
{
    // One clock reading for the line and the day's file. The folder is made
    // only when the file cannot be opened: a split logs thousands of lines.
    const QDateTime now = QDateTime::currentDateTime();
    const QString line = formatLine(message, level, now.time());
    const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();

    {
        QMutexLocker locker(&m_mutex);
        const QString folder = folderPath();
        const QString path = QDir::toNativeSeparators(folder + QLatin1Char('/') + logFileName(now.date()));
        if (!appendToFile(path, bytes) && QDir().mkpath(folder))
            appendToFile(path, bytes);
    }
    qDebug("%s", line.toLocal8Bit().constData());
}

QString Logger::formatLine(const QString &message, LogLevel level, const QTime &time) const
{
    // One multi-argument arg() call, so a "%n" inside the message stays as written.
    return QStringLiteral("[%5][%4][%6][%1] %2: %3")
        .arg(time.toString(QStringLiteral("hh:mm:ss")), levelName(level), message,
             osName(), QCoreApplication::applicationVersion(), wordSizeText());
}

QString Logger::folderPath()
{
    return QDir::homePath() + QStringLiteral("/.") + QCoreApplication::applicationName()
           + QStringLiteral("/log");
}

QString Logger::logFolder() const
{
    const QString folder = folderPath();
    if (!QDir(folder).exists())
        QDir().mkpath(folder);
    return QDir::toNativeSeparators(folder);
}

QString Logger::logFilePath() const
{
    return QDir::toNativeSeparators(logFolder() + QLatin1Char('/') + logFileName(QDate::currentDate()));
}

QString Logger::logFileName(const QDate &date)
{
    return QStringLiteral("log_%1.txt").arg(date.toString(QStringLiteral("yyyy_MM_dd")));
}

QString Logger::osName() const
{
    static const QString name = readOsName();
    return name;
}

QString Logger::levelName(LogLevel level) const
{
    return m_levelNames.value(int(level), m_levelNames.first());
}

// The kernel places each write() on an O_APPEND descriptor at the end of the
// file atomically, which keeps lines of concurrent processes apart.
bool Logger::appendToFile(const QString &path, const QByteArray &bytes)
{
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    ::close(fd);
    return written == bytes.size();
}
