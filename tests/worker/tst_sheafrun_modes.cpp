#include "tests/support/TestGroup.h"
#include "tests/support/OutlineFixture.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/PdfStructure.h"
#include "tests/support/TestEnv.h"
#include "tests/worker/WorkerProcess.h"
#include "protocol/SplitPlan.h"

#include <QFileInfo>
#include <QtTest>

// The worker's split by file size, split by bookmarks and alternating merge,
// run as the GUI runs them on generated documents. Every fixture page says
// "Page k"; documents merged together differ by their pages' rotation.
Q_DECLARE_METATYPE(QList<SplitPart>)
Q_DECLARE_METATYPE(QList<PageRotation>)

class SheafrunModesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bookmarkLevelsCutAndNameThePieces();
    void sizeLimitMakesTheFewestPiecesThatFit();
    void alternateMergeInterleavesRangesAndReversedDocuments();
    void rotationsTurnPagesInEveryPieceThatHoldsThem();
    void impossiblePartsAndRotationsWriteNothing_data();
    void impossiblePartsAndRotationsWriteNothing();

private:
    QString makeSource(const QString &name, int pages, FixtureOptions options = {});
    SplitRequest splitRequest(const QString &source, int mode) const;
    SplitResponse runSplit(const SplitRequest &request, WorkerRun *run = nullptr);
    MergeResponse runMerge(const MergeRequest &request);
    QString out(const QString &name) const { return m_scratch->filePath("out/" + name); }

    QScopedPointer<ScratchFolder> m_scratch;
    QString m_session;
};

namespace {

// Which document and page each page of a merged file came from: the
// rotation tells the document, the text the page ("90:Page 3").
QStringList rotatedPages(const QString &path)
{
    QStringList result;
    const QStringList texts = pageTexts(path);
    for (int page = 1; page <= texts.size(); ++page)
        result.append(QStringLiteral("%1:%2").arg(fixturePageRotation(path, page)).arg(texts.at(page - 1)));
    return result;
}

} // namespace

void SheafrunModesTest::init()
{
    m_scratch.reset(new ScratchFolder);
    QVERIFY(m_scratch->isValid());
    m_session = m_scratch->filePath("session");
    QVERIFY(QDir().mkpath(m_session));
    QVERIFY(QDir().mkpath(m_scratch->filePath("out")));
}

// No job may leave a temporary file behind.
void SheafrunModesTest::cleanup()
{
    for (const QString &file : filesBelow(m_session))
        QVERIFY2(file.endsWith(".req") || file.endsWith(".resp"), qPrintable(file));
    QCOMPARE(filesBelow(workerCacheFolder()), QStringList());
    for (const QString &file : filesBelow(out("")))
        QVERIFY2(!QFileInfo(file).fileName().startsWith('.'), qPrintable(file));
    m_scratch.reset();
}

QString SheafrunModesTest::makeSource(const QString &name, int pages, FixtureOptions options)
{
    options.pageCount = pages;
    const QString path = m_scratch->filePath(name);
    return writePdfFixture(path, options) ? path : QString();
}

SplitRequest SheafrunModesTest::splitRequest(const QString &source, int mode) const
{
    SplitRequest request;
    request.mode = mode;
    request.fileName = source;
    request.outDirectory = out("");
    request.sessionPath = m_session;
    request.sessionId = "job";
    return request;
}

SplitResponse SheafrunModesTest::runSplit(const SplitRequest &request, WorkerRun *run)
{
    QFile::remove(m_session + "/job.resp");
    if (!writeRequestData(request.toJson(), m_session + "/job.req"))
        qWarning("request not written");
    const WorkerRun result = runWorker({"--split", m_session + "/job.req"});
    if (run)
        *run = result;
    SplitResponse response = readSplitResponse(m_session + "/job.resp");
    if (!result.finished || result.exitCode != response.errorCode) {
        qWarning("exit code %d differs from the response's %d", result.exitCode, response.errorCode);
        response.errorCode = -1;
    }
    return response;
}

