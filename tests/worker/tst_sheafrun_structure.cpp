#include "tests/support/TestGroup.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/PdfStructure.h"
#include "tests/support/TestEnv.h"
#include "tests/worker/WorkerProcess.h"

#include <QImage>
#include <QProcess>
#include <QtTest>

Q_DECLARE_METATYPE(MergeBookmarks)

// Runs the built worker on documents with a form, an outline with explicit
// and named destinations, links and page labels, and reads the outputs back
// through qpdf's helpers: every output keeps what belongs to its pages.
class SheafrunStructureTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void splitPiecesKeepWhatLeadsIntoTheirPages();
    void partsLeavePagesOutAndTurnTheirPages();
    void sameFormMergedTwiceFillsEachCopyOnItsOwn();
    void namesOfManyCopiesAreAllKeptInASoundTree();
    void mergedRangesFileBookmarksAsChosen_data();
    void mergedRangesFileBookmarksAsChosen();

private:
    QString run(const QString &mode, const QJsonObject &request);
    SplitResponse split(const PageRangeList &ranges);
    MergeResponse merge(const QList<MergeItem> &items, MergeBookmarks bookmarks);

    QScopedPointer<ScratchFolder> m_scratch;
    QString m_session;
    QString m_handbook;   // 6 pages: form, outline, links, labels, title "Handbook"
};

void SheafrunStructureTest::init()
{
    m_scratch.reset(new ScratchFolder);
    QVERIFY(m_scratch->isValid());
    m_session = m_scratch->filePath("session");
    QVERIFY(QDir().mkpath(m_session));
    FixtureOptions options;
    options.pageCount = 6;
    options.form = options.outline = options.pageLabels = true;
    options.title = "Handbook";
    m_handbook = m_scratch->filePath("handbook.pdf");
    QVERIFY(writePdfFixture(m_handbook, options));
}

void SheafrunStructureTest::cleanup()
{
    m_scratch.reset();
}

QString SheafrunStructureTest::run(const QString &mode, const QJsonObject &request)
{
    const QString requestPath = m_session + "/job.req";
    QFile::remove(m_session + "/job.resp");
    if (!writeRequestData(request, requestPath))
        qWarning("request not written");
    const WorkerRun result = runWorker({mode, requestPath});
    if (!result.finished || result.exitStatus != QProcess::NormalExit)
        qWarning("worker did not end normally");
    return m_session + "/job.resp";
}

SplitResponse SheafrunStructureTest::split(const PageRangeList &ranges)
{
    SplitRequest request;
    request.fileName = m_handbook;
    request.pageCount = 6;
    request.ranges = ranges;
    request.outDirectory = m_scratch->filePath("out");
    request.sessionPath = m_session;
    request.sessionId = "job";
    return readSplitResponse(run("--split", request.toJson()));
}

MergeResponse SheafrunStructureTest::merge(const QList<MergeItem> &items, MergeBookmarks bookmarks)
{
    MergeRequest request;
    request.tasks = items;
    request.saveFileName = m_scratch->filePath("merged.pdf");
    request.cachePath = m_session;
    request.sessionId = "job";
    request.bookmarks = bookmarks;
    return readMergeResponse(run("--merge", request.toJson()));
}

