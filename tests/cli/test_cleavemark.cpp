// cleavemark run as a person or a script runs it: each split way, merges
// with pages, alternation and bookmarks, info, passwords, every exit code
// from a real cause, and Ctrl+C during a long split. Outputs are read back
// with qpdf, and compared byte for byte with what the window's split job
// makes of the same choices.

#include "tests/support/TestGroup.h"
#include "tests/cli/CleavemarkRun.h"
#include "jobs/Split.h"
#include "protocol/JobFiles.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/PdfStructure.h"
#include "tests/support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList pages(int from, int to)
{
    QStringList texts;
    for (int page = from; page <= to; ++page)
        texts << QStringLiteral("Page %1").arg(page);
    return texts;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A file's bytes with the file identifier, new for every file written,
// blanked out.
QByteArray withoutId(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression id(QStringLiteral("/ID ?\\[ ?<[0-9a-fA-F]+> ?<[0-9a-fA-F]+> ?\\]"));
    return QString::fromLatin1(file.readAll()).replace(id, QStringLiteral("/ID")).toLatin1();
}

// What the worker makes of the request the window's split job builds.
bool splitAsTheWindow(Split &split, const QString &outFolder)
{
    split.setOutDirectory(outFolder);
    SplitRequest request = split.buildRequest();
    QTemporaryDir session;
    request.sessionPath = session.path();
    request.sessionId = QStringLiteral("window");
    const QString requestPath = session.filePath(QStringLiteral("window.req"));
    if (!writeRequestData(request.toJson(), requestPath))
        return false;
    QProcess worker;
    worker.start(binPath(QStringLiteral("sheafrun")), {QStringLiteral("--split"), requestPath});
    return worker.waitForFinished(60000) && worker.exitStatus() == QProcess::NormalExit && worker.exitCode() == 0;
}

} // namespace

class CleavemarkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everySplitWay();
    void sameFilesAsTheWindow();
    void mergesPagesAlternatesAndBookmarks();
    void infoAsJson();
    void passwordsFromFileAndEnvironment();
    void exitCodesFromRealCauses();
    void nothingReplacedWithoutOverwrite();
    void interruptRemovesWhatWasWritten();

private:
    QString folder(const QString &name);

    ScratchFolder m_scratch;
    QString m_book;   // 12 pages with bookmarks
    QString m_six;    // 6 pages
    QString m_locked; // 4 pages, password "sesame"
};

void CleavemarkTest::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    m_book = m_scratch.filePath(QStringLiteral("book.pdf"));
    FixtureOptions book;
    book.pageCount = 12;
    book.outline = true;
    QVERIFY(writePdfFixture(m_book, book));
    m_six = m_scratch.filePath(QStringLiteral("six.pdf"));
    FixtureOptions six;
    six.pageCount = 6;
    QVERIFY(writePdfFixture(m_six, six));
    m_locked = m_scratch.filePath(QStringLiteral("locked.pdf"));
    FixtureOptions locked;
    locked.pageCount = 4;
    locked.userPassword = QStringLiteral("sesame");
    QVERIFY(writePdfFixture(m_locked, locked));
}

QString CleavemarkTest::folder(const QString &name)
{
    const QString path = m_scratch.filePath(name);
    QDir().mkpath(path);
    return path;
}