MergeResponse SheafrunModesTest::runMerge(const MergeRequest &request)
{
    QFile::remove(m_session + "/job.resp");
    if (!writeRequestData(request.toJson(), m_session + "/job.req"))
        qWarning("request not written");
    const WorkerRun result = runWorker({"--merge", m_session + "/job.req"});
    MergeResponse response = readMergeResponse(m_session + "/job.resp");
    if (!result.finished || result.exitCode != response.errorCode) {
        qWarning("exit code %d differs from the response's %d", result.exitCode, response.errorCode);
        response.errorCode = -1;
    }
    return response;
}

// Ten pages with an outline whose titles repeat, hold a "/" and a line
// break, and one that is too long for a file name.
void SheafrunModesTest::bookmarkLevelsCutAndNameThePieces()
{
    const QString source = makeSource("book.pdf", 10);
    const QString longTitle(200, QChar(0xDC));   // two bytes each in UTF-8
    QVERIFY(writeOutline(source, {{0, "Front/Back matter", 2},
                                  {1, "Summary", 2},
                                  {1, "Details", 3},
                                  {0, "Chapter", 4},
                                  {1, "Summary", 4},
                                  {1, "Notes\nand more", 6},
                                  {0, "Chapter", 7},
                                  {1, "Summary", 8},
                                  {0, "Appendix", 7},
                                  {1, "Summary", 10},
                                  {2, longTitle, 10}}));

    // Level 1: page 1 comes before any bookmark and is named after the
    // document; "Chapter" and "Appendix" lead to page 7 and make one piece.
    SplitRequest request = splitRequest(source, SplitRequest::Bookmarks);
    request.bookmarkLevel = 1;
    WorkerRun run;
    SplitResponse response = runSplit(request, &run);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(fileNames(response.files),
             QStringList({"book.pdf", "Front-Back matter.pdf", "Chapter.pdf", "Chapter (2).pdf"}));
    QCOMPARE(pageTexts(out("book.pdf")), pageList(1, 1));
    QCOMPARE(pageTexts(out("Front-Back matter.pdf")), pageList(2, 3));
    QCOMPARE(pageTexts(out("Chapter.pdf")), pageList(4, 6));
    QCOMPARE(pageTexts(out("Chapter (2).pdf")), pageList(7, 10));
    QCOMPARE(outlineLines(out("Chapter.pdf")),
             QStringList({"Chapter -> 1", "  Summary -> 1", "  Notes\nand more -> 3"}));
    QCOMPARE(outlineLines(out("book.pdf")), QStringList());
    QCOMPARE(run.outputLines.last(), QString("100"));

    // Level 2 with a template: repeated titles are numbered in page order.
    QVERIFY(QDir(out("")).removeRecursively() && QDir().mkpath(out("")));
    request.bookmarkLevel = 2;
    request.outPrefix = "[COUNTER] [BOOKMARK]";
    response = runSplit(request);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(fileNames(response.files),
             QStringList({"1 book.pdf", "2 Summary.pdf", "3 Details.pdf", "4 Summary (2).pdf",
                          "5 Notes and more.pdf", "6 Summary (3).pdf", "7 Summary (4).pdf"}));
    QCOMPARE(pageTexts(out("4 Summary (2).pdf")), pageList(4, 5));
    QCOMPARE(pageTexts(out("7 Summary (4).pdf")), pageList(10, 10));
    QCOMPARE(outlineLines(out("4 Summary (2).pdf")), QStringList({"Chapter -> 1", "  Summary -> 1"}));

    // Level 3: the long title is shortened to the name limit; the pages
    // before it take the first bookmark among them.
    QVERIFY(QDir(out("")).removeRecursively() && QDir().mkpath(out("")));
    request.bookmarkLevel = 3;
    request.outPrefix.clear();
    response = runSplit(request);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(response.files.size(), 2);
    QCOMPARE(QFileInfo(response.files.at(0)).fileName(), QString("Front-Back matter.pdf"));
    const QString longName = QFileInfo(response.files.at(1)).fileName();
    QVERIFY(longName.toUtf8().size() <= 255 && longName.toUtf8().size() >= 250);
    QVERIFY(longName.startsWith(QString(100, QChar(0xDC))) && longName.endsWith(".pdf"));
    QCOMPARE(pageTexts(response.files.at(1)), pageList(10, 10));

    // Again into the same folder: the earlier files stay, and the name that
    // would need a "(1)" before it is shortened further to stay within the limit.
    const QString earlier = response.files.at(1);
    response = runSplit(request);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(QFileInfo(response.files.at(0)).fileName(), QString("(1)Front-Back matter.pdf"));
    const QString againName = QFileInfo(response.files.at(1)).fileName();
    QVERIFY2(response.files.at(1) != earlier && againName.toUtf8().size() <= 255, qPrintable(againName));
    QVERIFY(QFileInfo(earlier).isFile());
    QCOMPARE(pageTexts(response.files.at(1)), pageList(10, 10));

    // A template that cannot make a file name writes nothing and says why.
    QVERIFY(QDir(out("")).removeRecursively() && QDir().mkpath(out("")));
    request.outPrefix = "../[BOOKMARK]";
    response = runSplit(request);
    QCOMPARE(response.errorCode, 6);
    QCOMPARE(response.failedCount, 2);
    QCOMPARE(response.errorCause, 6);   // an unusable name
    request.outPrefix.clear();

    // A level without bookmarks, and a document without any, cut nothing.
    QVERIFY(QDir(out("")).removeRecursively() && QDir().mkpath(out("")));
    request.bookmarkLevel = 4;
    QCOMPARE(runSplit(request).errorCode, 7);
    request.fileName = makeSource("plain.pdf", 3);
    request.bookmarkLevel = 1;
    response = runSplit(request);
    QCOMPARE(response.errorCode, 7);
    QVERIFY(response.files.isEmpty());
    QCOMPARE(filesBelow(out("")), QStringList());
}

