#include "cli/MergeCommand.h"

#include "cli/CommandLine.h"
#include "cli/ExitCode.h"
#include "cli/InputDocument.h"
#include "cli/JobRunner.h"
#include "cli/PageSelection.h"
#include "cli/Passwords.h"
#include "cli/ProgressLine.h"
#include "common/FileUtils.h"
#include "pdf/PdfService.h"
#include "protocol/JobFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>

#include <cstdio>

namespace {

const QString mergeCommand = QStringLiteral("merge");

void addMergeOptions(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QStringLiteral(
        "Merge PDF documents, or some pages of each (FILE:PAGES, e.g. a.pdf:1-3,7),\n"
        "into one file. A document may be named more than once."));
    parser.addPositionalArgument(QStringLiteral("FILE[:PAGES]"), QStringLiteral("The documents, in order."));
    parser.addOptions({
        {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("The merged file."),
         QStringLiteral("OUT")},
        {QStringLiteral("alternate"), QStringLiteral("One page of each document in turn, as for the fronts "
                                                     "and backs of a scanned stack.")},
        {QStringLiteral("reverse"), QStringLiteral("Take the pages of the N-th document (1 is the first) "
                                                   "backwards; may be repeated."),
         QStringLiteral("N")},
        {QStringLiteral("bookmarks"), QStringLiteral("keep (default), per-document or none."),
         QStringLiteral("CHOICE")},
    });
    CommandLine::addJobOptions(parser);
}

struct Source
{
    QString path;
    QString pages;   // empty: every page
};

// "FILE:PAGES", unless the whole argument names a file: a file name may hold a colon.
Source sourceOf(const QString &argument)
{
    const int colon = argument.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0 || QFileInfo(argument).isFile())
        return {argument, QString()};
    return {argument.left(colon), argument.mid(colon + 1)};
}

bool readBookmarks(const QCommandLineParser &parser, MergeRequest &request)
{
    const QString choice = parser.value(QStringLiteral("bookmarks")).toLower();
    if (choice.isEmpty() || choice == QLatin1String("keep"))
        request.bookmarks = MergeBookmarks::Keep;
    else if (choice == QLatin1String("per-document"))
        request.bookmarks = MergeBookmarks::PerDocument;
    else if (choice == QLatin1String("none"))
        request.bookmarks = MergeBookmarks::None;
    else
        return false;
    return true;
}

bool readReversed(const QCommandLineParser &parser, int documentCount, QSet<int> &reversed)
{
    for (const QString &value : parser.values(QStringLiteral("reverse"))) {
        for (const QString &word : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            bool ok = false;
            const int index = word.trimmed().toInt(&ok);
            if (!ok || index < 1 || index > documentCount)
                return false;
            reversed.insert(index);
        }
    }
    return true;
}

// The merged file's path: the name given, or, when that is taken and may
// not be replaced, "(1)name" beside it, as the window names it.
QString savePath(const QString &output, bool overwrite)
{
    const QFileInfo file(output);
    const QString path = QDir::toNativeSeparators(file.absoluteFilePath());
    if (overwrite || !file.exists())
        return path;
    const QString unique = uniqueFileName(file.absolutePath(), file.fileName());
    reportError(QStringLiteral("%1 exists; writing %2 (--overwrite replaces it)")
                    .arg(file.fileName(), QFileInfo(unique).fileName()));
    return unique;
}

int judge(const QString &saveFileName, JobRunner::Outcome outcome, int workerCode, bool answered,
          const MergeResponse &response)
{
    if (outcome == JobRunner::Outcome::NotStarted) {
        reportError(QStringLiteral("the worker program could not be run"));
        return ExitCode::Partly;
    }
    if (outcome == JobRunner::Outcome::Crashed || !answered) {
        reportError(QStringLiteral("the worker ended without an answer"));
        return ExitCode::Partly;
    }
    if (workerCode == 0 && response.errorCode == 0)
        return ExitCode::Done;
    const QString subject = response.errorFileName.isEmpty() ? saveFileName : response.errorFileName;
    reportError(subject, ExitCode::causeText(response.errorCause, response.errorDetail));
    return ExitCode::forCause(response.errorCause);
}

// The request's documents, each read as the window reads it; a document that
// cannot be used is left out and named in leftOut. An exit code other than
// Done when the command cannot go on.
int collectItems(const QCommandLineParser &parser, const Passwords &passwords, MergeRequest &request,
                 QStringList &leftOut)
{
    const QStringList sources = parser.positionalArguments();
    QSet<int> reversed;
    readReversed(parser, sources.size(), reversed);
    QString error;
    const auto service = QSharedPointer<PdfService>::create();
    for (int i = 0; i < sources.size(); ++i) {
        const Source source = sourceOf(sources.at(i));
        const InputDocument document = InputDocument::open(service, source.path, passwords);
        if (JobRunner::wasInterrupted())
            return ExitCode::Interrupted;
        if (!document.isOpen() || document.pageCount == 0) {
            // As in the window, a document that cannot be used is left out.
            reportError(source.path, (document.isOpen() ? QStringLiteral("no pages") : document.problemText())
                                         + QStringLiteral("; left out"));
            leftOut << source.path;
            continue;
        }
        MergeItem item;
        item.fullPath = QDir::toNativeSeparators(QFileInfo(source.path).absoluteFilePath());
        item.hasPassword = document.needsPassword;
        item.password = document.password;
        item.hasSecurity = document.hasSecurity;
        item.pageCount = document.pageCount;
        item.order = i;
        item.reversePages = reversed.contains(i + 1);
        if (!source.pages.isEmpty() && !PageSelection::parse(source.pages, document.pageCount, item.pageRanges, error))
            return CommandLine::usageError(mergeCommand, QStringLiteral("%1: %2").arg(source.path, error));
        request.tasks << item;
    }
    return ExitCode::Done;
}

