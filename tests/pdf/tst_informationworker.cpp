#include "pdf/InformationWorker.h"
#include "pdf/InformationWorkerList.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QtTest>

#include <algorithm>

namespace {
QMutex logMutex;
QStringList logLines;
QtMessageHandler passOn = nullptr;

void captureMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&logMutex);
        logLines << message;
    }
    passOn(type, context, message);
}

bool logged(const QString &text)
{
    QMutexLocker lock(&logMutex);
    return std::any_of(logLines.cbegin(), logLines.cend(), [&](const QString &line) { return line.endsWith(text); });
}
}

// Reading document information, one document in the caller's thread and a
// list of them in a thread of its own.
class InformationWorkerTest : public QObject
{
    Q_OBJECT

    // What a list run reported, in arrival order on the test's thread.
    struct Run
    {
        QStringList events;
        bool completed = false;
        bool success = false;
        MergeItemList items;
    };

    void follow(InformationWorkerList &loader, Run &run)
    {
        connect(&loader, &InformationWorkerList::started, this, [&] { run.events << "started"; });
        connect(&loader, &InformationWorkerList::stateChanged, this,
                [&](WorkerStates state) { run.events << QString("state %1").arg(state); });
        connect(&loader, &InformationWorkerList::progressChanged, this,
                [&](int value, int total) { run.events << QString("progress %1/%2").arg(value).arg(total); });
        connect(&loader, &InformationWorkerList::progressMessage, this,
                [&](const QString &message) { run.events << message; });
        connect(&loader, &InformationWorkerList::complete, this, [&](bool success, const MergeItemList &items) {
            run.events << "complete";
            run.completed = true;
            run.success = success;
            run.items = items;
        });
    }

    ScratchFolder m_scratch;
    QSharedPointer<PdfService> m_service;
    QString m_plain, m_upper, m_locked;

private slots:
    void initTestCase()
    {
        passOn = qInstallMessageHandler(captureMessages);
        m_service = QSharedPointer<PdfService>::create();
        FixtureOptions options;
        options.pageCount = 3;
        m_plain = m_scratch.filePath("plain.pdf");
        QVERIFY(writePdfFixture(m_plain, options));
        options.pageCount = 2;
        m_upper = m_scratch.filePath("UPPER.PDF");
        QVERIFY(writePdfFixture(m_upper, options));
        options.pageCount = 5;
        options.userPassword = "secret";
        m_locked = m_scratch.filePath("locked.pdf");
        QVERIFY(writePdfFixture(m_locked, options));
    }

    void singleDocument()
    {
        InformationWorker open(m_service, m_locked, "secret");
        QSignalSpy started(&open, &InformationWorker::started);
        QSignalSpy finished(&open, &InformationWorker::finished);
        open.setRenderCover(true);
        QVERIFY(!open.isDone());
        open.run();
        QVERIFY(open.isDone());
        QCOMPARE(started.count(), 1);
        QCOMPARE(finished.count(), 1);
        DocumentInformation info = open.info();
        QCOMPARE(info.path, m_locked);
        QVERIFY(info.hasPassword && !info.locked && info.hasSecurity);
        QCOMPARE(info.password, QString("secret"));
        QCOMPARE(info.pageCount, 5);
        QCOMPARE(info.cover.size(), QSize(612, 792));
        QCOMPARE(open.error(), AddNoError);

        InformationWorker wrong(m_service, m_locked, "nope");
        wrong.run();
        info = wrong.info();
        QVERIFY(info.locked && info.hasPassword);
        QVERIFY(info.password.isEmpty() && info.cover.isNull());
        QCOMPARE(info.pageCount, 0);
        QCOMPARE(wrong.error(), AddPasswordRequired);

        InformationWorker plain(m_service, m_plain);
        plain.run();
        info = plain.info();
        QVERIFY(!info.hasPassword && !info.locked && !info.hasSecurity && info.securityItem5);
        QCOMPARE(info.pageCount, 3);
        QVERIFY(info.cover.isNull());   // no cover unless asked for

        const QString text = m_scratch.filePath("notes.pdf");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a pdf") > 0);
        file.close();
        InformationWorker broken(m_service, text, "pw");
        broken.run();
        QCOMPARE(broken.info().pageCount, 0);
        QVERIFY(!broken.info().hasPassword && broken.info().password.isEmpty());
        QCOMPARE(broken.error(), AddCannotOpen);
        InformationWorker missing(m_service, m_scratch.filePath("gone.pdf"));
        missing.run();
        QCOMPARE(missing.error(), AddFileNotFound);
    }