// Ten pages, each drawing an incompressible image of its own, all listed in
// one shared resource dictionary: a piece that kept every page's resources
// would hold all ten images.
void SheafrunModesTest::sizeLimitMakesTheFewestPiecesThatFit()
{
    FixtureOptions options;
    options.pageImageBytes = 30000;
    const QString source = makeSource("scan.pdf", 10, options);

    // A limit above the whole document: one piece, the document itself.
    SplitRequest request = splitRequest(source, SplitRequest::FileSize);
    request.maxFileSize = 10 * 1024 * 1024;
    WorkerRun run;
    SplitResponse response = runSplit(request, &run);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(fileNames(response.files), QStringList{"scan_p01-10.pdf"});
    QCOMPARE(pageTexts(response.files.first()), pageList(1, 10));
    QVERIFY(response.oversizedFiles.isEmpty());
    QCOMPARE(run.outputLines.first(), QString("0"));
    QCOMPARE(run.outputLines.last(), QString("100"));

    // A limit below any page: every page alone, each said to be too large.
    QVERIFY(QDir(out("")).removeRecursively() && QDir().mkpath(out("")));
    request.maxFileSize = 20000;
    response = runSplit(request);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(response.files.size(), 10);
    QCOMPARE(response.oversizedFiles, response.files);
    for (int page = 1; page <= 10; ++page) {
        QCOMPARE(pageTexts(response.files.at(page - 1)), pageList(page, page));
        QVERIFY(QFileInfo(response.files.at(page - 1)).size() > 20000);
    }

    // Between: protected, titled pieces of about three pages. Each stays
    // within the limit as written, and each would pass it with the next
    // page added, which the same worker measures as a range split.
    QVERIFY(QDir(out("")).removeRecursively() && QDir().mkpath(out("")));
    const qint64 limit = 100000;
    request.maxFileSize = limit;
    request.password = "secret";
    request.title = "Scan";
    request.outPrefix = "[BASENAME] part [COUNTER]";
    response = runSplit(request);
    QCOMPARE(response.errorCode, 0);
    QVERIFY(response.oversizedFiles.isEmpty());
    QVERIFY2(response.files.size() >= 3 && response.files.size() <= 5, qPrintable(response.files.join(',')));
    QStringList allPages;
    QList<PageRange> pieces;
    for (int k = 0; k < response.files.size(); ++k) {
        const QString &file = response.files.at(k);
        QCOMPARE(QFileInfo(file).fileName(), QStringLiteral("scan part %1.pdf").arg(k + 1));
        QVERIFY2(QFileInfo(file).size() <= limit, qPrintable(QString::number(QFileInfo(file).size())));
        QVERIFY(inspectSecurity(file, "secret").userPasswordOk);
        QCOMPARE(fixtureInfo(file, "/Title", "secret"), QString("Scan"));
        const QStringList texts = pageTexts(file, "secret");
        allPages += texts;
        pieces.append({allPages.size() - texts.size() + 1, allPages.size()});
    }
    QCOMPARE(allPages, pageList(1, 10));

    QVERIFY(QDir(out("")).removeRecursively() && QDir().mkpath(out("")));
    SplitRequest longer = splitRequest(source, SplitRequest::Ranges);
    longer.password = "secret";
    longer.title = "Scan";
    for (int k = 0; k + 1 < pieces.size(); ++k)
        longer.ranges.append({pieces.at(k).from, pieces.at(k).to + 1});
    response = runSplit(longer);
    QCOMPARE(response.files.size(), pieces.size() - 1);
    for (const QString &file : response.files)
        QVERIFY2(QFileInfo(file).size() > limit, qPrintable(file));

    // No limit is a request the worker refuses.
    request.maxFileSize = 0;
    response = runSplit(request);
    QCOMPARE(response.errorCode, 8);
    QVERIFY(response.files.isEmpty());
}

