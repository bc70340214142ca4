// What reading documents costs the window's memory, through the real main
// window: the resident memory of this process (the window's) before and
// after the split page reads a document that is costly to parse, the
// viewer's reader reads every page's size of it, and the split page loads a
// one-page document again and again (each load tells that there is nothing
// to split, and the message is closed). The documents are written by a
// process of their own, so that writing them does not count; the renderer
// program, which reads them, is not the window and is not counted either.
//
//   build/bench/window_memory_bench [pages of the costly document] [loads]
//
// Defaults: 200000 pages (about 1.5 MB, every page an object of its own in
// compressed object streams) and 200 loads; runs without a display.

#include "app/Application.h"
#include "app/MainView.h"
#include "pdf/PdfService.h"
#include "jobs/Split.h"
#include "pdf/InformationReader.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdlib>

namespace {

QTextStream out(stdout);

void fail(const QString &what)
{
    out << what << Qt::endl;
    std::exit(1);
}

// Waits for the split job to have read its document, closing the message
// that a one-page document brings.
void loadForSplit(Split *split, const QString &path)
{
    QSignalSpy finished(split, &Split::loadFinished);
    split->setFile(path);
    if (!finished.wait(30000))
        fail(QStringLiteral("no answer for ") + path);
    for (int turn = 0; turn < 5; ++turn)
        QCoreApplication::processEvents();
}

void printRow(const char *what, double before, double after)
{
    out << QString::asprintf("%-52s %8.1f MiB -> %8.1f MiB  (%+.1f MiB)\n", what, before, after, after - before);
}

} // namespace

// Run as "--write <path> <pages>": writes the costly document and ends.
int writeCostly(const QString &path, int pages)
{
    FixtureOptions costly;
    costly.pageCount = pages;
    costly.sharedContents = true;
    costly.objectStreams = true;
    return writePdfFixture(path, costly) ? 0 : 1;
}

int main(int argc, char **argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--write")
        return writeCostly(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir folder;
    // The window logs and keeps settings under HOME: keep them out of the user's.
    qputenv("HOME", folder.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", folder.filePath(QStringLiteral("cache")).toLocal8Bit());
    Application app(argc, argv);
    app.createPdfService();
    const int pages = argc > 1 ? QString(argv[1]).toInt() : 200000;
    const int loads = argc > 2 ? QString(argv[2]).toInt() : 200;

    const QString costlyPath = folder.filePath(QStringLiteral("costly.pdf"));
    const QString singlePath = folder.filePath(QStringLiteral("single.pdf"));
    const QStringList write{QStringLiteral("--write"), costlyPath, QString::number(pages)};
    if (QProcess::execute(QCoreApplication::applicationFilePath(), write) != 0
        || !writePdfFixture(singlePath, FixtureOptions()))
        fail(QStringLiteral("cannot write the documents"));

    // Every message the window shows is closed as soon as it is up.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start(5);

    MainView window;
    window.show();
    Split *split = app.split();
    // Memory is measured here, not time: a busy machine may take longer
    // than the window's limit for the costly document.
    split->findChild<InformationReader *>()->setTimeLimit(120000);
    for (int turn = 0; turn < 20; ++turn)
        QCoreApplication::processEvents();

    out << QString::asprintf("Window memory (VmRSS) around reading documents; costly document: %d pages, %.2f MB\n",
                             pages, QFileInfo(costlyPath).size() / 1e6);
    double before = residentMiB();
    QElapsedTimer clock;
    clock.start();
    QSignalSpy unusable(split, &Split::documentUnusable);
    loadForSplit(split, costlyPath);
    const qint64 readMs = clock.elapsed();
    if (split->pageCount() != pages)
        fail(QStringLiteral("the costly document read as %1 pages after %2 ms (engine code %3)")
                 .arg(split->pageCount())
                 .arg(readMs)
                 .arg(unusable.isEmpty() ? 0 : unusable.last().at(2).toInt()));
    printRow("split page reads the costly document", before, residentMiB());
    out << QString::asprintf("%-52s %8lld ms\n", "  of which reading it", readMs);

    before = residentMiB();
    clock.restart();
    const InformationResult sizes = InformationReader::read({costlyPath, QString(), false, true}, 120000);
    const qint64 sizesMs = clock.elapsed();
    if (sizes.info.pageSizes.size() != pages)
        fail(QStringLiteral("the page sizes were not read"));
    printRow("the viewer's reader reads every page's size", before, residentMiB());
    out << QString::asprintf("%-52s %8lld ms\n", "  of which reading them", sizesMs);
    split->resetState();
    for (int turn = 0; turn < 20; ++turn)
        QCoreApplication::processEvents();

    // The first loads warm up what the window keeps anyway (fonts, caches).
    for (int i = 0; i < 10; ++i)
        loadForSplit(split, singlePath);
    before = residentMiB();
    for (int i = 0; i < loads; ++i)
        loadForSplit(split, singlePath);
    const double after = residentMiB();
    printRow(qPrintable(QStringLiteral("%1 loads of a one-page document").arg(loads)), before, after);
    out << QString::asprintf("%-52s %8.1f KiB\n", "  per load", (after - before) * 1024 / loads);
    return 0;
}
