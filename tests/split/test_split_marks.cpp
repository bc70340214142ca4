#include "tests/app/AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"
#include "tests/support/PdfFixtures.h"

#include "app/MainView.h"
#include "jobs/Split.h"
#include "preview/MarksBar.h"
#include "preview/PageMarks.h"
#include "preview/PreviewWidget.h"
#include "preview/DropArea.h"
#include "preview/ThumbnailGrid.h"
#include "split/MarksModePage.h"
#include "split/SplitView.h"
#include "widgets/Button.h"

#include <QFileInfo>
#include <QListWidget>
#include <QUndoStack>

// From the thumbnails to the files, by keys alone, with the real window,
// renderer and worker: marks set in the grid become the split page's parts
// and the worker's pieces.
class TestSplitMarks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void marksSetByKeysSplitIntoThreePieces();

private:
    ScratchFolder m_folder;
};

void TestSplitMarks::initTestCase()
{
    QVERIFY(m_folder.isValid());
    Application::settings()->setValue("Language", "en");
    Application::instance()->applyLanguage();
}

void TestSplitMarks::marksSetByKeysSplitIntoThreePieces()
{
    FixtureOptions options;
    options.pageCount = 12;
    const QString path = m_folder.filePath("twelve.pdf");
    QVERIFY(writePdfFixture(path, options));

    MainView main;
    main.show();
    main.onNavigateToSplit();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    SplitView *view = main.splitView();
    Split *job = Application::instance()->split();
    dropFiles(view->previewWidget()->dropArea(), {path});
    QVERIFY(job->isLoaded());

    // Preview, then Ctrl+2: the grid, page 1 current.
    QVERIFY(tabFocusTo(view->previewWidget()->previewButton()));
    keyOnFocus(Qt::Key_Space);
    DocumentViewer *viewer = main.documentViewer();
    QTRY_VERIFY(viewer->isVisible());
    QTRY_COMPARE(viewer->thumbnailGrid()->model()->rowCount(), 12);
    viewer->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(viewer));
    keyOnFocus(Qt::Key_2, Qt::ControlModifier);
    ThumbnailGrid *grid = viewer->thumbnailGrid();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(grid));
    QCOMPARE(grid->currentPage(), 1);

    // Cut after 4 and 9, leave out 6, turn 2 right.
    for (int i = 0; i < 3; ++i)
        keyOnFocus(Qt::Key_Right);
    keyOnFocus(Qt::Key_Slash);
    for (int i = 0; i < 5; ++i)
        keyOnFocus(Qt::Key_Right);
    QCOMPARE(grid->currentPage(), 9);
    keyOnFocus(Qt::Key_Slash);
    for (int i = 0; i < 3; ++i)
        keyOnFocus(Qt::Key_Left);
    keyOnFocus(Qt::Key_Delete);
    keyOnFocus(Qt::Key_Home);
    keyOnFocus(Qt::Key_Right);
    keyOnFocus(Qt::Key_R);
    PageMarks *marks = viewer->marks();
    QVERIFY(marks->mark(4).cutAfter && marks->mark(9).cutAfter && marks->mark(6).leftOut);
    QCOMPARE(marks->mark(2).rotation, 90);

    // Undo takes the turn back, Redo sets it again.
    keyOnFocus(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(marks->mark(2).rotation, 0);
    QVERIFY(marks->mark(6).leftOut);
    keyOnFocus(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(marks->mark(2).rotation, 90);

    // "Split at marks": the window closes onto the split page "By marks".
    QVERIFY(tabFocusTo(viewer->marksBar()->splitButton()));
    keyOnFocus(Qt::Key_Space);
    QTRY_VERIFY(!viewer->isVisible());
    QCOMPARE(view->currentModePage(), int(Split::ByMarks));
    QCOMPARE(job->mode(), int(Split::ByMarks));
    QListWidget *parts = view->marksPage()->partsList();
    QCOMPARE(parts->count(), 3);
    QCOMPARE(parts->item(0)->text(), QString("Part 1: pages 1–4, 1 rotated"));
    QCOMPARE(parts->item(1)->text(), QString("Part 2: pages 5–9, 1 page left out"));
    QCOMPARE(parts->item(2)->text(), QString("Part 3: pages 10–12"));

    // SPLIT, by keys too; the result dialog is answered with Escape.
    QTRY_VERIFY(view->splitButton()->isEnabled());
    QVERIFY(tabFocusTo(view->splitButton(), 40, &main));
    QSignalSpy finished(job, &Split::finished);
    DialogAnswers answers({[](QDialog *dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }});
    keyOnFocus(Qt::Key_Space);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QStringList files = finished.first().first().toStringList();
    std::sort(files.begin(), files.end());
    QCOMPARE(files.size(), 3);
    QCOMPARE(pageTexts(files.at(0)), QStringList({"Page 1", "Page 2", "Page 3", "Page 4"}));
    QCOMPARE(fixturePageRotation(files.at(0), 2), 90);
    QCOMPARE(fixturePageRotation(files.at(0), 1), 0);
    QCOMPARE(pageTexts(files.at(1)), QStringList({"Page 5", "Page 7", "Page 8", "Page 9"}));
    QCOMPARE(pageTexts(files.at(2)), QStringList({"Page 10", "Page 11", "Page 12"}));
    QTRY_VERIFY(answers.allAnswered());

    // The marks stayed with the document: the window shows them again.
    main.onPreview(path, QString());
    QTRY_VERIFY(viewer->isVisible());
    QCOMPARE(marks->mark(2).rotation, 90);
    QVERIFY(marks->undoStack()->canUndo());
    viewer->onWindowClose();
}

CM_APPLICATION_TEST_MAIN(TestSplitMarks)
#include "test_split_marks.moc"