// Fronts (upright) and backs (turned by 90 degrees, scanned last page
// first) of a stack, and a third document cut by ranges: the output takes
// one page of each in turn and goes on with the longest when the others end.
void SheafrunModesTest::alternateMergeInterleavesRangesAndReversedDocuments()
{
    const QString fronts = makeSource("fronts.pdf", 3);
    FixtureOptions turned;
    turned.rotate = 90;
    const QString backs = makeSource("backs.pdf", 5, turned);
    turned.rotate = 180;
    const QString extra = makeSource("extra.pdf", 4, turned);

    MergeRequest request;
    request.saveFileName = out("merged.pdf");
    request.cachePath = m_session;
    request.sessionId = "job";
    request.pageOrder = MergeRequest::PageOrder::Alternate;
    request.tasks = {mergeItem(fronts, 0), mergeItem(backs, 1, {}, true),
                     mergeItem(extra, 2, {{2, 3}, {1, 1}})};
    QCOMPARE(runMerge(request).errorCode, 0);
    QCOMPARE(rotatedPages(out("merged.pdf")),
             QStringList({"0:Page 1", "90:Page 5", "180:Page 2",
                          "0:Page 2", "90:Page 4", "180:Page 3",
                          "0:Page 3", "90:Page 3", "180:Page 1",
                          "90:Page 2", "90:Page 1"}));

    // In sequence, a reversed document with ranges gives its range pages backwards.
    request.pageOrder = MergeRequest::PageOrder::Sequential;
    request.tasks = {mergeItem(fronts, 0, {{2, 3}, {1, 1}}, true), mergeItem(backs, 1, {{4, 5}})};
    QCOMPARE(runMerge(request).errorCode, 0);
    QCOMPARE(rotatedPages(out("merged.pdf")),
             QStringList({"0:Page 1", "0:Page 3", "0:Page 2", "90:Page 4", "90:Page 5"}));
}

