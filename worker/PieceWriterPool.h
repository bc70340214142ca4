#pragma once

#include "pdf/Optimisation.h"
#include "protocol/JobFiles.h"

#include <QSharedPointer>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

class PdfService;

// Cuts and writes the pieces of a split on threads of their own, so that a
// split into many files uses every processor. qpdf's documents cannot be
// shared between threads: each thread opens the source in a PDF service of
// its own, and a piece comes out exactly as it would one after the other.
// Without threads each piece is written as it is added, with the service
// given; a merge cuts its ranges that way, into the service it appends from.
class PieceWriterPool
{
public:
    struct Piece
    {
        QString source;
        QString rangeText;
        QString outputPath;      // empty: the piece has no name, it failed already
        int failureCause = 0;    // for a piece that failed already
        QList<PageRotation> turns;   // numbered as the piece's pages
    };

    struct Outcome
    {
        int index = 0;           // the order in which the piece was added
        bool written = false;
        int failureCause = 0;    // JobCause, when not written
        QString failureDetail;   // the PDF library's reason, for JobCause::StructureDamaged
        qint64 bytes = 0;        // of the file written
        OptimisationReport optimisation;
    };

    using Writer = std::function<Outcome(const QSharedPointer<PdfService> &service, const Piece &piece)>;

    PieceWriterPool(int threadCount, QSharedPointer<PdfService> inlineService, Writer writer);
    // Writes what is still waiting, then ends the threads.
    ~PieceWriterPool();

    PieceWriterPool(const PieceWriterPool &) = delete;
    PieceWriterPool &operator=(const PieceWriterPool &) = delete;

    void add(const Piece &piece);
    // The outcome of the next piece in the order added: the pieces are
    // reported in that order whichever thread finishes first. Without wait
    // it is empty when that piece is not done yet; with wait it is empty
    // only when every piece added has been reported.
    std::optional<Outcome> next(bool wait);

private:
    void work();
    bool hasWaitingPiece() const;

    QSharedPointer<PdfService> m_inlineService;
    Writer m_writer;
    std::vector<std::thread> m_threads;

    std::mutex m_mutex;
    std::condition_variable m_pieceAdded;
    std::condition_variable m_pieceDone;
    std::vector<Piece> m_pieces;
    std::vector<std::optional<Outcome>> m_outcomes;
    size_t m_nextToStart = 0;
    size_t m_nextToReport = 0;
    bool m_closing = false;
};
