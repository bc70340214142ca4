#include "worker/MergeEngine.h"

#include "common/FileUtils.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "worker/EngineLog.h"
#include "worker/FailureCause.h"
#include "protocol/JobErrors.h"
#include "protocol/Progress.h"
#include "worker/SplitEngine.h"

#include <QFileInfo>

#include <algorithm>

MergeEngine::MergeEngine(const MergeRequest &request, IProgress &progress,
                         QSharedPointer<PdfService> service)
    : m_request(request)
    , m_progress(progress)
    , m_service(std::move(service))
{
}

MergeEngine::~MergeEngine() = default;

void MergeEngine::run()
{
    m_currentItem = 0;
    m_errorCode = NoError;
    m_errorCause = JobCause::Unknown;
    m_errorDetail.clear();
    m_mergedFileName.clear();
    m_damagedPages.clear();
    m_done = false;
    m_state = Prepare;

    while (!m_done) {
        switch (m_state) {
        case Prepare:
            prepare();
            break;
        case AppendItems:
            appendNextItem();
            break;
        case Compress:
            compress();
            if (!m_done)
                applyProperties();
            break;
        case SetProperties:
            applyProperties();
            break;
        case Save:
            save();
            break;
        default:
            m_done = true;
            break;
        }
    }

    m_state = Finished;
    m_temporaryFiles.removeAll();
    // The merged document is released with the engine, or not at all when
    // the worker ends the process right after the job (see worker/main.cpp).

    if (m_errorCode == NoError)
        engineLog(QStringLiteral("Merge [OK]. Out file:'%1'").arg(m_request.saveFileName));
    else
        engineLog(QStringLiteral("Merge [FAILED]"));
}

void MergeEngine::fail(int errorCode, const QString &itemPath, int cause, const QString &detail)
{
    m_errorCode = errorCode;
    m_errorCause = cause;
    m_errorDetail = detail;
    if (!itemPath.isEmpty())
        m_errorFileName = itemPath;
    m_done = true;
}

void MergeEngine::prepare()
{
    if (m_request.tasks.isEmpty()) {
        engineLog(QStringLiteral("Files for merge not found [FAILED]"));
        fail(NothingToMerge);
        return;
    }
    if (m_request.saveFileName.isEmpty()) {
        engineLog(QStringLiteral("Save file name is empty [FAILED]"));
        fail(NothingToMerge);
        return;
    }

    m_errorFileName.clear();
    m_itemPages.clear();
    m_temporaryFiles.removeAll();
    m_temporaryFolder = m_request.cachePath.isEmpty() ? cacheFolder() : m_request.cachePath;
    m_mergedDocument.reset(new PdfDocument(m_service));
    setBookmarkMode();
    m_state = AppendItems;
}

void MergeEngine::appendNextItem()
{
    if (m_currentItem >= m_request.tasks.size()) {
        finishDocument();
        return;
    }

    const MergeItem item = m_request.tasks.at(m_currentItem++);
    // Counted before the blank page a new document starts with goes, so
    // the count before is where the item's pages will begin.
    const int before = m_mergedDocument->pageCount();
    appendItem(item);
    if (!m_done)
        m_itemPages.append({before, m_mergedDocument->pageCount() - before, item.reversePages});
}

// The next document is parsed while this one's pages are copied, when it
// is appended whole and as it is; one that is decrypted or cut first is
// opened only then. Parsing costs by the object, not by the byte: a large
// file is mostly stream data, quick to parse, and holding two of them in
// memory at once would cost more than it saves.
void MergeEngine::prefetchNextItem()
{
    constexpr qint64 LargestPrefetched = 4 << 20;
    if (m_currentItem >= m_request.tasks.size())
        return;
    const MergeItem &next = m_request.tasks.at(m_currentItem);
    if (!next.hasPassword && !next.hasSecurity && next.pageRanges.isEmpty()
        && QFileInfo(next.fullPath).size() <= LargestPrefetched)
        m_service->prefetchFile(next.fullPath, QString());
}

