#include "tests/support/TestGroup.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"
#include "tests/worker/WorkerProcess.h"
#include "protocol/JobErrors.h"

#include <QFileInfo>
#include <QtTest>

// Runs the built worker with "--merge" on generated documents and reads the
// merged file's pages back. Every fixture page says "Page k", so documents
// of different lengths tell by their page sequence which went where.
class SheafrunMergeTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void itemsFollowTheirOrderValues();
    void rangesPickPagesInRangeOrder();
    void descendingRangeGivesPagesInReverse();
    void singleItemIsCopiedWithProperties();
    void compressionShrinksTheMergedFile();
    void encryptedItemsNeedTheirPassword();
    void noPagesAtAllWritesNothing();
    void incompleteRequestsFail();
    void emptyCachePathAnswersBesideTheRequest();
    void damagedFilesFailCleanly_data();
    void damagedFilesFailCleanly();
    void damagedContentIsToldNotRepaired();

private:
    QString makeSource(const QString &name, int pages, FixtureOptions options = {});
    MergeRequest request(const QList<MergeItem> &items) const;
    MergeResponse runJob(const MergeRequest &request, WorkerRun *run = nullptr);

    QScopedPointer<ScratchFolder> m_scratch;
    QString m_session;
    QString m_target;
};

namespace {

QStringList pages(std::initializer_list<int> numbers)
{
    QStringList texts;
    for (int number : numbers)
        texts.append(QStringLiteral("Page %1").arg(number));
    return texts;
}

} // namespace

void SheafrunMergeTest::init()
{
    m_scratch.reset(new ScratchFolder);
    QVERIFY(m_scratch->isValid());
    m_session = m_scratch->filePath("session");
    QVERIFY(QDir().mkpath(m_session));
    QVERIFY(QDir().mkpath(m_scratch->filePath("out")));
    m_target = m_scratch->filePath("out/merged.pdf");
}

// No merge, successful or not, may leave a temporary file behind.
void SheafrunMergeTest::cleanup()
{
    for (const QString &file : filesBelow(m_session))
        QVERIFY2(file == "job.req" || file == "job.resp", qPrintable(file));
    QCOMPARE(filesBelow(workerCacheFolder()), QStringList());
    for (const QString &file : filesBelow(m_scratch->filePath("out")))
        QVERIFY2(!QFileInfo(file).fileName().startsWith('.'), qPrintable(file));
    m_scratch.reset();
}

QString SheafrunMergeTest::makeSource(const QString &name, int pages, FixtureOptions options)
{
    options.pageCount = pages;
    const QString path = m_scratch->filePath(name);
    return writePdfFixture(path, options) ? path : QString();
}

MergeRequest SheafrunMergeTest::request(const QList<MergeItem> &items) const
{
    MergeRequest request;
    request.tasks = items;
    request.saveFileName = m_target;
    request.cachePath = m_session;
    request.sessionId = "job";
    return request;
}

MergeResponse SheafrunMergeTest::runJob(const MergeRequest &request, WorkerRun *run)
{
    const QString requestPath = m_session + "/job.req";
    QFile::remove(m_session + "/job.resp");
    if (!writeRequestData(request.toJson(), requestPath))
        qWarning("request not written");
    const WorkerRun result = runWorker({"--merge", requestPath});
    if (run)
        *run = result;
    if (!result.finished || result.exitStatus != QProcess::NormalExit)
        qWarning("worker did not end normally");
    MergeResponse response = readMergeResponse(m_session + "/job.resp");
    // The exit code and the response must tell the same story; a mismatch
    // turns the code into -1 so that every check on it fails.
    if (result.exitCode != response.errorCode) {
        qWarning("exit code %d differs from the response's %d", result.exitCode, response.errorCode);
        response.errorCode = -1;
    }
    return response;
}

