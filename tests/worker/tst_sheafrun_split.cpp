#include "tests/support/TestGroup.h"
#include "protocol/JobErrors.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"
#include "tests/worker/WorkerProcess.h"

#include <QDateTime>
#include <QFileInfo>
#include <QtTest>

// Runs the built worker on generated documents, the way the GUI does: a
// request file in a session folder, "--split" and its path, the response read
// back from the session folder, the outputs opened and their pages read.
class SheafrunSplitTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void commandLineIsCheckedCaseInsensitively();
    void missingSourceFailsWithNoFiles();
    void singlePagesAndGroupsAreNamedByTheirPages();
    void existingOutputsAreNeverOverwritten();
    void failedRangesAreSkippedAndProgressCountsEveryRange();
    void templateNamesOutputsAndUnusableNamesFail();
    void nothingExtractedIsAnError();
    void encryptedSourceGivesProtectedOutputsWithProperties();
    void compressionShrinksTheOutput();
    void removingPagesKeepsTheOthers();
    void removingPagesNeverOverwritesAnEarlierResult();
    void removingEveryPageWritesNothing();
    void emptySessionPathKeepsFilesOutOfTheRoot();
    void largeSplitKeepsTheLogSmallAndOld();

private:
    QString makeSource(const QString &name, int pages, FixtureOptions options = {});
    SplitRequest request(const QString &source, int pages, const PageRangeList &ranges) const;
    SplitResponse runJob(const SplitRequest &request, WorkerRun *run = nullptr);
    QString out(const QString &name) const { return m_scratch->filePath("out/" + name); }

    QScopedPointer<ScratchFolder> m_scratch;
    QString m_session;
};

namespace {

PageRangeList singlePages(int first, int last)
{
    PageRangeList ranges;
    for (int page = first; page <= last; ++page)
        ranges.append({page, page});
    return ranges;
}

QStringList hexNamedFilesInRoot()
{
    return QDir("/").entryList({"????????????????????????????????"}, QDir::Files | QDir::Hidden);
}

} // namespace

void SheafrunSplitTest::init()
{
    m_scratch.reset(new ScratchFolder);
    QVERIFY(m_scratch->isValid());
    m_session = m_scratch->filePath("session");
    QVERIFY(QDir().mkpath(m_session));
}

// No job may leave a temporary file behind: the session folder holds only the
// request and the response, and the private cache folder is empty.
void SheafrunSplitTest::cleanup()
{
    for (const QString &file : filesBelow(m_session))
        QVERIFY2(file.endsWith(".req") || file.endsWith(".resp"), qPrintable(file));
    QCOMPARE(filesBelow(workerCacheFolder()), QStringList());
    // Saves go through hidden files renamed into place; none may stay behind.
    for (const QString &file : filesBelow(out("")))
        QVERIFY2(!QFileInfo(file).fileName().startsWith('.'), qPrintable(file));
    m_scratch.reset();
}

QString SheafrunSplitTest::makeSource(const QString &name, int pages, FixtureOptions options)
{
    options.pageCount = pages;
    const QString path = m_scratch->filePath(name);
    if (!writePdfFixture(path, options))
        return QString();
    return path;
}

SplitRequest SheafrunSplitTest::request(const QString &source, int pages, const PageRangeList &ranges) const
{
    SplitRequest request;
    request.mode = 0;
    request.fileName = source;
    request.pageCount = pages;
    request.ranges = ranges;
    request.outDirectory = m_scratch->filePath("out");
    request.sessionPath = m_session;
    request.sessionId = "job";
    return request;
}

