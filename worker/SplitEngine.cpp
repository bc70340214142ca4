#include "worker/SplitEngine.h"

#include "common/FileUtils.h"
#include "common/Logger.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "pdf/OutlinePieces.h"
#include "worker/BookmarkNaming.h"
#include "worker/OutputNaming.h"
#include "worker/Progress.h"
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

// Creates the output folder if missing; only the last level, like the GUI
// expects for a folder it has just offered.
void ensureOutputFolder(const QString &folder)
{
    if (!folder.isEmpty() && !QFileInfo(folder).isDir())
        QDir().mkdir(folder);
}

bool isSourceFile(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
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
}

QString SplitEngine::temporaryFolder() const
{
    // Without a session folder the temporaries go to the private cache
    // folder, never to the file-system root.
    if (!m_request.sessionPath.isEmpty())
        return m_request.sessionPath;
    return cacheFolder();
}

// A free path in the output folder for the name; empty, and logged as a
// failed save, when the name cannot be a file name of its own or there is no
// output folder.
QString SplitEngine::outputPathFor(const QString &name) const
{
    if (m_request.outDirectory.isEmpty() || !isUsableFileName(name)) {
        log(QStringLiteral("Save file [FAILED]. File name can not be used:'%1' Folder:'%2'")
                .arg(name, m_request.outDirectory));
        return QString();
    }
    return uniqueFileName(m_request.outDirectory, name);
}

void SplitEngine::splitRanges()
{
    m_progress.setMinimum(0);
    log(QStringLiteral("Split started"));

    if (!isSourceFile(m_request.fileName)) {
        log(QStringLiteral("Split. Source file not found:%1").arg(m_request.fileName));
        m_errorCode = SourceNotFound;
        return;
    }

    TemporaryFiles temporaries;
    const QString folder = temporaryFolder();
    QString source = m_request.fileName;
    bool decryptionFailed = false;

    if (!m_request.filePassword.isEmpty() || m_request.hasSecurity) {
        const QString decrypted = temporaryPath(folder);
        temporaries.add(decrypted);
        const int result = decrypted.isEmpty()
            ? 0 : m_service->decryptFile(source, decrypted, m_request.filePassword);
        log(QStringLiteral("Decrypt result:%1").arg(result));
        if (result == 1)
            source = decrypted;
        else
            decryptionFailed = true;
    }

    ensureOutputFolder(m_request.outDirectory);

    const PageRangeList &ranges = m_request.ranges;
    m_progress.setMinimum(0);
    m_progress.setMaximum(ranges.size());
    m_progress.setValue(0);
    log(QStringLiteral("Split started..."));
    m_startTime = QDateTime::currentDateTime();

    // One scratch file serves every range in turn: each piece is saved to its
    // output before the next one is extracted over it.
    const QString extractionPath = temporaryPath(folder);
    temporaries.add(extractionPath);

    const int pageWidth = digitCount(largestPageNumber(ranges));
    const int counterWidth = digitCount(ranges.size());
    const QString baseName = baseNameOf(m_request.fileName);

    for (int k = 1; k <= ranges.size(); ++k) {
        const PageRange &range = ranges.at(k - 1);
        const QString text = rangeText(range);
        const QString name = rangeOutputName(m_request.outPrefix, counterLabel(k, counterWidth),
                                             pageLabel(range.from, range.to, pageWidth),
                                             baseName, m_startTime);

        const QString outputPath = outputPathFor(name);
        if (outputPath.isEmpty()) {
            m_progress.setValue(k);
            continue;
        }

        log(QStringLiteral("Extract range:%1").arg(text));

        bool extracted = !extractionPath.isEmpty()
            && m_service->extractFilePages(source, QString(), extractionPath, text) == 1;
        const int count = range.to - range.from + 1;
        if (!extracted && !extractionPath.isEmpty() && count > 0)
            extracted = m_service->extractPages(source, QString(), extractionPath, range.from, count) == 1;

        if (!extracted) {
            log(QStringLiteral("Can not extract range:%1. Error code:%2")
                    .arg(text).arg(m_service->lastErrorCode()));
        } else {
            log(QStringLiteral("Extract range [OK]"));
            log(QStringLiteral("Set properties..."));
            log(QStringLiteral("Loading file:%1").arg(extractionPath));
            if (saveRange(extractionPath, outputPath))
                m_outputFiles.append(outputPath);
        }
        m_progress.setValue(k);
    }

    temporaries.removeAll();
    log(QStringLiteral("Split complete!"));

    // A partial result is still a result; only a job that produced nothing
    // from its ranges reports an error.
    if (!ranges.isEmpty() && m_outputFiles.isEmpty()) {
        m_errorCode = decryptionFailed ? DecryptionFailed : NoRangeExtracted;
        log(QStringLiteral("Split. No range could be extracted. Error code:%1").arg(m_errorCode));
    }
}

