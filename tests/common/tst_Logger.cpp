#include "common/LogRetention.h"
#include "common/Logger.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const char childFlag[] = "--write-log-lines";
const int linesPerWriter = 200;

// Long enough that a line written in pieces would show up mixed with others.
QString payloadFor(const QString &writer, int index)
{
    return QStringLiteral("%1 line %2 %3 end").arg(writer).arg(index).arg(QString(1500, writer.at(0)));
}

void writeLines(const QString &writer)
{
    for (int i = 0; i < linesPerWriter; ++i)
        Logger::instance().log(payloadFor(writer, i), LogInfo);
}

QByteArray logBytes()
{
    QFile file(Logger::instance().logFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString linePrefixPattern(const QString &levelName)
{
    const QString wordSize = QString::number(int(sizeof(void *)) * 8) + QStringLiteral("bit");
    return QStringLiteral("^\\[2\\.0\\.0\\.3\\]\\[%1\\]\\[%2\\]\\[\\d\\d:\\d\\d:\\d\\d\\] %3: ")
        .arg(QRegularExpression::escape(Logger::instance().osName()), wordSize, levelName);
}

} // namespace

class LoggerTest : public QObject
{
    Q_OBJECT

private slots:
    // Emptied, not removed: the logger keeps its file open and notices a
    // removed one only once a second.
    void init() { QFile::resize(Logger::instance().logFilePath(), 0); }
    void lineFormat_data();
    void lineFormat();
    void osNameIsDistributionName();
    void concurrentLinesStayWhole();
    void removedFileIsCreatedAgain();
    void followsAChangedHomeFolder();
    void retentionDropsOldFilesThenOldestOverTheLimit();
};

void LoggerTest::lineFormat_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("levelName");
    QTest::addColumn<QString>("message");

    QTest::newRow("error, non-ASCII") << int(LogError) << "ERROR" << QStringLiteral("Datei:'Größe_€.pdf' [FAILED]");
    QTest::newRow("warning, markers kept") << int(LogWarning) << "WARNING" << "File:'a%1%5b.pdf' [OK]";
}

void LoggerTest::lineFormat()
{
    QFETCH(int, level);
    QFETCH(QString, levelName);
    QFETCH(QString, message);
    const QString folder = qEnvironmentVariable("XDG_STATE_HOME") + QStringLiteral("/cleavemark/log");

    Logger::instance().log(message, LogLevel(level));

    const QString fileName = QStringLiteral("/log_%1.txt").arg(QDate::currentDate().toString("yyyy_MM_dd"));
    QCOMPARE(Logger::instance().logFilePath(), folder + fileName);
    const QString text = QString::fromUtf8(logBytes());
    const QRegularExpression line(linePrefixPattern(levelName) + QRegularExpression::escape(message) + "\n$");
    QVERIFY2(line.match(text).hasMatch(), qPrintable(text));
}

void LoggerTest::osNameIsDistributionName()
{
    QFile osRelease(QStringLiteral("/etc/os-release"));
    if (!osRelease.open(QIODevice::ReadOnly))
        QSKIP("no /etc/os-release here");
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^PRETTY_NAME=\"?([^\"\n]*)\"?$"), QRegularExpression::MultilineOption)
            .match(QString::fromUtf8(osRelease.readAll()));
    if (!match.hasMatch())
        QSKIP("os-release has no PRETTY_NAME");
    QCOMPARE(Logger::instance().osName(), match.captured(1));
}

// Threads of this process and copies of this program append at once; every
// line must arrive whole and none may be lost.
void LoggerTest::concurrentLinesStayWhole()
{
    const int processCount = 3;
    const int threadCount = 3;
    // Thousands of long lines would flood the test output through qDebug.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));

    QList<QProcess *> processes;
    for (int p = 0; p < processCount; ++p) {
        processes.append(new QProcess(this));
        processes.last()->start(QCoreApplication::applicationFilePath(),
                                {QLatin1String(childFlag), QStringLiteral("P%1").arg(p)});
    }
    QList<QThread *> threads;
    for (int t = 0; t < threadCount; ++t) {
        const QString writer = QStringLiteral("T%1").arg(t);
        threads.append(QThread::create([writer] { writeLines(writer); }));
        threads.last()->start();
    }
    for (QThread *thread : threads) {
        QVERIFY(thread->wait(60000));
        delete thread;
    }
    for (QProcess *process : processes) {
        QVERIFY(process->waitForFinished(60000));
        QCOMPARE(process->exitCode(), 0);
    }
    QLoggingCategory::setFilterRules(QString());

    const QRegularExpression wholeLine(linePrefixPattern(QStringLiteral("INFO")) + "(([PT]\\d) line (\\d+) .*)$");
    const QStringList lines = QString::fromUtf8(logBytes()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), (processCount + threadCount) * linesPerWriter);
    QMap<QString, int> perWriter;
    for (const QString &line : lines) {
        const QRegularExpressionMatch match = wholeLine.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line.left(200)));
        QCOMPARE(match.captured(1), payloadFor(match.captured(2), match.captured(3).toInt()));
        ++perWriter[match.captured(2)];
    }
    QCOMPARE(perWriter.size(), processCount + threadCount);
    for (int count : perWriter)
        QCOMPARE(count, linesPerWriter);
}