SplitResponse SheafrunSplitTest::runJob(const SplitRequest &request, WorkerRun *run)
{
    const QString requestPath = m_session + "/job.req";
    const QString responsePath = m_session + "/job.resp";
    QFile::remove(responsePath);
    if (!writeRequestData(request.toJson(), requestPath))
        qWarning("request not written");
    const WorkerRun result = runWorker({"--split", requestPath});
    if (run)
        *run = result;
    if (!result.finished || result.exitStatus != QProcess::NormalExit)
        qWarning("worker did not end normally");
    SplitResponse response = readSplitResponse(responsePath);
    // The exit code and the response must tell the same story; a mismatch
    // turns the code into -1 so that every check on it fails.
    if (result.exitCode != response.errorCode) {
        qWarning("exit code %d differs from the response's %d", result.exitCode, response.errorCode);
        response.errorCode = -1;
    }
    return response;
}

void SheafrunSplitTest::commandLineIsCheckedCaseInsensitively()
{
    const QString source = makeSource("report.pdf", 2);
    QVERIFY(writeRequestData(request(source, 2, {{2, 2}}).toJson(), m_session + "/job.req"));

    const WorkerRun mixedCase = runWorker({"--SpLiT", m_session + "/job.req"});
    QCOMPARE(mixedCase.exitCode, 0);
    QCOMPARE(readSplitResponse(m_session + "/job.resp").files, QStringList{out("report_p2.pdf")});
    QCOMPARE(pageTexts(out("report_p2.pdf")), QStringList{"Page 2"});
    QVERIFY(QFile::remove(m_session + "/job.resp"));

    const WorkerRun withoutPath = runWorker({"--split"});
    QCOMPARE(withoutPath.exitStatus, QProcess::NormalExit);
    QCOMPARE(withoutPath.exitCode, 1);

    const WorkerRun unknown = runWorker({"--copy", m_session + "/job.req"});
    QCOMPARE(unknown.exitCode, 1);
    QVERIFY(!QFile::exists(m_session + "/job.resp"));

    const WorkerRun upperMerge = runWorker({"--MERGE", m_session + "/job.req"});
    QCOMPARE(upperMerge.exitCode, 1);   // a split request read as a merge has no tasks
    QVERIFY(QFile::exists(m_session + "/job.resp"));
    QCOMPARE(readMergeResponse(m_session + "/job.resp").errorCode, 1);
}

void SheafrunSplitTest::missingSourceFailsWithNoFiles()
{
    WorkerRun run;
    const SplitResponse response = runJob(request(m_scratch->filePath("gone.pdf"), 3, {{1, 1}}), &run);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(response.errorCode, 1);
    QCOMPARE(response.sessionId, QString("job"));
    QVERIFY(response.files.isEmpty());
    QVERIFY(run.outputLines.isEmpty());
}

void SheafrunSplitTest::singlePagesAndGroupsAreNamedByTheirPages()
{
    const QString source = makeSource("report.pdf", 12);

    WorkerRun run;
    SplitResponse response = runJob(request(source, 12, singlePages(1, 12)), &run);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(response.files.size(), 12);
    for (int page = 1; page <= 12; ++page) {
        const QString expected = out(QStringLiteral("report_p%1.pdf").arg(page, 2, 10, QLatin1Char('0')));
        QCOMPARE(response.files.at(page - 1), QDir::toNativeSeparators(expected));
        QCOMPARE(pageTexts(expected), pageList(page, page));
    }
    QCOMPARE(run.outputLines.size(), 13);
    QCOMPARE(run.outputLines.first(), QString("0"));
    QCOMPARE(run.outputLines.at(6), QString("50"));
    QCOMPARE(run.outputLines.last(), QString("100"));

    response = runJob(request(source, 12, {{1, 5}, {6, 12}}));
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(fileNames(response.files), QStringList({"report_p01-05.pdf", "report_p06-12.pdf"}));
    QCOMPARE(pageTexts(out("report_p01-05.pdf")), pageList(1, 5));
    QCOMPARE(pageTexts(out("report_p06-12.pdf")), pageList(6, 12));
}

