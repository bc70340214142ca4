#include "tests/app/AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"
#include "tests/support/PdfFixtures.h"

#include "app/MainView.h"
#include "jobs/ProgressBar.h"
#include "jobs/ProgressControl.h"
#include "jobs/Split.h"
#include "preview/ViewedDocument.h"
#include "preview/DocumentViewer.h"
#include "preview/FindCutsBar.h"
#include "preview/DropArea.h"
#include "preview/Cover.h"
#include "preview/Page.h"
#include "preview/PageView.h"
#include "preview/PreviewWidget.h"
#include "preview/MarksBar.h"
#include "preview/PageMarks.h"
#include "preview/ThumbnailGrid.h"
#include "preview/ThumbnailLoader.h"
#include "preview/ThumbnailModel.h"
#include "split/MarksModePage.h"
#include "split/SplitView.h"
#include "widgets/Button.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPixmapCache>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QListWidget>

// Renders the split page in each of its states, and the document viewer,
// into PNG files in the build folder (screenshots/), for a person to look at.
class TestSplitScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void splitPageStates();
    void viewer();
    void pageWindowMarks_data();
    void pageWindowMarks();

private:
    QString fixture(const QString &name, FixtureOptions options);
    QImage save(QWidget *widget, const QString &name);

    ScratchFolder m_folder;
    QString m_screens = QStringLiteral(CM_SCREENSHOT_FOLDER);
};

void TestSplitScreenshots::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QVERIFY(QDir().mkpath(m_screens));
    QPixmapCache::setCacheLimit(102400);
    Application::instance()->createPdfService();
}

QString TestSplitScreenshots::fixture(const QString &name, FixtureOptions options)
{
    const QString path = m_folder.filePath(name);
    if (!writePdfFixture(path, options))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

// At a screen scale above 1 the files are named "...@2x.png".
QImage TestSplitScreenshots::save(QWidget *widget, const QString &name)
{
    QCoreApplication::processEvents();
    const QImage image = widget->grab().toImage();
    const qreal scale = widget->devicePixelRatioF();
    const QString suffix = scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString();
    if (!image.save(m_screens + "/" + name + suffix + ".png"))
        qWarning("cannot write %s", qPrintable(name));
    return image;
}

void TestSplitScreenshots::splitPageStates()
{
    FixtureOptions plain;
    plain.pageCount = 10;
    const QString document = fixture("Quarterly report 2024.pdf", plain);
    FixtureOptions locked;
    locked.pageCount = 4;
    locked.userPassword = "secret";
    const QString protectedDocument = fixture("payroll.pdf", locked);

    MainView main;
    main.show();
    main.onNavigateToSplit();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    SplitView *view = main.splitView();
    QCOMPARE(save(&main, "split_empty").size(), QSize(743, 506) * main.devicePixelRatioF());

    dropFiles(view->previewWidget()->dropArea(), {protectedDocument});
    save(&main, "split_protected");

    dropFiles(view->previewWidget()->dropArea(), {document});
    // The cover is drawn by the renderer at the screen's pixel ratio.
    Cover *cover = view->previewWidget()->cover();
    QTRY_VERIFY(!cover->isWaitingForPage());
    QVERIFY(!cover->pageFailed());
    QCOMPARE(cover->label()->pixmap()->devicePixelRatio(), main.devicePixelRatioF());
    save(&main, "split_mode0_loaded");
    const QRect areaWhenLoaded = view->splitArea()->geometry();

    view->modeButton(Split::GroupsOfPages)->click();
    save(&main, "split_mode1");

    view->modeButton(Split::RemovePages)->click();
    save(&main, "split_mode2_empty");
    for (const char *page : {"3", "7", "10"}) {
        view->ridPageEdit()->setText(page);
        view->addPageButton()->click();
    }
    save(&main, "split_mode2");

    view->modeButton(Split::ByRanges)->click();
    save(&main, "split_mode3_empty");
    for (const auto &range : {qMakePair(1, 4), qMakePair(5, 5), qMakePair(6, 10)}) {
        view->fromEdit()->setText(QString::number(range.first));
        view->toEdit()->setText(QString::number(range.second));
        view->addRangeButton()->click();
    }
    save(&main, "split_mode3");
    // What a mode shows never moves the rest of the page.
    QCOMPARE(view->splitArea()->geometry(), areaWhenLoaded);

    // While splitting: a worker that reports 40 % and waits to be stopped.
    const QString worker = m_folder.filePath("slow-worker");
    QFile script(worker);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho 40\nexec sleep 30\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Application::setWorkerPath(worker);
    view->splitButton()->click();
    QTRY_COMPARE(view->progressControl()->progressBar()->value(), 40);
    save(&main, "split_running");
    DialogAnswers answers({DialogAnswers::click("OK")});
    view->progressControl()->stopButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(answers.allAnswered(), 20000);
    Application::setWorkerPath(binPath(QStringLiteral("sheafrun")));
}

void TestSplitScreenshots::viewer()
{
    FixtureOptions options;
    options.pageCount = 6;
    options.pageRotations.insert(2, 90);
    const QString path = fixture("brochure.pdf", options);
    DocumentViewer viewer(Application::instance()->pdfService());
    QVERIFY(openAndWait(viewer, path));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QString key = Page::cacheKey(viewer.pageView()->document()->documentId(), 1);
    QTRY_VERIFY(QPixmapCache::find(key, static_cast<QPixmap *>(nullptr)));
    // As many pixels as the screen has for the page: sharp at any scale.
    QPixmap first;
    QVERIFY(QPixmapCache::find(key, &first));
    QCOMPARE(first.size(), QSize(612, 792) * viewer.devicePixelRatioF());
    QCOMPARE(first.devicePixelRatio(), viewer.devicePixelRatioF());
    save(&viewer, "viewer_top");
    // The foot of page 1 with its badge, and the head of page 2.
    viewer.pageView()->scrollArea()->verticalScrollBar()->setValue(500);
    save(&viewer, "viewer_badge");
    Page *rotated = viewer.pageView()->pages().at(1);
    viewer.pageView()->scrollArea()->ensureWidgetVisible(rotated, 0, 0);
    QTRY_COMPARE(rotated->state(), Page::Shown);
    save(&viewer, "viewer_rotated_page");
}

void TestSplitScreenshots::pageWindowMarks_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("de") << "de";
}

