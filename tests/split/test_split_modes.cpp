#include "tests/app/AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"
#include "tests/support/OutlineFixture.h"
#include "tests/support/PdfFixtures.h"

#include "app/MainView.h"
#include "dialogs/SaveFolderModel.h"
#include "jobs/ProgressBar.h"
#include "jobs/ProgressControl.h"
#include "jobs/Split.h"
#include "preview/DropArea.h"
#include "preview/PreviewWidget.h"
#include "split/BookmarkModePage.h"
#include "split/SizeModePage.h"
#include "split/SplitView.h"
#include "widgets/Button.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>

// The split page's "By bookmarks" and "By file size" driven through their
// widgets with the real worker: the level list, the size field, the files
// produced and what the result dialog says.
class TestSplitModes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void splitsAtTheChosenBookmarkLevel();
    void splitsIntoFilesWithinTheSize();

private:
    QString fixture(const QString &name, int pages, FixtureOptions options = {});
    void load(const QString &path);
    void chooseMode(int mode);
    void chooseFolder(const QString &folder);
    SeenDialog runSplit(QStringList *files);
    void saveScreenshot(const QString &name);

    ScratchFolder m_folder;
    MainView *m_main = nullptr;
    SplitView *m_view = nullptr;
    QString m_nextFolder;
};

// In English from the translation file, as an English desktop gets it:
// the plural forms come from there.
void TestSplitModes::initTestCase()
{
    QVERIFY(m_folder.isValid());
    Application::settings()->setValue("Language", "en");
    Application::instance()->applyLanguage();
}

void TestSplitModes::init()
{
    Application::instance()->split()->resetState();
    m_main = new MainView;
    m_main->show();
    m_main->onNavigateToSplit();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_view = m_main->splitView();
    m_view->setFolderChooser([this](QWidget *, const QString &, const QString &) { return m_nextFolder; });
}

void TestSplitModes::cleanup()
{
    delete m_main;
    m_main = nullptr;
}

QString TestSplitModes::fixture(const QString &name, int pages, FixtureOptions options)
{
    options.pageCount = pages;
    const QString path = m_folder.filePath(name);
    if (!writePdfFixture(path, options))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

void TestSplitModes::load(const QString &path)
{
    dropFiles(m_view->previewWidget()->dropArea(), {path});
}

void TestSplitModes::chooseMode(int mode)
{
    QTest::mouseClick(m_view->modeButton(mode), Qt::LeftButton, {}, QPoint(5, 5));
}

void TestSplitModes::chooseFolder(const QString &folder)
{
    QDir().mkpath(folder);
    m_nextFolder = folder;
    m_view->saveFolderBox()->setCurrentIndex(SaveFolderModel::ChosenFolder);
    emit m_view->saveFolderBox()->activated(SaveFolderModel::ChosenFolder);
}

SeenDialog TestSplitModes::runSplit(QStringList *files)
{
    QSignalSpy finished(Application::instance()->split(), &Split::finished);
    DialogAnswers answers({DialogAnswers::click("OK")});
    QTest::mouseClick(m_view->splitButton(), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return answers.allAnswered(); }, 60000))
        return {};
    *files = finished.isEmpty() ? QStringList() : finished.first().first().toStringList();
    return answers.seen().value(0);
}

void TestSplitModes::saveScreenshot(const QString &name)
{
    QDir().mkpath(CM_SCREENSHOT_FOLDER);
    QVERIFY(m_main->grab().save(QStringLiteral(CM_SCREENSHOT_FOLDER "/") + name + ".png"));
}

