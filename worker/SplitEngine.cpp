#include "worker/SplitEngine.h"

#include "common/FileUtils.h"
#include "common/Logger.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "pdf/OutlinePieces.h"
#include "worker/BookmarkNaming.h"
#include "worker/FailureCause.h"
#include "protocol/JobErrors.h"
#include "worker/OutputNaming.h"
#include "worker/PieceWriterPool.h"
#include "protocol/Progress.h"
#include "worker/SizePieces.h"
#include "worker/TemporaryFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

void log(const QString &message)
{
    Logger::instance().log(message);
}

QString outcome(bool ok)
{
    return ok ? QStringLiteral("[OK]") : QStringLiteral("[FAILED]");
}

// The range as the PDF service reads it: "7" or "3-9" (a descending "9-3"
// stands for the pages in reverse order).
QString rangeText(const PageRange &range)
{
    if (range.from == range.to)
        return QString::number(range.from);
    return QStringLiteral("%1-%2").arg(range.from).arg(range.to);
}

int largestPageNumber(const PageRangeList &ranges)
{
    int largest = 0;
    for (const PageRange &range : ranges)
        largest = qMax(largest, qMax(range.from, range.to));
    return largest;
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
        log(QStringLiteral("Save file [FAILED]. File name can not be used:'%1' Folder:'%2'")
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
    log(QStringLiteral("Split. Source file not found:%1").arg(path));
    m_errorCode = errorCode;
    m_failureCause = JobCause::Unreadable;
    return false;
}

void SplitEngine::noteFailure(int cause)
{
    if (m_failedCount == 0)
        m_failureCause = cause;
    ++m_failedCount;
}

void SplitEngine::splitRanges()
{
    m_progress.setMinimum(0);
    log(QStringLiteral("Split started"));

    if (!sourceExists(SourceNotFound))
        return;

    TemporaryFiles temporaries;
    const QString source = workingSource(m_service, temporaries);

    ensureOutputFolder();

    const PageRangeList &ranges = m_request.ranges;
    m_progress.setMinimum(0);
    m_progress.setMaximum(ranges.size());
    m_progress.setValue(0);
    log(QStringLiteral("Split started..."));
    m_startTime = QDateTime::currentDateTime();

    const int pageWidth = digitCount(largestPageNumber(ranges));
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
        const PieceWriterPool::Piece piece = namedPiece(source, range, [&](int maxBytes) {
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
    log(QStringLiteral("Split complete! Saved %1 of %2 ranges").arg(m_outputFiles.size()).arg(ranges.size()));

    // A partial result is still a result; only a job that produced nothing
    // from its ranges reports an error.
    if (!ranges.isEmpty() && m_outputFiles.isEmpty()) {
        m_errorCode = m_decryptionFailed ? DecryptionFailed : NoRangeExtracted;
        log(QStringLiteral("Split. No range could be extracted. Error code:%1").arg(m_errorCode));
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
    if (!preparePiece(service, document, piece.rangeText)) {
        outcome.failureCause = readOrWriteFailureCause(service->lastErrorCode(), m_request.outDirectory);
        return outcome;
    }
    if (!document.saveToFile(piece.outputPath)) {
        log(QStringLiteral("Save file [FAILED]. Error code:'%2' File:'%1'")
                .arg(piece.outputPath).arg(service->lastErrorCode()));
        outcome.failureCause = readOrWriteFailureCause(service->lastErrorCode(), m_request.outDirectory);
        return outcome;
    }
    outcome.written = true;
    outcome.bytes = QFileInfo(piece.outputPath).size();
    outcome.optimisation = document.lastOptimisation();
    return outcome;
}

// A piece with a free name for the range, noted in the journal before it is
// written so that a canceled job can take it back; or, when no name can be
// found, a piece that failed already.
PieceWriterPool::Piece SplitEngine::namedPiece(const QString &source, const PageRange &range,
                                               const std::function<QString(int maxBytes)> &nameFor)
{
    PieceWriterPool::Piece piece{source, rangeText(range), outputPathFor(nameFor), 0};
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
        noteFailure(outcome.failureCause);
    m_progress.setValue(outcome.index + 1);
}

// Cuts the range's pages from the source and saves them under the name
// nameFor makes within a byte limit; returns the file written, or empty
// when the piece failed, which is counted with its cause.
QString SplitEngine::writePiece(const QString &source, const PageRange &range,
                                const std::function<QString(int maxBytes)> &nameFor)
{
    const PieceWriterPool::Piece piece = namedPiece(source, range, nameFor);
    if (piece.outputPath.isEmpty()) {
        noteFailure(piece.failureCause);
        return QString();
    }
    const PieceWriterPool::Outcome outcome = writeNamedPiece(m_service, piece);
    if (!outcome.written) {
        noteFailure(outcome.failureCause);
        return QString();
    }
    m_outputFiles.append(piece.outputPath);
    m_sizes.add(outcome.bytes, outcome.optimisation);
    return piece.outputPath;
}

// Gives a piece cut in memory the job's properties, password and
// compression, so that it can be measured or saved as it will be written.
bool SplitEngine::preparePiece(const QSharedPointer<PdfService> &service, PdfDocument &piece,
                               const QString &text) const
{
    if (!piece.isLoaded()) {
        log(QStringLiteral("Can not extract range:%1. Error code:%2").arg(text).arg(service->lastErrorCode()));
        return false;
    }

    if (m_applyProperties && !piece.setProperties(m_request.properties(), m_request.permissions())) {
        log(QStringLiteral("Set properties [FAILED]. Range:%1").arg(text));
        return false;
    }

    if (m_compressOutput && m_request.compressFile && !piece.compressContent()) {
        log(QStringLiteral("Compress content [FAILED]. Error code:'%1' Range:%2")
                .arg(service->lastErrorCode()).arg(text));
        return false;
    }

    if (m_compressOutput && m_request.optimise != Optimisation::None
        && !piece.setOptimisation(m_request.optimise, m_request.imageDpiLimit)) {
        log(QStringLiteral("Optimise [FAILED]. Error code:'%1' Range:%2").arg(service->lastErrorCode()).arg(text));
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

    const QString source = workingSource(service, temporaries);

    // Each range names one page to remove: its first.
    QSet<int> toRemove;
    for (const PageRange &range : m_request.ranges)
        toRemove.insert(range.from);

    QStringList kept;
    QList<int> removed;
    for (int page = 1; page <= m_request.pageCount; ++page) {
        if (toRemove.contains(page))
            removed.append(page);
        else
            kept.append(QString::number(page));
    }

    if (kept.isEmpty()) {
        log(QStringLiteral("Extract to file [FAILED]. No page would be left"));
        m_errorCode = PagesNotExtracted;
        return;
    }

    const QString extractionPath = temporaryPath(temporaryFolder());
    temporaries.add(extractionPath);
    const bool extracted = !extractionPath.isEmpty() && extractKeptPages(service, source, kept.join(QLatin1Char(',')),
                                            removed, extractionPath);
    log(QStringLiteral("Extract to file:%1").arg(outcome(extracted)));
    if (!extracted) {
        m_errorCode = PagesNotExtracted;
        noteFailure(readOrWriteFailureCause(service->lastErrorCode(), temporaryFolder()));
        return;
    }

    log(QStringLiteral("Set properties..."));
    m_journal->noteFile(outputPath);
    if (saveEdited(service, extractionPath, outputPath)) {
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
                             const QString &outputPath)
{
    PdfDocument document(service, extractionPath, QString());
    if (!document.isLoaded() || document.needsPassword())
        return false;

    const bool propertiesSet = document.setProperties(m_request.properties(), m_request.permissions());
    log(QStringLiteral("Set properties:%1").arg(outcome(propertiesSet)));
    if (!propertiesSet)
        return false;

    if (m_request.optimise != Optimisation::None
        && !document.setOptimisation(m_request.optimise, m_request.imageDpiLimit)) {
        log(QStringLiteral("Optimise [FAILED]. Error code:'%1'").arg(service->lastErrorCode()));
        return false;
    }

    const bool saved = document.saveToFile(outputPath);
    log(QStringLiteral("Save file:%1").arg(outcome(saved)));
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
    log(QStringLiteral("Decrypt result:%1").arg(result));
    if (result == 1)
        return decrypted;
    m_decryptionFailed = true;
    m_failureCause = readFailureCause(service->lastErrorCode());
    return m_request.fileName;
}

// The page count and, when asked, the outline of the file the pieces are
// cut from; false when it cannot be read.
bool SplitEngine::readSource(const QString &source, int &pageCount, OutlineEntryList *outline)
{
    PdfDocument document(m_service, source, QString());
    pageCount = document.isLoaded() && !document.needsPassword() ? document.pageCount() : 0;
    if (pageCount <= 0) {
        log(QStringLiteral("Can not load file:%1").arg(source));
        if (m_failureCause == JobCause::Unknown)
            m_failureCause = document.needsPassword() ? int(JobCause::Password)
                                                      : readFailureCause(document.loadError());
        return false;
    }
    if (outline)
        *outline = document.outline();
    return true;
}

// The bytes the range's piece takes as it will be written; -1 when it
// cannot be made.
qint64 SplitEngine::measuredSize(const QString &source, const PageRange &range)
{
    const QString text = rangeText(range);
    PdfDocument piece(m_service, PdfDocument::PagesOf{source, QString(), text});
    return preparePiece(m_service, piece, text) ? piece.savedSize() : qint64(-1);
}

void SplitEngine::failWithoutPieces()
{
    m_errorCode = m_decryptionFailed ? DecryptionFailed : NoRangeExtracted;
    log(QStringLiteral("Split. Nothing could be extracted. Error code:%1").arg(m_errorCode));
}

void SplitEngine::splitBySize()
{
    m_progress.setMinimum(0);
    log(QStringLiteral("Split by file size started. Limit:%1 bytes").arg(m_request.maxFileSize));
    if (!sourceExists(SourceNotFound))
        return;
    if (m_request.maxFileSize <= 0) {
        log(QStringLiteral("Split. No size limit [FAILED]"));
        m_errorCode = NoSizeLimit;
        return;
    }

    TemporaryFiles temporaries;
    const QString source = workingSource(m_service, temporaries);
    int pageCount = 0;
    if (!readSource(source, pageCount, nullptr)) {
        failWithoutPieces();
        return;
    }

    // Measuring takes the first half of the progress, writing the second.
    m_progress.setMaximum(2 * pageCount);
    m_progress.setValue(0);
    const auto measure = [&](const PageRange &range) { return measuredSize(source, range); };
    const auto advance = [&](int lastPage) { m_progress.setValue(lastPage); };
    QList<Piece> pieces;
    for (const SizePieces::Piece &sized : SizePieces::divide(pageCount, m_request.maxFileSize, measure, advance))
        pieces.append({sized.range, QString(), sized.oversized});
    log(QStringLiteral("Split by file size: %1 pieces").arg(pieces.size()));

    writePieces(source, pieces, pageCount);
    if (m_outputFiles.isEmpty())
        failWithoutPieces();
}

void SplitEngine::splitByBookmarks()
{
    m_progress.setMinimum(0);
    log(QStringLiteral("Split by bookmarks started. Level:%1").arg(m_request.bookmarkLevel));
    if (!sourceExists(SourceNotFound))
        return;

    TemporaryFiles temporaries;
    const QString source = workingSource(m_service, temporaries);
    int pageCount = 0;
    OutlineEntryList outline;
    if (!readSource(source, pageCount, &outline)) {
        failWithoutPieces();
        return;
    }
    const QList<Piece> pieces = bookmarkPieces(outline, pageCount);
    if (pieces.isEmpty()) {
        log(QStringLiteral("Split. No bookmark of level %1 leads to a page [FAILED]").arg(m_request.bookmarkLevel));
        m_errorCode = NoBookmarksAtLevel;
        return;
    }

    m_progress.setMaximum(pieces.last().range.to);
    m_progress.setValue(0);
    writePieces(source, pieces, 0);
    if (m_outputFiles.isEmpty())
        failWithoutPieces();
}

// The pieces with the names their bookmarks give them: pages before the
// first bookmark without one are named after the document.
QList<SplitEngine::Piece> SplitEngine::bookmarkPieces(const OutlineEntryList &outline, int pageCount) const
{
    if (m_request.bookmarkLevel < 1)
        return {};
    const QList<OutlinePieces::Piece> cuts = OutlinePieces::atLevel(outline, m_request.bookmarkLevel, pageCount);
    QStringList names;
    for (const OutlinePieces::Piece &cut : cuts) {
        const QString name = BookmarkNaming::safeTitle(cut.title);
        names.append(name.isEmpty() ? baseNameOf(m_request.fileName) : name);
    }
    names = BookmarkNaming::numberRepeated(names);
    QList<Piece> pieces;
    for (int k = 0; k < cuts.size(); ++k)
        pieces.append({cuts.at(k).range, names.at(k), false});
    return pieces;
}

QString SplitEngine::pieceName(const Piece &piece, int counter, int counterWidth, int pageWidth, int maxBytes) const
{
    const QString counterText = counterLabel(counter, counterWidth);
    const QString pageText = pageLabel(piece.range.from, piece.range.to, pageWidth);
    const QString baseName = baseNameOf(m_request.fileName);
    if (m_request.mode == SplitRequest::Bookmarks)
        return BookmarkNaming::outputName(m_request.outPrefix, counterText, pageText, baseName, m_startTime,
                                          piece.bookmark, maxBytes);
    return rangeOutputName(m_request.outPrefix, counterText, pageText, baseName, m_startTime, maxBytes);
}

// Cuts each piece from the source in memory and saves it once under its
// name; a piece that fails is counted with its cause and left out, as a
// failed range is. Progress goes on from progressOffset by the pages of
// each piece.
void SplitEngine::writePieces(const QString &source, const QList<Piece> &pieces, int progressOffset)
{
    ensureOutputFolder();
    m_startTime = QDateTime::currentDateTime();
    int largestPage = 0;
    for (const Piece &piece : pieces)
        largestPage = qMax(largestPage, piece.range.to);
    const int pageWidth = digitCount(largestPage);
    const int counterWidth = digitCount(pieces.size());

    for (int k = 1; k <= pieces.size(); ++k) {
        const Piece &piece = pieces.at(k - 1);
        m_progress.setValue(progressOffset + piece.range.from - 1);
        const QString outputPath = writePiece(source, piece.range, [&](int maxBytes) {
            return pieceName(piece, k, counterWidth, pageWidth, maxBytes);
        });
        if (!outputPath.isEmpty() && piece.oversized)
            m_oversizedFiles.append(outputPath);
    }
    m_progress.setValue(progressOffset + largestPage);
    log(QStringLiteral("Split complete! Saved %1 of %2 pieces").arg(m_outputFiles.size()).arg(pieces.size()));
}
