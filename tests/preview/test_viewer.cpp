#include "tests/app/AppTestMain.h"
#include "tests/support/PdfFixtures.h"

#include "app/MainView.h"
#include "preview/ViewedDocument.h"
#include "tests/preview/GuiTestHelpers.h"
#include "preview/DocumentViewer.h"
#include "preview/Page.h"
#include "preview/PageMarks.h"
#include "preview/PageView.h"
#include "widgets/WindowBar.h"

#include <QPixmapCache>
#include <QPushButton>
#include <QScreen>
#include <QDir>
#include <QScrollArea>
#include <QScrollBar>
#include <QTranslator>

namespace {

class LongPageTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (qstrcmp(context, "Page") == 0 && qstrcmp(source, "Page %1") == 0)
            return QStringLiteral("Seite Nummer %1 eines sehr langen Dokuments");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

// The document viewer on generated documents whose page k reads "Page k":
// lazy rendering into the pixmap cache, reuse of a document shown again,
// rotated pages and the page badge.
class TestViewer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void rendersOnlyPaintedPagesAndKeepsThemForTheSameFile();
    void rotatedPageAndBadgeWidths();
    void unopenableDocumentsLeaveViewerEmpty();
    void windowHidesOnCloseAndMainWindowPreviewReusesIt();
    void eachDocumentIsLaidOutAfresh();

private:
    QString fixture(const QString &name, FixtureOptions options);
    static QPixmap cached(const PageView *view, int page);
    static void showPage(DocumentViewer &viewer, int page);
    static int badgeWidth(const QPixmap &pixmap);
    static void verifyLayout(DocumentViewer &viewer, const QString &path, int pageCount, QSize pageSize);

    ScratchFolder m_folder;
};

void TestViewer::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QPixmapCache::setCacheLimit(102400);
    Application::instance()->createPdfService();
}

void TestViewer::init()
{
    QPixmapCache::clear();
}

QString TestViewer::fixture(const QString &name, FixtureOptions options)
{
    const QString path = m_folder.filePath(name);
    if (!writePdfFixture(path, options))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

QPixmap TestViewer::cached(const PageView *view, int page)
{
    QPixmap pixmap;
    QPixmapCache::find(Page::cacheKey(view->document()->documentId(), page), &pixmap);
    return pixmap;
}

void TestViewer::showPage(DocumentViewer &viewer, int page)
{
    QScrollArea *area = viewer.pageView()->scrollArea();
    area->ensureWidgetVisible(viewer.pageView()->pages().at(page - 1), 0, 0);
    QTRY_VERIFY(!cached(viewer.pageView(), page).isNull());
}

// The width of the grey badge, read across its middle row; white text and
// white paper around it are left out.
int TestViewer::badgeWidth(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    const int row = image.height() - 2 - 15;
    int left = -1;
    int right = -1;
    for (int x = 0; x < image.width(); ++x) {
        const QRgb pixel = image.pixel(x, row);
        const bool grey = qAbs(qRed(pixel) - 191) <= 8 && qRed(pixel) == qBlue(pixel);
        if (grey) {
            if (left < 0)
                left = x;
            right = x;
        }
    }
    return left < 0 ? 0 : right - left + 1;
}

void TestViewer::rendersOnlyPaintedPagesAndKeepsThemForTheSameFile()
{
    FixtureOptions options;
    options.pageCount = 8;
    const QString path = fixture("eight.pdf", options);

    DocumentViewer viewer(Application::instance()->pdfService());
    QVERIFY(openAndWait(viewer, path, QString()));
    QCOMPARE(viewer.windowTitle(), QString("Pages — eight.pdf"));
    QCOMPARE(viewer.windowBar()->title(), QString("Pages — eight.pdf"));
    QCOMPARE(viewer.size(), QSize(700, 600));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));

    PageView *view = viewer.pageView();
    QCOMPARE(view->pages().size(), 8);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(view->pages().at(i)->pageNumber(), i + 1);
        QCOMPARE(view->pages().at(i)->size(), QSize(612, 792));
    }
    QTRY_VERIFY(!cached(view, 1).isNull());
    QCOMPARE(cached(view, 1).size(), QSize(612, 792));
    // Pages far below the window were never painted, so never rendered.
    for (int page = 3; page <= 8; ++page)
        QVERIFY2(cached(view, page).isNull(), qPrintable(QString::number(page)));

    showPage(viewer, 5);
    const qint64 firstRendering = cached(view, 5).cacheKey();
    view->scrollArea()->verticalScrollBar()->setValue(0);
    QTRY_VERIFY(view->pages().first()->visibleRegion().isEmpty() == false);

    // The same file again keeps pages and renderings: scrolling back to
    // page 5 finds the very pixmap rendered before.
    const QList<Page *> pagesBefore = view->pages();
    QVERIFY(openAndWait(viewer, path, QString()));
    QCOMPARE(view->pages(), pagesBefore);
    showPage(viewer, 5);
    QCOMPARE(cached(view, 5).cacheKey(), firstRendering);

    // Another file replaces the pages and empties the cache.
    options.pageCount = 2;
    const QString other = fixture("two.pdf", options);
    const int oldId = view->document()->documentId();
    QVERIFY(openAndWait(viewer, other, QString()));
    QCOMPARE(view->pages().size(), 2);
    QVERIFY(!QPixmapCache::find(Page::cacheKey(oldId, 5), static_cast<QPixmap *>(nullptr)));
    QCOMPARE(view->scrollArea()->verticalScrollBar()->value(), 0);
    QTRY_VERIFY(!cached(view, 1).isNull());

    // A file that changed on disk since it was read is read anew, even
    // under the same name: its own pages show, and the marks set on the
    // pages it had are gone.
    viewer.marks()->apply(PageMarks::Action::LeaveOut, {2});
    QVERIFY(viewer.marks()->hasMarks());
    options.pageCount = 3;
    QVERIFY(writePdfFixture(other, options));
    QVERIFY(openAndWait(viewer, other, QString()));
    QCOMPARE(view->pages().size(), 3);
    QCOMPARE(viewer.marks()->pageCount(), 3);
    QVERIFY(!viewer.marks()->hasMarks());
}