void MergeEngine::appendItem(const MergeItem &item)
{
    QString workingFile = item.fullPath;

    if (item.hasPassword || item.hasSecurity) {
        const QString decrypted = temporaryPath(m_temporaryFolder);
        engineLog(QStringLiteral("Decrypt file:'%1' to temporary file:'%2'").arg(item.fullPath, decrypted));
        m_temporaryFiles.add(decrypted);
        if (decrypted.isEmpty() || m_service->decryptFile(item.fullPath, decrypted, item.password) != 1) {
            const int engineCode = m_service->lastErrorCode();
            engineLog(QStringLiteral("Decrypt [FAILED].Error code:'%2' File:'%1'").arg(item.fullPath).arg(engineCode),
                LogError);
            fail(DecryptionFailed, item.fullPath, readOrWriteFailureCause(engineCode, m_temporaryFolder),
                 m_service->lastErrorDetail());
            return;
        }
        engineLog(QStringLiteral("Decrypt [OK]"));
        workingFile = decrypted;
    }

    if (item.pageRanges.isEmpty()) {
        appendFile(workingFile, item.fullPath, &item);
    } else {
        {
            // Parsed once for the bookmark's title and the damaged pages;
            // closed before the ranges are cut from the file.
            PdfDocument source(m_service, workingFile, QString());
            startDocumentBookmark(item, workingFile, &source);
            noteDamagedPages(item, source.damagedPages());
        }
        appendRanges(workingFile, item);
    }
}

// Of the damaged pages of the item's document, those the merge takes.
void MergeEngine::noteDamagedPages(const MergeItem &item, const QList<int> &damaged)
{
    if (damaged.isEmpty())
        return;
    QList<int> taken;
    if (item.pageRanges.isEmpty()) {
        taken = damaged;
    } else {
        for (const PageRange &range : item.pageRanges) {
            QList<int> inRange;
            for (int page : damaged) {
                if (page >= qMin(range.from, range.to) && page <= qMax(range.from, range.to) && !taken.contains(page))
                    inRange.append(page);
            }
            if (range.from > range.to)
                std::reverse(inRange.begin(), inRange.end());
            taken += inRange;
        }
    }
    for (int page : qAsConst(taken))
        m_damagedPages.append({item.fullPath, page});
    if (!taken.isEmpty())
        engineLog(QStringLiteral("Pages with damaged content taken from '%1': %2").arg(item.fullPath).arg(taken.size()),
            LogError);
}

void MergeEngine::appendRanges(const QString &workingFile, const MergeItem &item)
{
    if (m_temporaryFolder.isEmpty()) {
        engineLog(QStringLiteral("Split by page range [FAILED]. No folder for temporary files. Task file:'%1'")
                .arg(item.fullPath), LogError);
        fail(RangesNotCut, item.fullPath);
        return;
    }

    SplitRequest pieces;
    pieces.mode = 0;
    pieces.fileName = workingFile;
    pieces.outDirectory = m_temporaryFolder;
    // Its scratch files stay in the session folder too, where a stopped job's are cleared.
    pieces.sessionPath = m_temporaryFolder;
    pieces.outPrefix = QStringLiteral("[UNIQUE]");
    pieces.ranges = item.pageRanges;

    NullProgress progress;
    SplitEngine split(pieces, progress, m_service);
    split.setApplyProperties(false);
    split.setCompressOutput(false);
    split.run();

    // The pieces go as soon as they are appended, also after a failed append.
    TemporaryFiles pieceFiles;
    pieceFiles.add(split.outputFiles());

    // Ranges that all lie beyond the end of a readable document contribute
    // nothing; that is not an error.
    if (split.errorCode() == SplitEngine::NoRangeExtracted && opensWithoutPassword(workingFile)) {
        engineLog(QStringLiteral("Split by page range: no pages in range. Task file:'%1'").arg(item.fullPath));
        return;
    }

    if (split.errorCode() != SplitEngine::NoError) {
        engineLog(QStringLiteral("Split by page range [FAILED] Error code:'%1' File:'%2'. Task file:'%3'")
                .arg(split.errorCode()).arg(workingFile, item.fullPath),
            LogError);
        fail(RangesNotCut, item.fullPath,
             split.failureCause() != JobCause::Unknown ? split.failureCause() : int(JobCause::Unreadable),
             split.failureDetail());
        return;
    }

    engineLog(QStringLiteral("Split by page range [OK]"));
    for (const QString &piece : split.outputFiles()) {
        if (!appendFile(piece, item.fullPath))
            break;
    }
}

