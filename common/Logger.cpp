#include "common/Logger.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTextStream>
#include <QtDebug>

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
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

// The local time of the moment, as the daily file and the line's clock both need it.
std::tm localTime(std::time_t seconds)
{
    std::tm local{};
    ::tzset();   // follows a changed TZ, like QDateTime does
    ::localtime_r(&seconds, &local);
    return local;
}

// "hh:mm:ss"
QString clockText(const std::tm &time)
{
    const auto twoDigits = [](int value, QChar *at) {
        at[0] = QLatin1Char(char('0' + value / 10 % 10));
        at[1] = QLatin1Char(char('0' + value % 10));
    };
    QString text(8, QLatin1Char(':'));
    twoDigits(time.tm_hour, text.data());
    twoDigits(time.tm_min, text.data() + 3);
    twoDigits(time.tm_sec, text.data() + 6);
    return text;
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

Logger::~Logger()
{
    closeLogFile();
}

void Logger::log(const QString &message, LogLevel level)
{
    // One clock reading for the line and the day's file.
    const std::time_t seconds = std::time(nullptr);
    const std::tm now = localTime(seconds);
    QString line;
    {
        QMutexLocker locker(&m_mutex);
        line = formatLine(message, level, clockText(now));
        const QByteArray bytes = (line + QLatin1Char('\n')).toUtf8();
        // The folder is made only when the file cannot be opened, not for
        // every line.
        const QString path = currentFilePath(QDate(now.tm_year + 1900, now.tm_mon + 1, now.tm_mday));
        if (openLogFile(path, seconds) || (QDir().mkpath(m_folder) && openLogFile(path, seconds)))
            writeWhole(m_fd, bytes);
    }
    // What qDebug() does with a finished text, without formatting it again.
    qt_message_output(QtDebugMsg, QMessageLogContext(), line);
}

QString Logger::formatLine(const QString &message, LogLevel level, const QString &clock)
{
    // The part before the time stays the same for the whole run, unless the
    // version is set late.
    const QString version = QCoreApplication::applicationVersion();
    if (m_prefix.isEmpty() || version != m_prefixVersion) {
        m_prefixVersion = version;
        m_prefix = QStringLiteral("[%1][%2][%3][").arg(version, osName(), wordSizeText());
    }
    QString line;
    line.reserve(m_prefix.size() + clock.size() + message.size() + 12);
    line += m_prefix;
    line += clock;
    line += QLatin1String("] ");
    line += levelName(level);
    line += QLatin1String(": ");
    line += message;
    return line;
}

QString Logger::stateFolder()
{
    // Relative values are invalid in the XDG base directory rules and ignored.
    const QString stateHome = QFile::decodeName(qgetenv("XDG_STATE_HOME"));
    const QString base = QDir::isAbsolutePath(stateHome) ? stateHome
                                                         : QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base) + QStringLiteral("/cleavemark");
}

QString Logger::folderPath()
{
    return stateFolder() + QStringLiteral("/log");
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

// The path of today's file; worked out again only when the day or the
// state folder changed since the last line.
QString Logger::currentFilePath(const QDate &date)
{
    const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
    const QByteArray home = qgetenv("HOME");
    if (date != m_pathDate || stateHome != m_pathStateHome || home != m_pathHome || m_path.isEmpty()) {
        m_pathDate = date;
        m_pathStateHome = stateHome;
        m_pathHome = home;
        m_folder = folderPath();
        m_path = QDir::toNativeSeparators(m_folder + QLatin1Char('/') + logFileName(date));
    }
    return m_path;
}

// The descriptor stays open for the process's lifetime; it is opened again
// for a new day's file, and when the file was removed meanwhile (a removed
// file has no links left), so that lines do not keep going to a file nobody
// sees. That check costs a system call, so it is made once a second at most.
bool Logger::openLogFile(const QString &path, qint64 second)
{
    if (m_fd >= 0 && path == m_openPath) {
        if (second == m_checkedSecond)
            return true;
        struct stat status;
        if (::fstat(m_fd, &status) == 0 && status.st_nlink > 0) {
            m_checkedSecond = second;
            return true;
        }
    }
    closeLogFile();
    m_fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0)
        return false;
    m_openPath = path;
    m_checkedSecond = second;
    return true;
}

void Logger::closeLogFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_openPath.clear();
}

// The kernel places each write() on an O_APPEND descriptor at the end of the
// file atomically, which keeps lines of concurrent processes apart.
bool Logger::writeWhole(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += n;
    }
    return written == bytes.size();
}
