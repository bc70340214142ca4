// The document viewer on a long document: the time from opening it to its
// first page on screen, how many pages get rendered, and the memory used
// after scrolling through every page, by the viewer and by the renderer
// program that draws its pages.
//
//   build/bench/viewer_bench [pages]        (default 1000; runs without a display)
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
#include "tests/support/PdfFixtures.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPixmapCache>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream out(stdout);
int renders = 0;


long residentKilobytes(const QString &process = QStringLiteral("self"))
{
    QFile status(QStringLiteral("/proc/%1/status").arg(process));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

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

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    const int pageCount = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;
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
    return 0;
}
