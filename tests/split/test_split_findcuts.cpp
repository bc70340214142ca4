#include "tests/app/AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"
#include "tests/support/PdfFixtures.h"

#include "app/MainView.h"
#include "jobs/AdvancedSettings.h"
#include "jobs/Split.h"
#include "preview/FindCutsBar.h"
#include "preview/MarksBar.h"
#include "preview/PageMarks.h"
#include "preview/PreviewWidget.h"
#include "preview/DropArea.h"
#include "preview/ThumbnailGrid.h"
#include "split/MarksModePage.h"
#include "split/SplitView.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QUndoStack>

// A stack with blank separator sheets, cut by the page window's "Find cuts"
// at blank pages through the real renderers, changed by hand, undone and
// redone as one step, and split by the real worker into pieces named after
// their first lines.
class TestSplitFindCuts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void blankSheetsFoundChangedByHandAndSplit();

private:
    ScratchFolder m_folder;
};

void TestSplitFindCuts::initTestCase()
{
    QVERIFY(m_folder.isValid());
    Application::settings()->setValue("Language", "en");
    Application::instance()->applyLanguage();
}

void TestSplitFindCuts::blankSheetsFoundChangedByHandAndSplit()
{
    // Four letters of four pages, a blank sheet after each of the first
    // three, two after the second.
    FixtureOptions options;
    options.pageCount = 20;
    options.blankPages = {5, 10, 11, 16};
    const QString path = m_folder.filePath("stack.pdf");
    QVERIFY(writePdfFixture(path, options));

    MainView main;
    main.show();
    main.onNavigateToSplit();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    SplitView *view = main.splitView();
    Split *job = Application::instance()->split();
    dropFiles(view->previewWidget()->dropArea(), {path});
    QVERIFY(job->isLoaded());

    QVERIFY(tabFocusTo(view->previewWidget()->previewButton()));
    keyOnFocus(Qt::Key_Space);
    DocumentViewer *viewer = main.documentViewer();
    QTRY_VERIFY(viewer->isVisible());
    viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(viewer));

    // Ctrl+F opens the panel on the grid, at blank pages; Enter finds.
    keyOnFocus(Qt::Key_F, Qt::ControlModifier);
    FindCutsBar *panel = viewer->findCutsBar();
    QVERIFY(panel->isVisible());
    QCOMPARE(viewer->view(), DocumentViewer::View::Thumbnails);
    QVERIFY(viewer->findCutsButton()->isChecked());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(panel->wayButton(CutOptions::Way::AtBlank)));
    QVERIFY(panel->leaveOutBox()->isChecked());
    QTRY_COMPARE(viewer->thumbnailGrid()->model()->rowCount(), 20);
    keyOnFocus(Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!panel->isFinding(), 60000);
    QCOMPARE(panel->statusLabel()->text(), QString("4 parts found, 4 pages left out"));
    PageMarks *marks = viewer->marks();
    QStringList marked;
    for (int page = 1; page <= 20; ++page) {
        if (marks->mark(page).cutAfter)
            marked << QString("cut after %1").arg(page);
        if (marks->mark(page).leftOut)
            marked << QString("%1 left out").arg(page);
    }
    QCOMPARE(marked, QStringList({"cut after 4", "5 left out", "cut after 9", "10 left out", "11 left out",
                                  "cut after 15", "16 left out"}));

    // Escape closes the panel and gives the grid the keys; one Undo takes
    // every mark found away, one Redo brings them all back.
    keyOnFocus(Qt::Key_Escape);
    QVERIFY(!panel->isVisible());
    QVERIFY(viewer->isVisible());
    ThumbnailGrid *grid = viewer->thumbnailGrid();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(grid));
    QCOMPARE(marks->undoStack()->count(), 1);
    keyOnFocus(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!marks->hasMarks());
    keyOnFocus(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(marks->mark(4).cutAfter && marks->mark(9).cutAfter && marks->mark(15).cutAfter);
    QVERIFY(marks->mark(5).leftOut && marks->mark(11).leftOut && marks->mark(16).leftOut);

    // By hand: the cut after 15 goes, one after 13 comes.
    grid->setCurrentPage(15);
    keyOnFocus(Qt::Key_Slash);
    keyOnFocus(Qt::Key_Left);
    keyOnFocus(Qt::Key_Left);
    keyOnFocus(Qt::Key_Slash);
    QVERIFY(!marks->mark(15).cutAfter);
    QVERIFY(marks->mark(13).cutAfter);

    QVERIFY(tabFocusTo(viewer->marksBar()->splitButton()));
    keyOnFocus(Qt::Key_Space);
    QTRY_VERIFY(!viewer->isVisible());
    QCOMPARE(job->mode(), int(Split::ByMarks));
    QListWidget *parts = view->marksPage()->partsList();
    QCOMPARE(parts->count(), 4);
    QCOMPARE(parts->item(1)->text(), QString("Part 2: pages 5–9, 1 page left out"));
    QCOMPARE(parts->item(3)->text(), QString("Part 4: pages 14–20, 1 page left out"));

    job->settings()->setFileNamePrefix("[FIRSTLINE]");
    QTRY_VERIFY(view->splitButton()->isEnabled());
    QVERIFY(tabFocusTo(view->splitButton(), 40, &main));
    QSignalSpy finished(job, &Split::finished);
    DialogAnswers answers({[](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }});
    keyOnFocus(Qt::Key_Space);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QStringList files = finished.first().first().toStringList();
    std::sort(files.begin(), files.end());
    QStringList names;
    for (const QString &file : files)
        names << QFileInfo(file).fileName();
    QCOMPARE(names, QStringList({"Page 1.pdf", "Page 12.pdf", "Page 14.pdf", "Page 6.pdf"}));
    QCOMPARE(pageTexts(files.at(0)), QStringList({"Page 1", "Page 2", "Page 3", "Page 4"}));
    QCOMPARE(pageTexts(files.at(3)), QStringList({"Page 6", "Page 7", "Page 8", "Page 9"}));
    QCOMPARE(pageTexts(files.at(1)), QStringList({"Page 12", "Page 13"}));
    QCOMPARE(pageTexts(files.at(2)), QStringList({"Page 14", "Page 15", "Page 17", "Page 18", "Page 19", "Page 20"}));
    QTRY_VERIFY(answers.allAnswered());
    job->settings()->setFileNamePrefix(job->settings()->defaultTemplate());
}

CM_APPLICATION_TEST_MAIN(TestSplitFindCuts)
#include "test_split_findcuts.moc"
