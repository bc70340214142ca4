// sheafrun: runs one split or merge job from a request file and exits with
// the job's error code. The GUI starts one process per job.

#include "common/CrashReporter.h"
#include "common/LogRetention.h"
#include "common/Logger.h"
#include "pdf/PdfService.h"
#include "protocol/JobFiles.h"
#include "protocol/JobSummary.h"
#include "worker/HeapPages.h"
#include "worker/MergeEngine.h"
#include "protocol/Progress.h"
#include "worker/SplitEngine.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSharedPointer>
#include <QStringList>
#include <QThread>

#ifdef CLEAVEMARK_HAVE_MIMALLOC
#include <mimalloc.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {

void log(const QString &message)
{
    Logger::instance().log(message);
}

QString outcome(bool ok, const QString &failure = QStringLiteral("[FAILED]"))
{
    return ok ? QStringLiteral("[OK]") : failure;
}

// The response goes next to the request: into the session folder the request
// names, or, when it names none, into the request file's own folder, so an
// empty session never puts a file at the file-system root.
QString responsePath(const QString &sessionFolder, const QString &sessionId,
                     const QString &requestPath)
{
    if (!sessionFolder.isEmpty())
        return QDir::toNativeSeparators(QStringLiteral("%1/%2.resp").arg(sessionFolder, sessionId));

    const QFileInfo request(requestPath);
    const QString name = sessionId.isEmpty() ? request.completeBaseName() : sessionId;
    return QDir::toNativeSeparators(QStringLiteral("%1/%2.resp").arg(request.absolutePath(), name));
}

// Ends the process once the job's response is written. The engine and the
// service still hold the parsed documents, hundreds of thousands of small
// objects; freeing them one by one took a tenth of a merge, while the
// system takes back the memory of an ending process at once. Nothing is
// left unwritten: the log and the response go straight to their files, and
// the progress lines are flushed one by one.
[[noreturn]] void endJob(int errorCode)
{
    std::cout.flush();
    std::_Exit(errorCode);
}

// One writer thread per processor, up to four: each opens the source again,
// so more would cost memory for little gain. A single processor gains
// nothing from a thread of its own.
int writerThreads()
{
    const int processors = QThread::idealThreadCount();
    return processors >= 2 ? qMin(processors, 4) : 0;
}

[[noreturn]] void runSplit(const QString &requestPath, const QSharedPointer<PdfService> &service)
{
    SplitRequest request;
    readSplitRequest(requestPath, request);

    StdOutProgress progress;
    SplitEngine engine(request, progress, service);
    engine.setWriterThreads(writerThreads());
    engine.run();
    const int errorCode = engine.errorCode();
    log(QStringLiteral("Split complete:%1").arg(errorCode));

    SplitResponse response;
    response.sessionId = request.sessionId;
    response.errorCode = errorCode;
    response.files = engine.outputFiles();
    response.oversizedFiles = engine.oversizedFiles();
    response.failedCount = engine.failedCount();
    response.renamedCount = engine.renamedCount();
    response.errorCause = engine.failureCause();
    response.errorDetail = engine.failureDetail();
    response.sizes = engine.outputSizes();

    log(QStringLiteral("Split response: %1").arg(describeSplitResponse(response)));
    const QString path = responsePath(request.sessionPath, request.sessionId, requestPath);
    const bool written = writeSplitResponse(response, path);
    log(QStringLiteral("Write response:%1 File:'%2'").arg(outcome(written), path));
    endJob(errorCode);
}

[[noreturn]] void runMerge(const QString &requestPath, const QSharedPointer<PdfService> &service)
{
    MergeRequest request;
    readMergeRequest(requestPath, request);

    StdOutProgress progress;
    MergeEngine engine(request, progress, service);
    engine.run();
    const int errorCode = engine.errorCode();

    MergeResponse response;
    response.errorCode = errorCode;
    response.mergedFileName = engine.mergedFileName();
    response.errorFileName = engine.errorFileName();
    response.errorCause = engine.errorCause();
    response.errorDetail = engine.errorDetail();
    response.sizes = engine.outputSizes();
    response.damagedPages = engine.damagedPages();

    log(QStringLiteral("Merge response: %1").arg(describeMergeResponse(response)));
    const QString path = responsePath(request.cachePath, request.sessionId, requestPath);
    const bool written = writeMergeResponse(response, path);
    log(QStringLiteral("Write respone %1").arg(outcome(written, QStringLiteral("[FALSE]"))));
    endJob(errorCode);
}

const char usage[] = "Usage: sheafrun --split|--merge REQUEST\n"
                     "Runs one split or merge job from a request file that sheafdesk or cleavemark\n"
                     "wrote, and exits with the job's error code.\n";

} // namespace

int main(int argc, char *argv[])
{
    // Huge pages for the heap: the region in use now, and (mimalloc's own
    // option) every region it maps from here on.
#ifdef CLEAVEMARK_HAVE_MIMALLOC
    mi_option_enable(mi_option_large_os_pages);
#endif
    HeapPages::adviseCurrentRegion();

    // Asked by a person rather than by a program: answered before anything
    // is logged or the engine starts.
    if (argc < 2) {
        std::fputs(usage, stderr);
        return 1;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(usage, stdout);
        return 0;
    }

    // A split logs thousands of time-stamped lines; with TZ unset the C
    // library looks at the zone file again for every one of them.
    if (qEnvironmentVariableIsEmpty("TZ"))
        qputenv("TZ", ":/etc/localtime");

    QCoreApplication application(argc, argv);
    // The log lines carry the version: set the identity before logging.
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly Cleavemark"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("tessaly.org"));
    QCoreApplication::setApplicationVersion(QStringLiteral("2.0.0.3"));

    LogRetention().prune(Logger::instance().logFolder(), QDate::currentDate());
    CrashReporter crashReporter(QStringLiteral("Cleavemark"), QCoreApplication::applicationVersion());

    const QStringList arguments = QCoreApplication::arguments();
    log(QStringLiteral("Args:%1").arg(arguments.join(QLatin1Char(','))));

    const auto service = QSharedPointer<PdfService>::create();

    if (arguments.size() < 3)
        return 1;

    const QString command = arguments.at(1);
    const QString requestPath = arguments.at(2);
    if (command.compare(QLatin1String("--merge"), Qt::CaseInsensitive) == 0)
        runMerge(requestPath, service);
    if (command.compare(QLatin1String("--split"), Qt::CaseInsensitive) == 0)
        runSplit(requestPath, service);
    return 1;
}
