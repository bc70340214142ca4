#include "worker/SplitEngine.h"

#include "common/FileUtils.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "pdf/OutlinePieces.h"
#include "worker/EngineLog.h"
#include "worker/BookmarkNaming.h"
#include "worker/FailureCause.h"
#include "protocol/JobErrors.h"
#include "worker/OutputNaming.h"
#include "pdf/PageRangeText.h"
#include "worker/PiecePages.h"
#include "worker/PieceWriterPool.h"
#include "protocol/Progress.h"
#include "worker/SplitChecks.h"
#include "worker/TemporaryFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

QString outcome(bool ok)
{
    return ok ? QStringLiteral("[OK]") : QStringLiteral("[FAILED]");
}

} // namespace

SplitEngine::SplitEngine(const SplitRequest &request, IProgress &progress,
                         QSharedPointer<PdfService> service, QObject *parent)
    : QObject(parent)
    , m_progress(progress)
    , m_request(request)
    , m_service(std::move(service))
{
}

void SplitEngine::run()
{
    m_errorCode = NoError;
    m_outputFiles.clear();
    m_oversizedFiles.clear();
    m_decryptionFailed = false;
    m_failedCount = 0;
    m_renamedCount = 0;
    m_failureCause = JobCause::Unknown;
    m_failureDetail.clear();
    m_turns = PiecePages::turnsByPage(m_request.rotations);
    m_sourcePageCount = 0;
    if (refused(SplitChecks::requestProblem(m_request)))
        return;
    m_journal = std::make_unique<OutputJournal>(m_request.sessionPath, m_request.sessionId);
    m_journal->noteSource(m_request.fileName);

    switch (m_request.mode) {
    case SplitRequest::Ranges:
        splitRanges();
        break;
    case SplitRequest::RemovePages:
        removePages();
        break;
    case SplitRequest::Bookmarks:
        splitByBookmarks();
        break;
    case SplitRequest::FileSize:
        splitBySize();
        break;
    case SplitRequest::Parts:
        splitParts();
        break;
    }
    // The job ran to its end and keeps what it wrote, so its journal goes
    // now: the worker ends without running destructors.
    m_journal.reset();
}

QString SplitEngine::temporaryFolder() const
{
    // Without a session folder the temporaries go to the private cache
    // folder, never to the file-system root.
    if (!m_request.sessionPath.isEmpty())
        return m_request.sessionPath;
    return cacheFolder();
}

// Empty, and logged as a failed save, when the name cannot be a file name of
// its own or there is no output folder.
QString SplitEngine::outputPathFor(const std::function<QString(int maxBytes)> &nameFor)
{
    int maxBytes = maxFileNameBytes;
    QString name = nameFor(maxBytes);
    if (m_request.outDirectory.isEmpty() || !isUsableFileName(name)) {
        engineLog(QStringLiteral("Save file [FAILED]. File name can not be used:'%1' Folder:'%2'")
                .arg(name, m_request.outDirectory));
        return QString();
    }
    QString path = uniqueFileName(m_request.outDirectory, name, m_takenPaths);
    for (int excess = fileNameBytes(QFileInfo(path).fileName()) - maxFileNameBytes; excess > 0;
         excess = fileNameBytes(QFileInfo(path).fileName()) - maxFileNameBytes) {
        maxBytes -= excess;
        name = nameFor(maxBytes);
        path = uniqueFileName(m_request.outDirectory, name, m_takenPaths);
    }
    // A "(n)" name because a file of the name was there before this job,
    // not because an earlier piece of this job took it: the user is told.
    const QString wanted = QDir::toNativeSeparators(m_request.outDirectory + QLatin1Char('/') + name);
    if (path != wanted && !m_takenPaths.contains(wanted))
        ++m_renamedCount;
    // Taken from now on, also while a writer thread has yet to write it.
    m_takenPaths.insert(path);
    return path;
}

// Creates the output folder if missing; only the last level, like the GUI
// expects for a folder it has just offered.
void SplitEngine::ensureOutputFolder()
{
    const QString &folder = m_request.outDirectory;
    if (folder.isEmpty() || QFileInfo(folder).isDir())
        return;
    m_journal->noteFolder(folder);
    QDir().mkdir(folder);
}

// False, with the job's error set to errorCode, when the file to split is
// not there.
bool SplitEngine::sourceExists(int errorCode)
{
    const QString &path = m_request.fileName;
    if (!path.isEmpty() && QFileInfo(path).isFile())
        return true;
    engineLog(QStringLiteral("Split. Source file not found:%1").arg(path));
    m_errorCode = errorCode;
    m_failureCause = JobCause::Unreadable;
    return false;
}

