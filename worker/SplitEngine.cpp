#include "worker/SplitEngine.h"

#include "common/FileUtils.h"
#include "common/Logger.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "worker/FailureCause.h"
#include "worker/JobErrors.h"
#include "worker/OutputNaming.h"
#include "worker/Progress.h"
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
    m_failedCount = 0;
    m_failureCause = JobCause::Unknown;
    m_journal = std::make_unique<OutputJournal>(m_request.sessionPath, m_request.sessionId);

    if (m_request.mode == 0)
        splitRanges();
    if (m_request.mode == 1)
        removePages();
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
    QString path = uniqueFileName(m_request.outDirectory, name);
    for (int excess = fileNameBytes(QFileInfo(path).fileName()) - maxFileNameBytes; excess > 0;
         excess = fileNameBytes(QFileInfo(path).fileName()) - maxFileNameBytes) {
        maxBytes -= excess;
        name = nameFor(maxBytes);
        path = uniqueFileName(m_request.outDirectory, name);
    }
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

    if (!isSourceFile(m_request.fileName)) {
        log(QStringLiteral("Split. Source file not found:%1").arg(m_request.fileName));
        m_errorCode = SourceNotFound;
        m_failureCause = JobCause::Unreadable;
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
        if (decryptionFailed)
            m_failureCause = readFailureCause(m_service->lastErrorCode());
    }

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

    for (int k = 1; k <= ranges.size(); ++k) {
        const PageRange &range = ranges.at(k - 1);
        const QString text = rangeText(range);
        const QString outputPath = outputPathFor([&](int maxBytes) {
            return rangeOutputName(m_request.outPrefix, counterLabel(k, counterWidth),
                                   pageLabel(range.from, range.to, pageWidth), baseName, m_startTime,
                                   maxBytes);
        });
        if (outputPath.isEmpty()) {
            noteFailure(m_request.outDirectory.isEmpty() ? JobCause::NotWritable : JobCause::UnusableName);
            m_progress.setValue(k);
            continue;
        }

        // Noted before it is written, so that a canceled job can take it back.
        m_journal->noteFile(outputPath);
        if (saveRange(source, text, outputPath)) {
            m_outputFiles.append(outputPath);
        } else {
            const int engineCode = m_service->lastErrorCode();
            const int cause = readFailureCause(engineCode);
            noteFailure(cause != JobCause::Unknown ? cause : writeFailureCause(engineCode, m_request.outDirectory));
        }
        m_progress.setValue(k);
    }

    temporaries.removeAll();
    // Pieces that were saved are not logged one by one: a split into single
    // pages would write thousands of lines. Each failure has its own line.
    log(QStringLiteral("Split complete! Saved %1 of %2 ranges").arg(m_outputFiles.size()).arg(ranges.size()));

    // A partial result is still a result; only a job that produced nothing
    // from its ranges reports an error.
    if (!ranges.isEmpty() && m_outputFiles.isEmpty()) {
        m_errorCode = decryptionFailed ? DecryptionFailed : NoRangeExtracted;
        log(QStringLiteral("Split. No range could be extracted. Error code:%1").arg(m_errorCode));
    }
}

// The range's pages are cut out into a document in memory, given the
// properties and saved once, straight into the output file. The engine
// checks a range the same way whichever way it is asked for the pages, so
// there is no second way to try when it refuses one.
bool SplitEngine::saveRange(const QString &source, const QString &text, const QString &outputPath)
{
    PdfDocument document(m_service, PdfDocument::PagesOf{source, QString(), text});
    if (!document.isLoaded()) {
        log(QStringLiteral("Can not extract range:%1. Error code:%2").arg(text).arg(m_service->lastErrorCode()));
        return false;
    }

    if (m_applyProperties && !document.setProperties(m_request.properties(), m_request.permissions())) {
        log(QStringLiteral("Set properties [FAILED]. Range:%1").arg(text));
        return false;
    }

    if (m_compressOutput && m_request.compressFile && !document.compressContent()) {
        log(QStringLiteral("Compress content [FAILED]. Error code:'%1' Range:%2")
                .arg(m_service->lastErrorCode()).arg(text));
        return false;
    }

    if (!document.saveToFile(outputPath)) {
        log(QStringLiteral("Save file [FAILED]. Error code:'%2' File:'%1'")
                .arg(outputPath).arg(m_service->lastErrorCode()));
        return false;
    }
    return true;
}

void SplitEngine::removePages()
{
    if (!isSourceFile(m_request.fileName)) {
        log(QStringLiteral("Split. Source file not found:%1").arg(m_request.fileName));
        m_errorCode = EditedSourceNotFound;
        m_failureCause = JobCause::Unreadable;
        return;
    }

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
        const int engineCode = service->lastErrorCode();
        const int cause = readFailureCause(engineCode);
        noteFailure(cause != JobCause::Unknown ? cause : writeFailureCause(engineCode, temporaryFolder()));
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

    const bool saved = document.saveToFile(outputPath);
    log(QStringLiteral("Save file:%1").arg(outcome(saved)));
    return saved;
}
