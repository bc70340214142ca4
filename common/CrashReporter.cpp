#include "common/CrashReporter.h"

#include "common/Logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <ctime>
#include <exception>

#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// Everything below the "handler side" marker runs inside a signal handler or
// the terminate handler, possibly with a corrupted heap: it uses no Qt, no
// allocation and no locks, only async-signal-safe system calls on buffers
// filled in while installing.

namespace {

constexpr int HandledSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr int HandledSignalCount = int(sizeof(HandledSignals) / sizeof(HandledSignals[0]));

constexpr size_t PathCapacity = PATH_MAX;
constexpr size_t NameCapacity = NAME_MAX + 1;
constexpr size_t ScreenTextCapacity = 4096;
constexpr size_t ExceptionTextCapacity = 512;
constexpr int MaxBacktraceFrames = 128;
constexpr size_t AltStackSize = 256 * 1024;

const char ReportFileName[] = "report.txt";
const char PropertiesFileName[] = "properties.txt";
const char ManifestFileName[] = "manifest.txt";

// What a report needs, prepared while installing.
struct ReportContext
{
    char appName[256];
    char appVersion[128];
    char crashesFolder[PathCapacity];
    char logFolder[PathCapacity];
    bool logNameFollowsDate;          // today's log name can be derived from the clock
    char installLogPath[PathCapacity];
    char settingsPath[PathCapacity];
    char settingsFileName[NameCapacity];
    long utcOffsetSeconds;
    char screens[2][ScreenTextCapacity];
    std::atomic<int> activeScreens;   // which of the two screen texts is current
    char exceptionText[ExceptionTextCapacity];
};

ReportContext g_report;
std::atomic<bool> g_installed{false};
std::atomic<bool> g_reporting{false};   // only the first crash writes a report
std::atomic<pid_t> g_reportingThread{0};
std::atomic<bool> g_reportWritten{false};

struct sigaction g_previousActions[HandledSignalCount];
std::terminate_handler g_previousTerminate = nullptr;
stack_t g_previousAltStack;
alignas(16) char g_altStack[AltStackSize];

static_assert(std::atomic<int>::is_always_lock_free, "signal handlers need lock-free atomics");
static_assert(std::atomic<bool>::is_always_lock_free, "signal handlers need lock-free atomics");
static_assert(std::atomic<pid_t>::is_always_lock_free, "signal handlers need lock-free atomics");

// ---------------------------------------------------------------------------
// Handler side
// ---------------------------------------------------------------------------

// Text assembled in a fixed buffer; too long text is cut, never overflows.
class FixedText
{
public:
    FixedText(char *buffer, size_t capacity) : m_buffer(buffer), m_capacity(capacity)
    {
        m_buffer[0] = '\0';
    }

    FixedText &append(const char *text)
    {
        while (*text && m_length + 1 < m_capacity)
            m_buffer[m_length++] = *text++;
        m_buffer[m_length] = '\0';
        return *this;
    }

    // Decimal, left-padded with zeros to at least `width` digits.
    FixedText &appendNumber(long value, int width = 0)
    {
        char digits[24];
        int count = 0;
        const bool negative = value < 0;
        unsigned long rest = negative ? 0UL - static_cast<unsigned long>(value)
                                      : static_cast<unsigned long>(value);
        do {
            digits[count++] = char('0' + rest % 10);
            rest /= 10;
        } while (rest != 0);
        while (count < width && count < int(sizeof(digits)))
            digits[count++] = '0';
        if (negative)
            append("-");
        char reversed[sizeof(digits) + 1];
        for (int i = 0; i < count; ++i)
            reversed[i] = digits[count - 1 - i];
        reversed[count] = '\0';
        return append(reversed);
    }