void SplitEngine::noteFailure(int cause, const QString &detail)
{
    if (m_failedCount == 0) {
        m_failureCause = cause;
        m_failureDetail = detail;
    }
    ++m_failedCount;
}

void SplitEngine::splitRanges()
{
    m_progress.setMinimum(0);
    engineLog(QStringLiteral("Split started"));

    if (!sourceExists(SourceNotFound))
        return;

    TemporaryFiles temporaries;
    const QString source = workingSource(m_service, temporaries);
    if (pagesOutsideSource(source))
        return;

    ensureOutputFolder();

    const PageRangeList &ranges = m_request.ranges;
    m_progress.setMinimum(0);
    m_progress.setMaximum(ranges.size());
    m_progress.setValue(0);
    engineLog(QStringLiteral("Split started..."));
    m_startTime = QDateTime::currentDateTime();

    const int pageWidth = digitCount(PiecePages::largestPage(ranges));
    const int counterWidth = digitCount(ranges.size());
    const QString baseName = baseNameOf(m_request.fileName);

    // A split into a handful of pieces is not worth opening the source again per thread.
    const int threads = ranges.size() >= MinPiecesForThreads ? m_writerThreads : 0;
    PieceWriterPool pool(threads, m_service, [this](const QSharedPointer<PdfService> &service,
                                                    const PieceWriterPool::Piece &piece) {
        return writeNamedPiece(service, piece);
    });
    QStringList paths;
    for (int k = 1; k <= ranges.size(); ++k) {
        const PageRange &range = ranges.at(k - 1);
        const PieceWriterPool::Piece piece = namedPiece(source, {range}, [&](int maxBytes) {
            return rangeOutputName(m_request.outPrefix, counterLabel(k, counterWidth),
                                   pageLabel(range.from, range.to, pageWidth), baseName, m_startTime,
                                   maxBytes);
        });
        paths.append(piece.outputPath);
        pool.add(piece);
        while (const auto outcome = pool.next(false))
            takeOutcome(*outcome, paths.at(outcome->index));
    }
    while (const auto outcome = pool.next(true))
        takeOutcome(*outcome, paths.at(outcome->index));

    temporaries.removeAll();
    // Pieces that were saved are not logged one by one: a split into single
    // pages would write thousands of lines. Each failure has its own line.
    engineLog(QStringLiteral("Split complete! Saved %1 of %2 ranges").arg(m_outputFiles.size()).arg(ranges.size()));

    // A partial result is still a result; only a job that produced nothing
    // from its ranges reports an error.
    if (!ranges.isEmpty() && m_outputFiles.isEmpty()) {
        m_errorCode = m_decryptionFailed ? DecryptionFailed : NoRangeExtracted;
        engineLog(QStringLiteral("Split. No range could be extracted. Error code:%1").arg(m_errorCode));
    }
}

// The range's pages are cut out into a document in memory, given the
// properties and saved once, straight into the output file. The engine
// checks a range the same way whichever way it is asked for the pages, so
// there is no second way to try when it refuses one. Runs on the writer
// threads: it reads the job's settings and changes nothing of the engine.
PieceWriterPool::Outcome SplitEngine::writeNamedPiece(const QSharedPointer<PdfService> &service,
                                                      const PieceWriterPool::Piece &piece) const
{
    PieceWriterPool::Outcome outcome;
    PdfDocument document(service, PdfDocument::PagesOf{piece.source, QString(), piece.rangeText});
    if (!preparePiece(service, document, piece.rangeText, piece.turns)) {
        outcome.failureCause = readOrWriteFailureCause(service->lastErrorCode(), m_request.outDirectory);
        outcome.failureDetail = service->lastErrorDetail();
        return outcome;
    }
    if (!document.saveToFile(piece.outputPath)) {
        engineLog(QStringLiteral("Save file [FAILED]. Error code:'%2' File:'%1'")
                .arg(piece.outputPath).arg(service->lastErrorCode()));
        outcome.failureCause = readOrWriteFailureCause(service->lastErrorCode(), m_request.outDirectory);
        outcome.failureDetail = service->lastErrorDetail();
        return outcome;
    }
    outcome.written = true;
    outcome.bytes = QFileInfo(piece.outputPath).size();
    outcome.optimisation = document.lastOptimisation();
    return outcome;
}

// A piece with a free name for the ranges, noted in the journal before it
// is written so that a canceled job can take it back; or, when no name can
// be found, a piece that failed already.
PieceWriterPool::Piece SplitEngine::namedPiece(const QString &source, const PageRangeList &pages,
                                               const std::function<QString(int maxBytes)> &nameFor)
{
    PieceWriterPool::Piece piece{source, pageRangeListText(pages), outputPathFor(nameFor), 0,
                                 PiecePages::turnsOf(m_turns, pages, m_sourcePageCount)};
    if (piece.outputPath.isEmpty())
        piece.failureCause = m_request.outDirectory.isEmpty() ? JobCause::NotWritable : JobCause::UnusableName;
    else
        m_journal->noteFile(piece.outputPath);
    return piece;
}