// Enough ranges for the pieces to be written on threads; page 2 has a turn
// of its own, to which the request's turn is added.
void SheafrunModesTest::rotationsTurnPagesInEveryPieceThatHoldsThem()
{
    FixtureOptions options;
    options.pageRotations = {{2, 90}};
    const QString source = makeSource("turned.pdf", 8, options);
    SplitRequest request = splitRequest(source, SplitRequest::Ranges);
    request.ranges = SplitPlan::singlePages(8);
    request.ranges.append({3, 1});
    request.rotations = {{2, 180}, {3, 90}, {8, 270}};
    SplitResponse response = runSplit(request);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(response.files.size(), 9);
    QList<int> angles;
    for (int k = 0; k < 8; ++k)
        angles << fixturePageRotation(response.files.at(k), 1);
    QCOMPARE(angles, QList<int>({0, 270, 90, 0, 0, 0, 0, 270}));
    const QString backwards = response.files.at(8);
    QCOMPARE(pageTexts(backwards), QStringList({"Page 3", "Page 2", "Page 1"}));
    QCOMPARE(QList<int>({fixturePageRotation(backwards, 1), fixturePageRotation(backwards, 2),
                         fixturePageRotation(backwards, 3)}),
             QList<int>({90, 270, 0}));

    // Removing pages: the turns go with the pages that stay.
    QVERIFY(QDir(out("")).removeRecursively() && QDir().mkpath(out("")));
    request.mode = SplitRequest::RemovePages;
    request.pageCount = 8;
    request.ranges = {{1, 1}, {8, 8}};
    response = runSplit(request);
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(pageTexts(response.files.value(0)), pageList(2, 7));
    QCOMPARE(fixturePageRotation(response.files.value(0), 1), 270);
    QCOMPARE(fixturePageRotation(response.files.value(0), 2), 90);
}

void SheafrunModesTest::impossiblePartsAndRotationsWriteNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<SplitPart>>("parts");
    QTest::addColumn<QList<PageRotation>>("rotations");
    QTest::addColumn<int>("errorCode");
    const QList<SplitPart> twoParts = {{{{1, 2}}, "A"}, {{{3, 6}}, QString()}};
    QTest::newRow("no parts") << 4 << QList<SplitPart>() << QList<PageRotation>() << 9;
    QTest::newRow("part without pages") << 4 << QList<SplitPart>({{{{1, 2}}, "A"}, {{}, "B"}})
                                        << QList<PageRotation>() << 9;
    QTest::newRow("part beyond the end") << 4 << QList<SplitPart>({{{{1, 2}, {5, 7}}, QString()}})
                                         << QList<PageRotation>() << 10;
    QTest::newRow("part at page 0") << 4 << QList<SplitPart>({{{{0, 2}}, QString()}}) << QList<PageRotation>() << 10;
    QTest::newRow("turn beyond the end") << 0 << twoParts << QList<PageRotation>({{2, 90}, {7, 90}}) << 10;
    QTest::newRow("turn beyond, removing") << 1 << twoParts << QList<PageRotation>({{9, 180}}) << 10;
    QTest::newRow("turn beyond, bookmarks") << 2 << twoParts << QList<PageRotation>({{7, 90}}) << 10;
    QTest::newRow("turn beyond, by size") << 3 << twoParts << QList<PageRotation>({{7, 90}}) << 10;
    QTest::newRow("turn by 45") << 4 << twoParts << QList<PageRotation>({{2, 45}}) << 11;
    QTest::newRow("turn by 0") << 2 << twoParts << QList<PageRotation>({{2, 0}}) << 11;
    QTest::newRow("turn by 360") << 3 << twoParts << QList<PageRotation>({{2, 360}}) << 11;
    QTest::newRow("turn by -90") << 4 << twoParts << QList<PageRotation>({{2, -90}}) << 11;
    QTest::newRow("page turned twice") << 4 << twoParts << QList<PageRotation>({{2, 90}, {3, 90}, {2, 180}}) << 12;
}

// Refused before anything is written, also the output folder the job
// would have made.
void SheafrunModesTest::impossiblePartsAndRotationsWriteNothing()
{
    QFETCH(int, mode);
    QFETCH(QList<SplitPart>, parts);
    QFETCH(QList<PageRotation>, rotations);
    QFETCH(int, errorCode);
    FixtureOptions options;
    options.outline = true;
    SplitRequest request = splitRequest(makeSource("six.pdf", 6, options), mode);
    request.outDirectory = out("new");
    request.pageCount = 6;
    request.ranges = {{1, 2}, {3, 3}};
    request.bookmarkLevel = 1;
    request.maxFileSize = 1000000;
    request.parts = parts;
    request.rotations = rotations;
    const SplitResponse response = runSplit(request);
    QCOMPARE(response.errorCode, errorCode);
    QVERIFY(response.files.isEmpty());
    QVERIFY(!QFileInfo::exists(out("new")));
}

CM_TEST_GUILESS_MAIN(SheafrunModesTest)
#include "tst_sheafrun_modes.moc"
