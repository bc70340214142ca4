#include "tests/support/TestGroup.h"
#include "common/CrashReporter.h"
#include "common/Logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <exception>

namespace {

const QString HelperAppName = QStringLiteral("Tessaly Cleavemark");

// Where both programs keep their log and crash reports; the test harness
// gives every test a state folder of its own.
QString stateFolder()
{
    return qEnvironmentVariable("XDG_STATE_HOME") + QStringLiteral("/cleavemark");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable " + path.toUtf8() + '>');
}

// "name<TAB>description" lines of a report manifest.
QMap<QString, QString> manifestEntries(const QString &reportFolder)
{
    QMap<QString, QString> entries;
    const QList<QByteArray> lines = readAll(reportFolder + "/manifest.txt").split('\n');
    for (const QByteArray &line : lines) {
        const int tab = line.indexOf('\t');
        if (tab > 0)
            entries.insert(QString::fromUtf8(line.left(tab)), QString::fromUtf8(line.mid(tab + 1)));
    }
    return entries;
}

// The helper runs on the offscreen platform the harness selects: one screen
// of 800 x 600.
const QByteArray offscreenScreenProperties = "Screen count: 1\nScreen 0: 800x600\n";

void dummyHandler(int) {}
void dummyTerminate() { std::abort(); }

} // namespace

class TestCrashReporter : public QObject
{
    Q_OBJECT

private slots:
    void crashLeavesReportAndEndsBySignal_data();
    void crashLeavesReportAndEndsBySignal();
    void installsAndRestoresHandlers();
    void failedInstallIsLoggedAndNotFatal();
};

void TestCrashReporter::crashLeavesReportAndEndsBySignal_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("application");
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QString>("signalLine");

    QTest::newRow("null write") << "segv" << "gui" << SIGSEGV << "Signal: 11 (SIGSEGV)";
    QTest::newRow("stack overflow") << "overflow" << "core" << SIGSEGV << "Signal: 11 (SIGSEGV)";
    QTest::newRow("division by zero") << "fpe" << "core" << SIGFPE << "Signal: 8 (SIGFPE)";
    QTest::newRow("abort") << "abort" << "core" << SIGABRT << "Signal: 6 (SIGABRT)";
    QTest::newRow("uncaught exception") << "throw" << "gui" << SIGABRT
                                        << "Signal: terminate\nException: helper gave up on purpose";
}

void TestCrashReporter::crashLeavesReportAndEndsBySignal()
{
    QFETCH(QString, kind);
    QFETCH(QString, application);
    QFETCH(int, signalNumber);
    QFETCH(QString, signalLine);

    const QString appFolder = stateFolder();
    QDir(appFolder).removeRecursively();
    QDir(QStandardPaths::writableLocation(QStandardPaths::ConfigLocation)).removeRecursively();

    // Half an hour off a whole hour, so a local time taken from UTC alone shows.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TZ", "UTC-05:30");
    const QDateTime expectedLocal = QDateTime::currentDateTimeUtc().addSecs(5 * 3600 + 30 * 60);

    QProcess helper;
    helper.setProcessEnvironment(environment);
    helper.start(QStringLiteral(CRASH_HELPER_PATH), {kind, application});
    QVERIFY2(helper.waitForFinished(30000), qPrintable(helper.errorString()));
    QCOMPARE(helper.exitStatus(), QProcess::CrashExit);
    QCOMPARE(helper.exitCode(), signalNumber);

    const QStringList reports = QDir(appFolder + "/crashes").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(reports.size(), 1);
    const QRegularExpressionMatch name =
        QRegularExpression("^(\\d{8}-\\d{6})-(\\d+)$").match(reports.first());
    QVERIFY2(name.hasMatch(), qPrintable(reports.first()));
    QDateTime stamp = QDateTime::fromString(name.captured(1), "yyyyMMdd-hhmmss");
    stamp.setTimeSpec(Qt::UTC);   // compare clock readings, both taken at +05:30
    QVERIFY2(qAbs(stamp.secsTo(expectedLocal)) < 120,
             qPrintable(reports.first() + " vs " + expectedLocal.toString("yyyyMMdd-hhmmss")));

    const QString report = appFolder + "/crashes/" + reports.first();
    const QString logName = "log_" + expectedLocal.toString("yyyy_MM_dd") + ".txt";
    const QString settingsName = QFileInfo(QSettings(QSettings::IniFormat, QSettings::UserScope, "Tessaly",
                                                     HelperAppName).fileName()).fileName();

    const QMap<QString, QString> manifest = manifestEntries(report);
    QCOMPARE(manifest.value("report.txt"), QString("Crash report"));
    QCOMPARE(manifest.value(logName), QString("Log file"));
    QCOMPARE(manifest.value(settingsName), QString("Configuration File"));
    QCOMPARE(manifest.value("properties.txt"), QString("Properties"));
    QStringList files = QDir(report).entryList(QDir::Files);
    files.removeOne("manifest.txt");
    QCOMPARE(QSet<QString>(files.begin(), files.end()),
             QSet<QString>({"report.txt", logName, settingsName, "properties.txt"}));

    const QString text = QString::fromUtf8(readAll(report + "/report.txt"));
    QVERIFY2(text.startsWith("Application: Cleavemark\nVersion: 9.8.7\n" + signalLine + "\n"), qPrintable(text));
    QVERIFY2(text.contains(QString("\nProcess: %1\n").arg(name.captured(2))), qPrintable(text));
    const QString backtrace = text.section("Backtrace:\n", 1);
    QVERIFY2(backtrace.count('\n') >= 3, qPrintable(text));

    const QByteArray log = readAll(appFolder + "/log/" + logName);
    QVERIFY(log.contains("crash helper started"));
    QVERIFY(log.contains("Install crashreport [OK]"));
    QCOMPARE(readAll(report + '/' + logName), log);

    const QByteArray settings = readAll(report + '/' + settingsName);
    QVERIFY2(settings.contains("helper_marker=written before the crash"), settings.constData());

    const QByteArray screens = application == "gui" ? offscreenScreenProperties : QByteArray("Screen count: 0\n");
    QCOMPARE(readAll(report + "/properties.txt"), screens);
}