    void listOfMixedPaths()
    {
        QVERIFY(QDir(m_scratch.path()).mkdir("folder.pdf"));
        const QString text = m_scratch.filePath("readme.txt");
        QVERIFY(QFile::copy(m_plain, text));   // a PDF inside, but not named like one
        const QStringList paths{text, m_plain, m_scratch.filePath("folder.pdf"), m_upper, m_locked,
                                m_scratch.filePath("missing.pdf")};

        InformationWorkerList loader(m_service, paths);
        Run run;
        follow(loader, run);
        loader.start();
        QTRY_VERIFY_WITH_TIMEOUT(run.completed, 20000);
        QVERIFY(loader.wait(5000));

        const QStringList expected{"state 1", "started",
                                   "progress 2/6", "2 out of 6 files. plain.pdf",
                                   "progress 4/6", "4 out of 6 files. UPPER.PDF",
                                   "progress 5/6", "5 out of 6 files. locked.pdf",
                                   "state 0", "complete"};
        QCOMPARE(run.events, expected);
        QVERIFY(run.success);
        QCOMPARE(run.items.size(), 3);
        QCOMPARE(run.items[0].path, m_plain);
        QCOMPARE(run.items[0].fileName, QString("plain.pdf"));
        QCOMPARE(run.items[0].pageCount, 3);
        QVERIFY(!run.items[0].hasPassword && !run.items[0].hasSecurity);
        QCOMPARE(run.items[1].pageCount, 2);
        QVERIFY(run.items[2].hasPassword && run.items[2].needsPassword());
        QCOMPARE(run.items[2].pageCount, 0);
        QVERIFY(run.items[0].id != run.items[1].id);
        QCOMPARE(loader.state(), WorkerStopped);
        QVERIFY(logged("add files service [START]") && logged("add files service [OK]"));

        // Nothing to read: no progress, and an empty success.
        InformationWorkerList nothing(m_service, {text, m_scratch.filePath("folder.pdf")});
        Run empty;
        follow(nothing, empty);
        nothing.start();
        QTRY_VERIFY_WITH_TIMEOUT(empty.completed, 10000);
        QCOMPARE(empty.events, (QStringList{"state 1", "started", "state 0", "complete"}));
        QVERIFY(empty.success && empty.items.isEmpty());
    }

    void cancelEndsWithFailure()
    {
        QStringList paths;
        for (int i = 0; i < 20; ++i)
            paths << m_plain;
        InformationWorkerList loader(m_service, paths);
        Run run;
        follow(loader, run);
        // Cancelled from within the first file's report: that file is
        // finished, then the run ends.
        int reported = 0;
        connect(&loader, &InformationWorkerList::progressChanged, &loader, [&] {
            ++reported;
            loader.cancel();
        }, Qt::DirectConnection);
        loader.start();
        QTRY_VERIFY_WITH_TIMEOUT(run.completed, 20000);
        QVERIFY(loader.wait(5000));
        QCOMPARE(reported, 1);
        QVERIFY(!run.success && run.items.isEmpty());
        QCOMPARE(run.events.last(), QString("complete"));
        QCOMPARE(run.events.at(run.events.size() - 2), QString("state 0"));
        QVERIFY(logged("add files service [FAILED]"));

        // A cancel that comes before the thread runs is not lost.
        InformationWorkerList early(m_service, paths);
        Run before;
        follow(early, before);
        early.cancel();
        early.start();
        QTRY_VERIFY_WITH_TIMEOUT(before.completed, 10000);
        QVERIFY(!before.success);
        QVERIFY(!before.events.contains("progress 1/20"));

        // Destroying a running loader stops it first.
        auto *running = new InformationWorkerList(m_service, paths);
        running->start();
        delete running;
    }
};

QTEST_MAIN(InformationWorkerTest)
#include "tst_informationworker.moc"
