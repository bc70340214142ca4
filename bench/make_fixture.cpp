// Writes the inputs of the worker benchmarks: numbered test documents and the
// request files that sheafrun reads.
//
//   make_fixture pdf <path> <pages>
//   make_fixture image-pdf <path> <pages> <image bytes>   (a full-page image on every page)
//   make_fixture split-request <request> <source> <pages> <out folder> <session folder>
//   make_fixture merge-request <request> <merged file> <session folder> <source>...

#include "tests/support/PdfFixtures.h"
#include "worker/JobFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr)
        << "usage: make_fixture pdf <path> <pages>\n"
           "       make_fixture image-pdf <path> <pages> <image bytes>\n"
           "       make_fixture split-request <request> <source> <pages> <out folder> <session folder>\n"
           "       make_fixture merge-request <request> <merged file> <session folder> <source>...\n";
    return 2;
}

bool writeDocument(const QString &path, int pages, int imageBytes = 0)
{
    FixtureOptions options;
    options.pageCount = pages;
    options.sharedResources = true;
    options.pageImageBytes = imageBytes;
    return writePdfFixture(path, options);
}

// Single pages, no properties, no compression: the plain cut.
bool writeSplitRequest(const QStringList &args)
{
    SplitRequest request;
    request.mode = 0;
    request.fileName = QFileInfo(args.at(1)).absoluteFilePath();
    request.pageCount = args.at(2).toInt();
    for (int page = 1; page <= request.pageCount; ++page)
        request.ranges.append({page, page});
    request.outDirectory = QFileInfo(args.at(3)).absoluteFilePath();
    request.sessionPath = QFileInfo(args.at(4)).absoluteFilePath();
    request.sessionId = QStringLiteral("bench");
    return writeRequestData(request.toJson(), args.at(0));
}

bool writeMergeRequest(const QStringList &args)
{
    MergeRequest request;
    request.saveFileName = QFileInfo(args.at(1)).absoluteFilePath();
    request.cachePath = QFileInfo(args.at(2)).absoluteFilePath();
    request.sessionId = QStringLiteral("bench");
    for (int i = 3; i < args.size(); ++i) {
        MergeItem item;
        item.fullPath = QFileInfo(args.at(i)).absoluteFilePath();
        item.order = i - 3;
        request.tasks.append(item);
    }
    return writeRequestData(request.toJson(), args.at(0));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();

    bool ok = false;
    if (command == QLatin1String("pdf") && args.size() == 2)
        ok = writeDocument(args.at(0), args.at(1).toInt());
    else if (command == QLatin1String("image-pdf") && args.size() == 3)
        ok = writeDocument(args.at(0), args.at(1).toInt(), args.at(2).toInt());
    else if (command == QLatin1String("split-request") && args.size() == 5)
        ok = writeSplitRequest(args);
    else if (command == QLatin1String("merge-request") && args.size() >= 4)
        ok = writeMergeRequest(args);
    else
        return usage();

    if (!ok)
        QTextStream(stderr) << "make_fixture: " << command << " failed\n";
    return ok ? 0 : 1;
}
