// Runs sheafdesk-action from a folder of its own, beside a stand-in for
// sheafdesk that records how it was started. What the stand-in received is
// read back with the program's own reader of list files, so the test sees
// the paths exactly as the running program would.

#include "tests/support/TestGroup.h"
#include "../support/TestEnv.h"

#include "instance/CommandMessage.h"
#include "instance/InstallationRegistry.h"
#include "instance/InstanceMeeting.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QUrl>
#include <QtTest>

namespace {

// Writes its arguments, one a line, to "call.<pid>" beside itself, whole or
// not at all.
const char fakeProgram[] = "#!/bin/sh\n"
                           "dir=$(dirname \"$0\")\n"
                           "printf '%s\\n' \"$@\" > \"$dir/call.tmp.$$\"\n"
                           "mv \"$dir/call.tmp.$$\" \"$dir/call.$$\"\n";

struct Run {
    int exitCode = -1;
    QString errors;
};

QStringList listFilesLeft()
{
    return QDir::temp().entryList({QStringLiteral("cleavemark-*.list")}, QDir::Files);
}

} // namespace

class TestShellAction : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void mergeHandsEveryPathOverIntact();
    void actionSwitchedOffStartsNothing();
    void whatCannotBeListedIsRefused();

private:
    Run runAction(const QStringList &arguments);
    // Waits until the stand-in was started count times since the last take,
    // then gives those starts' argument lists and forgets them. A start
    // more than count makes the list longer than count.
    QList<QStringList> takeCalls(int count);
    // After an action that has ended: true when it started nothing. Every
    // start hands over a list file, written before the start and deleted
    // only by the program that reads it, so none left means none started.
    bool startedNothing() const;
    // Reads (and so deletes) a call's list file as the program does.
    static CommandMessage receive(const QStringList &call);

    ScratchFolder m_scratch;
    QString m_programFolder;
};

void TestShellAction::init()
{
    QVERIFY(m_scratch.isValid());
    m_programFolder = m_scratch.filePath(QString::fromLatin1(QTest::currentTestFunction()));
    QVERIFY(QDir().mkpath(m_programFolder));
    QVERIFY(QFile::copy(binPath(QStringLiteral("sheafdesk-action")),
                        m_programFolder + QStringLiteral("/sheafdesk-action")));
    QFile fake(m_programFolder + QStringLiteral("/sheafdesk"));
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.write(fakeProgram);
    fake.close();
    fake.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    InstallationRegistry::setShellValue(QStringLiteral("add_split_enabled"), QVariant());
    InstallationRegistry::setShellValue(QStringLiteral("add_merge_enabled"), QVariant());
}

void TestShellAction::cleanup()
{
    for (const QString &name : listFilesLeft())
        QFile::remove(QDir::temp().filePath(name));
}

Run TestShellAction::runAction(const QStringList &arguments)
{
    QProcess process;
    process.setWorkingDirectory(m_scratch.path());
    process.start(m_programFolder + QStringLiteral("/sheafdesk-action"), arguments);
    Run run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

QList<QStringList> TestShellAction::takeCalls(int count)
{
    const QDir folder(m_programFolder);
    const auto finished = [&folder] {
        return folder.entryList({QStringLiteral("call.[0-9]*")}, QDir::Files);
    };
    // The callers compare the number of starts with the one they expect.
    static_cast<void>(QTest::qWaitFor([&] { return finished().size() >= count; }, 10000));
    QList<QStringList> result;
    for (const QString &name : finished()) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        result.append(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'),
                                                               Qt::SkipEmptyParts));
        file.remove();
    }
    return result;
}

bool TestShellAction::startedNothing() const
{
    const QStringList calls = QDir(m_programFolder).entryList({QStringLiteral("call.*")}, QDir::Files);
    return listFilesLeft().isEmpty() && calls.isEmpty();
}

CommandMessage TestShellAction::receive(const QStringList &call)
{
    // A call names a list file; no plain path in it may count as a document.
    return CommandMessage::parse(call.join(QLatin1Char('|')), [](const QString &) { return false; });
}