void SheafrunStructureTest::splitPiecesKeepWhatLeadsIntoTheirPages()
{
    SplitResponse response = split({{1, 1}, {2, 2}, {3, 3}});
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(response.files.size(), 3);
    const QString first = response.files.at(0), second = response.files.at(1), third = response.files.at(2);

    QCOMPARE(formFields(first), QStringList({"Agree=/Yes@1", "Name=Ada@1"}));
    QCOMPARE(formDefaults(first), QStringList({"DA", "DR", "NeedAppearances"}));
    QCOMPARE(formFields(second), QStringList({"Choice=/B@1", "Name=Ada@1"}));
    // "Name" shows on pages 1 and 2; each piece holds only its own widget of it.
    QCOMPARE(widgetsOffPages(first), 0);
    QCOMPARE(widgetsOffPages(second), 0);
    QCOMPARE(formFields(third), QStringList());
    // Only the web link stays on page 1; its other links led to pages 2 and 5.
    QCOMPARE(linkTargets(first, 1), QStringList({"uri"}));
    QCOMPARE(outlineLines(first), QStringList({"Part A -> 1"}));
    // "Part A" leads to page 1, which the piece lacks; it stays above "A.1".
    QCOMPARE(outlineLines(second), QStringList({"Part A -> 0", "  A.1 -> 1"}));
    QCOMPARE(namedDestinations(second), QStringList({"secA1 -> page 1"}));
    QCOMPARE(pageLabelTexts(first), QStringList({"i"}));
    QCOMPARE(pageLabelTexts(third), QStringList({"1"}));

    response = split({{1, 3}, {4, 6}});
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(response.files.size(), 2);
    const QString front = response.files.at(0), back = response.files.at(1);
    QCOMPARE(formFields(front), QStringList({"Agree=/Yes@1", "Choice=/B@2", "Name=Ada@1", "Name=Ada@2"}));
    QCOMPARE(linkTargets(front, 1), QStringList({"name secA1 -> page 2", "uri"}));
    QCOMPARE(outlineLines(front), QStringList({"Part A -> 1", "  A.1 -> 2", "  A.2 -> 3"}));
    QCOMPARE(namedDestinations(front), QStringList({"secA1 -> page 2"}));
    QCOMPARE(pageLabelTexts(front), QStringList({"i", "ii", "1"}));
    QCOMPARE(formFields(back), QStringList());
    QCOMPARE(outlineLines(back), QStringList({"Part B -> 1 [closed]", "  B.1 -> 2", "  B.2 -> 3"}));
    QCOMPARE(namedDestinations(back), QStringList({"partB -> page 1", "secB2 -> page 3"}));
    QCOMPARE(pageLabelTexts(back), QStringList({"2", "3", "4"}));
    // Pieces hold only their own pages: the back piece carries no form at all.
    QCOMPARE(formDefaults(back), QStringList());
}

// Three parts, the second without page 4, which the third holds alone;
// the first and third have the same name, which cannot stay a file name as it is.
void SheafrunStructureTest::partsLeavePagesOutAndTurnTheirPages()
{
    SplitRequest request;
    request.mode = SplitRequest::Parts;
    request.fileName = m_handbook;
    request.pageCount = 6;
    request.parts = {{{{1, 2}}, "Front/matter.pdf"}, {{{3, 3}, {5, 6}}, QString()}, {{{4, 4}}, " Front/matter "}};
    request.rotations = {{5, 270}, {2, 90}, {4, 180}};
    request.outDirectory = m_scratch->filePath("out");
    request.sessionPath = m_session;
    request.sessionId = "job";
    const SplitResponse response = readSplitResponse(run("--split", request.toJson()));
    QCOMPARE(response.errorCode, 0);
    QCOMPARE(response.failedCount, 0);
    QCOMPARE(fileNames(response.files), QStringList({"Front-matter.pdf", "handbook_p3-6.pdf", "Front-matter (2).pdf"}));
    const QString front = response.files.at(0), middle = response.files.at(1), alone = response.files.at(2);

    QCOMPARE(pageTexts(front), QStringList({"Page 1", "Page 2"}));
    QCOMPARE(pageTexts(middle), QStringList({"Page 3", "Page 5", "Page 6"}));
    QCOMPARE(pageTexts(alone), QStringList({"Page 4"}));
    const auto turns = [](const QString &path) {
        QList<int> angles;
        for (int page = 1; page <= fixturePageCount(path); ++page)
            angles << fixturePageRotation(path, page);
        return angles;
    };
    QCOMPARE(turns(front), QList<int>({0, 90}));
    QCOMPARE(turns(middle), QList<int>({0, 270, 0}));
    QCOMPARE(turns(alone), QList<int>({180}));

    QCOMPARE(formFields(front), QStringList({"Agree=/Yes@1", "Choice=/B@2", "Name=Ada@1", "Name=Ada@2"}));
    QCOMPARE(formFields(middle), QStringList());
    QCOMPARE(outlineLines(front), QStringList({"Part A -> 1", "  A.1 -> 2"}));
    QCOMPARE(outlineLines(middle),
             QStringList({"Part A -> 0", "  A.2 -> 1", "Part B -> 0 [closed]", "  B.1 -> 2", "  B.2 -> 3"}));
    QCOMPARE(outlineLines(alone), QStringList({"Part B -> 1"}));
    QCOMPARE(linkTargets(front, 1), QStringList({"name secA1 -> page 2", "uri"}));
    QCOMPARE(pageLabelTexts(front), QStringList({"i", "ii"}));
    QCOMPARE(pageLabelTexts(middle), QStringList({"1", "3", "4"}));
    QCOMPARE(pageLabelTexts(alone), QStringList({"2"}));
}

