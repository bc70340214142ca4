#include "pdf/FilePipeline.h"

#include "pdf/OutputFile.h"

#include <algorithm>
#include <exception>

FilePipeline::FilePipeline(int fd, QByteArray *copy)
    : Pipeline("output file", nullptr), m_fd(fd), m_copy(copy), m_chunkSize(copy ? ChunkSize : StreamingChunkSize)
{
    if (m_copy)
        m_copy->clear();
    else
        m_pending.reserve(m_chunkSize);   // and kept: emptying a reserved array keeps its memory
}

void FilePipeline::write(unsigned char const *data, size_t length)
{
    while (length > 0 && !m_failed) {
        // A chunk is filled to its size; only while qpdf unwinds does it grow past it.
        const int room = m_chunkSize - m_pending.size();
        const size_t piece = std::min(length, size_t(room > 0 ? room : m_chunkSize));
        m_pending.append(reinterpret_cast<const char *>(data), int(piece));
        data += piece;
        length -= piece;
        // No throwing while qpdf unwinds from a failure: the file is dropped anyway.
        if (m_pending.size() >= m_chunkSize && std::uncaught_exceptions() == 0)
            flush();
    }
}

void FilePipeline::flush()
{
    if (m_pending.isEmpty() || m_failed)
        return;
    m_failed = true;   // until this write succeeds: nothing is written after a failure
    OutputFile::writeAll(m_fd, m_pending.constData(), m_pending.size());
    m_failed = false;
    if (m_copy && m_written == 0 && m_pending.size() <= ChunkSize)
        *m_copy = m_pending;
    else if (m_copy)
        m_copy->clear();
    m_written += m_pending.size();
    if (m_copy)
        m_pending = QByteArray();
    else
        m_pending.resize(0);
}
