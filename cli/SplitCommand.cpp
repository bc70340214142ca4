#include "cli/SplitCommand.h"

#include "cli/CommandLine.h"
#include "cli/CutSearch.h"
#include "cli/ExitCode.h"
#include "cli/InputDocument.h"
#include "cli/JobRunner.h"
#include "cli/OutputFolder.h"
#include "cli/PageSelection.h"
#include "cli/Passwords.h"
#include "cli/ProgressLine.h"
#include "pdf/OutlinePieces.h"
#include "pdf/PdfService.h"
#include "protocol/JobErrors.h"
#include "protocol/JobFiles.h"
#include "protocol/SplitPlan.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <cstdio>

namespace {

const QString command = QStringLiteral("split");

void addOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Split a PDF document into several files; by default into files of one page."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The PDF document to split."));
    parser.addOptions({
        {QStringLiteral("each"), QStringLiteral("Files of N pages each (default 1)."), QStringLiteral("N")},
        {QStringLiteral("start"), QStringLiteral("With --each: begin at page N."), QStringLiteral("N")},
        {QStringLiteral("remove"), QStringLiteral("One file without these pages, e.g. \"2,5-7\"."),
         QStringLiteral("PAGES")},
        {QStringLiteral("ranges"), QStringLiteral("One file per range, e.g. \"1-3,5,8-\"."),
         QStringLiteral("RANGES")},
        {QStringLiteral("parts"), QStringLiteral("One file per part, parts separated by \";\", "
                                                 "e.g. \"1-4;5,7-9;10-\"."),
         QStringLiteral("PARTS")},
        {QStringLiteral("bookmarks"), QStringLiteral("One file per bookmark of this level (1: the top)."),
         QStringLiteral("LEVEL")},
        {QStringLiteral("max-size"), QStringLiteral("Files of at most this size: 500k, 5M, 1.5G."),
         QStringLiteral("SIZE")},
        {QStringLiteral("rotate"), QStringLiteral("Turn pages clockwise wherever they go, e.g. "
                                                  "\"2:90,5-6:180\"."),
         QStringLiteral("PAGES:ANGLE")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         QStringLiteral("The folder for the new files (default: the document's folder)."),
         QStringLiteral("DIR")},
        {QStringLiteral("name"), QStringLiteral("The name template of the new files, e.g. "
                                                "\"[BASENAME]_p[PAGE]\" (see the manual page)."),
         QStringLiteral("TEMPLATE")},
    });
    CutSearch::addOptions(parser);
    CommandLine::addJobOptions(parser);
}

// The pages to remove as the window lists them: one range per page, each
// page once, in the order named; the worker reads a range's first page only.
PageRangeList eachPageOnce(const PageRangeList &ranges)
{
    PageRangeList pages;
    for (const PageRange &range : ranges) {
        for (int page = range.from; page <= range.to; ++page) {
            if (!pages.contains({page, page}))
                pages.append({page, page});
        }
    }
    return pages;
}