void TestViewer::rotatedPageAndBadgeWidths()
{
    FixtureOptions options;
    options.pageCount = 8;
    options.pageRotations.insert(2, 90);
    options.pageRotations.insert(3, 270);
    const QString path = fixture("rotated.pdf", options);

    DocumentViewer viewer(Application::instance()->pdfService());
    QVERIFY(openAndWait(viewer, path, QString()));
    PageView *view = viewer.pageView();
    QCOMPARE(view->pages().at(0)->size(), QSize(612, 792));
    QCOMPARE(view->pages().at(1)->size(), QSize(792, 612));
    QCOMPARE(view->pages().at(2)->size(), QSize(792, 612));

    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    showPage(viewer, 2);
    QCOMPARE(cached(view, 2).size(), QSize(792, 612));

    showPage(viewer, 7);
    QCOMPARE(badgeWidth(cached(view, 7)), 100);

    // A long translation widens the badge to the text's width + 10.
    LongPageTranslator translator;
    QCoreApplication::installTranslator(&translator);
    showPage(viewer, 3);
    QCoreApplication::removeTranslator(&translator);
    const QString text = translator.translate("Page", "Page %1", nullptr, -1).arg(3);
    const int expected = view->pages().at(2)->fontMetrics().horizontalAdvance(text) + 10;
    QVERIFY(expected > 100);
    QCOMPARE(badgeWidth(cached(view, 3)), expected);
}