// Nine ranges: enough for the worker to cut them on several threads, which
// must still name them in order and never give two the same free name.
void SheafrunSplitTest::existingOutputsAreNeverOverwritten()
{
    const QString source = makeSource("report.pdf", 4);
    QVERIFY(QDir().mkpath(out("")));
    QVERIFY(writeFile(out("report_p1-2.pdf"), "mine"));
    QVERIFY(writeFile(out("(1)report_p1-2.pdf"), "mine too"));

    PageRangeList sameRange;
    for (int k = 0; k < 9; ++k)
        sameRange.append({1, 2});
    const SplitResponse response = runJob(request(source, 4, sameRange));
    QCOMPARE(response.errorCode, 0);
    QStringList expected;
    for (int n = 2; n <= 10; ++n)
        expected.append(QStringLiteral("(%1)report_p1-2.pdf").arg(n));
    QCOMPARE(fileNames(response.files), expected);
    QCOMPARE(readFile(out("report_p1-2.pdf")), QByteArray("mine"));
    QCOMPARE(readFile(out("(1)report_p1-2.pdf")), QByteArray("mine too"));
    for (const QString &name : expected)
        QCOMPARE(pageTexts(out(name)), pageList(1, 2));
}

void SheafrunSplitTest::failedRangesAreSkippedAndProgressCountsEveryRange()
{
    const QString source = makeSource("report.pdf", 5);

    WorkerRun run;
    SplitResponse response = runJob(request(source, 5, {{1, 3}, {20, 21}, {2, 4}}), &run);
    QCOMPARE(response.errorCode, 0);   // a partial result is still a result
    QCOMPARE(fileNames(response.files), QStringList({"report_p01-03.pdf", "report_p02-04.pdf"}));
    QCOMPARE(pageTexts(out("report_p01-03.pdf")), pageList(1, 3));
    QCOMPARE(pageTexts(out("report_p02-04.pdf")), pageList(2, 4));
    QCOMPARE(run.outputLines, QStringList({"0", "33.3333", "66.6667", "100"}));
    QCOMPARE(response.failedCount, 1);

    // The same on several threads: failures counted, outputs and progress in range order.
    response = runJob(request(source, 5, {{5, 5}, {20, 21}, {1, 1}, {2, 2}, {3, 3}, {30, 30}, {4, 4}, {1, 2}, {5, 4}}),
                      &run);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(fileNames(response.files), QStringList({"report_p05.pdf", "report_p01.pdf", "report_p02.pdf",
                                                     "report_p03.pdf", "report_p04.pdf", "report_p01-02.pdf",
                                                     "report_p05-04.pdf"}));
    QCOMPARE(pageTexts(out("report_p03.pdf")), pageList(3, 3));
    QCOMPARE(pageTexts(out("report_p05-04.pdf")), QStringList({"Page 5", "Page 4"}));
    QCOMPARE(response.failedCount, 2);
    QCOMPARE(run.outputLines, QStringList({"0", "11.1111", "22.2222", "33.3333", "44.4444", "55.5556", "66.6667",
                                           "77.7778", "88.8889", "100"}));

    response = runJob(request(source, 5, {}), &run);
    QCOMPARE(response.errorCode, 0);
    QVERIFY(response.files.isEmpty());
    QCOMPARE(run.outputLines, QStringList{"0"});
}

void SheafrunSplitTest::templateNamesOutputsAndUnusableNamesFail()
{
    const QString source = makeSource("report.pdf", 3);
    SplitRequest job = request(source, 3, {{1, 1}, {2, 3}});
    job.outPrefix = "part [COUNTER] of [BASENAME]";
    SplitResponse response = runJob(job);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(fileNames(response.files), QStringList({"part 1 of report.pdf", "part 2 of report.pdf"}));
    QCOMPARE(pageTexts(out("part 2 of report.pdf")), pageList(2, 3));

    // A name holding a path separator cannot be saved, and nothing is
    // created outside the output folder.
    job.outPrefix = "sub/[PAGE]";
    WorkerRun run;
    response = runJob(job, &run);
    QCOMPARE(response.errorCode, 6);
    QVERIFY(response.files.isEmpty());
    QVERIFY(!QFileInfo::exists(out("sub")));
    QCOMPARE(run.outputLines, QStringList({"0", "50", "100"}));
}

