#ifndef CLEAVEMARK_COMMON_LOGGER_H
#define CLEAVEMARK_COMMON_LOGGER_H

#include <QByteArray>
#include <QDate>
#include <QMutex>
#include <QString>
#include <QStringList>

enum LogLevel { LogDebug = 0, LogError = 1, LogWarning = 2, LogInfo = 3 };

// The daily log file both programs append to, in the user's state folder:
// $XDG_STATE_HOME/cleavemark/log, by default ~/.local/state/cleavemark/log.
//
// Each line reads "[version][os][word size][hh:mm:ss] LEVEL: message" and is
// also sent to Qt's debug output. Threads of one process take a mutex and
// every line reaches the file in a single write() on a descriptor opened with
// O_APPEND, so lines from several threads and processes never interleave.
// The descriptor stays open for the process: a line costs one write(), and
// whether the file was removed meanwhile is checked once a second at most.
class Logger
{
public:
    static Logger &instance();

    void log(const QString &message, LogLevel level = LogDebug);

    QString logFolder() const;     // created on demand, native separators
    QString logFilePath() const;   // <logFolder>/log_yyyy_MM_dd.txt
    QString osName() const;        // the distribution's pretty name

    // $XDG_STATE_HOME/cleavemark (~/.local/state/cleavemark when unset or not
    // absolute): the program's state folder, holding "log" and "crashes".
    static QString stateFolder();
    static QString logFileName(const QDate &date);

private:
    Logger();
    ~Logger();
    Logger(const Logger &) = delete;
    Logger &operator=(const Logger &) = delete;

    QString formatLine(const QString &message, LogLevel level, const QString &clock);
    QString levelName(LogLevel level) const;
    QString currentFilePath(const QDate &date);
    bool openLogFile(const QString &path, qint64 second);
    void closeLogFile();
    static bool writeWhole(int fd, const QByteArray &bytes);
    static QString folderPath();                      // not created

    const QStringList m_levelNames;
    QMutex m_mutex;   // guards everything below

    QString m_prefixVersion;   // the line prefix was made for this version
    QString m_prefix;          // "[version][os][word size]["

    QDate m_pathDate;          // m_path is for this day and state folder
    QByteArray m_pathStateHome;
    QByteArray m_pathHome;
    QString m_folder;
    QString m_path;

    int m_fd = -1;             // open on m_openPath
    QString m_openPath;
    qint64 m_checkedSecond = 0;   // when m_fd was last found still linked
};

#endif
