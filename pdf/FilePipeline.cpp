#include "pdf/FilePipeline.h"

#include "pdf/OutputFile.h"

#include <algorithm>
#include <exception>

FilePipeline::FilePipeline(int fd, QByteArray *copy) : Pipeline("output file", nullptr), m_fd(fd), m_copy(copy)
{
    if (m_copy)
        m_copy->clear();
}

void FilePipeline::write(unsigned char const *data, size_t length)
{
    while (length > 0 && !m_failed) {
        const size_t piece = std::min(length, size_t(ChunkSize));
        m_pending.append(reinterpret_cast<const char *>(data), int(piece));
        data += piece;
        length -= piece;
        // No throwing while qpdf unwinds from a failure: the file is dropped anyway.
        if (m_pending.size() >= ChunkSize && std::uncaught_exceptions() == 0)
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
    m_pending = QByteArray();
}