// The file stays open between lines; one removed meanwhile must be created
// again rather than written where nobody can read it. The logger looks once
// a second, not at every line.
void LoggerTest::removedFileIsCreatedAgain()
{
    Logger::instance().log(QStringLiteral("before removal"), LogInfo);
    const QString path = Logger::instance().logFilePath();
    QVERIFY(QFile::remove(path));
    // Lines keep coming until the logger has looked and made the file anew.
    QTRY_VERIFY_WITH_TIMEOUT((Logger::instance().log(QStringLiteral("after removal"), LogInfo),
                              QFile::exists(path)),
                             20000);

    const QString text = QString::fromUtf8(logBytes());
    QVERIFY2(text.contains(QStringLiteral("after removal")), qPrintable(text));
    QVERIFY2(!text.contains(QStringLiteral("before removal")), qPrintable(text));
}

// The folder follows XDG_STATE_HOME, and ~/.local/state without it; a new
// folder is created with its parents.
void LoggerTest::followsAChangedHomeFolder()
{
    Logger::instance().log(QStringLiteral("old home"), LogInfo);
    QTemporaryDir newState;
    QTemporaryDir newHome;
    QVERIFY(newState.isValid() && newHome.isValid());
    const QByteArray oldState = qgetenv("XDG_STATE_HOME");
    const QByteArray oldHome = qgetenv("HOME");

    qputenv("XDG_STATE_HOME", QFile::encodeName(newState.path() + QStringLiteral("/deeper/state")));
    Logger::instance().log(QStringLiteral("new state"), LogInfo);
    const QString statePath = Logger::instance().logFilePath();
    const QByteArray stateText = logBytes();

    qunsetenv("XDG_STATE_HOME");
    qputenv("HOME", QFile::encodeName(newHome.path()));
    Logger::instance().log(QStringLiteral("new home"), LogInfo);
    const QString homePath = Logger::instance().logFilePath();
    const QByteArray homeText = logBytes();
    qputenv("HOME", oldHome);
    qputenv("XDG_STATE_HOME", oldState);

    QVERIFY2(statePath.startsWith(newState.path() + QStringLiteral("/deeper/state/cleavemark/log/")),
             qPrintable(statePath));
    QVERIFY2(stateText.contains("new state") && !stateText.contains("old home"), stateText.constData());
    QVERIFY2(homePath.startsWith(newHome.path() + QStringLiteral("/.local/state/cleavemark/log/")),
             qPrintable(homePath));
    QVERIFY2(homeText.contains("new home") && !homeText.contains("new state"), homeText.constData());
    Logger::instance().log(QStringLiteral("home again"), LogInfo);
    QVERIFY(logBytes().contains("home again"));
}

// Files past 14 days go whatever their size; then, over the size limit, the
// oldest daily files go first. Names that are not daily files stay.
void LoggerTest::retentionDropsOldFilesThenOldestOverTheLimit()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDate today(2026, 3, 1);   // the day before is in another month
    const auto write = [&](const QString &name, int bytes) {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(QByteArray(bytes, 'x')) == bytes;
    };
    const auto daily = [&](int daysAgo) { return Logger::logFileName(today.addDays(-daysAgo)); };
    for (int daysAgo : {0, 1, 2, 14, 15, 40})
        QVERIFY(write(daily(daysAgo), 100));
    QVERIFY(write(QStringLiteral("log_notes.txt"), 5000));
    QVERIFY(write(QStringLiteral("log_2026_02_30.txt"), 5000));   // no such day

    LogRetention retention;
    retention.maxBytes = 250;
    QCOMPARE(retention.prune(folder.path(), today), 4);

    QStringList left = QDir(folder.path()).entryList(QDir::Files);
    left.sort();
    QCOMPARE(left, QStringList({daily(1), "log_2026_02_30.txt", daily(0), "log_notes.txt"}));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("cleavemark-logtest"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.0.3"));
    if (argc == 3 && qstrcmp(argv[1], childFlag) == 0) {
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        writeLines(QString::fromLocal8Bit(argv[2]));
        return 0;
    }
    LoggerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Logger.moc"