void SheafrunSplitTest::nothingExtractedIsAnError()
{
    const QString source = makeSource("report.pdf", 3);
    SplitResponse response = runJob(request(source, 3, {{4, 4}, {7, 9}}));
    QCOMPARE(response.errorCode, 6);
    QVERIFY(response.files.isEmpty());

    FixtureOptions locked;
    locked.userPassword = "right";
    const QString encrypted = makeSource("locked.pdf", 3, locked);
    SplitRequest job = request(encrypted, 3, {{1, 1}, {2, 2}});
    job.filePassword = "wrong";
    job.hasSecurity = true;
    response = runJob(job);
    QCOMPARE(response.errorCode, 2);
    QVERIFY(response.files.isEmpty());
    QCOMPARE(filesBelow(out("")), QStringList());
}

void SheafrunSplitTest::encryptedSourceGivesProtectedOutputsWithProperties()
{
    FixtureOptions locked;
    locked.userPassword = "open sesame";
    const QString source = makeSource("locked.pdf", 4, locked);

    SplitRequest job = request(source, 4, {{2, 3}, {4, 4}});
    job.filePassword = "open sesame";
    job.hasSecurity = true;
    job.password = "guard";
    job.title = "Quarterly figures";
    job.author = "Ada Example";
    job.permissionCopy = false;
    job.permissionChange = false;
    const SplitResponse response = runJob(job);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(fileNames(response.files), QStringList({"locked_p2-3.pdf", "locked_p4.pdf"}));

    const QString first = out("locked_p2-3.pdf");
    QVERIFY(!inspectSecurity(first).opened);
    QVERIFY(!inspectSecurity(first, "open sesame").opened);
    const FixtureSecurity security = inspectSecurity(first, "guard");
    QVERIFY(security.opened);
    QVERIFY(security.encrypted);
    QVERIFY(security.allowsPrint);
    QVERIFY(!security.allowsCopy);
    QVERIFY(!security.allowsModify);
    QCOMPARE(pageTexts(first, "guard"), pageList(2, 3));
    QCOMPARE(pageTexts(out("locked_p4.pdf"), "guard"), pageList(4, 4));
    QCOMPARE(fixtureInfo(first, "/Title", "guard"), QString("Quarterly figures"));
    QCOMPARE(fixtureInfo(first, "/Author", "guard"), QString("Ada Example"));
}

void SheafrunSplitTest::compressionShrinksTheOutput()
{
    FixtureOptions bulky;
    bulky.compressStreams = false;
    bulky.paddingBytes = 300000;
    const QString source = makeSource("bulky.pdf", 2, bulky);

    SplitRequest job = request(source, 2, {{1, 1}});
    SplitResponse response = runJob(job);
    QCOMPARE(response.files.size(), 1);
    const qint64 plain = QFileInfo(response.files.first()).size();

    job.compressFile = true;
    response = runJob(job);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(fileNames(response.files), QStringList{"(1)bulky_p1.pdf"});
    const qint64 packed = QFileInfo(response.files.first()).size();
    // Streams stored uncompressed are compressed in every output; asked to
    // compress, the output also drops resources its page does not use.
    QVERIFY2(plain < QFileInfo(source).size() / 2, qPrintable(QStringLiteral("%1").arg(plain)));
    QVERIFY2(packed <= plain, qPrintable(QStringLiteral("%1 vs %2").arg(packed).arg(plain)));
    QCOMPARE(pageTexts(response.files.first()), pageList(1, 1));
}