// The request's mode, ranges, parts, level and size limit from the "how"
// options, and the rotations that go with any of them.
bool planPieces(const QCommandLineParser &parser, const InputDocument &document, SplitRequest &request,
                int &exitCode, QString &error)
{
    exitCode = ExitCode::Usage;
    const QStringList ways = QStringList{QStringLiteral("each"), QStringLiteral("remove"), QStringLiteral("ranges"),
                                         QStringLiteral("parts"), QStringLiteral("bookmarks"),
                                         QStringLiteral("max-size")}
                             + CutSearch::ways();
    QStringList chosen;
    for (const QString &way : ways) {
        if (parser.isSet(way))
            chosen << QStringLiteral("--") + way;
    }
    if (chosen.size() > 1) {
        error = QStringLiteral("choose one way to split, not %1").arg(chosen.join(QStringLiteral(" and ")));
        return false;
    }
    if (parser.isSet(QStringLiteral("start")) && !chosen.isEmpty() && chosen.first() != QLatin1String("--each")) {
        error = QStringLiteral("--start goes with --each");
        return false;
    }

    if (!CutSearch::checkOptions(parser, error))
        return false;

    const int pages = document.pageCount;
    if (parser.isSet(QStringLiteral("rotate"))
        && !PageSelection::parseRotations(parser.value(QStringLiteral("rotate")), pages, request.rotations, error))
        return false;
    // The parts come from the pages, once everything else is known good.
    if (CutSearch::isChosen(parser))
        return true;
    if (parser.isSet(QStringLiteral("parts"))) {
        request.mode = SplitRequest::Parts;
        QList<PageRangeList> parts;
        if (!PageSelection::parseParts(parser.value(QStringLiteral("parts")), pages, parts, error))
            return false;
        for (const PageRangeList &part : parts)
            request.parts.append({part, QString()});
        return true;
    }
    if (parser.isSet(QStringLiteral("remove")) || parser.isSet(QStringLiteral("ranges"))) {
        const bool remove = parser.isSet(QStringLiteral("remove"));
        request.mode = remove ? SplitRequest::RemovePages : SplitRequest::Ranges;
        const QString text = parser.value(remove ? QStringLiteral("remove") : QStringLiteral("ranges"));
        if (!PageSelection::parse(text, pages, request.ranges, error))
            return false;
        if (remove)
            request.ranges = eachPageOnce(request.ranges);
        return true;
    }
    if (parser.isSet(QStringLiteral("bookmarks"))) {
        bool ok = false;
        request.mode = SplitRequest::Bookmarks;
        request.bookmarkLevel = parser.value(QStringLiteral("bookmarks")).toInt(&ok);
        if (!ok || request.bookmarkLevel < 1) {
            error = QStringLiteral("--bookmarks takes a level: 1, 2, ...");
            return false;
        }
        const QList<int> counts = OutlinePieces::countsByLevel(document.outline, pages);
        if (counts.value(request.bookmarkLevel - 1) == 0) {
            exitCode = ExitCode::InputUnreadable;
            error = QStringLiteral("no bookmark of level %1 leads to a page").arg(request.bookmarkLevel);
            return false;
        }
        return true;
    }
    if (parser.isSet(QStringLiteral("max-size"))) {
        request.mode = SplitRequest::FileSize;
        if (!PageSelection::parseSize(parser.value(QStringLiteral("max-size")), request.maxFileSize)) {
            error = QStringLiteral("--max-size takes a size such as 500k, 5M or 1.5G");
            return false;
        }
        return true;
    }
    bool eachOk = true;
    bool startOk = true;
    const int each = parser.isSet(QStringLiteral("each")) ? parser.value(QStringLiteral("each")).toInt(&eachOk) : 1;
    const int start = parser.isSet(QStringLiteral("start")) ? parser.value(QStringLiteral("start")).toInt(&startOk) : 1;
    if (!eachOk || each < 1 || !startOk || start < 1 || start > pages) {
        error = !eachOk || each < 1 ? QStringLiteral("--each takes a number of pages, 1 or more")
                                    : QStringLiteral("--start takes a page of the document, 1-%1").arg(pages);
        return false;
    }
    request.mode = SplitRequest::Ranges;
    request.ranges = each == 1 && start == 1 ? SplitPlan::singlePages(pages)
                                             : SplitPlan::groupRanges(pages, start, each);
    return true;
}

QJsonObject resultObject(const QString &source, const SplitResponse &response, int exitCode)
{
    return {{QStringLiteral("source"), source},
            {QStringLiteral("files"), QJsonArray::fromStringList(response.files)},
            {QStringLiteral("larger_than_limit"), QJsonArray::fromStringList(response.oversizedFiles)},
            {QStringLiteral("failed_pieces"), response.failedCount},
            {QStringLiteral("exit_code"), exitCode}};
}

// The exit code of a run the worker finished, with its error lines.
int judge(const QString &source, const QString &folder, JobRunner::Outcome outcome, int workerCode,
          bool answered, const SplitResponse &response)
{
    if (outcome == JobRunner::Outcome::NotStarted) {
        reportError(QStringLiteral("the worker program could not be run"));
        return ExitCode::Partly;
    }
    if (outcome == JobRunner::Outcome::Crashed || !answered) {
        reportError(source, QStringLiteral("the worker ended without an answer"));
        return ExitCode::Partly;
    }
    if (workerCode == 0 && response.errorCode == 0) {
        if (response.failedCount == 0)
            return ExitCode::Done;
        reportError(folder, QStringLiteral("%1 of the pieces could not be written: %2")
                                .arg(response.failedCount).arg(ExitCode::causeText(response.errorCause, response.errorDetail)));
        return ExitCode::Partly;
    }
    const int code = ExitCode::forCause(response.errorCause);
    reportError(code == ExitCode::OutputUnwritable ? folder : source, ExitCode::causeText(response.errorCause, response.errorDetail));
    if (code != ExitCode::Partly)
        return code;
    return workerCode == SplitErrors::SourceNotFound || workerCode == SplitErrors::DecryptionFailed
            ? ExitCode::InputUnreadable : ExitCode::Partly;
}