void SheafrunMergeTest::itemsFollowTheirOrderValues()
{
    const QString one = makeSource("one.pdf", 1);
    const QString two = makeSource("two.pdf", 2);
    const QString three = makeSource("three.pdf", 3);

    WorkerRun run;
    const MergeResponse response = runJob(request({mergeItem(one, 2), mergeItem(two, 0), mergeItem(three, 1)}), &run);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(response.mergedFileName, m_target);
    QVERIFY(response.errorFileName.isEmpty());
    QCOMPARE(pageTexts(m_target), pages({1, 2, 1, 2, 3, 1}));
    QCOMPARE(run.outputLines, QStringList());   // a merge prints no progress
}

void SheafrunMergeTest::rangesPickPagesInRangeOrder()
{
    const QString five = makeSource("five.pdf", 5);
    const QString two = makeSource("two.pdf", 2);

    const MergeResponse response = runJob(request({mergeItem(five, 0, {{3, 4}, {1, 1}}),
                                                   mergeItem(two, 1, {{7, 9}, {3, 3}}),
                                                   mergeItem(two, 2)}));
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(pageTexts(m_target), pages({3, 4, 1, 1, 2}));
}

void SheafrunMergeTest::descendingRangeGivesPagesInReverse()
{
    const QString five = makeSource("five.pdf", 5);
    const MergeResponse response = runJob(request({mergeItem(five, 0, {{5, 3}, {1, 2}})}));
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(pageTexts(m_target), pages({5, 4, 3, 1, 2}));
}

void SheafrunMergeTest::singleItemIsCopiedWithProperties()
{
    const QString source = makeSource("source.pdf", 3);
    MergeRequest job = request({mergeItem(source, 0)});
    job.password = "guard";
    job.title = "Collected papers";
    job.author = "Ada Example";
    job.permissionPrint = false;
    job.permissionAddNotes = false;
    QCOMPARE(runJob(job).errorCode, 0);

    QVERIFY(!inspectSecurity(m_target).opened);
    const FixtureSecurity security = inspectSecurity(m_target, "guard");
    QVERIFY(security.opened);
    QVERIFY(security.encrypted);
    QVERIFY(!security.allowsPrint);
    QVERIFY(!security.allowsAnnotate);
    QVERIFY(security.allowsCopy);
    QCOMPARE(pageTexts(m_target, "guard"), pages({1, 2, 3}));
    QCOMPARE(fixtureInfo(m_target, "/Title", "guard"), QString("Collected papers"));
    QCOMPARE(fixtureInfo(m_target, "/Author", "guard"), QString("Ada Example"));
}

void SheafrunMergeTest::compressionShrinksTheMergedFile()
{
    FixtureOptions bulky;
    bulky.compressStreams = false;
    bulky.paddingBytes = 300000;
    const QString source = makeSource("bulky.pdf", 2, bulky);

    MergeRequest job = request({mergeItem(source, 0), mergeItem(source, 1, {{1, 1}})});
    QCOMPARE(runJob(job).errorCode, 0);
    const qint64 plain = QFileInfo(m_target).size();

    job.compressFile = true;
    QCOMPARE(runJob(job).errorCode, 0);
    const qint64 packed = QFileInfo(m_target).size();
    // Streams stored uncompressed are compressed in every output; asked to
    // compress, the output also drops resources its pages do not use.
    QVERIFY2(plain < QFileInfo(source).size() / 2, qPrintable(QStringLiteral("%1").arg(plain)));
    QVERIFY2(packed <= plain, qPrintable(QStringLiteral("%1 vs %2").arg(packed).arg(plain)));
    QCOMPARE(pageTexts(m_target), pages({1, 2, 1}));
}

void SheafrunMergeTest::encryptedItemsNeedTheirPassword()
{
    FixtureOptions locked;
    locked.userPassword = "right";
    const QString secret = makeSource("secret.pdf", 2, locked);
    const QString plain = makeSource("plain.pdf", 1);

    MergeItem encrypted = mergeItem(secret, 1, {{2, 2}, {1, 1}});
    encrypted.hasPassword = true;
    encrypted.hasSecurity = true;
    encrypted.password = "right";
    MergeResponse response = runJob(request({mergeItem(plain, 0), encrypted}));
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(pageTexts(m_target), pages({1, 2, 1}));
    const QByteArray earlier = readFile(m_target);

    // A failed merge leaves the earlier file at the target untouched.
    encrypted.password = "wrong";
    response = runJob(request({mergeItem(plain, 0), encrypted}));
    QCOMPARE(response.errorCode, 5);
    QCOMPARE(response.errorFileName, secret);
    QVERIFY(response.mergedFileName.isEmpty());
    QCOMPARE(readFile(m_target), earlier);

    QVERIFY(QFile::remove(m_target));
    encrypted.pageRanges.clear();
    response = runJob(request({encrypted, mergeItem(plain, 1)}));
    QCOMPARE(response.errorCode, 5);
    QVERIFY(!QFileInfo::exists(m_target));
}

