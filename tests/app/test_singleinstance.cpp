#include "tests/support/TestGroup.h"
#include "app/SingleApplication.h"
#include "tests/support/TestEnv.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

// Runs real processes: the single-instance rule is about processes.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondInstanceDeliversMessageAndExits();
    void staleLockAndSocketAreRecovered();
    void undeliveredMessageEndsWithOne();
    void idsAreSeparate();
    void desktopProgramHandsSecondStartToFirst();

private:
    QString probe() const;
    bool startFirst(QProcess &process, const QString &id);
    int runSecond(const QString &id, const QString &message, int timeout = 5000);
    QString nextLine(QProcess &process);
};

QString TestSingleInstance::probe() const
{
    return QCoreApplication::applicationDirPath() + "/single_instance_probe";
}

QString TestSingleInstance::nextLine(QProcess &process)
{
    QElapsedTimer timer;
    timer.start();
    while (!process.canReadLine() && timer.elapsed() < 10000)
        process.waitForReadyRead(200);
    return QString::fromUtf8(process.readLine()).trimmed();
}

bool TestSingleInstance::startFirst(QProcess &process, const QString &id)
{
    process.start(probe(), {id, QString()});
    return process.waitForStarted() && nextLine(process) == QLatin1String("first");
}

int TestSingleInstance::runSecond(const QString &id, const QString &message, int timeout)
{
    QProcess second;
    second.start(probe(), {id, message, QString::number(timeout)});
    if (!second.waitForFinished(timeout + 10000))
        return -1;
    return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
}

void TestSingleInstance::secondInstanceDeliversMessageAndExits()
{
    QProcess first;
    QVERIFY(startFirst(first, "deliver"));

    QCOMPARE(runSecond("deliver", "-merge_add|/tmp/list ü.txt"), 0);
    QCOMPARE(nextLine(first), QString("message:-merge_add|/tmp/list ü.txt"));
    // The empty message of a start without arguments is delivered too.
    QCOMPARE(runSecond("deliver", ""), 0);
    QCOMPARE(nextLine(first), QString("message:"));

    QCOMPARE(runSecond("deliver", "quit"), 0);
    QVERIFY(first.waitForFinished(5000));
    QCOMPARE(first.exitCode(), 0);
    // A clean exit leaves nothing behind for the next start.
    QVERIFY(!QFile::exists(SingleApplication::lockFileName("deliver")));
}

void TestSingleInstance::staleLockAndSocketAreRecovered()
{
    QProcess crashed;
    QVERIFY(startFirst(crashed, "stale"));
    crashed.kill();
    QVERIFY(crashed.waitForFinished(5000));
    QVERIFY(QFile::exists(SingleApplication::lockFileName("stale")));
    QVERIFY(QFile::exists(SingleApplication::serverName("stale")));

    QProcess next;
    QVERIFY2(startFirst(next, "stale"), "the start after a crash must become the first instance");
    QCOMPARE(runSecond("stale", "hello"), 0);
    QCOMPARE(nextLine(next), QString("message:hello"));
    QCOMPARE(runSecond("stale", "quit"), 0);
    QVERIFY(next.waitForFinished(5000));
}

void TestSingleInstance::undeliveredMessageEndsWithOne()
{
    QProcess hung;
    QVERIFY(startFirst(hung, "hung"));
    ::kill(pid_t(hung.processId()), SIGSTOP);
    // Alive but not answering: the lock holds, the message never arrives.
    QCOMPARE(runSecond("hung", "hello", 700), 1);
    ::kill(pid_t(hung.processId()), SIGCONT);
    hung.kill();
    hung.waitForFinished(5000);
}

void TestSingleInstance::idsAreSeparate()
{
    QVERIFY(SingleApplication::serverName("a") != SingleApplication::serverName("b"));
    QProcess one;
    QVERIFY(startFirst(one, "one"));
    QProcess two;
    QVERIFY2(startFirst(two, "two"), "another id is another program");
    QCOMPARE(runSecond("one", "quit"), 0);
    QCOMPARE(runSecond("two", "quit"), 0);
    QVERIFY(one.waitForFinished(5000));
    QVERIFY(two.waitForFinished(5000));
}

void TestSingleInstance::desktopProgramHandsSecondStartToFirst()
{
    const QString program = binPath("sheafdesk");
    QTemporaryDir dir;
    auto writeList = [&](const QString &name) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write("/nowhere/one.pdf\n/nowhere/two.pdf\n");
        return file.fileName();
    };
    const QString ownList = writeList("own.txt");

    QProcess first;
    first.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(program, {"-merge_add", ownList});
    QVERIFY(first.waitForStarted());
    // The first start treats its own command line like a later one's message.
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(ownList), 15000);
    QVERIFY(QFile::exists(SingleApplication::serverName("Tessaly Cleavemark")));

    QProcess second;
    second.start(program, QStringList());
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    const QString laterList = writeList("later.txt");
    QProcess third;
    third.start(program, {"-merge_add", laterList});
    QVERIFY(third.waitForFinished(15000));
    QCOMPARE(third.exitCode(), 0);
    QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(laterList), 5000);

    QCOMPARE(first.state(), QProcess::Running);
    first.terminate();
    QVERIFY(first.waitForFinished(5000));
}

CM_TEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
