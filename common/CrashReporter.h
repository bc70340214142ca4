#ifndef CLEAVEMARK_COMMON_CRASHREPORTER_H
#define CLEAVEMARK_COMMON_CRASHREPORTER_H

#include <QByteArray>
#include <QString>

// Writes a crash report when the process dies of a fatal signal (SIGSEGV,
// SIGBUS, SIGILL, SIGFPE, SIGABRT) or of an uncaught exception.
//
// Each program keeps one CrashReporter on the stack of main(), right after
// setting the application identity. A report is a folder
// ~/.<applicationName>/crashes/<yyyyMMdd-hhmmss>-<pid> holding
//   report.txt      application, version, signal and backtrace
//   <log file>      a copy of today's log ("Log file")
//   <settings file> a copy of the INI settings ("Configuration File")
//   properties.txt  "Screen count" and one "Screen <i>" line per screen
//   manifest.txt    one "<file name>\t<description>" line per file, written last
// CrashReportUploader later sends such folders to the crash-report server.
//
// A signal handler may only make async-signal-safe calls, so everything the
// report needs is worked out while installing and kept in static buffers.
// After writing the report the handler restores the default action and
// raises the signal again: the process still ends by that signal.
class CrashReporter
{
public:
    CrashReporter(const QString &appName, const QString &appVersion);
    ~CrashReporter();

    bool isInstalled() const;
    QString errorText() const;

    // Sets the screen properties of a future report: "Screen count: <n>" and
    // one "Screen <i>: <width>x<height>" line per screen (CrashScreenWatcher).
    static void setScreenProperties(QByteArray text);

    // <state folder>/crashes (see Logger::stateFolder), where the reports are written.
    static QString crashesFolder();

private:
    CrashReporter(const CrashReporter &) = delete;
    CrashReporter &operator=(const CrashReporter &) = delete;

    bool install(const QString &appName, const QString &appVersion);
    void uninstall();

    bool m_installed = false;
    QString m_errorText;
};

#endif