void SplitEngine::takeOutcome(const PieceWriterPool::Outcome &outcome, const QString &outputPath)
{
    if (outcome.written) {
        m_outputFiles.append(outputPath);
        m_sizes.add(outcome.bytes, outcome.optimisation);
    } else
        noteFailure(outcome.failureCause, outcome.failureDetail);
    m_progress.setValue(outcome.index + 1);
}

// Cuts the ranges' pages from the source and saves them under the name
// nameFor makes within a byte limit; returns the file written, or empty
// when the piece failed, which is counted with its cause.
QString SplitEngine::writePiece(const QString &source, const PageRangeList &pages,
                                const std::function<QString(int maxBytes)> &nameFor)
{
    const PieceWriterPool::Piece piece = namedPiece(source, pages, nameFor);
    if (piece.outputPath.isEmpty()) {
        noteFailure(piece.failureCause);
        return QString();
    }
    const PieceWriterPool::Outcome outcome = writeNamedPiece(m_service, piece);
    if (!outcome.written) {
        noteFailure(outcome.failureCause, outcome.failureDetail);
        return QString();
    }
    m_outputFiles.append(piece.outputPath);
    m_sizes.add(outcome.bytes, outcome.optimisation);
    return piece.outputPath;
}

// Gives a piece cut in memory its turns, the job's properties, password and
// compression, so that it can be measured or saved as it will be written.
bool SplitEngine::preparePiece(const QSharedPointer<PdfService> &service, PdfDocument &piece,
                               const QString &text, const QList<PageRotation> &turns) const
{
    if (!piece.isLoaded()) {
        engineLog(QStringLiteral("Can not extract range:%1. Error code:%2").arg(text).arg(service->lastErrorCode()));
        return false;
    }

    if (!PiecePages::turn(piece, turns)) {
        engineLog(QStringLiteral("Rotate pages [FAILED]. Error code:'%1' Range:%2").arg(service->lastErrorCode()).arg(text));
        return false;
    }

    if (m_applyProperties && !piece.setProperties(m_request.properties(), m_request.permissions())) {
        engineLog(QStringLiteral("Set properties [FAILED]. Range:%1").arg(text));
        return false;
    }

    if (m_compressOutput && m_request.compressFile && !piece.compressContent()) {
        engineLog(QStringLiteral("Compress content [FAILED]. Error code:'%1' Range:%2")
                .arg(service->lastErrorCode()).arg(text));
        return false;
    }

    if (m_compressOutput && m_request.optimise != Optimisation::None
        && !piece.setOptimisation(m_request.optimise, m_request.imageDpiLimit)) {
        engineLog(QStringLiteral("Optimise [FAILED]. Error code:'%1' Range:%2").arg(service->lastErrorCode()).arg(text));
        return false;
    }
    return true;
}

void SplitEngine::removePages()
{
    if (!sourceExists(EditedSourceNotFound))
        return;

    // This mode works through a service of its own, released when it ends.
    const auto service = QSharedPointer<PdfService>::create();
    TemporaryFiles temporaries;
    const QString source = workingSource(service, temporaries);
    if (pagesOutsideSource(source)) {
        if (m_errorCode == NoRangeExtracted || m_errorCode == DecryptionFailed)
            m_errorCode = PagesNotExtracted;
        return;
    }

    ensureOutputFolder();
    const QString baseName = baseNameOf(m_request.fileName);
    const QDateTime now = QDateTime::currentDateTime();
    // Unique, so that an earlier result of the same second is never overwritten.
    const QString outputPath = outputPathFor([&](int maxBytes) { return editedOutputName(baseName, now, maxBytes); });
    if (outputPath.isEmpty()) {
        m_errorCode = EditedFileNotSaved;
        noteFailure(JobCause::NotWritable);
        return;
    }

    // Each range names one page to remove: its first.
    QSet<int> toRemove;
    for (const PageRange &range : m_request.ranges)
        toRemove.insert(range.from);

    QList<int> kept;
    QList<int> removed;
    for (int page = 1; page <= m_request.pageCount; ++page) {
        if (toRemove.contains(page))
            removed.append(page);
        else
            kept.append(page);
    }

    if (kept.isEmpty()) {
        engineLog(QStringLiteral("Extract to file [FAILED]. No page would be left"));
        m_errorCode = PagesNotExtracted;
        return;
    }

    const QString extractionPath = temporaryPath(temporaryFolder());
    temporaries.add(extractionPath);
    QStringList keptText;
    for (int page : kept)
        keptText.append(QString::number(page));
    const bool extracted = !extractionPath.isEmpty() && extractKeptPages(service, source, keptText.join(QLatin1Char(',')),
                                            removed, extractionPath);
    engineLog(QStringLiteral("Extract to file:%1").arg(outcome(extracted)));
    if (!extracted) {
        m_errorCode = PagesNotExtracted;
        noteFailure(readOrWriteFailureCause(service->lastErrorCode(), temporaryFolder()));
        return;
    }

    engineLog(QStringLiteral("Set properties..."));
    m_journal->noteFile(outputPath);
    if (saveEdited(service, extractionPath, PiecePages::turnsOf(m_turns, kept), outputPath)) {
        m_outputFiles.append(outputPath);
        m_errorCode = NoError;
    } else {
        m_errorCode = EditedFileNotSaved;
        noteFailure(writeFailureCause(service->lastErrorCode(), m_request.outDirectory));
    }
}

