#include "tests/app/AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"
#include "tests/support/PdfFixtures.h"

#include "pdf/RenderClient.h"
#include "pdf/PdfService.h"
#include "preview/MarksBar.h"
#include "preview/Page.h"
#include "preview/PageMarks.h"
#include "preview/ThumbnailGrid.h"
#include "preview/ThumbnailLoader.h"
#include "preview/ThumbnailModel.h"
#include "preview/ViewedDocument.h"
#include "preview/ZoomBar.h"
#include "widgets/Button.h"

#include <QComboBox>
#include <QPixmapCache>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QUndoStack>

// The page window's thumbnails, marks and zoom, on generated documents
// whose page k reads "Page k".
class TestPageWorkbench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void marksToggleUndoAndMakeParts();
    void gridDrawsOnlyWhatIsInViewAndTurnsWithoutRedrawing();
    void zoomAndPageKeysInSinglePages();

private:
    QString fixture(const QString &name, FixtureOptions options);
    static void key(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    ScratchFolder m_folder;
};

void TestPageWorkbench::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QPixmapCache::setCacheLimit(102400);
}

QString TestPageWorkbench::fixture(const QString &name, FixtureOptions options)
{
    const QString path = m_folder.filePath(name);
    if (!writePdfFixture(path, options))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

void TestPageWorkbench::key(QWidget *target, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(target, key, modifiers);
}

// The marks of ten pages, as the grid's keys set them, and the parts they make.
void TestPageWorkbench::marksToggleUndoAndMakeParts()
{
    PageMarks marks;
    QSignalSpy changed(&marks, &PageMarks::marksChanged);
    QVERIFY(!marks.setDocument("a.pdf|1|1", 10));
    QVERIFY(!marks.hasMarks());

    marks.apply(PageMarks::Action::CutAfter, {3});
    marks.apply(PageMarks::Action::CutAfter, {7, 10});   // no cut after the last page
    QVERIFY(marks.mark(3).cutAfter && marks.mark(7).cutAfter && !marks.mark(10).cutAfter);
    marks.apply(PageMarks::Action::LeaveOut, {5, 6});
    marks.apply(PageMarks::Action::LeaveOut, {5, 6});    // both had it: off again
    QVERIFY(!marks.mark(5).leftOut);
    marks.apply(PageMarks::Action::LeaveOut, {5});
    marks.apply(PageMarks::Action::LeaveOut, {5, 6});    // not all had it: on for both
    QVERIFY(marks.mark(5).leftOut && marks.mark(6).leftOut);
    marks.apply(PageMarks::Action::RotateLeft, {2});
    marks.apply(PageMarks::Action::RotateRight, {9});
    QCOMPARE(marks.mark(2).rotation, 270);
    QCOMPARE(marks.mark(9).rotation, 90);
    QCOMPARE(changed.last().at(0).value<QList<int>>(), QList<int>{9});

    MarkedSplit split = marks.split();
    QCOMPARE(split.parts.size(), 3);
    QCOMPARE(split.parts.at(0).pages, (PageRangeList{{1, 3}}));
    QCOMPARE(split.parts.at(1).pages, (PageRangeList{{4, 4}, {7, 7}}));
    QCOMPARE(split.parts.at(1).first, 4);
    QCOMPARE(split.parts.at(1).last, 7);
    QCOMPARE(split.parts.at(1).leftOut, 2);
    QCOMPARE(split.parts.at(2).pages, (PageRangeList{{8, 10}}));
    QCOMPARE(split.parts.at(2).rotated, 1);
    QCOMPARE(split.rotations.size(), 2);
    QCOMPARE(split.rotations.at(0).page, 2);
    QCOMPARE(split.rotations.at(0).angle, 270);

    // Every step goes back and comes again; nothing that changed nothing is a step.
    QUndoStack *undo = marks.undoStack();
    const int steps = undo->count();
    marks.apply(PageMarks::Action::CutAfter, {10});
    QCOMPARE(undo->count(), steps);
    undo->undo();
    QCOMPARE(marks.mark(9).rotation, 0);
    undo->redo();
    QCOMPARE(marks.mark(9).rotation, 90);
    marks.clear();
    QVERIFY(!marks.hasMarks());
    QCOMPARE(marks.split().parts.size(), 1);
    undo->undo();
    QVERIFY(marks.hasMarks());
    QCOMPARE(marks.split().parts.size(), 3);

    // A piece made only of pages left out is no piece; all left out, no split.
    marks.apply(PageMarks::Action::LeaveOut, {1, 2, 3});
    QCOMPARE(marks.split().parts.size(), 2);
    marks.apply(PageMarks::Action::LeaveOut, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    QVERIFY(marks.split().isEmpty());
    QVERIFY(marks.split().rotations.isEmpty());

    // The same document keeps its marks; another, or the same changed, starts clean.
    QVERIFY(marks.setDocument("a.pdf|1|1", 10));
    QVERIFY(marks.hasMarks());
    QSignalSpy reset(&marks, &PageMarks::reset);
    QVERIFY(!marks.setDocument("a.pdf|2|5", 10));
    QCOMPARE(reset.count(), 1);
    QVERIFY(!marks.hasMarks());
    QVERIFY(!undo->canUndo());
}

// A long document: thumbnails come only for what is in view and a screen
// ahead, End reaches the last ones, the cache stays within its limit, and a
// turn marked by R is shown without asking the renderer again.
void TestPageWorkbench::gridDrawsOnlyWhatIsInViewAndTurnsWithoutRedrawing()
{
    FixtureOptions options;
    options.pageCount = 400;
    options.pageLabels = true;
    const QString path = fixture("long.pdf", options);
    DocumentViewer viewer(Application::instance()->pdfService());
    QVERIFY(openAndWait(viewer, path));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    int renders = 0;
    const RenderClient *client = Application::instance()->pdfService()->renderClient();
    connect(client, &RenderClient::rendered, &viewer, [&renders] { ++renders; });

    key(&viewer, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(viewer.view(), DocumentViewer::View::Thumbnails);
    ThumbnailGrid *grid = viewer.thumbnailGrid();
    ThumbnailLoader *loader = viewer.thumbnailLoader();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(grid));
    QCOMPARE(grid->currentPage(), 1);
    // The grid asks for thumbnails a moment after it moves; all is drawn
    // once what was posted has run, the grid has asked, and the renderer
    // has answered everything.
    const QList<QTimer *> askLater = grid->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(askLater.size(), 1);
    const auto drawn = [&] {
        QCoreApplication::processEvents();
        return !askLater.first()->isActive() && client->isIdle();
    };
    QTRY_VERIFY(!loader->thumbnail(1).isNull());
    const QPair<int, int> inView = grid->pagesInView();
    QVERIFY(inView.second > 1);
    QTRY_VERIFY(!loader->thumbnail(inView.second).isNull());
    // Drawn at the screen's pixel ratio, for a page that fits the thumbnail's side.
    QCOMPARE(loader->thumbnail(1).size(), QSize(612, 792).scaled(QSize(160, 160) * grid->devicePixelRatioF(),
                                                                  Qt::KeepAspectRatio));
    QTRY_VERIFY(drawn());
    QVERIFY2(renders <= 3 * (inView.second - inView.first + 1), qPrintable(QString::number(renders)));
    QVERIFY(loader->thumbnail(300).isNull());

    // Named for a screen reader with the page's label.
    ThumbnailModel *model = viewer.thumbnailModel();
    QCOMPARE(model->index(0).data(Qt::AccessibleTextRole).toString(), QString("Page 1 of 400, i"));
    QCOMPARE(model->index(3).data(Qt::AccessibleTextRole).toString(), QString("Page 4 of 400, 2"));

    key(grid, Qt::Key_End);
    QCOMPARE(grid->currentPage(), 400);
    QTRY_VERIFY(!loader->thumbnail(400).isNull());
    QVERIFY(loader->cachedKilobytes() <= ThumbnailLoader::DefaultCacheKilobytes);
    key(grid, Qt::Key_Home);
    QCOMPARE(grid->currentPage(), 1);

    // Turning the current page: its description says so, nothing is drawn again.
    QTRY_VERIFY(!loader->thumbnail(1).isNull());
    QTRY_VERIFY(drawn());
    const int before = renders;
    key(grid, Qt::Key_R);
    key(grid, Qt::Key_Slash);
    QCOMPARE(model->index(0).data(Qt::AccessibleDescriptionRole).toString(), QString("cut after, rotated 90°"));
    key(grid, Qt::Key_Right, Qt::ShiftModifier);
    key(grid, Qt::Key_Delete);
    QCOMPARE(grid->selectedPages(), (QList<int>{1, 2}));
    QCOMPARE(model->index(1).data(Qt::AccessibleDescriptionRole).toString(), QString("left out"));
    QVERIFY(viewer.marksBar()->splitButton()->isEnabled());
    key(grid, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(model->index(1).data(Qt::AccessibleDescriptionRole).toString(), QString());
    QTRY_VERIFY(drawn());
    QCOMPARE(renders, before);

    // A small cache holds what is in view, and no more.
    loader->setCacheLimit(2048);
    key(grid, Qt::Key_End);
    QTRY_VERIFY(!loader->thumbnail(400).isNull());
    QTRY_VERIFY(drawn());
    QVERIFY(!loader->thumbnail(400).isNull());
    QVERIFY(loader->cachedKilobytes() <= 2048);

    // Closed and opened again on the same document, the marks are there;
    // another document starts without any.
    viewer.onWindowClose();
    QVERIFY(openAndWait(viewer, path));
    viewer.show();
    QCOMPARE(model->index(0).data(Qt::AccessibleDescriptionRole).toString(), QString("cut after, rotated 90°"));
    const QString other = fixture("other.pdf", FixtureOptions{});
    QVERIFY(openAndWait(viewer, other));
    QVERIFY(!viewer.marks()->hasMarks());
    QVERIFY(!viewer.marksBar()->splitButton()->isEnabled());
}

// Single pages: Ctrl++ and Ctrl+- step the zoom, Ctrl+0 fits the width and
// keeps fitting it as the window grows; Page Down goes to the next page and
// the page field to any.
void TestPageWorkbench::zoomAndPageKeysInSinglePages()
{
    FixtureOptions options;
    options.pageCount = 6;
    const QString path = fixture("six.pdf", options);
    DocumentViewer viewer(Application::instance()->pdfService());
    QVERIFY(openAndWait(viewer, path));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    PageView *view = viewer.pageView();
    QWidget *pages = view->scrollArea();
    QCOMPARE(view->scale(), 1.0);

    key(pages, Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(view->scale(), 1.25);
    QCOMPARE(view->pages().at(0)->size(), QSize(765, 990));
    key(pages, Qt::Key_Minus, Qt::ControlModifier);
    key(pages, Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(view->scale(), 0.75);
    QCOMPARE(viewer.zoomBar()->zoomBox()->currentText(), QString("75 %"));
    // Drawn again at the new size, sharp.
    QTRY_COMPARE(view->pages().at(0)->state(), Page::Shown);

    key(pages, Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(viewer.zoomBar()->zoomBox()->currentText(), QString("Fit width"));
    const int viewport = view->scrollArea()->viewport()->width();
    QVERIFY2(qAbs(view->pages().at(0)->width() - viewport) <= 16,
             qPrintable(QString("%1 in %2").arg(view->pages().at(0)->width()).arg(viewport)));
    viewer.resize(viewer.width() + 200, viewer.height());
    QTRY_VERIFY(view->pages().at(0)->width() > viewport + 150);

    // The zoom stays while scrolling: Page Down, page by page.
    const qreal scale = view->scale();
    key(pages, Qt::Key_PageDown);
    QCOMPARE(view->currentPage(), 2);
    key(pages, Qt::Key_PageDown);
    QCOMPARE(view->currentPage(), 3);
    key(pages, Qt::Key_PageUp);
    QCOMPARE(view->currentPage(), 2);
    QCOMPARE(view->scale(), scale);
    QCOMPARE(viewer.goToPageField()->text(), QString("2"));

    QLineEdit *field = viewer.goToPageField();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "5");
    key(field, Qt::Key_Return);
    QCOMPARE(view->currentPage(), 5);
    // The grid follows to the same page, and back.
    key(&viewer, Qt::Key_2, Qt::ControlModifier);
    QCOMPARE(viewer.thumbnailGrid()->currentPage(), 5);
    key(viewer.thumbnailGrid(), Qt::Key_Right);
    key(&viewer, Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(view->currentPage(), 6);

    // Escape closes the window.
    key(view->scrollArea(), Qt::Key_Escape);
    QVERIFY(!viewer.isVisible());
}

CM_APPLICATION_TEST_MAIN(TestPageWorkbench)
#include "test_pageworkbench.moc"