void TestCrashReporter::installsAndRestoresHandlers()
{
    QCoreApplication::setApplicationName("Crash Install Test");

    struct sigaction dummy;
    memset(&dummy, 0, sizeof(dummy));
    dummy.sa_handler = dummyHandler;
    sigemptyset(&dummy.sa_mask);
    struct sigaction original;
    QCOMPARE(sigaction(SIGBUS, &dummy, &original), 0);
    const std::terminate_handler originalTerminate = std::set_terminate(dummyTerminate);
    stack_t altStackBefore;
    QCOMPARE(sigaltstack(nullptr, &altStackBefore), 0);

    {
        CrashReporter reporter("Cleavemark", "1.0");
        QVERIFY2(reporter.isInstalled(), qPrintable(reporter.errorText()));
        QVERIFY(reporter.errorText().isEmpty());
        QCOMPARE(CrashReporter::crashesFolder(), stateFolder() + "/crashes");
        QVERIFY(QFileInfo(CrashReporter::crashesFolder()).isDir());

        struct sigaction current;
        QCOMPARE(sigaction(SIGBUS, nullptr, &current), 0);
        QVERIFY(current.sa_flags & SA_ONSTACK);
        QVERIFY(std::get_terminate() != dummyTerminate);

        // Only one reporter at a time; the second refuses and leaves the first alone.
        CrashReporter second("Cleavemark", "1.0");
        QVERIFY(!second.isInstalled());
        QVERIFY(!second.errorText().isEmpty());
        QCOMPARE(sigaction(SIGBUS, nullptr, &current), 0);
        QVERIFY(current.sa_flags & SA_ONSTACK);
    }

    struct sigaction restored;
    QCOMPARE(sigaction(SIGBUS, nullptr, &restored), 0);
    QVERIFY(restored.sa_handler == dummyHandler);
    QVERIFY(std::get_terminate() == dummyTerminate);
    stack_t altStack;
    QCOMPARE(sigaltstack(nullptr, &altStack), 0);
    QCOMPARE(altStack.ss_sp, altStackBefore.ss_sp);
    QCOMPARE(altStack.ss_flags, altStackBefore.ss_flags);

    sigaction(SIGBUS, &original, nullptr);
    std::set_terminate(originalTerminate);
}

void TestCrashReporter::failedInstallIsLoggedAndNotFatal()
{
    QCoreApplication::setApplicationName("Crash Failure Test");
    struct sigaction before;
    QCOMPARE(sigaction(SIGSEGV, nullptr, &before), 0);
    const QString appFolder = stateFolder();
    QDir(appFolder + "/crashes").removeRecursively();
    QVERIFY(QDir().mkpath(appFolder));
    QFile blocker(appFolder + "/crashes");   // a file where the folder should go
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The log is shared with the tests before: only this test's lines count.
    const int logStart = int(QFileInfo(Logger::instance().logFilePath()).size());

    CrashReporter reporter("Cleavemark", "1.0");
    QVERIFY(!reporter.isInstalled());
    QVERIFY2(reporter.errorText().contains("crashes"), qPrintable(reporter.errorText()));

    const QByteArray log = readAll(Logger::instance().logFilePath()).mid(logStart);
    QVERIFY2(log.contains("] DEBUG: Install crashreport [BEGIN]\n"), log.constData());
    QVERIFY2(log.contains("] ERROR: Install crashreport [FAILED]\n"), log.constData());
    QVERIFY(!log.contains("Install crashreport [OK]"));

    struct sigaction current;
    QCOMPARE(sigaction(SIGSEGV, nullptr, &current), 0);
    QVERIFY(current.sa_sigaction == before.sa_sigaction);
}

CM_TEST_MAIN(TestCrashReporter)
#include "tst_crashreporter.moc"