bool SplitEngine::extractKeptPages(const QSharedPointer<PdfService> &service, const QString &source,
                                   const QString &pageList, const QList<int> &removed,
                                   const QString &extractionPath)
{
    if (service->extractFilePages(source, QString(), extractionPath, pageList) == 1)
        return true;

    // Fall back to deleting the pages one by one from the whole document.
    PdfDocument document(service, source, QString());
    if (!document.isLoaded() || document.needsPassword())
        return false;
    int alreadyDeleted = 0;
    for (int page : removed) {
        document.deletePages(page - alreadyDeleted, 1);
        ++alreadyDeleted;
    }
    return document.saveToFile(extractionPath);
}

bool SplitEngine::saveEdited(const QSharedPointer<PdfService> &service, const QString &extractionPath,
                             const QList<PageRotation> &turns, const QString &outputPath)
{
    PdfDocument document(service, extractionPath, QString());
    if (!document.isLoaded() || document.needsPassword())
        return false;

    if (!PiecePages::turn(document, turns)) {
        engineLog(QStringLiteral("Rotate pages [FAILED]. Error code:'%1'").arg(service->lastErrorCode()));
        return false;
    }

    const bool propertiesSet = document.setProperties(m_request.properties(), m_request.permissions());
    engineLog(QStringLiteral("Set properties:%1").arg(outcome(propertiesSet)));
    if (!propertiesSet)
        return false;

    if (m_request.optimise != Optimisation::None
        && !document.setOptimisation(m_request.optimise, m_request.imageDpiLimit)) {
        engineLog(QStringLiteral("Optimise [FAILED]. Error code:'%1'").arg(service->lastErrorCode()));
        return false;
    }

    const bool saved = document.saveToFile(outputPath);
    engineLog(QStringLiteral("Save file:%1").arg(outcome(saved)));
    if (saved)
        m_sizes.add(QFileInfo(outputPath).size(), document.lastOptimisation());
    return saved;
}

// The file every mode works on: a decrypted temporary copy when the source
// is protected, else the source itself. A copy that cannot be made leaves
// the source, whose pieces then fail as unreadable; why it failed is kept
// for the response.
QString SplitEngine::workingSource(const QSharedPointer<PdfService> &service, TemporaryFiles &temporaries)
{
    if (m_request.filePassword.isEmpty() && !m_request.hasSecurity)
        return m_request.fileName;
    const QString decrypted = temporaryPath(temporaryFolder());
    temporaries.add(decrypted);
    const int result = decrypted.isEmpty()
        ? 0 : service->decryptFile(m_request.fileName, decrypted, m_request.filePassword);
    engineLog(QStringLiteral("Decrypt result:%1").arg(result));
    if (result == 1)
        return decrypted;
    m_decryptionFailed = true;
    m_failureCause = readFailureCause(service->lastErrorCode());
    m_failureDetail = service->lastErrorDetail();
    return m_request.fileName;
}

// Sets the job's error to a refusal of the request; false for NoError.
bool SplitEngine::refused(int errorCode)
{
    if (errorCode == NoError)
        return false;
    engineLog(SplitChecks::problemText(errorCode));
    m_errorCode = errorCode;
    return true;
}

// True, with the job's error set, when the request's parts or rotations
// name pages the source lacks, or the source cannot be read to tell. Only
// such a request reads the source for its page count here; the modes that
// read it anyway check on their own.
bool SplitEngine::pagesOutsideSource(const QString &source)
{
    if (m_request.rotations.isEmpty() && m_request.mode != SplitRequest::Parts)
        return false;
    if (!readSource(source, m_sourcePageCount, nullptr)) {
        failWithoutPieces();
        return true;
    }
    return refused(SplitChecks::pageProblem(m_request, m_sourcePageCount));
}