void SheafrunStructureTest::sameFormMergedTwiceFillsEachCopyOnItsOwn()
{
    const MergeResponse response = merge({mergeItem(m_handbook, 0), mergeItem(m_handbook, 1)}, MergeBookmarks::Keep);
    QCOMPARE(response.errorCode, 0);
    const QString merged = response.mergedFileName;

    const QStringList fields = formFields(merged);
    QCOMPARE(fields.size(), 8);
    QVERIFY2(fields.contains("Name=Ada@1") && fields.contains("Agree=/Yes@1") && fields.contains("Choice=/B@2"),
             qPrintable(fields.join(", ")));
    QStringList names;
    for (const QString &field : fields)
        names << field.section('=', 0, 0);
    QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 6);
    const QString secondName = fields.filter(QRegularExpression("^Name.+=Ada@7$")).value(0).section('=', 0, 0);
    QVERIFY2(!secondName.isEmpty(), qPrintable(fields.join(", ")));

    const QString filled = m_scratch->filePath("filled.pdf");
    QVERIFY(fillTextField(merged, "Name", "Bob", filled));
    const QStringList after = formFields(filled);
    QVERIFY2(after.contains("Name=Bob@1") && after.contains(secondName + "=Ada@7"), qPrintable(after.join(", ")));
    QCOMPARE(formDefaults(merged), QStringList({"DA", "DR", "NeedAppearances"}));

    QCOMPARE(outlineLines(merged),
             QStringList({"Part A -> 1", "  A.1 -> 2", "  A.2 -> 3", "Part B -> 4 [closed]", "  B.1 -> 5",
                          "  B.2 -> 6", "Website -> uri", "Part A -> 7", "  A.1 -> 8", "  A.2 -> 9",
                          "Part B -> 10 [closed]", "  B.1 -> 11", "  B.2 -> 12", "Website -> uri"}));
    // The second copy's names are its own, and its links use them.
    QCOMPARE(namedDestinations(merged),
             QStringList({"partB -> page 4", "partB-2 -> page 10", "secA1 -> page 2", "secA1-2 -> page 8",
                          "secB2 -> page 6", "secB2-2 -> page 12"}));
    QCOMPARE(linkTargets(merged, 7), QStringList({"page 11", "name secA1-2 -> page 8", "uri"}));
    QCOMPARE(pageLabelTexts(merged), QStringList({"i", "ii", "1", "2", "3", "4", "i", "ii", "1", "2", "3", "4"}));

    // Each copy shows its values as the document itself does, also where
    // viewers draw the stored appearances (no /NeedAppearances): the name in
    // the header and the ticked box of page 1 look the same on page 7.
    FixtureOptions stored;
    stored.pageCount = 6;
    stored.form = true;
    stored.formAsksForAppearances = false;
    const QString storedForm = m_scratch->filePath("stored.pdf");
    QVERIFY(writePdfFixture(storedForm, stored));
    const MergeResponse twice = merge({mergeItem(storedForm, 0), mergeItem(storedForm, 1)}, MergeBookmarks::Keep);
    QCOMPARE(twice.errorCode, 0);
    const auto drawn = [&](const QString &path, int page) {
        const QString stem = m_scratch->filePath(QFileInfo(path).completeBaseName() + QString::number(page));
        QProcess::execute("pdftoppm", {"-r", "40", "-f", QString::number(page), "-l", QString::number(page),
                                       "-png", "-singlefile", path, stem});
        return QImage(stem + ".png");
    };
    const QImage original = drawn(storedForm, 1);
    QVERIFY(!original.isNull());
    QCOMPARE(drawn(twice.mergedFileName, 1), original);
    QCOMPARE(drawn(twice.mergedFileName, 7), original);
}