    const char *data() const { return m_buffer; }
    size_t length() const { return m_length; }

private:
    char *m_buffer;
    size_t m_capacity;
    size_t m_length = 0;
};

struct CivilTime
{
    long year;
    int month, day, hour, minute, second;
};

// Local time from the clock and the offset known at installation;
// localtime() may lock and allocate, so the calendar is done by hand.
CivilTime localTimeNow()
{
    const long long local = static_cast<long long>(time(nullptr)) + g_report.utcOffsetSeconds;
    long long days = local / 86400;
    long long seconds = local % 86400;
    if (seconds < 0) {
        seconds += 86400;
        --days;
    }

    // Days since 1970-01-01 to a proleptic Gregorian date.
    const long long z = days + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long dayOfEra = z - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shiftedMonth = (5 * dayOfYear + 2) / 153;   // March = 0
    const int day = int(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = int(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const long year = long(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));

    return {year, month, day, int(seconds / 3600), int(seconds / 60 % 60), int(seconds % 60)};
}

const char *signalName(int signalNumber)
{
    switch (signalNumber) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGILL: return "SIGILL";
    case SIGFPE: return "SIGFPE";
    case SIGABRT: return "SIGABRT";
    default: return "unknown signal";
    }
}

bool writeAll(int fd, const char *data, size_t length)
{
    while (length > 0) {
        const ssize_t written = write(fd, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        length -= size_t(written);
    }
    return true;
}

int createReportFile(const char *folder, const char *name)
{
    char pathBuffer[PathCapacity];
    FixedText path(pathBuffer, sizeof(pathBuffer));
    path.append(folder).append("/").append(name);
    return open(path.data(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
}

bool writeReportFile(const char *folder, const char *name, const FixedText &text)
{
    const int fd = createReportFile(folder, name);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, text.data(), text.length());
    close(fd);
    return written;
}

bool copyIntoReport(const char *sourcePath, const char *folder, const char *name)
{
    const int source = open(sourcePath, O_RDONLY | O_CLOEXEC);
    if (source < 0)
        return false;
    const int target = createReportFile(folder, name);
    if (target < 0) {
        close(source);
        return false;
    }
    bool ok = true;
    char chunk[8192];
    for (;;) {
        const ssize_t count = read(source, chunk, sizeof(chunk));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            ok = false;
        if (count <= 0 || !writeAll(target, chunk, size_t(count)))
            break;
    }
    close(source);
    close(target);
    return ok;
}

const char *baseName(const char *path)
{
    const char *name = path;
    for (const char *p = path; *p; ++p) {
        if (*p == '/')
            name = p + 1;
    }
    return name;
}

void appendLogFileName(FixedText &text, const CivilTime &now)
{
    text.append("log_").appendNumber(now.year, 4).append("_").appendNumber(now.month, 2)
        .append("_").appendNumber(now.day, 2).append(".txt");
}

// Creates crashes/<yyyyMMdd-hhmmss>-<pid>; false when it cannot.
bool createReportFolder(FixedText &folder, const CivilTime &now)
{
    folder.append(g_report.crashesFolder).append("/")
        .appendNumber(now.year, 4).appendNumber(now.month, 2).appendNumber(now.day, 2).append("-")
        .appendNumber(now.hour, 2).appendNumber(now.minute, 2).appendNumber(now.second, 2).append("-")
        .appendNumber(long(getpid()));
    return mkdir(folder.data(), 0700) == 0;
}

void writeTextReport(const char *folder, int signalNumber, const CivilTime &now)
{
    char buffer[4096];
    FixedText text(buffer, sizeof(buffer));
    text.append("Application: ").append(g_report.appName).append("\n");
    text.append("Version: ").append(g_report.appVersion).append("\n");
    if (signalNumber == 0) {
        text.append("Signal: terminate\n");
        if (g_report.exceptionText[0])
            text.append("Exception: ").append(g_report.exceptionText).append("\n");
    } else {
        text.append("Signal: ").appendNumber(signalNumber)
            .append(" (").append(signalName(signalNumber)).append(")\n");
    }
    text.append("Process: ").appendNumber(long(getpid())).append("\n");
    text.append("Time: ").appendNumber(now.year, 4).append("-").appendNumber(now.month, 2)
        .append("-").appendNumber(now.day, 2).append(" ").appendNumber(now.hour, 2).append(":")
        .appendNumber(now.minute, 2).append(":").appendNumber(now.second, 2).append("\n");
    text.append("Backtrace:\n");

    const int fd = createReportFile(folder, ReportFileName);
    if (fd < 0)
        return;
    writeAll(fd, text.data(), text.length());
    void *frames[MaxBacktraceFrames];
    const int frameCount = backtrace(frames, MaxBacktraceFrames);
    backtrace_symbols_fd(frames, frameCount, fd);
    close(fd);
}

// Copies today's log; the log of the installation day when today's is not there.
const char *copyLogFile(const char *folder, const CivilTime &now)
{
    static char todaysNameBuffer[NameCapacity];
    if (g_report.logNameFollowsDate) {
        FixedText todaysName(todaysNameBuffer, sizeof(todaysNameBuffer));
        appendLogFileName(todaysName, now);
        char pathBuffer[PathCapacity];
        FixedText path(pathBuffer, sizeof(pathBuffer));
        path.append(g_report.logFolder).append("/").append(todaysName.data());
        if (copyIntoReport(path.data(), folder, todaysName.data()))
            return todaysNameBuffer;
    }
    const char *installName = baseName(g_report.installLogPath);
    if (copyIntoReport(g_report.installLogPath, folder, installName))
        return installName;
    return nullptr;
}

void writeReport(int signalNumber)
{
    const CivilTime now = localTimeNow();
    char folderBuffer[PathCapacity];
    FixedText folder(folderBuffer, sizeof(folderBuffer));
    if (!createReportFolder(folder, now))
        return;

    char manifestBuffer[2048];
    FixedText manifest(manifestBuffer, sizeof(manifestBuffer));

    writeTextReport(folder.data(), signalNumber, now);
    manifest.append(ReportFileName).append("\tCrash report\n");

    if (const char *logName = copyLogFile(folder.data(), now))
        manifest.append(logName).append("\tLog file\n");

    if (copyIntoReport(g_report.settingsPath, folder.data(), g_report.settingsFileName))
        manifest.append(g_report.settingsFileName).append("\tConfiguration File\n");

    const char *screens = g_report.screens[g_report.activeScreens.load()];
    const int fd = createReportFile(folder.data(), PropertiesFileName);
    if (fd >= 0) {
        writeAll(fd, screens, strlen(screens));
        close(fd);
        manifest.append(PropertiesFileName).append("\tProperties\n");
    }

    // Written last: a folder with a manifest holds a finished report.
    writeReportFile(folder.data(), ManifestFileName, manifest);
}

void restoreDefaultActions()
{
    struct sigaction action;
    memset(&action, 0, sizeof(action));
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : HandledSignals)
        sigaction(signalNumber, &action, nullptr);
}

void rememberCurrentException()
{
    FixedText text(g_report.exceptionText, sizeof(g_report.exceptionText));
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return;
    try {
        std::rethrow_exception(current);
    } catch (const std::exception &exception) {
        text.append(exception.what());
    } catch (...) {
        text.append("exception of unknown type");
    }
}

// True when the calling thread is to write the report. Another thread that
// crashes meanwhile waits a while for the report to be finished, so that its
// own default action does not cut it short; a fault while writing the report
// (the same thread) goes straight on to the default action.
bool claimReport()
{
    const pid_t self = pid_t(syscall(SYS_gettid));
    if (!g_reporting.exchange(true)) {
        g_reportingThread.store(self);
        return true;
    }
    if (g_reportingThread.load() != self) {
        const timespec pause = {0, 10 * 1000 * 1000};
        for (int i = 0; i < 1000 && !g_reportWritten.load(); ++i)
            nanosleep(&pause, nullptr);
    }
    return false;
}

// Signal number 0 stands for the terminate handler.
void reportOnce(int signalNumber)
{
    if (!claimReport())
        return;
    if (signalNumber == 0)
        rememberCurrentException();
    writeReport(signalNumber);
    g_reportWritten.store(true);
}

void onFatalSignal(int signalNumber, siginfo_t *, void *)
{
    reportOnce(signalNumber);
    restoreDefaultActions();
    // Blocked until the handler returns, then delivered with the default action.
    raise(signalNumber);
}

[[noreturn]] void onTerminate()
{
    reportOnce(0);
    restoreDefaultActions();
    std::abort();
}

// ---------------------------------------------------------------------------
// Installation side
// ---------------------------------------------------------------------------

bool copyToBuffer(const QByteArray &text, char *buffer, size_t capacity)
{
    if (size_t(text.size()) + 1 > capacity)
        return false;
    memcpy(buffer, text.constData(), size_t(text.size()));
    buffer[text.size()] = '\0';
    return true;
}

long currentUtcOffsetSeconds()
{
    const time_t now = time(nullptr);
    struct tm local;
    if (!localtime_r(&now, &local))
        return 0;
    return local.tm_gmtoff;
}

QString crashesFolderPath()
{
    const QString logFolder = QDir::fromNativeSeparators(Logger::instance().logFolder());
    return QFileInfo(logFolder).absolutePath() + QStringLiteral("/crashes");
}

QString settingsFilePath()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope,
                     QCoreApplication::organizationName(),
                     QCoreApplication::applicationName())
        .fileName();
}