void TestViewer::unopenableDocumentsLeaveViewerEmpty()
{
    FixtureOptions options;
    options.pageCount = 3;
    options.userPassword = "secret";
    const QString locked = fixture("locked.pdf", options);
    const QString notPdf = m_folder.filePath("notes.pdf");
    QFile file(notPdf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("just text");
    file.close();

    DocumentViewer viewer(Application::instance()->pdfService());
    QVERIFY(!openAndWait(viewer, locked, QString()));
    QVERIFY(viewer.pageView()->pages().isEmpty());
    QVERIFY(viewer.pageView()->document().isNull());
    QVERIFY(!openAndWait(viewer, locked, "wrong"));
    QVERIFY(!openAndWait(viewer, notPdf, QString()));
    QVERIFY(!openAndWait(viewer, m_folder.filePath("missing.pdf"), QString()));
    QVERIFY(viewer.pageView()->pages().isEmpty());
    QCOMPARE(viewer.windowTitle(), QString("Pages — missing.pdf"));

    // A failed attempt is forgotten, so the right password still opens it.
    QVERIFY(openAndWait(viewer, locked, "secret"));
    QCOMPARE(viewer.pageView()->pages().size(), 3);
}

void TestViewer::windowHidesOnCloseAndMainWindowPreviewReusesIt()
{
    FixtureOptions options;
    options.pageCount = 2;
    const QString path = fixture("shown.pdf", options);

    MainView main;
    main.show();
    DocumentViewer *viewer = main.documentViewer();
    QVERIFY(viewer);
    QVERIFY(!viewer->isVisible());
    QVERIFY(viewer->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(viewer->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!viewer->isModal());

    main.onPreview(path, QString());
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QTRY_COMPARE(viewer->pageView()->pages().size(), 2);
    const QList<Page *> pages = viewer->pageView()->pages();

    for (const char *name : {"windowclose", "windowminimize"}) {
        auto *button = viewer->findChild<QPushButton *>(name);
        QVERIFY(button);
        QVERIFY2(!button->accessibleName().isEmpty(), name);
    }
    QTest::mouseClick(viewer->findChild<QPushButton *>("windowclose"), Qt::LeftButton);
    QVERIFY(!viewer->isVisible());
    QCOMPARE(viewer->pageView()->pages(), pages);   // kept open while hidden

    main.onPreview(path, QString());
    QVERIFY(viewer->isVisible());
    QCOMPARE(main.documentViewer(), viewer);
    QCOMPARE(viewer->pageView()->pages(), pages);

    main.close();
    QVERIFY(!viewer->isVisible());
}

// Opens the document and checks what the user sees first: page 1 at the top,
// centred across the width, the pages one below the other, and a scroll
// range that ends with the last page.
void TestViewer::verifyLayout(DocumentViewer &viewer, const QString &path, int pageCount, QSize pageSize)
{
    QVERIFY(openAndWait(viewer, path, QString()));
    if (!viewer.isVisible()) {
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    }
    QCoreApplication::processEvents();
    const QList<Page *> pages = viewer.pageView()->pages();
    QCOMPARE(pages.size(), pageCount);
    QScrollArea *area = viewer.pageView()->scrollArea();
    const QWidget *viewport = area->viewport();

    const QPoint first = pages.first()->mapTo(viewport, QPoint(0, 0));
    QCOMPARE(pages.first()->size(), pageSize);
    QCOMPARE(first.y(), 0);
    QCOMPARE(first.x(), qMax(0, (viewport->width() - pageSize.width()) / 2));
    QCOMPARE(area->verticalScrollBar()->value(), 0);
    QCOMPARE(area->horizontalScrollBar()->value(), 0);

    const int step = pageCount > 1 ? pages.at(1)->y() - pages.at(0)->y() : pageSize.height();
    QVERIFY2(step >= pageSize.height() && step < pageSize.height() + 20, qPrintable(QString::number(step)));
    for (int i = 0; i < pageCount; ++i)
        QCOMPARE(pages.at(i)->y(), pages.first()->y() + i * step);
    const int contentHeight = pages.last()->geometry().bottom() + 1;
    QCOMPARE(area->verticalScrollBar()->maximum(), qMax(0, contentHeight - viewport->height()));
    QCOMPARE(area->horizontalScrollBar()->maximum(), qMax(0, pageSize.width() - viewport->width()));
}

// A failed check inside the helper ends the test, not only the helper.
#define VERIFY_LAYOUT(...)                                                                     \
    do {                                                                                       \
        verifyLayout(__VA_ARGS__);                                                             \
        if (QTest::currentTestFailed())                                                        \
            return;                                                                            \
    } while (false)

void TestViewer::eachDocumentIsLaidOutAfresh()
{
    FixtureOptions options;
    options.pageCount = 6;
    const QString letter = fixture("letter.pdf", options);
    options.pageCount = 2;
    options.pageSize = {842, 300};
    const QString wide = fixture("wide.pdf", options);
    options.pageCount = 1;
    options.pageSize = {200, 150};
    const QString card = fixture("card.pdf", options);
    options.pageCount = 40;
    options.pageSize = {300, 420};
    const QString booklet = fixture("booklet.pdf", options);

    DocumentViewer viewer(Application::instance()->pdfService());
    QScrollBar *vertical = viewer.pageView()->scrollArea()->verticalScrollBar();
    VERIFY_LAYOUT(viewer, letter, 6, {612, 792});
    vertical->setValue(vertical->maximum() / 2);
    VERIFY_LAYOUT(viewer, wide, 2, {842, 300});
    VERIFY_LAYOUT(viewer, booklet, 40, {300, 420});
    vertical->setValue(vertical->maximum());
    VERIFY_LAYOUT(viewer, card, 1, {200, 150});
    VERIFY_LAYOUT(viewer, letter, 6, {612, 792});

    // Closed in the middle of a document, then opened on others and on the
    // same one again: always page 1 at the top.
    vertical->setValue(vertical->maximum() / 3);
    viewer.onWindowClose();
    VERIFY_LAYOUT(viewer, letter, 6, {612, 792});
    viewer.onWindowClose();
    VERIFY_LAYOUT(viewer, booklet, 40, {300, 420});
    viewer.pageView()->clear();
    VERIFY_LAYOUT(viewer, booklet, 40, {300, 420});   // cleared, the same file is opened anew
    viewer.onWindowClose();
    VERIFY_LAYOUT(viewer, wide, 2, {842, 300});
    QTRY_VERIFY(!cached(viewer.pageView(), 1).isNull());
    QScreen *screen = viewer.screen();
    const QImage shown = screen->grabWindow(viewer.winId()).toImage();
    QDir().mkpath(CM_SCREENSHOT_FOLDER);
    shown.save(QStringLiteral(CM_SCREENSHOT_FOLDER "/viewer_after_switching.png"));
}

CM_APPLICATION_TEST_MAIN(TestViewer)
#include "test_viewer.moc"