void CleavemarkTest::everySplitWay()
{
    // Default: one file per page, named as the window names them, listed on
    // standard output in order.
    const QString single = folder(QStringLiteral("single"));
    CleavemarkRun run = cleavemark({"split", m_book, "-o", single});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 12);
    QCOMPARE(QFileInfo(run.lines.first()).fileName(), QStringLiteral("book_p01.pdf"));
    QCOMPARE(pageTexts(run.lines.at(11)), pages(12, 12));
    QVERIFY2(run.errors.isEmpty(), qPrintable(run.errors));

    const QString groups = folder(QStringLiteral("groups"));
    run = cleavemark({"split", m_book, "--each", "4", "--start", "3", "-o", groups,
                      "--title", "Quarter", "--author", "Ada Writer"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(filesIn(groups), QStringList({"book_p03-06.pdf", "book_p07-10.pdf", "book_p11-12.pdf"}));
    QCOMPARE(pageTexts(QDir(groups).filePath("book_p07-10.pdf")), pages(7, 10));
    QCOMPARE(fixtureInfo(QDir(groups).filePath("book_p03-06.pdf"), "/Title"), QStringLiteral("Quarter"));
    QCOMPARE(fixtureInfo(QDir(groups).filePath("book_p03-06.pdf"), "/Author"), QStringLiteral("Ada Writer"));

    const QString removed = folder(QStringLiteral("removed"));
    run = cleavemark({"split", m_book, "--remove", "2-11", "-o", removed});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 1);
    QVERIFY(QFileInfo(run.lines.first()).fileName().startsWith("book_edited_"));
    QCOMPARE(pageTexts(run.lines.first()), QStringList({"Page 1", "Page 12"}));

    const QString ranges = folder(QStringLiteral("ranges"));
    run = cleavemark({"split", m_book, "--ranges", "-2,5,r2-z,9-", "-o", ranges, "--json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject result = QJsonDocument::fromJson(run.output).object();
    const QJsonArray files = result.value("files").toArray();
    QCOMPARE(files.size(), 4);
    QCOMPARE(pageTexts(files.at(0).toString()), pages(1, 2));
    QCOMPARE(pageTexts(files.at(1).toString()), pages(5, 5));
    QCOMPARE(pageTexts(files.at(2).toString()), pages(11, 12));
    QCOMPARE(pageTexts(files.at(3).toString()), pages(9, 12));
    QCOMPARE(result.value("exit_code").toInt(), 0);
    QCOMPARE(result.value("failed_pieces").toInt(), 0);

    // Parts leave page 6 out; the turns go with their pages into any piece.
    const QString parts = folder(QStringLiteral("parts"));
    run = cleavemark({"split", m_book, "--parts", "1-4;5,7-9;10-", "--rotate", "2:90,8-9:180", "-o", parts});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(filesIn(parts), QStringList({"book_p01-04.pdf", "book_p05-09.pdf", "book_p10-12.pdf"}));
    const QString middle = QDir(parts).filePath("book_p05-09.pdf");
    QCOMPARE(pageTexts(middle), QStringList({"Page 5", "Page 7", "Page 8", "Page 9"}));
    QCOMPARE(fixturePageRotation(QDir(parts).filePath("book_p01-04.pdf"), 2), 90);
    QCOMPARE(fixturePageRotation(middle, 1), 0);
    QCOMPARE(fixturePageRotation(middle, 3), 180);
    QCOMPARE(fixturePageRotation(middle, 4), 180);
    for (const QStringList &wrong : {QStringList{"--parts", "1-4;;5"}, QStringList{"--rotate", "3:45"},
                                     QStringList{"--rotate", "2:90,1-3:180"}, QStringList{"--parts", "1-13"}}) {
        run = cleavemark(QStringList{"split", m_book, "-o", folder(QStringLiteral("wrong"))} + wrong);
        QVERIFY2(run.exitCode == 2 && filesIn(folder(QStringLiteral("wrong"))).isEmpty(), qPrintable(run.errors));
    }

    // At the top-level bookmarks, named after them; "Website" leads to no page.
    const QString chapters = folder(QStringLiteral("chapters"));
    run = cleavemark({"split", m_book, "--bookmarks", "1", "-o", chapters});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(filesIn(chapters), QStringList({"Part A.pdf", "Part B.pdf"}));
    QCOMPARE(pageTexts(QDir(chapters).filePath("Part B.pdf")), pages(4, 12));
    QCOMPARE(outlineLines(QDir(chapters).filePath("Part A.pdf")).first(), QStringLiteral("Part A -> 1"));

    // By size: every piece within the limit, all pages once, in order.
    const QString heavy = m_scratch.filePath(QStringLiteral("heavy.pdf"));
    FixtureOptions options;
    options.pageCount = 6;
    options.pageImageBytes = 40000;
    QVERIFY(writePdfFixture(heavy, options));
    const QString sized = folder(QStringLiteral("sized"));
    run = cleavemark({"split", heavy, "--max-size", "100k", "-o", sized});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.lines.size() >= 3, qPrintable(run.lines.join(' ')));
    QStringList allPages;
    for (const QString &file : run.lines) {
        QVERIFY2(QFileInfo(file).size() <= 100 * 1024, qPrintable(file));
        allPages += pageTexts(file);
    }
    QCOMPARE(allPages, pages(1, 6));
}

void CleavemarkTest::sameFilesAsTheWindow()
{
    Split split;
    QSignalSpy loaded(&split, &Split::loadFinished);
    split.setFile(m_book);
    QVERIFY(loaded.wait(10000));
    const auto compare = [this, &split](const QString &name, const QStringList &arguments) {
        const QString window = folder(name + QStringLiteral("-window"));
        const QString command = folder(name + QStringLiteral("-command"));
        QVERIFY(splitAsTheWindow(split, window));
        QCOMPARE(cleavemark(QStringList{"split", m_book, "-o", command} + arguments).exitCode, 0);
        // A removal's file is named after the second it was made in.
        static const QRegularExpression clock(QStringLiteral("_edited_\\d{8}_\\d{6}"));
        const QStringList files = filesIn(window);
        const QStringList commandFiles = filesIn(command);
        QVERIFY(!files.isEmpty());
        QCOMPARE(QStringList(commandFiles).replaceInStrings(clock, "_edited_"),
                 QStringList(files).replaceInStrings(clock, "_edited_"));
        for (int i = 0; i < files.size(); ++i)
            QVERIFY2(withoutId(QDir(command).filePath(commandFiles.at(i))) == withoutId(QDir(window).filePath(files.at(i))),
                     qPrintable(files.at(i)));
    };
    split.setMode(Split::GroupsOfPages);
    split.setStartPage(3);
    split.setGroupSize(4);
    compare(QStringLiteral("groups"), {"--each", "4", "--start", "3"});
    split.setMode(Split::ByBookmarks);
    split.setBookmarkLevel(2);
    compare(QStringLiteral("bookmarks"), {"--bookmarks", "2"});
    split.setMode(Split::RemovePages);
    split.addRidPage(2);
    split.addRidPage(3);
    split.addRidPage(7);
    compare(QStringLiteral("removed"), {"--remove", "2-3,7"});
}

void CleavemarkTest::mergesPagesAlternatesAndBookmarks()
{
    const QString out = folder(QStringLiteral("merged"));
    const QString merged = QDir(out).filePath("pages.pdf");
    CleavemarkRun run = cleavemark({"merge", "-o", merged, m_six + ":2-3,z", m_book + ":1", m_six + ":r1"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines, QStringList({merged}));
    QCOMPARE(pageTexts(merged), QStringList({"Page 2", "Page 3", "Page 6", "Page 1", "Page 6"}));

    // Fronts and backs of a scanned stack, the backs scanned last page first.
    const QString stack = QDir(out).filePath("stack.pdf");
    run = cleavemark({"merge", "-o", stack, "--alternate", "--reverse", "2", m_six + ":1-3", m_six + ":4-6"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(pageTexts(stack), QStringList({"Page 1", "Page 6", "Page 2", "Page 5", "Page 3", "Page 4"}));

    const QString keep = QDir(out).filePath("keep.pdf");
    QCOMPARE(cleavemark({"merge", "-o", keep, m_six, m_book, "--bookmarks", "keep"}).exitCode, 0);
    QVERIFY(outlineLines(keep).contains("Part A -> 7"));
    QVERIFY(outlineLines(keep).contains("  A.1 -> 8"));

    const QString perDocument = QDir(out).filePath("per-document.pdf");
    QCOMPARE(cleavemark({"merge", "-o", perDocument, m_six, m_book, "--bookmarks", "per-document"}).exitCode, 0);
    QStringList topLevel;
    for (const QString &line : outlineLines(perDocument))
        if (!line.startsWith(' '))
            topLevel << line;
    QCOMPARE(topLevel.size(), 2);
    QVERIFY(topLevel.at(0).endsWith("-> 1"));
    QVERIFY(topLevel.at(1).endsWith("-> 7"));
    QVERIFY(outlineLines(perDocument).contains("  Part A -> 7"));

    const QString none = QDir(out).filePath("none.pdf");
    QCOMPARE(cleavemark({"merge", "-o", none, m_six, m_book, "--bookmarks", "none"}).exitCode, 0);
    QCOMPARE(outlineLines(none), QStringList());
    QCOMPARE(fixturePageCount(none), 18);

    // A page whose content does not decode is merged as it is and named.
    FixtureOptions broken;
    broken.pageCount = 3;
    broken.damagedContentPages = {3};
    const QString report = m_scratch.filePath(QStringLiteral("report.pdf"));
    QVERIFY(writePdfFixture(report, broken));
    const QString carried = QDir(out).filePath("carried.pdf");
    run = cleavemark({"merge", "-o", carried, m_six + ":1", report, "--json"});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errors.contains(report + " page 3: its content is damaged and was carried into the output as it is"),
             qPrintable(run.errors));
    const QJsonArray damaged = QJsonDocument::fromJson(run.output).object().value("damaged_pages").toArray();
    QCOMPARE(damaged.size(), 1);
    QCOMPARE(damaged.at(0).toObject().value("page").toInt(), 3);
    QCOMPARE(fixturePageCount(carried), 4);
}

void CleavemarkTest::infoAsJson()
{
    const QString manual = m_scratch.filePath(QStringLiteral("manual.pdf"));
    FixtureOptions options;
    options.pageCount = 6;
    options.form = true;
    options.outline = true;
    options.pageLabels = true;
    options.title = QStringLiteral("Manual");
    options.pageSize = QSizeF(595, 842);
    QVERIFY(writePdfFixture(manual, options));

    const CleavemarkRun run = cleavemark({"info", "--json", manual, m_locked});
    QCOMPARE(run.exitCode, 3);   // the locked one cannot be read without its password
    const QJsonArray documents = QJsonDocument::fromJson(run.output).array();
    QCOMPARE(documents.size(), 2);
    const QJsonObject info = documents.at(0).toObject();
    QCOMPARE(info.value("pages").toInt(), 6);
    QCOMPARE(info.value("page_width").toInt(), 595);
    QCOMPARE(info.value("page_height").toInt(), 842);
    QCOMPARE(info.value("encrypted").toBool(), false);
    QCOMPARE(info.value("title").toString(), QStringLiteral("Manual"));
    QCOMPARE(info.value("form_fields").toInt(), 3);
    QCOMPARE(info.value("page_labels").toBool(), true);
    QCOMPARE(info.value("file_size").toInt(), int(QFileInfo(manual).size()));
    const QJsonArray levels = info.value("bookmark_levels").toArray();
    QCOMPARE(levels.size(), 2);
    QCOMPARE(levels.at(0).toObject().value("pieces").toInt(), 2);
    QCOMPARE(levels.at(1).toObject().value("pieces").toInt(), 5);

    const QJsonObject locked = documents.at(1).toObject();
    QCOMPARE(locked.value("encrypted").toBool(), true);
    QCOMPARE(locked.value("password_required").toBool(), true);
    QCOMPARE(locked.value("readable").toBool(), false);
    QVERIFY(run.errors.contains("locked.pdf: needs a password"));

    const CleavemarkRun opened = cleavemark({"info", "--json", m_locked}, {{"CLEAVEMARK_PASSWORD", "sesame"}});
    QCOMPARE(opened.exitCode, 0);
    QCOMPARE(QJsonDocument::fromJson(opened.output).array().at(0)["pages"].toInt(), 4);
}

void CleavemarkTest::passwordsFromFileAndEnvironment()
{
    const QString passwords = m_scratch.filePath(QStringLiteral("passwords.txt"));
    QFile file(passwords);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not this one\nsesame\n");
    file.close();

    const QString fromFile = folder(QStringLiteral("from-file"));
    CleavemarkRun run = cleavemark({"split", m_locked, "--password-file", passwords, "-o", fromFile});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 4);
    QCOMPARE(pageTexts(run.lines.at(3)), pages(4, 4));

    // The output protected with the password from the environment, allowed
    // to print and nothing else.
    const QString fromEnvironment = folder(QStringLiteral("from-environment"));
    run = cleavemark({"split", m_locked, "--each", "4", "--encrypt", "--permissions", "print", "-o", fromEnvironment},
                     {{"CLEAVEMARK_PASSWORD", "sesame"}, {"CLEAVEMARK_OUTPUT_PASSWORD", "open up"}});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines.size(), 1);
    QVERIFY(!inspectSecurity(run.lines.first()).opened);
    const FixtureSecurity security = inspectSecurity(run.lines.first(), QStringLiteral("open up"));
    QVERIFY(security.opened && security.encrypted);
    QVERIFY(security.allowsPrint);
    QVERIFY(!security.allowsCopy);
    QVERIFY(!security.allowsModify);
    QCOMPARE(pageTexts(run.lines.first(), QStringLiteral("open up")), pages(1, 4));

    // Without a terminal there is no one to ask.
    run = cleavemark({"split", m_six, "--encrypt", "-o", fromEnvironment});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.errors.contains("CLEAVEMARK_OUTPUT_PASSWORD"));
}

