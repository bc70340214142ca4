// The document viewer on a long document: the time from opening it to its
// first page on screen, how many pages get rendered, and the memory used
// after scrolling through every page, by the viewer and by the renderer
// program that draws its pages. Then the thumbnail grid: the time from
// opening to the first thumbnails in view, the longest the window's thread
// stood still while End and Home jumped through the grid (each of several
// rounds, for the spread), and the memory of both processes afterwards.
//
//   build/bench/viewer_bench [pages] [rounds] [grid]   (default 1000 and 5; runs without a display)
//
// With "grid" only the grid's figures are taken: scrolling through ten
// thousand single pages takes minutes.
//
// Pages are rendered only when they are painted, and every rendering stays
// in the application's pixmap cache (102400 KB) until the cache needs room,
// so the figures to look at are: renders right after opening (the pages in
// view, not the whole document), renders while scrolling back over pages
// still cached (none), and the cache's share of memory (within its limit).

#include "app/Application.h"
#include "pdf/PdfDocument.h"
#include "preview/ViewedDocument.h"
#include "pdf/PdfService.h"
#include "pdf/RenderClient.h"
#include "preview/DocumentViewer.h"
#include "preview/Page.h"
#include "preview/PageView.h"
#include "preview/ThumbnailGrid.h"
#include "preview/ThumbnailLoader.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPixmapCache>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextStream>

#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

QTextStream out(stdout);
int renders = 0;


// Pages whose rendering is in the cache now, and the bytes they take.
QPair<int, qint64> cachedPages(const PageView *view)
{
    int count = 0;
    qint64 bytes = 0;
    const int id = view->document()->documentId();
    for (const Page *page : view->pages()) {
        QPixmap pixmap;
        if (QPixmapCache::find(Page::cacheKey(id, page->pageNumber()), &pixmap)) {
            ++count;
            bytes += qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
        }
    }
    return {count, bytes};
}