void TestSplitModes::splitsAtTheChosenBookmarkLevel()
{
    const QString book = fixture("book.pdf", 10);
    QVERIFY(writeOutline(book, {{0, "Intro", 1}, {0, "Part/One", 3}, {1, "Summary", 4}, {1, "Details", 5},
                                {0, "Part Two", 6}, {1, "Summary", 8}}));
    load(book);
    chooseMode(Split::ByBookmarks);
    QCOMPARE(m_view->currentModePage(), int(Split::ByBookmarks));
    QComboBox *levels = m_view->bookmarkPage()->levelBox();
    QVERIFY(levels->isEnabled());
    QVERIFY(!m_view->bookmarkPage()->reasonLabel()->isVisible());
    QCOMPARE(levels->count(), 2);
    QCOMPARE(levels->itemText(0), QString("Level 1: 3 files"));
    QCOMPARE(levels->itemText(1), QString("Level 2: 4 files"));
    QVERIFY(m_view->splitButton()->isEnabled());

    // Level 2 by keys; the pages before its first bookmark go with "Intro".
    levels->setFocus();
    QTest::keyClick(levels, Qt::Key_Down);
    QCOMPARE(Application::instance()->split()->bookmarkLevel(), 2);
    chooseFolder(m_folder.filePath("chapters"));
    saveScreenshot("split_by_bookmarks");
    int highestProgress = -1;
    QObject watching;
    connect(Application::instance()->split(), &Split::progressChanged, &watching, [&] {
        highestProgress = qMax(highestProgress, m_view->progressControl()->progressBar()->value());
    });
    QStringList files;
    const SeenDialog result = runSplit(&files);
    QVERIFY2(result.text.startsWith("Your document was split into 4 files."), qPrintable(result.text));
    QCOMPARE(highestProgress, 100);
    QStringList names;
    for (const QString &file : files)
        names << QFileInfo(file).fileName() + "=" + pageTexts(file).join(",");
    QCOMPARE(names, QStringList({"Intro.pdf=Page 1,Page 2,Page 3", "Summary.pdf=Page 4",
                                 "Details.pdf=Page 5,Page 6,Page 7", "Summary (2).pdf=Page 8,Page 9,Page 10"}));

    // A document without bookmarks: the choice is off and the page says why.
    load(fixture("plain.pdf", 3));
    QVERIFY(!levels->isEnabled());
    QCOMPARE(levels->count(), 0);
    QVERIFY(m_view->bookmarkPage()->reasonLabel()->isVisible());
    QVERIFY(!m_view->splitButton()->isEnabled());
    saveScreenshot("split_by_bookmarks_none");
    QCOMPARE(unnamedButtons(m_view), QStringList());
}

// Six pages of about 30 kB each, as a scan would be.
void TestSplitModes::splitsIntoFilesWithinTheSize()
{
    FixtureOptions scanned;
    scanned.pageImageBytes = 30000;
    load(fixture("scan.pdf", 6, scanned));
    chooseMode(Split::ByFileSize);
    QLineEdit *size = m_view->sizePage()->sizeField();
    QCOMPARE(size->text(), QString("10"));
    QVERIFY(m_view->sizePage()->documentSizeLabel()->text().startsWith("The document: "));
    QVERIFY(m_view->splitButton()->isEnabled());
    size->clear();
    QVERIFY(!m_view->splitButton()->isEnabled());
    QTest::keyClicks(size, "0,02x");   // what is not a size is not taken
    QCOMPARE(size->text(), QString("0,02"));
    QVERIFY(m_view->splitButton()->isEnabled());
    chooseFolder(m_folder.filePath("small"));
    saveScreenshot("split_by_file_size");

    QStringList files;
    SeenDialog result = runSplit(&files);
    QCOMPARE(files.size(), 6);
    QVERIFY2(result.text.contains("6 of them hold a single page that alone is larger than the size limit.\n\n"
                                  "6 files, "),
             qPrintable(result.text));

    size->setText("0.2");
    chooseFolder(m_folder.filePath("fits"));
    result = runSplit(&files);
    QVERIFY2(result.text.startsWith("Your document was split into 1 file."), qPrintable(result.text));
    QVERIFY(!result.text.contains("larger than"));
    QCOMPARE(pageTexts(files.value(0)).size(), 6);
    QVERIFY(QFileInfo(files.value(0)).size() <= 0.2 * 1048576);
}

CM_APPLICATION_TEST_MAIN(TestSplitModes)
#include "test_split_modes.moc"