// Opens the document to split; an exit code other than Done when it cannot be.
int openSource(const QString &source, const Passwords &passwords, InputDocument &document)
{
    document = InputDocument::open(QSharedPointer<PdfService>::create(), source, passwords);
    if (JobRunner::wasInterrupted())
        return ExitCode::Interrupted;
    if (!document.isOpen()) {
        reportError(source, document.problemText());
        return ExitCode::InputUnreadable;
    }
    if (!document.copyAllowed) {
        reportError(source, QStringLiteral("its permissions do not allow taking pages out"));
        return ExitCode::InputUnreadable;
    }
    // As the window says it; the page options would otherwise be blamed.
    if (document.pageCount < 1) {
        reportError(source, QStringLiteral("it has no pages: there is nothing to split"));
        return ExitCode::InputUnreadable;
    }
    return ExitCode::Done;
}

// Runs the request through the worker, puts its files in place and tells
// what became of it.
int runAndReport(const QCommandLineParser &parser, const QString &source, SplitRequest request,
                 OutputFolder &folder)
{
    ProgressLine progress(!parser.isSet(QStringLiteral("quiet")), request.pageCount);
    JobRunner runner(progress);
    QString error;
    if (!runner.isValid() || !folder.prepare(error)) {
        reportError(error.isEmpty() ? QStringLiteral("no folder for the job's files") : error);
        return ExitCode::OutputUnwritable;
    }
    request.outDirectory = folder.workFolder();
    request.sessionPath = runner.sessionFolder();
    request.sessionId = runner.sessionId();

    int workerCode = 0;
    const JobRunner::Outcome outcome = runner.run(QStringLiteral("--split"), request.toJson(), workerCode);
    progress.clear();
    if (outcome == JobRunner::Outcome::Interrupted) {
        folder.discard();
        const int removed = runner.removedCount();
        reportError(QStringLiteral("interrupted; removed the %1 file%2 written so far")
                        .arg(removed).arg(removed == 1 ? QString() : QStringLiteral("s")));
        return ExitCode::Interrupted;
    }
    QJsonObject object;
    const bool answered = runner.readResponse(object);
    SplitResponse response = SplitResponse::fromJson(object);
    const int exitCode = judge(source, folder.path(), outcome, workerCode, answered, response);
    // As in the window, the files of a job that failed do not count.
    if (workerCode != 0)
        response.files.clear();
    response.oversizedFiles = folder.published(response.oversizedFiles);
    response.files = folder.publish(response.files);

    if (parser.isSet(QStringLiteral("json")))
        CommandLine::printJson(resultObject(source, response, exitCode));
    else
        for (const QString &file : response.files)
            std::printf("%s\n", qUtf8Printable(file));
    return exitCode;
}

} // namespace

int runSplitCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    addOptions(parser);
    int exitCode = 0;
    if (!CommandLine::parse(parser, command, CutSearch::withCodePrefix(arguments), exitCode))
        return exitCode;
    if (parser.positionalArguments().size() != 1)
        return CommandLine::usageError(command, QStringLiteral("give one document to split"));
    const QString source = parser.positionalArguments().first();

    QString error;
    Passwords passwords;
    if (!CommandLine::readPasswordFiles(parser, passwords, error)) {
        reportError(error);
        return ExitCode::InputUnreadable;
    }
    OutputFolder folder(parser.isSet(QStringLiteral("output")) ? parser.value(QStringLiteral("output"))
                                                                : QFileInfo(source).absolutePath(),
                        parser.isSet(QStringLiteral("overwrite")));
    if (!folder.check(error)) {
        reportError(folder.path(), error);
        return ExitCode::OutputUnwritable;
    }
    InputDocument document;
    exitCode = openSource(source, passwords, document);
    if (exitCode != ExitCode::Done)
        return exitCode;

    SplitRequest request;
    if (!planPieces(parser, document, request, exitCode, error)) {
        if (exitCode == ExitCode::Usage)
            return CommandLine::usageError(command, error);
        reportError(source, error);
        return exitCode;
    }
    if (!CommandLine::readOutputOptions(parser, passwords, request, error))
        return JobRunner::wasInterrupted() ? int(ExitCode::Interrupted) : CommandLine::usageError(command, error);
    request.fileName = QDir::toNativeSeparators(QFileInfo(source).absoluteFilePath());
    request.filePassword = document.password;
    request.pageCount = document.pageCount;
    request.hasSecurity = document.hasSecurity;
    request.outPrefix = parser.isSet(QStringLiteral("name")) ? parser.value(QStringLiteral("name"))
                        : request.mode == SplitRequest::Bookmarks ? SplitPlan::bookmarkTemplate()
                                                                  : SplitPlan::defaultTemplate();
    if (CutSearch::isChosen(parser)) {
        exitCode = CutSearch::findParts(parser, request);
        if (exitCode != ExitCode::Done)
            return exitCode;
    }
    return runAndReport(parser, source, request, folder);
}