// Fills the context; on failure returns the reason.
QString prepareReportContext(const QString &appName, const QString &appVersion)
{
    const QString crashes = crashesFolderPath();
    if (!QDir().mkpath(crashes) || !QFileInfo(crashes).isDir())
        return QCoreApplication::translate("CrashReporter", "Cannot create the folder '%1'.").arg(crashes);

    const QString logPath = QDir::fromNativeSeparators(Logger::instance().logFilePath());
    const QString settingsPath = settingsFilePath();
    const bool fits = copyToBuffer(appName.toUtf8(), g_report.appName, sizeof(g_report.appName))
                      && copyToBuffer(appVersion.toUtf8(), g_report.appVersion, sizeof(g_report.appVersion))
                      && copyToBuffer(QFile::encodeName(crashes), g_report.crashesFolder, PathCapacity)
                      && copyToBuffer(QFile::encodeName(QFileInfo(logPath).absolutePath()),
                                      g_report.logFolder, PathCapacity)
                      && copyToBuffer(QFile::encodeName(logPath), g_report.installLogPath, PathCapacity)
                      && copyToBuffer(QFile::encodeName(settingsPath), g_report.settingsPath, PathCapacity)
                      && copyToBuffer(QFile::encodeName(QFileInfo(settingsPath).fileName()),
                                      g_report.settingsFileName, NameCapacity);
    if (!fits)
        return QCoreApplication::translate("CrashReporter", "A path of the crash report is too long.");

    g_report.utcOffsetSeconds = currentUtcOffsetSeconds();
    g_report.exceptionText[0] = '\0';

    // Today's log name is derived from the clock only if that gives the logger's own name.
    char nameBuffer[NameCapacity];
    FixedText todaysName(nameBuffer, sizeof(nameBuffer));
    appendLogFileName(todaysName, localTimeNow());
    g_report.logNameFollowsDate = QFile::encodeName(QFileInfo(logPath).fileName()) == todaysName.data();

    // A CrashScreenWatcher made after installing describes the screens.
    CrashReporter::setScreenProperties("Screen count: 0\n");
    return QString();
}