void SheafrunMergeTest::noPagesAtAllWritesNothing()
{
    const QString two = makeSource("two.pdf", 2);
    const QString three = makeSource("three.pdf", 3);
    const MergeResponse response = runJob(request({mergeItem(two, 0, {{3, 3}}), mergeItem(three, 1, {{4, 6}})}));
    QCOMPARE(response.errorCode, 6);
    QVERIFY(!response.errorFileName.isEmpty());
    QVERIFY(!QFileInfo::exists(m_target));
}

void SheafrunMergeTest::incompleteRequestsFail()
{
    WorkerRun run;
    MergeResponse response = runJob(request({}), &run);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(response.errorCode, 1);

    MergeRequest job = request({mergeItem(makeSource("one.pdf", 1), 0)});
    job.saveFileName.clear();
    response = runJob(job);
    QCOMPARE(response.errorCode, 1);
    QCOMPARE(filesBelow(m_scratch->filePath("out")), QStringList());
}

// Without a session folder the response goes next to the request and the
// temporaries into the private cache folder, never to the file-system root.
void SheafrunMergeTest::emptyCachePathAnswersBesideTheRequest()
{
    FixtureOptions locked;
    locked.userPassword = "right";
    MergeItem encrypted = mergeItem(makeSource("secret.pdf", 3, locked), 0, {{3, 3}, {1, 1}});
    encrypted.hasPassword = true;
    encrypted.password = "right";
    MergeRequest job = request({encrypted});
    job.cachePath.clear();
    job.sessionId = "lonely";

    const QString requests = m_scratch->filePath("requests");
    QVERIFY(QDir().mkpath(requests));
    QVERIFY(writeRequestData(job.toJson(), requests + "/merge.req"));
    QCOMPARE(runWorker({"--merge", requests + "/merge.req"}).exitCode, 0);
    QCOMPARE(readMergeResponse(requests + "/lonely.resp").mergedFileName, m_target);
    QCOMPARE(pageTexts(m_target), pages({3, 1}));
    QVERIFY(!QFile::exists("/lonely.resp"));
}

// Every kind of damaged input among good ones: the worker ends normally with
// a code naming the culprit, or, when qpdf can repair the file, merges it.
void SheafrunMergeTest::damagedFilesFailCleanly_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("withRanges");
    QTest::addColumn<bool>("mustFail");
    QTest::addColumn<bool>("mayFail");
    for (bool ranges : {false, true}) {
        const char *suffix = ranges ? " with ranges" : "";
        QTest::addRow("zero bytes%s", suffix) << "empty" << ranges << true << true;
        QTest::addRow("not a PDF%s", suffix) << "text" << ranges << true << true;
        QTest::addRow("cyclic page tree%s", suffix) << "cyclic" << ranges << true << true;
        QTest::addRow("truncated%s", suffix) << "truncated" << ranges << false << true;
        QTest::addRow("broken xref%s", suffix) << "xref" << ranges << false << false;
    }
}