void MergeEngine::setBookmarkMode()
{
    const int mode = m_request.bookmarks == MergeBookmarks::PerDocument ? PdfEngine::BookmarksPerDocument
                     : m_request.bookmarks == MergeBookmarks::None       ? PdfEngine::BookmarksNone
                                                                         : PdfEngine::BookmarksKeep;
    m_service->setBookmarkMode(m_mergedDocument->documentId(), mode);
}

// Marks where the item's pages begin. With one bookmark per document, its
// bookmark is titled with the document's title, else with its file name;
// the title is read from the document already open for appending, when
// there is one, so that it is not parsed twice.
void MergeEngine::startDocumentBookmark(const MergeItem &item, const QString &workingFile, PdfDocument *opened)
{
    QString title;
    if (m_request.bookmarks == MergeBookmarks::PerDocument)
        title = (opened ? opened->title() : PdfDocument(m_service, workingFile, QString()).title()).trimmed();
    if (title.isEmpty())
        title = QFileInfo(item.fullPath).fileName();
    m_service->startBookmarkGroup(m_mergedDocument->documentId(), title);
}

bool MergeEngine::opensWithoutPassword(const QString &file)
{
    PdfDocument document(m_service, file, QString());
    return document.isLoaded() && !document.needsPassword();
}

bool MergeEngine::appendFile(const QString &file, const QString &itemPath, const MergeItem *startsItem)
{
    // The handle closes the appended document as soon as its pages are copied.
    PdfDocument document(m_service, file, QString());
    prefetchNextItem();
    if (startsItem) {
        startDocumentBookmark(*startsItem, file, &document);
        if (document.isLoaded() && !document.needsPassword())
            noteDamagedPages(*startsItem, document.damagedPages());
    }
    const bool appended = document.isLoaded() && !document.needsPassword()
                          && m_service->mergeDocument(m_mergedDocument->documentId(),
                                                      document.documentId()) == 1;
    if (appended) {
        engineLog(QStringLiteral("Append file [OK]:%1").arg(file));
        return true;
    }

    // Reading the next item ahead resets the engine's code: a document that
    // did not open keeps its own.
    const int engineCode = document.isLoaded() ? m_service->lastErrorCode() : document.loadError();
    engineLog(QStringLiteral("Append file [FAILED]. Error code:'%1' File:'%2").arg(engineCode).arg(file), LogError);
    // A document that opens but needs a password was decrypted with the wrong one.
    const int cause = document.needsPassword() ? int(JobCause::Password) : readFailureCause(engineCode);
    fail(AppendFailed, itemPath, cause != JobCause::Unknown ? cause : int(JobCause::Unreadable),
         document.loadErrorDetail());
    return false;
}

void MergeEngine::finishDocument()
{
    // A new document starts with one blank page; with nothing appended it
    // would be all that is left, so there is nothing worth saving.
    if (m_mergedDocument->pageCount() <= 1) {
        engineLog(QStringLiteral("Merge. No pages in the page ranges of any file [FAILED]"), LogError);
        fail(RangesNotCut, m_request.tasks.first().fullPath);
        return;
    }
    m_mergedDocument->deletePages(1, 1);
    if (!arrangePages()) {
        engineLog(QStringLiteral("Arrange pages [FAILED]. Error code:'%1'").arg(m_service->lastErrorCode()), LogError);
        fail(AppendFailed);
        return;
    }
    m_state = Compress;
}

