// The modes that plan their pieces before cutting them: at bookmarks (2),
// by size (3) and by parts (4).

#include "worker/SplitEngine.h"

#include "pdf/OutlinePieces.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "protocol/Progress.h"
#include "worker/EngineLog.h"
#include "worker/BookmarkNaming.h"
#include "worker/FailureCause.h"
#include "worker/OutputNaming.h"
#include "pdf/PageRangeText.h"
#include "worker/PiecePages.h"
#include "worker/SizePieces.h"
#include "worker/SplitChecks.h"
#include "worker/TemporaryFiles.h"

namespace {

// A part's name as a file name: cleaned as a bookmark title is, without
// the ".pdf" the name gets anyway.
QString partName(const QString &name)
{
    QString text = name.trimmed();
    if (text.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        text.chop(4);
    return BookmarkNaming::safeTitle(text);
}

} // namespace

// The page count and, when asked, the outline of the file the pieces are
// cut from; false when it cannot be read.
bool SplitEngine::readSource(const QString &source, int &pageCount, OutlineEntryList *outline)
{
    PdfDocument document(m_service, source, QString());
    pageCount = document.isLoaded() && !document.needsPassword() ? document.pageCount() : 0;
    if (pageCount <= 0) {
        engineLog(QStringLiteral("Can not load file:%1").arg(source));
        if (m_failureCause == JobCause::Unknown) {
            m_failureCause = document.needsPassword() ? int(JobCause::Password)
                                                      : readFailureCause(document.loadError());
            m_failureDetail = document.loadErrorDetail();
        }
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
    const QString text = pageRangeListText({range});
    PdfDocument piece(m_service, PdfDocument::PagesOf{source, QString(), text});
    return preparePiece(m_service, piece, text, PiecePages::turnsOf(m_turns, {range}, m_sourcePageCount))
            ? piece.savedSize() : qint64(-1);
}

void SplitEngine::failWithoutPieces()
{
    m_errorCode = m_decryptionFailed ? DecryptionFailed : NoRangeExtracted;
    engineLog(QStringLiteral("Split. Nothing could be extracted. Error code:%1").arg(m_errorCode));
}

void SplitEngine::splitBySize()
{
    m_progress.setMinimum(0);
    engineLog(QStringLiteral("Split by file size started. Limit:%1 bytes").arg(m_request.maxFileSize));
    if (!sourceExists(SourceNotFound))
        return;
    if (m_request.maxFileSize <= 0) {
        engineLog(QStringLiteral("Split. No size limit [FAILED]"));
        m_errorCode = NoSizeLimit;
        return;
    }

    TemporaryFiles temporaries;
    const QString source = workingSource(m_service, temporaries);
    int &pageCount = m_sourcePageCount;
    if (!readSource(source, pageCount, nullptr)) {
        failWithoutPieces();
        return;
    }
    if (refused(SplitChecks::pageProblem(m_request, pageCount)))
        return;

    // Measuring takes the first half of the progress, writing the second.
    m_progress.setMaximum(2 * pageCount);
    m_progress.setValue(0);
    const auto measure = [&](const PageRange &range) { return measuredSize(source, range); };
    const auto advance = [&](int lastPage) { m_progress.setValue(lastPage); };
    QList<Piece> pieces;
    for (const SizePieces::Piece &sized : SizePieces::divide(pageCount, m_request.maxFileSize, measure, advance))
        pieces.append({{sized.range}, QString(), sized.oversized});
    engineLog(QStringLiteral("Split by file size: %1 pieces").arg(pieces.size()));

    writePieces(source, pieces, pageCount);
    if (m_outputFiles.isEmpty())
        failWithoutPieces();
}

void SplitEngine::splitByBookmarks()
{
    m_progress.setMinimum(0);
    engineLog(QStringLiteral("Split by bookmarks started. Level:%1").arg(m_request.bookmarkLevel));
    if (!sourceExists(SourceNotFound))
        return;

    TemporaryFiles temporaries;
    const QString source = workingSource(m_service, temporaries);
    int &pageCount = m_sourcePageCount;
    OutlineEntryList outline;
    if (!readSource(source, pageCount, &outline)) {
        failWithoutPieces();
        return;
    }
    if (refused(SplitChecks::pageProblem(m_request, pageCount)))
        return;
    const QList<Piece> pieces = bookmarkPieces(outline, pageCount);
    if (pieces.isEmpty()) {
        engineLog(QStringLiteral("Split. No bookmark of level %1 leads to a page [FAILED]").arg(m_request.bookmarkLevel));
        m_errorCode = NoBookmarksAtLevel;
        return;
    }

    m_progress.setMaximum(pieces.last().pages.last().to);
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
        pieces.append({{cuts.at(k).range}, names.at(k), false});
    return pieces;
}

void SplitEngine::splitParts()
{
    m_progress.setMinimum(0);
    engineLog(QStringLiteral("Split into parts started. Parts:%1").arg(m_request.parts.size()));
    if (!sourceExists(SourceNotFound))
        return;

    TemporaryFiles temporaries;
    const QString source = workingSource(m_service, temporaries);
    if (pagesOutsideSource(source))
        return;

    const QList<Piece> pieces = partPieces();
    int pageCount = 0;
    for (const Piece &piece : pieces)
        pageCount += pageCountOf(piece.pages);
    m_progress.setMaximum(pageCount);
    m_progress.setValue(0);
    writePieces(source, pieces, 0);
    if (m_outputFiles.isEmpty())
        failWithoutPieces();
}

// The parts as pieces: a part the user named is named so, a name that
// another part has already numbered; the others are named by the template.
QList<SplitEngine::Piece> SplitEngine::partPieces() const
{
    QStringList names;
    for (const SplitPart &part : m_request.parts) {
        const QString name = partName(part.name);
        if (!name.isEmpty())
            names.append(name);
    }
    names = BookmarkNaming::numberRepeated(names);
    QList<Piece> pieces;
    for (const SplitPart &part : m_request.parts)
        pieces.append({part.pages, partName(part.name).isEmpty() ? QString() : names.takeFirst(), false});
    return pieces;
}

// A part's [PAGE] runs from its first page to its last, as a range's does.
QString SplitEngine::pieceName(const Piece &piece, int counter, int counterWidth, int pageWidth, int maxBytes) const
{
    const QString counterText = counterLabel(counter, counterWidth);
    const QString pageText = pageLabel(piece.pages.first().from, piece.pages.last().to, pageWidth);
    const QString baseName = baseNameOf(m_request.fileName);
    if (m_request.mode == SplitRequest::Bookmarks)
        return BookmarkNaming::outputName(m_request.outPrefix, counterText, pageText, baseName, m_startTime,
                                          piece.name, maxBytes);
    // A part's own name may hold the template's tags too, as one named after
    // its first line of text does when the template had more tags than that.
    if (m_request.mode == SplitRequest::Parts && !piece.name.isEmpty())
        return BookmarkNaming::outputName(QString(), counterText, pageText, baseName, m_startTime,
                                          expandTemplate(piece.name, counterText, pageText, baseName, m_startTime),
                                          maxBytes);
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
        largestPage = qMax(largestPage, PiecePages::largestPage(piece.pages));
    const int pageWidth = digitCount(largestPage);
    const int counterWidth = digitCount(pieces.size());

    int pagesDone = 0;
    for (int k = 1; k <= pieces.size(); ++k) {
        const Piece &piece = pieces.at(k - 1);
        m_progress.setValue(progressOffset + pagesDone);
        const QString outputPath = writePiece(source, piece.pages, [&](int maxBytes) {
            return pieceName(piece, k, counterWidth, pageWidth, maxBytes);
        });
        if (!outputPath.isEmpty() && piece.oversized)
            m_oversizedFiles.append(outputPath);
        pagesDone += pageCountOf(piece.pages);
    }
    m_progress.setValue(progressOffset + pagesDone);
    engineLog(QStringLiteral("Split complete! Saved %1 of %2 pieces").arg(m_outputFiles.size()).arg(pieces.size()));
}