void SheafrunSplitTest::removingPagesKeepsTheOthers()
{
    const QString source = makeSource("report.pdf", 10);
    SplitRequest job = request(source, 10, {{3, 3}, {7, 7}});
    job.mode = 1;
    job.title = "Trimmed";
    WorkerRun run;
    SplitResponse response = runJob(job, &run);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(response.files.size(), 1);
    QVERIFY(QFileInfo(response.files.first()).fileName().startsWith("report_edited_"));
    QCOMPARE(pageTexts(response.files.first()),
             QStringList({"Page 1", "Page 2", "Page 4", "Page 5", "Page 6", "Page 8", "Page 9", "Page 10"}));
    QCOMPARE(fixtureInfo(response.files.first(), "/Title"), QString("Trimmed"));
    QVERIFY(run.outputLines.isEmpty());

    // Only the first page of a range is removed.
    job.ranges = {{3, 6}};
    response = runJob(job);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(pageTexts(response.files.first()),
             QStringList({"Page 1", "Page 2", "Page 4", "Page 5", "Page 6", "Page 7", "Page 8", "Page 9", "Page 10"}));

    // A protected source is decrypted first, into the session folder (the
    // cleanup checks nothing stays there or in the cache folder).
    FixtureOptions locked;
    locked.userPassword = "open sesame";
    job.fileName = makeSource("locked.pdf", 4, locked);
    job.pageCount = 4;
    job.ranges = {{1, 1}};
    job.filePassword = "open sesame";
    response = runJob(job);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(pageTexts(response.files.first()), QStringList({"Page 2", "Page 3", "Page 4"}));
    // A wrong one fails as not extracted, and says why.
    job.filePassword = "wrong";
    response = runJob(job);
    QCOMPARE(response.errorCode, 5);
    QCOMPARE(response.errorCause, int(JobCause::Password));

    job.fileName = m_scratch->filePath("gone.pdf");
    QCOMPARE(runJob(job).errorCode, 3);
}

void SheafrunSplitTest::removingPagesNeverOverwritesAnEarlierResult()
{
    const QString source = makeSource("report.pdf", 3);
    QVERIFY(QDir().mkpath(out("")));
    // Occupy the names of the next few seconds, as an earlier run would have.
    const QDateTime now = QDateTime::currentDateTime();
    QStringList occupied;
    for (int second = 0; second < 10; ++second) {
        const QString name = "report_edited_" + now.addSecs(second).toString("yyyyMMdd_hhmmss") + ".pdf";
        QVERIFY(writeFile(out(name), "earlier result"));
        occupied.append(name);
    }

    SplitRequest job = request(source, 3, {{2, 2}});
    job.mode = 1;
    const SplitResponse response = runJob(job);
    QCOMPARE(response.errorCode, 0);
    const QString produced = QFileInfo(response.files.first()).fileName();
    QVERIFY2(produced.startsWith("(1)report_edited_"), qPrintable(produced));
    QVERIFY(occupied.contains(produced.mid(3)));
    QCOMPARE(pageTexts(response.files.first()), QStringList({"Page 1", "Page 3"}));
    for (const QString &name : occupied)
        QCOMPARE(readFile(out(name)), QByteArray("earlier result"));
}

void SheafrunSplitTest::removingEveryPageWritesNothing()
{
    const QString source = makeSource("report.pdf", 3);
    SplitRequest job = request(source, 3, {{1, 1}, {2, 2}, {3, 3}});
    job.mode = 1;
    const SplitResponse response = runJob(job);
    QCOMPARE(response.errorCode, 5);
    QVERIFY(response.files.isEmpty());
    QCOMPARE(filesBelow(out("")), QStringList());
}

