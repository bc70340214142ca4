#include "worker/PieceWriterPool.h"

#include "pdf/PdfService.h"

PieceWriterPool::PieceWriterPool(int threadCount, QSharedPointer<PdfService> inlineService, Writer writer)
    : m_inlineService(std::move(inlineService))
    , m_writer(std::move(writer))
{
    for (int i = 0; i < threadCount; ++i)
        m_threads.emplace_back([this] { work(); });
}

PieceWriterPool::~PieceWriterPool()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closing = true;
    }
    m_pieceAdded.notify_all();
    for (std::thread &thread : m_threads)
        thread.join();
}

void PieceWriterPool::add(const Piece &piece)
{
    Outcome outcome;
    outcome.index = int(m_pieces.size());
    const bool failedAlready = piece.outputPath.isEmpty();
    if (failedAlready)
        outcome.failureCause = piece.failureCause;
    else if (m_threads.empty())
        outcome = m_writer(m_inlineService, piece);

    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pieces.push_back(piece);
        m_outcomes.emplace_back();
        if (failedAlready || m_threads.empty()) {
            outcome.index = int(m_pieces.size()) - 1;
            m_outcomes.back() = outcome;
        }
    }
    m_pieceAdded.notify_one();
}

std::optional<PieceWriterPool::Outcome> PieceWriterPool::next(bool wait)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_nextToReport >= m_outcomes.size())
        return std::nullopt;
    if (wait)
        m_pieceDone.wait(lock, [this] { return m_outcomes[m_nextToReport].has_value(); });
    if (!m_outcomes[m_nextToReport])
        return std::nullopt;
    return m_outcomes[m_nextToReport++];
}

// A piece that failed already has its outcome and is passed over.
bool PieceWriterPool::hasWaitingPiece() const
{
    return m_nextToStart < m_pieces.size();
}

void PieceWriterPool::work()
{
    // Made, used and dropped on this thread only.
    const auto service = QSharedPointer<PdfService>::create();
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_pieceAdded.wait(lock, [this] { return hasWaitingPiece() || m_closing; });
        if (!hasWaitingPiece())
            return;
        const size_t index = m_nextToStart++;
        if (m_outcomes[index])
            continue;
        const Piece piece = m_pieces[index];
        lock.unlock();
        Outcome outcome = m_writer(service, piece);
        outcome.index = int(index);
        lock.lock();
        m_outcomes[index] = outcome;
        m_pieceDone.notify_all();
    }
}