void TestShellAction::mergeHandsEveryPathOverIntact()
{
    const QString folder = m_scratch.filePath(QStringLiteral("Zwei Wörter – 報告"));
    QVERIFY(QDir().mkpath(folder));
    const QString spaced = folder + QStringLiteral("/Quarterly report  final.pdf");
    const QString accented = folder + QStringLiteral("/Überblick März ÉTÉ.pdf");
    const QString asUrl = folder + QStringLiteral("/from a url #1.pdf");
    const QString relative = QStringLiteral("in the working folder.pdf");

    const Run run = runAction({QStringLiteral("--merge"), spaced, accented,
                               QUrl::fromLocalFile(asUrl).toString(QUrl::FullyEncoded),
                               relative});
    QCOMPARE(run.exitCode, 0);
    const QList<QStringList> calls = takeCalls(1);
    QCOMPARE(calls.size(), 1);

    const QStringList call = calls.first();
    QCOMPARE(call.size(), 2);
    QCOMPARE(call.at(0), QStringLiteral("-merge_add"));
    const QString listFile = call.at(1);
    QVERIFY(QFileInfo(listFile).isAbsolute());
    // Other users must not read which documents were chosen.
    QCOMPARE(QFile::permissions(listFile) & (QFile::ReadGroup | QFile::ReadOther),
             QFile::Permissions());

    const CommandMessage message = receive(call);
    QCOMPARE(message.action, CommandMessage::MergeAdd);
    QCOMPARE(message.files, QStringList({spaced, accented, asUrl,
                                         m_scratch.filePath(relative)}));
    QVERIFY(!QFile::exists(listFile));
    QVERIFY(listFilesLeft().isEmpty());
}

void TestShellAction::actionSwitchedOffStartsNothing()
{
    const QString document = m_scratch.filePath(QStringLiteral("a.pdf"));

    // This process holds the lock of the running program.
    QLockFile program(InstanceMeeting::lockFileName(InstanceMeeting::desktopProgramId()));
    QVERIFY(program.tryLock(0));

    // While the program splits, the split action is off; merging is not.
    InstallationRegistry::setShellValue(QStringLiteral("add_split_enabled"), 0);
    Run run = runAction({QStringLiteral("--split"), document});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errors.contains(QLatin1String("nothing started")), qPrintable(run.errors));
    QVERIFY(startedNothing());

    QCOMPARE(runAction({QStringLiteral("--merge"), document}).exitCode, 0);
    QList<QStringList> calls = takeCalls(1);
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.at(0).value(0), QStringLiteral("-merge_add"));
    QCOMPARE(receive(calls.at(0)).files, QStringList(document));

    // The split finished: the program switched the action on again.
    InstallationRegistry::setShellValue(QStringLiteral("add_split_enabled"), 1);
    InstallationRegistry::setShellValue(QStringLiteral("add_merge_enabled"), 0);
    run = runAction({QStringLiteral("--merge"), document});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errors.contains(QLatin1String("nothing started")), qPrintable(run.errors));
    QVERIFY(startedNothing());
    QCOMPARE(runAction({QStringLiteral("--split"), document}).exitCode, 0);
    calls = takeCalls(1);
    QCOMPARE(calls.size(), 1);
    QCOMPARE(calls.at(0).value(0), QStringLiteral("-split_add"));
    QCOMPARE(receive(calls.at(0)).action, CommandMessage::SplitAdd);

    // A program that ended without switching the action on again does not
    // keep it off (the install test kills a real one).
    program.unlock();
    QCOMPARE(runAction({QStringLiteral("--merge"), document}).exitCode, 0);
    calls = takeCalls(1);
    QCOMPARE(calls.size(), 1);
    QCOMPARE(receive(calls.at(0)).files, QStringList(document));
    QVERIFY(listFilesLeft().isEmpty());
}

void TestShellAction::whatCannotBeListedIsRefused()
{
    const QString good = m_scratch.filePath(QStringLiteral("good.pdf"));
    const QString broken = m_scratch.filePath(QStringLiteral("two\nlines.pdf"));

    QCOMPARE(runAction({QStringLiteral("--split")}).exitCode, 2);
    QCOMPARE(runAction({QStringLiteral("--split"), QStringLiteral("--merge"), good}).exitCode, 2);
    QCOMPARE(runAction({good}).exitCode, 2);
    QCOMPARE(runAction({QStringLiteral("--merge"), broken}).exitCode, 2);
    QVERIFY(startedNothing());

    // One line a path: a name with a line break would arrive as two wrong
    // paths, so it is left out and the rest goes on.
    const Run run = runAction({QStringLiteral("--merge"), broken, good});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errors.contains(QLatin1String("line break")), qPrintable(run.errors));
    const QList<QStringList> calls = takeCalls(1);
    QCOMPARE(calls.size(), 1);
    QCOMPARE(receive(calls.at(0)).files, QStringList(good));

    // Without the program beside it, nothing is left behind.
    QVERIFY(QFile::remove(m_programFolder + QStringLiteral("/sheafdesk")));
    QCOMPARE(runAction({QStringLiteral("--merge"), good}).exitCode, 1);
    QVERIFY(listFilesLeft().isEmpty());
}

CM_TEST_GUILESS_MAIN(TestShellAction)
#include "test_shellaction.moc"