// Each item's pages in the order it gives them, backwards when reversed;
// then either one item after the other, or one page of each in turn, the
// items that still have pages going on when others run out.
QList<int> MergeEngine::finalPageOrder() const
{
    QList<QList<int>> itemOrders;
    for (const ItemPages &pages : m_itemPages) {
        QList<int> order;
        for (int k = 0; k < pages.count; ++k)
            order.append(pages.reversed ? pages.first + pages.count - 1 - k : pages.first + k);
        itemOrders.append(order);
    }

    QList<int> order;
    if (m_request.pageOrder == MergeRequest::PageOrder::Sequential) {
        for (const QList<int> &itemOrder : itemOrders)
            order += itemOrder;
        return order;
    }
    for (int round = 0; ; ++round) {
        bool taken = false;
        for (const QList<int> &itemOrder : itemOrders) {
            if (round < itemOrder.size()) {
                order.append(itemOrder.at(round));
                taken = true;
            }
        }
        if (!taken)
            return order;
    }
}

bool MergeEngine::arrangePages()
{
    const QList<int> order = finalPageOrder();
    for (int k = 0; k < order.size(); ++k) {
        if (order.at(k) != k + 1) {
            engineLog(QStringLiteral("Arrange pages. Alternate:%1")
                    .arg(m_request.pageOrder == MergeRequest::PageOrder::Alternate));
            return m_mergedDocument->reorderPages(order);
        }
    }
    return true;
}

void MergeEngine::compress()
{
    if (m_request.compressFile) {
        if (!m_mergedDocument->compressContent()) {
            engineLog(QStringLiteral("Compress content [FAILED]. Error code:'%1'").arg(m_service->lastErrorCode()),
                LogError);
            fail(CompressionFailed, QString(), readFailureCause(m_service->lastErrorCode()));
            return;
        }
        engineLog(QStringLiteral("Compress content [OK]"));
    }
    if (m_request.optimise != Optimisation::None) {
        if (!m_mergedDocument->setOptimisation(m_request.optimise, m_request.imageDpiLimit)) {
            engineLog(QStringLiteral("Optimise [FAILED]. Error code:'%1'").arg(m_service->lastErrorCode()), LogError);
            fail(CompressionFailed, QString(), readFailureCause(m_service->lastErrorCode()));
            return;
        }
        engineLog(QStringLiteral("Optimise [OK]"));
    }
    m_state = SetProperties;
}

void MergeEngine::applyProperties()
{
    if (!m_mergedDocument->setProperties(m_request.properties(), m_request.permissions())) {
        engineLog(QStringLiteral("Set properties [FAILED]. Error code:'%1'").arg(m_service->lastErrorCode()),
            LogError);
        fail(PropertiesNotSet);
        return;
    }
    engineLog(QStringLiteral("Set properties [OK]"));
    m_state = Save;
}

void MergeEngine::save()
{
    const QString &path = m_request.saveFileName;
    if (m_mergedDocument->saveToFile(path)) {
        engineLog(QStringLiteral("Save file [OK]. File:'%1'").arg(path));
        m_errorCode = NoError;
        m_mergedFileName = path;
        m_sizes = {};
        m_sizes.add(QFileInfo(path).size(), m_mergedDocument->lastOptimisation());
    } else {
        const int engineCode = m_service->lastErrorCode();
        engineLog(QStringLiteral("Save file [FAILED]. Error code:'%2' File:'%1'").arg(path).arg(engineCode));
        m_errorCode = SaveFailed;
        m_errorCause = writeFailureCause(engineCode, QFileInfo(path).absolutePath());
    }
    m_done = true;
}