bool SplitEngine::saveRange(const QString &extractionPath, const QString &outputPath)
{
    PdfDocument document(m_service, extractionPath, m_request.filePassword);
    if (!document.isLoaded() || document.needsPassword()) {
        log(QStringLiteral("Can not load file:%1").arg(extractionPath));
        return false;
    }

    bool ok = true;
    if (m_applyProperties) {
        ok = document.setProperties(m_request.properties(), m_request.permissions());
        log(QStringLiteral("Set properties %1").arg(outcome(ok)));
    }

    if (ok && m_compressOutput && m_request.compressFile) {
        ok = document.compressContent();
        if (ok)
            log(QStringLiteral("Compress content [OK]"));
        else
            log(QStringLiteral("Compress content [FAILED]. Error code:'%1'").arg(m_service->lastErrorCode()));
    }

    if (ok) {
        ok = document.saveToFile(outputPath);
        if (ok)
            log(QStringLiteral("Save file [OK]. File:'%1'").arg(outputPath));
        else
            log(QStringLiteral("Save file [FAILED]. Error code:'%2' File:'%1'")
                    .arg(outputPath).arg(m_service->lastErrorCode()));
    }
    return ok;
}

void SplitEngine::removePages()
{
    if (!isSourceFile(m_request.fileName)) {
        log(QStringLiteral("Split. Source file not found:%1").arg(m_request.fileName));
        m_errorCode = EditedSourceNotFound;
        return;
    }

    // This mode works through a service of its own, released when it ends.
    const auto service = QSharedPointer<PdfService>::create();
    TemporaryFiles temporaries;

    ensureOutputFolder(m_request.outDirectory);
    const QString name = editedOutputName(baseNameOf(m_request.fileName), QDateTime::currentDateTime());
    // Unique, so that an earlier result of the same second is never overwritten.
    const QString outputPath = outputPathFor(name);
    if (outputPath.isEmpty()) {
        m_errorCode = EditedFileNotSaved;
        return;
    }

    QString source = m_request.fileName;
    if (!m_request.filePassword.isEmpty()) {
        const QString decrypted = temporaryPath(cacheFolder());
        temporaries.add(decrypted);
        const bool ok = !decrypted.isEmpty()
            && service->decryptFile(source, decrypted, m_request.filePassword) == 1;
        log(QStringLiteral("Decrypt:%1").arg(outcome(ok)));
        if (ok)
            source = decrypted;
    }

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
        return;
    }

    log(QStringLiteral("Set properties..."));
    if (saveEdited(service, extractionPath, outputPath)) {
        m_outputFiles.append(outputPath);
        m_errorCode = NoError;
    } else {
        m_errorCode = EditedFileNotSaved;
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

    const bool saved = document.saveToFile(outputPath);
    log(QStringLiteral("Save file:%1").arg(outcome(saved)));
    return saved;
}

// The source as the pieces of modes 2 and 3 are taken from it: decrypted
// into a temporary file first when it is protected. Not loaded when it
// cannot be read.
std::unique_ptr<PdfDocument> SplitEngine::openWorkingSource(TemporaryFiles &temporaries)
{
    QString source = m_request.fileName;
    if (!m_request.filePassword.isEmpty() || m_request.hasSecurity) {
        const QString decrypted = temporaryPath(temporaryFolder());
        temporaries.add(decrypted);
        const int result = decrypted.isEmpty()
            ? 0 : m_service->decryptFile(source, decrypted, m_request.filePassword);
        log(QStringLiteral("Decrypt result:%1").arg(result));
        if (result == 1)
            source = decrypted;
        else
            m_decryptionFailed = true;
    }
    auto document = std::make_unique<PdfDocument>(m_service, source, QString());
    if (!document->isLoaded() || document->needsPassword())
        log(QStringLiteral("Can not load file:%1").arg(source));
    return document;
}

