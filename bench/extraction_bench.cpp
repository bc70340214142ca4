// Times single-page extractions through the PDF service, the way a split into
// single pages runs them: many extractions from one source file.
//
//   build/bench/extraction_bench [extractions]
//
// Files go to TMPDIR. Every saved file is synced to disk, so on a busy disk
// the syncs dominate; TMPDIR=/dev/shm shows the engine's own cost.
//
// A split parses its source once and reuses it, so one extraction costs the
// same whatever the size of the source, and a whole split grows linearly
// with its page count.

#include "pdf/PdfService.h"
#include "tests/support/PdfFixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

QTextStream out(stdout);

QString makeSource(const QTemporaryDir &folder, int pages)
{
    FixtureOptions options;
    options.pageCount = pages;
    options.paddingBytes = 200000;   // a shared image that single pages must not carry along
    const QString path = folder.filePath(QStringLiteral("source-%1.pdf").arg(pages));
    if (!writePdfFixture(path, options)) {
        out << "cannot write " << path << Qt::endl;
        std::exit(1);
    }
    return path;
}

// Milliseconds for `count` single-page extractions from `sources` in turn.
double timeExtractions(const QStringList &sources, int sourcePages, int count, const QString &outFolder)
{
    PdfService service;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i) {
        const QString page = QString::number(i % sourcePages + 1);
        const QString target = QDir(outFolder).filePath(QStringLiteral("page-%1.pdf").arg(i));
        if (service.extractFilePages(sources.at(i % sources.size()), QString(), target, page) != 1) {
            out << "extraction failed, error " << service.lastErrorCode() << Qt::endl;
            std::exit(1);
        }
    }
    return timer.nsecsElapsed() / 1e6;
}

void report(const QString &what, int count, double ms)
{
    out << qSetFieldWidth(52) << Qt::left << what << qSetFieldWidth(0)
        << QString::asprintf("%9.1f ms  %7.3f ms each", ms, ms / count) << Qt::endl;
}

} // namespace

int main(int argc, char **argv)
{
    // The engine sets up its renderer, which wants a platform; none needs a display here.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int extractions = argc > 1 ? QString(argv[1]).toInt() : 1000;
    QTemporaryDir folder;
    const QString outFolder = folder.filePath("out");
    QDir().mkpath(outFolder);

    const QString large = makeSource(folder, 1000);
    const QString small = makeSource(folder, 500);
    out << "Single-page extractions, " << extractions << " per run, written to " << outFolder << Qt::endl;

    const double fromLarge = timeExtractions({large}, 1000, extractions, outFolder);
    report(QStringLiteral("%1 extractions from 1000 pages").arg(extractions), extractions, fromLarge);
    const double fromSmall = timeExtractions({small}, 500, extractions, outFolder);
    report(QStringLiteral("%1 extractions from 500 pages").arg(extractions), extractions, fromSmall);
    out << QString::asprintf("ratio 1000 / 500 pages: %.2f (about 1: cost per page does not grow with the source)",
                             fromLarge / fromSmall)
        << Qt::endl;

    const double splitLarge = timeExtractions({large}, 1000, 1000, outFolder);
    report(QStringLiteral("whole split of 1000 pages"), 1000, splitLarge);
    const double splitSmall = timeExtractions({small}, 500, 500, outFolder);
    report(QStringLiteral("whole split of 500 pages"), 500, splitSmall);
    out << QString::asprintf("ratio 1000 / 500 page split: %.2f (2 is linear, 4 quadratic)",
                             splitLarge / splitSmall)
        << Qt::endl;

    // Alternating between two files makes every extraction parse its source again.
    const int reparsed = 100;
    const double withoutReuse = timeExtractions({large, small}, 500, reparsed, outFolder);
    report(QStringLiteral("%1 extractions, source parsed every time").arg(reparsed), reparsed, withoutReuse);
    return 0;
}
