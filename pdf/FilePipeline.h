#pragma once

#include <qpdf/Pipeline.hh>

#include <QByteArray>

// Feeds qpdf's output, which comes in many small pieces, into a file in
// large writes; the caller writes the rest with flush() once qpdf is done.
// With a copy asked for, a file written in one piece is also left in the
// copy; a larger one leaves the copy empty.
class FilePipeline : public Pipeline
{
public:
    // With a copy asked for, outputs up to this size are written in one
    // piece, and larger ones go out in pieces of it.
    static constexpr int ChunkSize = 8 * 1024 * 1024;
    // Without, the output goes out in pieces of this size from one buffer:
    // a merged file of many images is held a little at a time.
    static constexpr int StreamingChunkSize = 1024 * 1024;

    FilePipeline(int fd, QByteArray *copy);

    void write(unsigned char const *data, size_t length) override;
    // qpdf finishes its pipelines from destructors, where a failure could
    // not be thrown; see flush().
    void finish() override {}

    void flush();   // throws EngineFailure when the file cannot be written
    qint64 written() const { return m_written; }

private:
    int m_fd;
    QByteArray *m_copy;
    QByteArray m_pending;
    int m_chunkSize;
    qint64 m_written = 0;
    bool m_failed = false;
};