// Thirty copies give ninety names, more than one node of the written tree
// holds: the tree stays sound for viewers that search it, every name leads
// to its copy's page, and the links of the last copy use its names.
void SheafrunStructureTest::namesOfManyCopiesAreAllKeptInASoundTree()
{
    QList<MergeItem> items;
    for (int copy = 0; copy < 30; ++copy)
        items << mergeItem(m_handbook, copy);
    const MergeResponse response = merge(items, MergeBookmarks::Keep);
    QCOMPARE(response.errorCode, 0);
    const QString merged = response.mergedFileName;
    QVERIFY(passesCheck(merged));

    QCOMPARE(nameTreeProblem(merged), QString());
    QStringList expected;
    for (int copy = 1; copy <= 30; ++copy) {
        const QString suffix = copy == 1 ? QString() : QStringLiteral("-%1").arg(copy);
        const int first = (copy - 1) * 6;
        for (const auto &[name, page] : {std::pair<QString, int>{"partB", 4}, {"secA1", 2}, {"secB2", 6}})
            expected << QStringLiteral("%1%2 -> page %3").arg(name, suffix).arg(first + page);
    }
    QStringList found = namedDestinations(merged);
    std::sort(expected.begin(), expected.end());
    std::sort(found.begin(), found.end());
    QCOMPARE(found, expected);
    QCOMPARE(linkTargets(merged, 29 * 6 + 1), QStringList({"page 179", "name secA1-30 -> page 176", "uri"}));
}

void SheafrunStructureTest::mergedRangesFileBookmarksAsChosen_data()
{
    QTest::addColumn<MergeBookmarks>("bookmarks");
    QTest::addColumn<QStringList>("outline");
    QTest::newRow("keep") << MergeBookmarks::Keep
                          << QStringList({"Part B -> 0 [closed]", "  B.1 -> 1", "  B.2 -> 2", "Part A -> 0",
                                          "  A.1 -> 3"});
    QTest::newRow("per_document") << MergeBookmarks::PerDocument
                                  << QStringList({"Handbook -> 1", "  Part B -> 0 [closed]", "    B.1 -> 1",
                                                  "    B.2 -> 2", "  Part A -> 0", "    A.1 -> 3",
                                                  "plain.pdf -> 4"});
    QTest::newRow("none") << MergeBookmarks::None << QStringList();
}

// Pages 5, 6 and 2 of the handbook, then an unlabelled document without
// bookmarks or title.
void SheafrunStructureTest::mergedRangesFileBookmarksAsChosen()
{
    QFETCH(MergeBookmarks, bookmarks);
    QFETCH(QStringList, outline);
    FixtureOptions options;
    options.pageCount = 2;
    const QString plain = m_scratch->filePath("plain.pdf");
    QVERIFY(writePdfFixture(plain, options));

    // Pages 5 and 6 come as two pieces; both lie beneath "Part B".
    const MergeResponse response = merge({mergeItem(m_handbook, 0, {{5, 5}, {6, 6}, {2, 2}}), mergeItem(plain, 1)}, bookmarks);
    QCOMPARE(response.errorCode, 0);
    const QString merged = response.mergedFileName;
    QCOMPARE(pageTexts(merged), QStringList({"Page 5", "Page 6", "Page 2", "Page 1", "Page 2"}));
    QCOMPARE(outlineLines(merged), outline);
    QCOMPARE(namedDestinations(merged), QStringList({"secA1 -> page 3", "secB2 -> page 2"}));
    QCOMPARE(formFields(merged), QStringList({"Choice=/B@3", "Name=Ada@3"}));
    QCOMPARE(widgetsOffPages(merged), 0);
    QCOMPARE(pageLabelTexts(merged), QStringList({"3", "4", "ii", "4", "5"}));
}

CM_TEST_GUILESS_MAIN(SheafrunStructureTest)
#include "tst_sheafrun_structure.moc"