// The pages of a range as a document with the job's properties, password
// and compression set, ready to be measured or saved; null when it cannot be made.
std::unique_ptr<PdfDocument> SplitEngine::preparedPiece(PdfDocument &source, const PageRange &range)
{
    auto piece = source.extractPages(range.from, range.to - range.from + 1);
    if (!piece->isLoaded()) {
        log(QStringLiteral("Can not extract range:%1. Error code:%2")
                .arg(rangeText(range)).arg(m_service->lastErrorCode()));
        return nullptr;
    }
    bool ok = true;
    if (m_applyProperties)
        ok = piece->setProperties(m_request.properties(), m_request.permissions());
    if (ok && m_compressOutput && m_request.compressFile)
        ok = piece->compressContent();
    if (!ok) {
        log(QStringLiteral("Set properties [FAILED]. Error code:'%1'").arg(m_service->lastErrorCode()));
        return nullptr;
    }
    return piece;
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
    if (!isSourceFile(m_request.fileName)) {
        log(QStringLiteral("Split. Source file not found:%1").arg(m_request.fileName));
        m_errorCode = SourceNotFound;
        return;
    }
    if (m_request.maxFileSize <= 0) {
        log(QStringLiteral("Split. No size limit [FAILED]"));
        m_errorCode = NoSizeLimit;
        return;
    }

    TemporaryFiles temporaries;
    const auto source = openWorkingSource(temporaries);
    const int pageCount = source->isLoaded() && !source->needsPassword() ? source->pageCount() : 0;
    if (pageCount <= 0) {
        failWithoutPieces();
        return;
    }

    // Measuring takes the first half of the progress, writing the second.
    m_progress.setMaximum(2 * pageCount);
    m_progress.setValue(0);
    const auto measure = [&](const PageRange &range) {
        const auto piece = preparedPiece(*source, range);
        return piece ? piece->savedSize() : qint64(-1);
    };
    const auto advance = [&](int lastPage) { m_progress.setValue(lastPage); };
    QList<Piece> pieces;
    for (const SizePieces::Piece &sized : SizePieces::divide(pageCount, m_request.maxFileSize, measure, advance))
        pieces.append({sized.range, QString(), sized.oversized});
    log(QStringLiteral("Split by file size: %1 pieces").arg(pieces.size()));

    writePieces(*source, pieces, pageCount);
    if (m_outputFiles.isEmpty())
        failWithoutPieces();
}

void SplitEngine::splitByBookmarks()
{
    m_progress.setMinimum(0);
    log(QStringLiteral("Split by bookmarks started. Level:%1").arg(m_request.bookmarkLevel));
    if (!isSourceFile(m_request.fileName)) {
        log(QStringLiteral("Split. Source file not found:%1").arg(m_request.fileName));
        m_errorCode = SourceNotFound;
        return;
    }

    TemporaryFiles temporaries;
    const auto source = openWorkingSource(temporaries);
    if (!source->isLoaded() || source->needsPassword()) {
        failWithoutPieces();
        return;
    }
    const QList<Piece> pieces = bookmarkPieces(*source);
    if (pieces.isEmpty()) {
        log(QStringLiteral("Split. No bookmark of level %1 leads to a page [FAILED]").arg(m_request.bookmarkLevel));
        m_errorCode = NoBookmarksAtLevel;
        return;
    }

    m_progress.setMaximum(pieces.last().range.to);
    m_progress.setValue(0);
    writePieces(*source, pieces, 0);
    if (m_outputFiles.isEmpty())
        failWithoutPieces();
}

// The pieces with the names their bookmarks give them: pages before the
// first bookmark without one are named after the document.
QList<SplitEngine::Piece> SplitEngine::bookmarkPieces(PdfDocument &source)
{
    if (m_request.bookmarkLevel < 1)
        return {};
    const QList<OutlinePieces::Piece> cuts
        = OutlinePieces::atLevel(source.outline(), m_request.bookmarkLevel, source.pageCount());
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

QString SplitEngine::pieceName(const Piece &piece, int counter, int counterWidth, int pageWidth) const
{
    const QString counterText = counterLabel(counter, counterWidth);
    const QString pageText = pageLabel(piece.range.from, piece.range.to, pageWidth);
    const QString baseName = baseNameOf(m_request.fileName);
    if (m_request.mode == SplitRequest::Bookmarks)
        return BookmarkNaming::outputName(m_request.outPrefix, counterText, pageText, baseName, m_startTime,
                                          piece.bookmark);
    return rangeOutputName(m_request.outPrefix, counterText, pageText, baseName, m_startTime);
}

// Saves each piece under its name; a piece that fails is logged and left
// out, as a failed range is. Progress goes on from progressOffset by the
// pages of each piece.
void SplitEngine::writePieces(PdfDocument &source, const QList<Piece> &pieces, int progressOffset)
{
    ensureOutputFolder(m_request.outDirectory);
    m_startTime = QDateTime::currentDateTime();
    int largestPage = 0;
    for (const Piece &piece : pieces)
        largestPage = qMax(largestPage, piece.range.to);
    const int pageWidth = digitCount(largestPage);
    const int counterWidth = digitCount(pieces.size());

    for (int k = 1; k <= pieces.size(); ++k) {
        const Piece &piece = pieces.at(k - 1);
        const QString outputPath = outputPathFor(pieceName(piece, k, counterWidth, pageWidth));
        const auto document = outputPath.isEmpty() ? nullptr : preparedPiece(source, piece.range);
        if (document) {
            const bool saved = document->saveToFile(outputPath);
            if (saved) {
                log(QStringLiteral("Save file [OK]. File:'%1'").arg(outputPath));
                m_outputFiles.append(outputPath);
                if (piece.oversized)
                    m_oversizedFiles.append(outputPath);
            } else {
                log(QStringLiteral("Save file [FAILED]. Error code:'%2' File:'%1'")
                        .arg(outputPath).arg(m_service->lastErrorCode()));
            }
        }
        m_progress.setValue(progressOffset + piece.range.to);
    }
    log(QStringLiteral("Split complete!"));
}