void SheafrunSplitTest::emptySessionPathKeepsFilesOutOfTheRoot()
{
    const QString source = makeSource("report.pdf", 3);
    const QString requests = m_scratch->filePath("requests");
    QVERIFY(QDir().mkpath(requests));
    const QStringList rootBefore = hexNamedFilesInRoot();

    // With a session id the response is named after it, in the request's folder.
    SplitRequest job = request(source, 3, {{1, 2}});
    job.sessionPath.clear();
    job.sessionId = "abc";
    QVERIFY(writeRequestData(job.toJson(), requests + "/first.req"));
    QCOMPARE(runWorker({"--split", requests + "/first.req"}).exitCode, 0);
    QCOMPARE(readSplitResponse(requests + "/abc.resp").files, QStringList{out("report_p1-2.pdf")});

    // Without one it is named after the request; mode 1 extracts into the cache folder.
    job.sessionId.clear();
    job.mode = 1;
    QVERIFY(writeRequestData(job.toJson(), requests + "/second.req"));
    QCOMPARE(runWorker({"--split", requests + "/second.req"}).exitCode, 0);
    const SplitResponse response = readSplitResponse(requests + "/second.resp");
    QCOMPARE(response.files.size(), 1);
    QCOMPARE(pageTexts(response.files.first()), QStringList({"Page 2", "Page 3"}));

    QCOMPARE(filesBelow(requests), QStringList({"abc.resp", "first.req", "second.req", "second.resp"}));
    QVERIFY(!QFile::exists("/.resp"));
    QCOMPARE(hexNamedFilesInRoot(), rootBefore);
}


// A split into 2000 single pages logs a few summary lines, not lines per
// page; the log lives in the XDG state folder, where the worker drops daily
// files older than 14 days at start; standard error carries the log's lines
// and nothing else.
void SheafrunSplitTest::largeSplitKeepsTheLogSmallAndOld()
{
    const int pages = 2000;
    const QString source = makeSource("large.pdf", pages);
    QVERIFY(!source.isEmpty());
    const QString logFolder = qEnvironmentVariable("XDG_STATE_HOME") + "/cleavemark/log";
    QVERIFY(QDir().mkpath(logFolder));
    const QDate today = QDate::currentDate();
    const auto dailyFile = [&](const QDate &date) {
        return logFolder + date.toString("/'log_'yyyy_MM_dd'.txt'");
    };
    QVERIFY(writeFile(dailyFile(today.addDays(-15)), "too old\n"));
    QVERIFY(writeFile(dailyFile(today.addDays(-14)), "kept\n"));
    QVERIFY(writeFile(logFolder + "/notes.txt", "not a daily file\n"));
    const QString todaysLog = dailyFile(today);
    const QByteArray logBefore = readFile(todaysLog);

    WorkerRun run;
    const SplitResponse response = runJob(request(source, pages, singlePages(1, pages)), &run);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(response.files.size(), pages);

    QVERIFY(!QFileInfo::exists(dailyFile(today.addDays(-15))));
    QVERIFY(QFileInfo::exists(dailyFile(today.addDays(-14))));
    QVERIFY(QFileInfo::exists(logFolder + "/notes.txt"));
    QVERIFY(!QFileInfo::exists(QDir::homePath() + "/.Tessaly Cleavemark"));

    const QByteArray logAfter = readFile(todaysLog);
    QVERIFY(logAfter.startsWith(logBefore));
    const QString written = QString::fromUtf8(logAfter.mid(logBefore.size()));
    QVERIFY2(written.size() <= 64 * 1024, qPrintable(QString::number(written.size())));
    QVERIFY2(written.contains("DEBUG: Split request: mode 0, source '" + source + "', 2000 pages, 2000 ranges "
                              "(first 1, last 2000)"),
             qPrintable(written));
    QVERIFY2(written.contains("DEBUG: Split response: error code 0, 2000 files (first '"
                              + response.files.first() + "', last '" + response.files.last() + "')"),
             qPrintable(written));

    const QRegularExpression logLine(QStringLiteral(
        "^\\[2\\.0\\.0\\.3\\]\\[[^\\]]+\\]\\[\\d+bit\\]\\[\\d\\d:\\d\\d:\\d\\d\\] (DEBUG|ERROR|WARNING|INFO): "));
    const QStringList errorLines = run.errorText.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(errorLines, written.split('\n', Qt::SkipEmptyParts));
    for (const QString &line : errorLines)
        QVERIFY2(logLine.match(line).hasMatch(), qPrintable(line));
}

CM_TEST_GUILESS_MAIN(SheafrunSplitTest)
#include "tst_sheafrun_split.moc"