void SheafrunMergeTest::damagedFilesFailCleanly()
{
    QFETCH(QString, damage);
    QFETCH(bool, withRanges);
    QFETCH(bool, mustFail);
    QFETCH(bool, mayFail);

    const QString good = makeSource("good.pdf", 2);
    FixtureOptions raw;
    raw.compressStreams = false;
    const QString damaged = makeSource("damaged.pdf", 3, raw);
    QByteArray bytes = readFile(damaged);
    if (damage == "empty") {
        bytes.clear();
    } else if (damage == "text") {
        bytes = "Minutes of the meeting, nothing to see here.\n";
    } else if (damage == "cyclic") {
        QVERIFY(writeUnopenablePdf(damaged, UnopenablePdf::CyclicPageTree));
        bytes = readFile(damaged);
    } else if (damage == "truncated") {
        bytes.truncate(bytes.size() * 6 / 10);
    } else {
        const int at = bytes.lastIndexOf("startxref");
        QVERIFY(at > 0);
        bytes = bytes.left(at) + "startxref\n17\n%%EOF\n";
    }
    QVERIFY(writeFile(damaged, bytes));

    const PageRangeList ranges = withRanges ? PageRangeList{{2, 3}} : PageRangeList{};
    WorkerRun run;
    const MergeResponse response = runJob(request({mergeItem(good, 0), mergeItem(damaged, 1, ranges), mergeItem(good, 2)}), &run);
    QVERIFY(run.finished);
    QCOMPARE(run.exitStatus, QProcess::NormalExit);

    if (response.errorCode == 0) {
        QVERIFY2(!mustFail, "a damaged file was merged as if it were fine");
        const QStringList texts = pageTexts(m_target);
        QCOMPARE(texts.mid(0, 2), pages({1, 2}));
        QCOMPARE(texts.mid(texts.size() - 2), pages({1, 2}));
        if (!mayFail)
            QCOMPARE(texts, withRanges ? pages({1, 2, 2, 3, 1, 2}) : pages({1, 2, 1, 2, 3, 1, 2}));
    } else {
        QVERIFY2(mayFail, qPrintable(QStringLiteral("code %1").arg(response.errorCode)));
        QCOMPARE(response.errorCode, withRanges ? 6 : 2);
        QCOMPARE(response.errorFileName, damaged);
        QVERIFY(!QFileInfo::exists(m_target));
        // A PDF document that recovery cannot open is told with the library's reason.
        if (damage == "cyclic") {
            QCOMPARE(response.errorCause, int(JobCause::StructureDamaged));
            QCOMPARE(response.errorDetail, QString("Loop detected in /Pages structure (getAllPages)"));
        } else if (damage == "text") {
            QCOMPARE(response.errorCause, int(JobCause::Unreadable));
            QVERIFY(response.errorDetail.isEmpty());
        }
    }
}

// A page whose content stream does not decode is carried over as it is and
// named in the response, once for every time the merge takes it.
void SheafrunMergeTest::damagedContentIsToldNotRepaired()
{
    const QString good = makeSource("good.pdf", 2);
    FixtureOptions broken;
    broken.damagedContentPages = {2};
    const QString report = makeSource("report.pdf", 3, broken);
    const QString scan = makeSource("scan.pdf", 4, broken);

    MergeRequest job = request({mergeItem(good, 0), mergeItem(report, 1), mergeItem(scan, 2, {{4, 1}}), mergeItem(scan, 3, {{3, 4}})});
    const MergeResponse response = runJob(job);
    QCOMPARE(response.errorCode, 0);
    QStringList told;
    for (const DamagedPage &page : response.damagedPages)
        told << QStringLiteral("%1 %2").arg(QFileInfo(page.fileName).fileName()).arg(page.page);
    QCOMPARE(told, (QStringList{"report.pdf 2", "scan.pdf 2"}));
    // Not repaired: the pages are all there, the damaged ones with their bytes as they were.
    QCOMPARE(pageTexts(m_target), (QStringList{"Page 1", "Page 2", "Page 1", "", "Page 3", "Page 4", "Page 3", "",
                                               "Page 1", "Page 3", "Page 4"}));
    QVERIFY(readFile(m_target).contains("this is no Flate data 2"));

    // A merge of sound documents tells nothing.
    QVERIFY(runJob(request({mergeItem(good, 0), mergeItem(good, 1)})).damagedPages.isEmpty());
}

CM_TEST_GUILESS_MAIN(SheafrunMergeTest)
#include "tst_sheafrun_merge.moc"