QString systemError(const char *call)
{
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(call), QString::fromLocal8Bit(strerror(errno)));
}

QString installAltStack()
{
    stack_t stack;
    memset(&stack, 0, sizeof(stack));
    stack.ss_sp = g_altStack;
    stack.ss_size = sizeof(g_altStack);
    if (sigaltstack(&stack, &g_previousAltStack) != 0)
        return systemError("sigaltstack");
    return QString();
}

void restoreAltStack()
{
    stack_t current;
    if (sigaltstack(nullptr, &current) == 0 && current.ss_sp == g_altStack)
        sigaltstack(&g_previousAltStack, nullptr);
}

void restorePreviousActions(int count)
{
    for (int i = 0; i < count; ++i)
        sigaction(HandledSignals[i], &g_previousActions[i], nullptr);
}

QString installSignalHandlers()
{
    struct sigaction action;
    memset(&action, 0, sizeof(action));
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < HandledSignalCount; ++i) {
        if (sigaction(HandledSignals[i], &action, &g_previousActions[i]) != 0) {
            const QString error = systemError("sigaction");
            restorePreviousActions(i);
            return error;
        }
    }
    return QString();
}

} // namespace

CrashReporter::CrashReporter(const QString &appName, const QString &appVersion)
{
    Logger::instance().log(QStringLiteral("Install crashreport [BEGIN]"), LogDebug);
    m_installed = install(appName, appVersion);
    if (m_installed) {
        Logger::instance().log(QStringLiteral("Install crashreport [OK]"), LogDebug);
    } else {
        Logger::instance().log(QStringLiteral("Crash reporter error:'%1'").arg(m_errorText), LogError);
        Logger::instance().log(QStringLiteral("Install crashreport [FAILED]"), LogError);
    }
}

CrashReporter::~CrashReporter()
{
    if (m_installed)
        uninstall();
}

bool CrashReporter::isInstalled() const
{
    return m_installed;
}

QString CrashReporter::errorText() const
{
    return m_errorText;
}

QString CrashReporter::crashesFolder()
{
    return QDir::toNativeSeparators(crashesFolderPath());
}

void CrashReporter::setScreenProperties(QByteArray text)
{
    // Fill the text not in use, then switch: a crash meanwhile reads a whole text.
    const int inactive = 1 - g_report.activeScreens.load();
    if (size_t(text.size()) + 1 > ScreenTextCapacity)
        text = text.left(text.lastIndexOf('\n', int(ScreenTextCapacity) - 2) + 1);
    copyToBuffer(text, g_report.screens[inactive], ScreenTextCapacity);
    g_report.activeScreens.store(inactive);
}

bool CrashReporter::install(const QString &appName, const QString &appVersion)
{
    if (g_installed.exchange(true)) {
        m_errorText = QCoreApplication::translate("CrashReporter", "A crash reporter is already installed.");
        return false;
    }

    m_errorText = prepareReportContext(appName, appVersion);
    if (m_errorText.isEmpty()) {
        // backtrace() loads libgcc on its first call, which must not happen in a handler.
        void *frames[4];
        backtrace(frames, 4);
        m_errorText = installAltStack();
    }
    if (m_errorText.isEmpty()) {
        m_errorText = installSignalHandlers();
        if (!m_errorText.isEmpty())
            restoreAltStack();
    }
    if (!m_errorText.isEmpty()) {
        g_installed.store(false);
        return false;
    }

    g_reporting.store(false);
    g_reportingThread.store(0);
    g_reportWritten.store(false);
    g_previousTerminate = std::set_terminate(onTerminate);
    return true;
}

void CrashReporter::uninstall()
{
    std::set_terminate(g_previousTerminate);
    restorePreviousActions(HandledSignalCount);
    restoreAltStack();
    g_installed.store(false);
    m_installed = false;
}