// Runs the request through the worker and tells what became of it.
int runAndReport(const QCommandLineParser &parser, MergeRequest request, const QStringList &leftOut)
{
    ProgressLine progress(!parser.isSet(QStringLiteral("quiet")), 0);
    JobRunner runner(progress);
    if (!runner.isValid()) {
        reportError(QStringLiteral("no folder for the job's files"));
        return ExitCode::OutputUnwritable;
    }
    request.cachePath = runner.sessionFolder();
    request.sessionId = runner.sessionId();
    int workerCode = 0;
    const JobRunner::Outcome outcome = runner.run(QStringLiteral("--merge"), request.toJson(), workerCode);
    progress.clear();
    if (outcome == JobRunner::Outcome::Interrupted) {
        reportError(QStringLiteral("interrupted; nothing was written"));
        return ExitCode::Interrupted;
    }
    QJsonObject object;
    const bool answered = runner.readResponse(object);
    const MergeResponse response = MergeResponse::fromJson(object);
    int exitCode = judge(request.saveFileName, outcome, workerCode, answered, response);
    const QString merged = exitCode == ExitCode::Done ? response.mergedFileName : QString();
    if (exitCode == ExitCode::Done && !leftOut.isEmpty())
        exitCode = ExitCode::Partly;
    // The output is written; its damaged pages came so from their sources.
    QJsonArray damaged;
    for (const DamagedPage &page : response.damagedPages) {
        if (!merged.isEmpty())
            reportError(QStringLiteral("%1 page %2").arg(page.fileName).arg(page.page),
                        QStringLiteral("its content is damaged and was carried into the output as it is"));
        damaged.append(QJsonObject{{QStringLiteral("file"), page.fileName}, {QStringLiteral("page"), page.page}});
    }

    if (parser.isSet(QStringLiteral("json"))) {
        CommandLine::printJson(QJsonObject{{QStringLiteral("file"), merged},
                                           {QStringLiteral("documents"), request.tasks.size()},
                                           {QStringLiteral("left_out"), QJsonArray::fromStringList(leftOut)},
                                           {QStringLiteral("failed_document"), response.errorFileName},
                                           {QStringLiteral("damaged_pages"), damaged},
                                           {QStringLiteral("exit_code"), exitCode}});
    } else if (!merged.isEmpty()) {
        std::printf("%s\n", qUtf8Printable(merged));
    }
    return exitCode;
}

} // namespace

int runMergeCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    addMergeOptions(parser);
    int exitCode = 0;
    if (!CommandLine::parse(parser, mergeCommand, arguments, exitCode))
        return exitCode;
    const QStringList sources = parser.positionalArguments();
    if (!parser.isSet(QStringLiteral("output")))
        return CommandLine::usageError(mergeCommand, QStringLiteral("name the merged file with -o OUT"));
    if (sources.isEmpty())
        return CommandLine::usageError(mergeCommand, QStringLiteral("give the documents to merge"));
    MergeRequest request;
    if (!readBookmarks(parser, request))
        return CommandLine::usageError(mergeCommand, QStringLiteral("--bookmarks takes keep, per-document or none"));
    QSet<int> reversed;
    if (!readReversed(parser, sources.size(), reversed))
        return CommandLine::usageError(mergeCommand, QStringLiteral("--reverse takes a document's place, 1-%1")
                                                    .arg(sources.size()));

    QString error;
    Passwords passwords;
    if (!CommandLine::readPasswordFiles(parser, passwords, error)) {
        reportError(error);
        return ExitCode::InputUnreadable;
    }
    const QFileInfo output(parser.value(QStringLiteral("output")));
    const QFileInfo outputFolder(output.absolutePath());
    if (!outputFolder.isDir() || !outputFolder.isWritable()) {
        reportError(output.absolutePath(), outputFolder.isDir() ? QStringLiteral("the folder may not be written to")
                                                                : QStringLiteral("no such folder"));
        return ExitCode::OutputUnwritable;
    }

    QStringList leftOut;
    exitCode = collectItems(parser, passwords, request, leftOut);
    if (exitCode != ExitCode::Done)
        return exitCode;
    if (request.tasks.isEmpty()) {
        reportError(QStringLiteral("no document can be merged"));
        return ExitCode::InputUnreadable;
    }
    if (parser.isSet(QStringLiteral("alternate")))
        request.pageOrder = MergeRequest::PageOrder::Alternate;
    if (!CommandLine::readOutputOptions(parser, passwords, request, error))
        return JobRunner::wasInterrupted() ? int(ExitCode::Interrupted) : CommandLine::usageError(mergeCommand, error);
    request.saveFileName = savePath(output.filePath(), parser.isSet(QStringLiteral("overwrite")));

    return runAndReport(parser, request, leftOut);
}