void waitUntilCached(const PageView *view, int pageNumber)
{
    const QString key = Page::cacheKey(view->document()->documentId(), pageNumber);
    QElapsedTimer timer;
    timer.start();
    while (!QPixmapCache::find(key, static_cast<QPixmap *>(nullptr)) && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Pages are drawn by the renderer program and arrive later: a view is done
// when every page in it has arrived (or cannot be shown), as it was when the
// viewer drew them itself while painting.
void waitUntilViewDrawn(const PageView *view)
{
    QElapsedTimer timer;
    timer.start();
    const QScrollArea *area = view->scrollArea();
    const auto waiting = [view, area] {
        const QRect shown(-area->widget()->pos(), area->viewport()->size());
        for (const Page *page : view->pages()) {
            if (page->geometry().intersects(shown) && page->state() == Page::Waiting)
                return true;
        }
        return false;
    };
    QCoreApplication::processEvents();
    while (waiting() && timer.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void report(const QString &what, const QString &value)
{
    out << qSetFieldWidth(46) << Qt::left << what << qSetFieldWidth(0) << value << Qt::endl;
}

// The longest gap between two turns of the event loop, measured by a timer
// that asks to run every millisecond.
class StallMeter : public QObject
{
public:
    StallMeter()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = qMax(m_longest, now - m_last);
            m_last = now;
        });
        m_timer.setTimerType(Qt::PreciseTimer);
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start(1);
    }
    double stopMs()
    {
        m_timer.stop();
        return m_longest / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// Every thumbnail in view has arrived (or cannot be shown).
bool gridDrawn(const ThumbnailGrid *grid, const ThumbnailLoader *loader)
{
    const QPair<int, int> inView = grid->pagesInView();
    for (int page = inView.first; page >= 1 && page <= inView.second; ++page) {
        if (loader->thumbnail(page).isNull() && !loader->cannotBeShown(page))
            return false;
    }
    return inView.first >= 1;
}

void waitUntilGridDrawn(const ThumbnailGrid *grid, const ThumbnailLoader *loader)
{
    QElapsedTimer timer;
    timer.start();
    while (!gridDrawn(grid, loader) && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

QString spread(QList<double> values)
{
    std::sort(values.begin(), values.end());
    if (values.isEmpty())
        return QString();
    return QStringLiteral("median %1 ms (%2 to %3)")
        .arg(values.at(values.size() / 2), 0, 'f', 1)
        .arg(values.first(), 0, 'f', 1)
        .arg(values.last(), 0, 'f', 1);
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(' ', 0, 2) : QString();
}

// The grid on the same document in a window of its own, opened once per round.
void gridFigures(Application &app, const QString &path, int rounds)
{
    QList<double> opens;
    QList<double> firstThumbnails;
    QList<double> stalls;
    long windowMemory = 0;
    long rendererMemory = 0;
    for (int round = 0; round < rounds; ++round) {
        DocumentViewer viewer(app.pdfService());
        viewer.setView(DocumentViewer::View::Thumbnails);
        viewer.show();
        QCoreApplication::processEvents();
        ThumbnailGrid *grid = viewer.thumbnailGrid();
        ThumbnailLoader *loader = viewer.thumbnailLoader();
        StallMeter meter;
        QElapsedTimer timer;
        timer.start();
        QSignalSpy opened(viewer.pageView(), &PageView::opened);
        viewer.open(path, QString());
        if (!opened.wait(60000) || !opened.last().at(0).toBool()) {
            out << "cannot open " << path << Qt::endl;
            return;
        }
        opens.append(timer.nsecsElapsed() / 1e6);
        waitUntilGridDrawn(grid, loader);
        firstThumbnails.append(timer.nsecsElapsed() / 1e6);

        meter.start();
        for (int jump = 0; jump < 3; ++jump) {
            QTest::keyClick(grid, Qt::Key_End);
            waitUntilGridDrawn(grid, loader);
            QTest::keyClick(grid, Qt::Key_Home);
            waitUntilGridDrawn(grid, loader);
        }
        stalls.append(meter.stopMs());
        windowMemory = qMax(windowMemory, residentKilobytes());
        rendererMemory = qMax(rendererMemory, residentKilobytes(
            QString::number(app.pdfService()->renderClient()->rendererProcessId())));
        viewer.onWindowClose();
        QPixmapCache::clear();
    }
    report(QStringLiteral("grid: open (document read, laid out)"), spread(opens));
    report(QStringLiteral("grid: open to first thumbnails in view"), spread(firstThumbnails));
    report(QStringLiteral("grid: longest stall, End/Home x3"), spread(stalls));
    report(QStringLiteral("grid: window's resident memory (highest)"), QStringLiteral("%1 KB").arg(windowMemory));
    report(QStringLiteral("grid: renderer's resident memory (highest)"), QStringLiteral("%1 KB").arg(rendererMemory));
    report(QStringLiteral("grid: rounds"), QString::number(rounds));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    const int pageCount = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
    const int rounds = argc > 2 ? qMax(1, QByteArray(argv[2]).toInt()) : 5;
    const bool gridOnly = argc > 3 && QByteArray(argv[3]) == "grid";
    const QString loadBefore = loadAverage();
    QPixmapCache::setCacheLimit(102400);
    app.createPdfService();

    QTemporaryDir folder;
    FixtureOptions options;
    options.pageCount = pageCount;
    const QString path = folder.filePath(QStringLiteral("long.pdf"));
    if (!writePdfFixture(path, options)) {
        out << "cannot write " << path << Qt::endl;
        return 1;
    }

    if (gridOnly) {
        report(QStringLiteral("pages"), QString::number(pageCount));
        gridFigures(app, path, rounds);
        report(QStringLiteral("load average before, after"), loadBefore + QStringLiteral(" | ") + loadAverage());
        return 0;
    }

    // What the engine alone needs to open the document and size its pages.
    QElapsedTimer timer;
    timer.start();
    {
        PdfDocument document(app.pdfService(), path, QString());
        for (int page = 1; page <= document.pageCount(); ++page)
            document.pageSize(page);
    }
    const double engineMs = timer.nsecsElapsed() / 1e6;

    DocumentViewer viewer(app.pdfService());
    viewer.show();
    QCoreApplication::processEvents();
    QObject::connect(app.pdfService()->renderClient(), &RenderClient::rendered,
                     [](int, const QImage &image) { renders += image.isNull() ? 0 : 1; });
    const long memoryBefore = residentKilobytes();

    timer.restart();
    QSignalSpy opened(viewer.pageView(), &PageView::opened);
    viewer.open(path, QString());
    if (!opened.wait(30000) || !opened.last().at(0).toBool()) {
        out << "cannot open " << path << Qt::endl;
        return 1;
    }
    const double openMs = timer.nsecsElapsed() / 1e6;
    PageView *view = viewer.pageView();
    waitUntilCached(view, 1);
    const double firstPageMs = timer.nsecsElapsed() / 1e6;
    const int rendersAtOpen = renders;

    // Down through every page, one window height at a time.
    QScrollBar *bar = view->scrollArea()->verticalScrollBar();
    timer.restart();
    const int step = view->scrollArea()->viewport()->height();
    for (int value = 0; value <= bar->maximum() + step; value += step) {
        bar->setValue(value);
        waitUntilViewDrawn(view);
    }
    waitUntilCached(view, pageCount);
    const double scrollMs = timer.nsecsElapsed() / 1e6;
    const int rendersScrolling = renders - rendersAtOpen;
    const QPair<int, qint64> cache = cachedPages(view);
    const long memoryAfter = residentKilobytes();
    const long rendererMemory =
        residentKilobytes(QString::number(app.pdfService()->renderClient()->rendererProcessId()));

    // Back up over the pages that are still cached: nothing is rendered.
    const int rendersBefore = renders;
    const int lastCached = pageCount - cache.first + 1;
    const int backTo = view->pages().at(lastCached)->y();
    for (int value = bar->value(); value >= backTo; value -= step) {
        bar->setValue(value);
        QCoreApplication::processEvents();
    }
    const int rendersBack = renders - rendersBefore;

    report(QStringLiteral("pages"), QString::number(pageCount));
    report(QStringLiteral("engine: load and size all pages"), QStringLiteral("%1 ms").arg(engineMs, 0, 'f', 1));
    report(QStringLiteral("open (pages laid out)"), QStringLiteral("%1 ms").arg(openMs, 0, 'f', 1));
    report(QStringLiteral("open to first page painted"), QStringLiteral("%1 ms").arg(firstPageMs, 0, 'f', 1));
    report(QStringLiteral("pages rendered by then"), QString::number(rendersAtOpen));
    report(QStringLiteral("scroll through all pages"), QStringLiteral("%1 ms").arg(scrollMs, 0, 'f', 0));
    report(QStringLiteral("pages rendered while scrolling"), QString::number(rendersScrolling));
    report(QStringLiteral("pages cached afterwards"),
           QStringLiteral("%1 (%2 KB of 102400 KB)").arg(cache.first).arg(cache.second / 1024));
    report(QStringLiteral("renders scrolling back over cached pages"), QString::number(rendersBack));
    report(QStringLiteral("resident memory before open"), QStringLiteral("%1 KB").arg(memoryBefore));
    report(QStringLiteral("resident memory after scrolling"), QStringLiteral("%1 KB").arg(memoryAfter));
    report(QStringLiteral("renderer's resident memory then"), QStringLiteral("%1 KB").arg(rendererMemory));

    gridFigures(app, path, rounds);
    report(QStringLiteral("load average before, after"), loadBefore + QStringLiteral(" | ") + loadAverage());
    return 0;
}
