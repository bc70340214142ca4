#pragma once

#include "pdf/OutlineEntry.h"
#include "protocol/JobErrors.h"
#include "protocol/JobFiles.h"
#include "protocol/OutputJournal.h"
#include "worker/PieceWriterPool.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QSharedPointer>
#include <QStringList>

#include <functional>
#include <memory>

class IProgress;
class PdfDocument;
class PdfService;
class TemporaryFiles;

// Turns one split request into PDF files.
//
// Mode 0 cuts the source into one file per page range; mode 1 removes pages
// and saves one edited file; mode 2 cuts it where the bookmarks of one level
// lead; mode 3 cuts it into files no larger than a size limit; mode 4 writes
// one file per part, each of the ranges the user put in it. In every mode
// the pages the request rotates are turned in each file that holds them.
// A request whose parts or rotations cannot be carried out is refused
// before anything is written (SplitChecks.h). Temporary
// files (decrypted copies, extracted pieces) go into the request's session
// folder, or into the cache folder when the request names none, and are
// removed before run() returns.
class SplitEngine : public QObject, public SplitErrors
{
    Q_OBJECT

public:
    // Its error codes (SplitErrors::ErrorCode) are part of the job files.

    SplitEngine(const SplitRequest &request, IProgress &progress,
                QSharedPointer<PdfService> service, QObject *parent = nullptr);

    int errorCode() const { return m_errorCode; }
    QStringList outputFiles() const { return m_outputFiles; }
    // Mode 3: the files of one page that alone is larger than the limit.
    QStringList oversizedFiles() const { return m_oversizedFiles; }
    // Outputs of the request that were not written, and why the first of
    // them failed (JobCause); a mode-0 job with some written still succeeds.
    int failedCount() const { return m_failedCount; }
    // Pieces that got a "(n)" name because a file of their name was there.
    int renamedCount() const { return m_renamedCount; }
    int failureCause() const { return m_failureCause; }
    // The PDF library's reason for that cause, when it is JobCause::StructureDamaged.
    QString failureDetail() const { return m_failureDetail; }
    // What the files written take, and what optimising them saved.
    OutputSizes outputSizes() const { return m_sizes; }

    // The merge engine clears both: its pieces are only extracted and re-saved.
    void setApplyProperties(bool apply) { m_applyProperties = apply; }
    void setCompressOutput(bool compress) { m_compressOutput = compress; }
    // Threads that cut and write the pieces of a split into page ranges,
    // each with the source open on its own; 0, the default, writes them one
    // after the other with the engine's service.
    void setWriterThreads(int count) { m_writerThreads = count; }

public slots:
    void run();

private:
    // One output of modes 2, 3 and 4.
    struct Piece
    {
        PageRangeList pages;
        QString name;             // the name-safe title of its bookmark, or of its part; may be empty
        bool oversized = false;
    };

    void splitRanges();
    void removePages();
    void splitByBookmarks();
    QList<Piece> bookmarkPieces(const OutlineEntryList &outline, int pageCount) const;
    void splitBySize();
    void splitParts();
    QList<Piece> partPieces() const;
    void writePieces(const QString &source, const QList<Piece> &pieces, int progressOffset);
    QString workingSource(const QSharedPointer<PdfService> &service, TemporaryFiles &temporaries);
    bool readSource(const QString &source, int &pageCount, OutlineEntryList *outline);
    bool refused(int errorCode);
    bool pagesOutsideSource(const QString &source);
    qint64 measuredSize(const QString &source, const PageRange &range);
    bool preparePiece(const QSharedPointer<PdfService> &service, PdfDocument &piece,
                      const QString &rangeText, const QList<PageRotation> &turns) const;
    QString pieceName(const Piece &piece, int counter, int counterWidth, int pageWidth, int maxBytes) const;
    bool sourceExists(int errorCode);
    QString writePiece(const QString &source, const PageRangeList &pages,
                       const std::function<QString(int maxBytes)> &nameFor);
    PieceWriterPool::Piece namedPiece(const QString &source, const PageRangeList &pages,
                                      const std::function<QString(int maxBytes)> &nameFor);
    PieceWriterPool::Outcome writeNamedPiece(const QSharedPointer<PdfService> &service,
                                             const PieceWriterPool::Piece &piece) const;
    void takeOutcome(const PieceWriterPool::Outcome &outcome, const QString &outputPath);
    void failWithoutPieces();

    QString temporaryFolder() const;
    // A free path in the output folder for the name nameFor makes within a
    // byte limit, the name shortened further when the folder's "(n)" prefix
    // would make it too long.
    QString outputPathFor(const std::function<QString(int maxBytes)> &nameFor);
    void ensureOutputFolder();
    void noteFailure(int cause, const QString &detail = QString());
    bool extractKeptPages(const QSharedPointer<PdfService> &service, const QString &source,
                          const QString &pageList, const QList<int> &removed,
                          const QString &extractionPath);
    bool saveEdited(const QSharedPointer<PdfService> &service, const QString &extractionPath,
                    const QList<PageRotation> &turns, const QString &outputPath);

    IProgress &m_progress;
    SplitRequest m_request;
    int m_errorCode = NoError;
    QStringList m_outputFiles;
    QStringList m_oversizedFiles;
    bool m_decryptionFailed = false;
    int m_failedCount = 0;
    int m_renamedCount = 0;
    int m_failureCause = 0;
    QString m_failureDetail;
    std::unique_ptr<OutputJournal> m_journal;
    QSharedPointer<PdfService> m_service;
    bool m_applyProperties = true;
    bool m_compressOutput = true;
    OutputSizes m_sizes;
    int m_writerThreads = 0;
    static constexpr int MinPiecesForThreads = 8;
    QSet<QString> m_takenPaths;
    QDateTime m_startTime;
    QHash<int, int> m_turns;         // the request's rotations: source page -> angle
    int m_sourcePageCount = 0;       // once read, for the parts and rotations
};