void CleavemarkTest::exitCodesFromRealCauses()
{
    const QString out = folder(QStringLiteral("codes"));
    CleavemarkRun run = cleavemark({"split", m_scratch.filePath("missing.pdf"), "-o", out});
    QCOMPARE(run.exitCode, 3);
    QVERIFY(run.errors.contains("missing.pdf: no such file"));

    const QString damaged = m_scratch.filePath(QStringLiteral("damaged.pdf"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%PDF-1.7\nthis was a PDF document once\n");
    file.close();
    run = cleavemark({"split", damaged, "-o", out});
    QCOMPARE(run.exitCode, 3);
    // A PDF document that recovery cannot open is told with the library's reason.
    const QString structureDamaged = "damaged.pdf: cannot be opened: its structure is damaged "
                                     "(unable to find trailer dictionary while recovering damaged file)";
    QVERIFY2(run.errors.contains(structureDamaged), qPrintable(run.errors));

    // A readable document without pages: said as such, not blamed on the options.
    const QString empty = m_scratch.filePath(QStringLiteral("empty.pdf"));
    QFile emptyFile(empty);
    QVERIFY(emptyFile.open(QIODevice::WriteOnly));
    emptyFile.write("%PDF-1.7\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n"
                    "2 0 obj << /Type /Pages /Kids [] /Count 0 >> endobj\ntrailer << /Root 1 0 R >>\n%%EOF\n");
    emptyFile.close();
    run = cleavemark({"split", empty, "-o", out});
    QCOMPARE(run.exitCode, 3);
    QVERIFY2(run.errors.contains("empty.pdf: it has no pages: there is nothing to split"), qPrintable(run.errors));
    run = cleavemark({"info", empty});
    QVERIFY2(run.output.contains("page size:   none: no pages"), run.output.constData());

    run = cleavemark({"split", m_locked, "-o", out}, {{"CLEAVEMARK_PASSWORD", "wrong"}});
    QCOMPARE(run.exitCode, 3);
    QVERIFY(run.errors.contains("locked.pdf: wrong password"));

    run = cleavemark({"split", m_six, "-o", m_scratch.filePath("no/such/folder")});
    QCOMPARE(run.exitCode, 4);
    QVERIFY(run.errors.contains("no such folder"));
    // A folder the user may not write to; root may write to any, but not
    // into /proc, where the worker itself fails.
    const QString locked = folder(QStringLiteral("read-only"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    run = cleavemark({"split", m_six, "-o", geteuid() == 0 ? QStringLiteral("/proc") : locked});
    QCOMPARE(run.exitCode, 4);
    QVERIFY(filesIn(locked).isEmpty());

    // A merge leaves out what it cannot read, says so, and merges the rest.
    const QString merged = QDir(out).filePath("rest.pdf");
    run = cleavemark({"merge", "-o", merged, m_six, damaged});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.contains(structureDamaged + "; left out"), qPrintable(run.errors));
    QCOMPARE(fixturePageCount(merged), 6);

    run = cleavemark({"split", m_six, "--each", "2", "--ranges", "1-2"});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.errors.contains("Usage: cleavemark split"));
    QCOMPARE(cleavemark({"split", m_six, "--ranges", "5-9"}).exitCode, 2);
    QCOMPARE(cleavemark({"merge", m_six}).exitCode, 2);
    QCOMPARE(cleavemark({"shred", m_six}).exitCode, 2);
    QCOMPARE(cleavemark({"merge", "--help"}).exitCode, 0);
    QCOMPARE(filesIn(out), QStringList({"rest.pdf"}));
}

void CleavemarkTest::nothingReplacedWithoutOverwrite()
{
    const QString out = folder(QStringLiteral("again"));
    QCOMPARE(cleavemark({"split", m_six, "--ranges", "1-2", "-o", out}).exitCode, 0);
    CleavemarkRun run = cleavemark({"split", m_book, "--ranges", "3-4", "--name", "six_p1-2", "-o", out});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(QFileInfo(run.lines.first()).fileName(), QStringLiteral("(1)six_p1-2.pdf"));
    QVERIFY(run.errors.contains("six_p1-2.pdf exists"));
    QCOMPARE(pageTexts(QDir(out).filePath("six_p1-2.pdf")), pages(1, 2));

    run = cleavemark({"split", m_book, "--ranges", "5-6", "--name", "six_p1-2", "-o", out, "--overwrite"});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.lines, QStringList({QDir(out).filePath("six_p1-2.pdf")}));
    QCOMPARE(pageTexts(QDir(out).filePath("six_p1-2.pdf")), pages(5, 6));
    QCOMPARE(filesIn(out), QStringList({"(1)six_p1-2.pdf", "six_p1-2.pdf"}));

    const QString merged = QDir(out).filePath("six_p1-2.pdf");
    run = cleavemark({"merge", "-o", merged, m_six});
    QCOMPARE(run.lines, QStringList({QDir(out).filePath("(2)six_p1-2.pdf")}));
    QCOMPARE(pageTexts(merged), pages(5, 6));
    QCOMPARE(cleavemark({"merge", "-o", merged, m_six, "--overwrite"}).exitCode, 0);
    QCOMPARE(pageTexts(merged), pages(1, 6));
}

void CleavemarkTest::interruptRemovesWhatWasWritten()
{
    const QString big = m_scratch.filePath(QStringLiteral("big.pdf"));
    FixtureOptions options;
    options.pageCount = 3000;
    QVERIFY(writePdfFixture(big, options));
    const QString out = folder(QStringLiteral("interrupted"));

    QProcess process;
    process.start(binPath(QStringLiteral("cleavemark")), {"split", big, "-o", out});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!QDir(out).entryList({"*.pdf"}, QDir::Files).isEmpty(), 60000);
    ::kill(pid_t(process.processId()), SIGINT);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 130);
    QVERIFY(QString::fromUtf8(process.readAllStandardError()).contains("interrupted"));
    QCOMPARE(filesIn(out), QStringList());
    // Its private folder, with the request, went too.
    QCOMPARE(QDir(QDir::tempPath()).entryList({"cleavemark-*"}, QDir::Dirs | QDir::Hidden), QStringList());
}

CM_TEST_MAIN(CleavemarkTest)
#include "test_cleavemark.moc"
