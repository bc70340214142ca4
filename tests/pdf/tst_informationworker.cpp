#include "tests/support/TestGroup.h"
#include "pdf/InformationWorker.h"
#include "pdf/InformationWorkerList.h"
#include "pdf/PdfEngine.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        // password, page count, hasPassword, locked, hasSecurity, securityItem5, error
        const auto read = [&](const QString &path, const QString &password) {
            InformationWorker worker(m_service, path, password);
            QSignalSpy started(&worker, &InformationWorker::started);
            QSignalSpy finished(&worker, &InformationWorker::finished);
            worker.run();
            const DocumentInformation info = worker.info();
            if (!worker.isDone() || started.count() != 1 || finished.count() != 1 || info.path != path)
                return QString("not run");
            return QString("'%1' %2 %3%4%5%6 %7")
                .arg(info.password).arg(info.pageCount)
                .arg(info.hasPassword).arg(info.locked).arg(info.hasSecurity).arg(info.securityItem5)
                .arg(worker.error());
        };
        QCOMPARE(read(m_locked, "secret"), QString("'secret' 5 1011 0"));
        FixtureOptions restricted;
        restricted.ownerPassword = "owner";
        restricted.restrictPermissions = true;
        QVERIFY(writePdfFixture(m_scratch.filePath("restricted.pdf"), restricted));
        QCOMPARE(read(m_scratch.filePath("restricted.pdf"), ""), QString("'' 1 0010 0"));
        QCOMPARE(read(m_locked, "nope"), QString("'' 0 1100 3"));
        QCOMPARE(read(m_plain, ""), QString("'' 3 0001 0"));
        const QString text = m_scratch.filePath("notes.pdf");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a pdf") > 0);
        file.close();
        QCOMPARE(read(text, "pw"), QString("'' 0 0000 2"));
        QCOMPARE(read(m_scratch.filePath("gone.pdf"), ""), QString("'' 0 0000 1"));
    }

    void listOfMixedPaths()
    {
        QVERIFY(QDir(m_scratch.path()).mkdir("folder.pdf"));
        const QString text = m_scratch.filePath("readme.txt");
        QVERIFY(QFile::copy(m_plain, text));   // a PDF inside, but not named like one
        const QStringList paths{text, m_plain, m_scratch.filePath("folder.pdf"), m_upper, m_locked,
                                m_scratch.filePath("missing.pdf")};

        InformationWorkerList loader(paths);
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
        QStringList rows;
        for (const MergeModelItem &item : run.items)
            rows << QString("%1 %2 %3 %4%5").arg(item.path, item.fileName).arg(item.pageCount)
                        .arg(item.hasPassword).arg(item.hasSecurity);
        QCOMPARE(rows, (QStringList{m_plain + " plain.pdf 3 00", m_upper + " UPPER.PDF 2 00",
                                    m_locked + " locked.pdf 0 10"}));
        QVERIFY(run.items[0].id != run.items[1].id);
        QCOMPARE(loader.state(), WorkerStopped);
        QVERIFY(logged("add files service [START]") && logged("add files service [OK]"));

        // Nothing to read: no progress, and an empty success.
        InformationWorkerList nothing({text, m_scratch.filePath("folder.pdf")});
        Run empty;
        follow(nothing, empty);
        nothing.start();
        QTRY_VERIFY_WITH_TIMEOUT(empty.completed, 10000);
        QCOMPARE(empty.events, (QStringList{"state 1", "started", "state 0", "complete"}));
        QVERIFY(empty.success && empty.items.isEmpty());

        // Rows already in the merge list all come back, in their order: one
        // whose file went away after it was added is told it is gone.
        MergeItemList listed;
        for (const QString &path : {m_scratch.filePath("moved-away.pdf"), m_plain}) {
            MergeModelItem row;
            row.path = path;
            row.fileName = QFileInfo(path).fileName();
            row.reading = true;
            listed << row;
        }
        InformationWorkerList rowsLoader(listed);
        Run rowsRun;
        follow(rowsLoader, rowsRun);
        rowsLoader.start();
        QTRY_VERIFY_WITH_TIMEOUT(rowsRun.completed, 20000);
        QCOMPARE(rowsRun.items.size(), 2);
        QCOMPARE(rowsRun.items[0].fileName, QString("moved-away.pdf"));
        QCOMPARE(rowsRun.items[0].loadError, int(PdfEngine::FileNotFound));
        QVERIFY(!rowsRun.items[0].reading);
        QCOMPARE(rowsRun.items[1].pageCount, 3);
        QCOMPARE(rowsRun.items[1].loadError, 0);
    }

    void cancelEndsWithFailure()
    {
        QStringList paths;
        for (int i = 0; i < 20; ++i)
            paths << m_plain;
        InformationWorkerList loader(paths);
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
        InformationWorkerList early(paths);
        Run before;
        follow(early, before);
        early.cancel();
        early.start();
        QTRY_VERIFY_WITH_TIMEOUT(before.completed, 10000);
        QVERIFY(!before.success);
        QVERIFY(!before.events.contains("progress 1/20"));

        // Destroying a running loader stops it first.
        auto *running = new InformationWorkerList(paths);
        running->start();
        delete running;
    }
};

CM_TEST_MAIN(InformationWorkerTest)
#include "tst_informationworker.moc"
