// Times adding PDF files to the merge list: the background loader reads the
// information of every file in its thread, and the rows land in the merge
// list model, the way "add files" on the merge page runs it.
//
//   build/bench/loader_bench [files] [pages per file] [runs]
//
// Defaults: 200 files of 10 pages, 5 runs; medians are printed. The loader
// pauses 10 ms after every pass of its loop (one pass per file and one to
// end). Its share is measured with the same loader over as many paths that
// it skips (they do not end in .pdf): the same passes and pauses, no reading.

#include "jobs/MergeModel.h"
#include "pdf/InformationWorkerList.h"
#include "pdf/PdfService.h"
#include "tests/support/PdfFixtures.h"

#include <QEventLoop>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>

namespace {

QTextStream out(stdout);

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values.at(n / 2) : (values.at(n / 2 - 1) + values.at(n / 2)) / 2;
}

QStringList makeFiles(const QTemporaryDir &folder, int count, int pages)
{
    FixtureOptions options;
    options.pageCount = pages;
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString path = folder.filePath(QStringLiteral("document-%1.pdf").arg(i, 3, 10, QLatin1Char('0')));
        if (!writePdfFixture(path, options)) {
            out << "cannot write " << path << Qt::endl;
            std::exit(1);
        }
        files << path;
    }
    return files;
}

// Milliseconds from start() until the model holds a row per PDF file.
double timeLoader(const QStringList &files, int expectedRows)
{
    MergeModel model;
    InformationWorkerList loader(files);
    QEventLoop loop;
    QObject::connect(&loader, &InformationWorkerList::complete, &model,
                     [&](bool, const MergeItemList &items) {
                         model.appendItems(items);
                         loop.quit();
                     });
    QElapsedTimer timer;
    timer.start();
    loader.start();
    loop.exec();
    const double ms = timer.nsecsElapsed() / 1e6;
    loader.wait();
    if (model.rowCount() != expectedRows) {
        out << "the model holds " << model.rowCount() << " rows, not " << expectedRows << Qt::endl;
        std::exit(1);
    }
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int count = argc > 1 ? QString(argv[1]).toInt() : 200;
    const int pages = argc > 2 ? QString(argv[2]).toInt() : 10;
    const int runs = argc > 3 ? QString(argv[3]).toInt() : 5;

    QTemporaryDir folder;
    // The loader logs its runs under HOME: keep them out of the user's.
    qputenv("HOME", folder.filePath(QStringLiteral("home")).toLocal8Bit());
    const QStringList files = makeFiles(folder, count, pages);
    QStringList skipped;
    for (const QString &file : files)
        skipped << file + QStringLiteral(".skip");
    out << "Adding " << count << " PDFs of " << pages << " pages to the merge list, median of " << runs
        << " runs" << Qt::endl;

    QList<double> loaded, idle;
    for (int run = 0; run < runs; ++run) {
        loaded << timeLoader(files, count);
        idle << timeLoader(skipped, 0);
    }
    const double total = median(loaded);
    const double pauses = median(idle);
    out << QString::asprintf("%-46s %9.1f ms  %6.2f ms per file\n", "loader, start to rows in the model", total,
                             total / count);
    out << QString::asprintf("%-46s %9.1f ms  %5.1f %% of it\n",
                             qPrintable(QStringLiteral("of which %1 passes with their 10 ms pause").arg(count + 1)),
                             pauses, 100 * pauses / total);
    out << QString::asprintf("%-46s %9.1f ms  %6.2f ms per file\n", "of which reading the files", total - pauses,
                             (total - pauses) / count);
    return 0;
}