// The grid with every kind of mark, and the split page it closes onto.
void TestSplitScreenshots::pageWindowMarks()
{
    QFETCH(QString, language);
    Application::settings()->setValue("Language", language);
    Application::instance()->applyLanguage();
    FixtureOptions options;
    options.pageCount = 12;
    options.pageLabels = true;
    options.pageRotations.insert(11, 90);
    const QString document = fixture("Annual report.pdf", options);

    MainView main;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    main.onNavigateToSplit();
    SplitView *view = main.splitView();
    dropFiles(view->previewWidget()->dropArea(), {document});
    view->modeButton(Split::ByMarks)->click();
    view->marksPage()->markPagesButton()->click();
    DocumentViewer *viewer = main.documentViewer();
    QTRY_VERIFY(viewer->isVisible());
    QTRY_COMPARE(viewer->thumbnailModel()->rowCount(), 12);
    QCOMPARE(viewer->view(), DocumentViewer::View::Thumbnails);
    viewer->resize(900, 640);
    PageMarks *marks = viewer->marks();
    marks->apply(PageMarks::Action::CutAfter, {4, 9});
    marks->apply(PageMarks::Action::LeaveOut, {6});
    marks->apply(PageMarks::Action::RotateRight, {2});
    viewer->thumbnailGrid()->setCurrentPage(7);
    const QPair<int, int> inView = viewer->thumbnailGrid()->pagesInView();
    QTRY_VERIFY(!viewer->thumbnailLoader()->thumbnail(inView.second).isNull());
    const QImage grid = save(viewer, "pages_grid_marks_" + language);
    QVERIFY(!isBlank(grid));

    // The Find cuts panel over the same grid, at the window's first size:
    // every text whole.
    viewer->resize(700, 600);
    viewer->findCutsButton()->click();
    FindCutsBar *panel = viewer->findCutsBar();
    QVERIFY(panel->isVisible());
    QVERIFY(!isBlank(save(viewer, "pages_find_cuts_" + language)));
    for (QAbstractButton *box : panel->findChildren<QAbstractButton *>())
        QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text()));
    viewer->findCutsButton()->click();
    QVERIFY(!panel->isVisible());

    viewer->marksBar()->splitButton()->click();
    QTRY_VERIFY(!viewer->isVisible());
    QCOMPARE(view->currentModePage(), int(Split::ByMarks));
    QListWidget *parts = view->marksPage()->partsList();
    QCOMPARE(parts->count(), 3);
    if (language == "en")
        QCOMPARE(parts->item(1)->text(), QString("Part 2: pages 5–9, 1 page left out"));
    QVERIFY(view->splitButton()->isEnabled());
    const QImage split = save(&main, "split_by_marks_" + language);
    QVERIFY(!isBlank(split));
    // Each part's text is shown whole.
    for (int row = 0; row < parts->count(); ++row) {
        const QString text = parts->item(row)->text();
        QVERIFY2(parts->fontMetrics().horizontalAdvance(text) + 12 <= parts->viewport()->width(), qPrintable(text));
    }
    Application::settings()->setValue("Language", "en");
    Application::instance()->applyLanguage();
}

CM_APPLICATION_TEST_MAIN(TestSplitScreenshots)
#include "test_split_screenshots.moc"


