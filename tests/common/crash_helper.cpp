// Test helper: sets up identity, log and settings like the real programs,
// installs the crash reporter and then dies in the way its first argument
// names. The second argument chooses a GUI ("gui") or a windowless ("core")
// application.

#include "common/CrashReporter.h"
#include "common/CrashScreenWatcher.h"
#include "common/Logger.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSettings>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>

#include <sys/resource.h>

namespace {

void writeThroughNull()
{
    volatile int *volatile pointer = nullptr;
    *pointer = 42;
}

int divideByZero()
{
    volatile int one = 1;
    volatile int zero = 0;
    volatile int result = one / zero;
    return result;
}

__attribute__((noinline)) int recurseForever(int depth)
{
    volatile char frame[1024];
    frame[0] = char(depth);
    return recurseForever(depth + 1) + frame[0];
}

void crash(const char *kind)
{
    if (!strcmp(kind, "segv"))
        writeThroughNull();
    else if (!strcmp(kind, "fpe"))
        divideByZero();
    else if (!strcmp(kind, "overflow"))
        recurseForever(0);
    else if (!strcmp(kind, "abort"))
        abort();
    else if (!strcmp(kind, "throw"))
        throw std::runtime_error("helper gave up on purpose");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return 64;

    // No core files in the test sandbox.
    const struct rlimit noCore = {0, 0};
    setrlimit(RLIMIT_CORE, &noCore);

    std::unique_ptr<QCoreApplication> application;
    if (!strcmp(argv[2], "gui"))
        application = std::make_unique<QGuiApplication>(argc, argv);
    else
        application = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly Cleavemark"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationVersion(QStringLiteral("9.8.7"));

    Logger::instance().log(QStringLiteral("crash helper started"));
    {
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                           QCoreApplication::applicationName());
        settings.setValue(QStringLiteral("helper_marker"), QStringLiteral("written before the crash"));
    }

    CrashReporter reporter(QStringLiteral("Cleavemark"), QCoreApplication::applicationVersion());
    if (!reporter.isInstalled())
        return 65;
    std::unique_ptr<CrashScreenWatcher> screens;
    if (auto *gui = qobject_cast<QGuiApplication *>(application.get()))
        screens = std::make_unique<CrashScreenWatcher>(*gui);

    crash(argv[1]);
    return 0;
}
