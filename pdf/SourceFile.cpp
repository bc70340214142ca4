#include "pdf/SourceFile.h"

#include "pdf/EngineFailure.h"
#include "pdf/PdfEngine.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFSystemError.hh>

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads past the memory go to the file in pieces of this size.
constexpr qint64 WindowSize = 64 * 1024;

void checkReadableFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.isFile() || !info.isReadable())
        throw EngineFailure(PdfEngine::FileNotFound, "input file missing or unreadable");
}

bool isEndOfLine(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

std::shared_ptr<SourceFile> SourceFile::open(const QString &fileName)
{
    checkReadableFile(fileName);
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_CLOEXEC);
    struct stat status;
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        if (fd >= 0)
            ::close(fd);
        throw EngineFailure(PdfEngine::FileNotFound, "input file cannot be opened");
    }
    std::shared_ptr<SourceFile> source(new SourceFile(fileName, fd, qint64(status.st_size)));
    if (source->m_size <= InMemoryLimit) {
        QByteArray memory(int(source->m_size), Qt::Uninitialized);
        if (source->readFile(0, memory.data(), memory.size()) == memory.size())
            source->m_memory = memory;
    }
    return source;
}

SourceFile::SourceFile(const QString &fileName, int fd, qint64 size)
    : m_name(QFile::encodeName(fileName).toStdString()), m_file(fd), m_size(size)
{
}

void SourceFile::releaseMemory()
{
    m_memory = QByteArray();
}

qpdf_offset_t SourceFile::findAndSkipNextEOL()
{
    qint64 available = 0;
    while (m_position < m_size) {
        const char *bytes = bytesAt(m_position, available);
        if (!bytes)
            break;
        const char *end = bytes + available;
        const char *eol = std::find_if(bytes, end, isEndOfLine);
        if (eol == end) {
            m_position += available;
            continue;
        }
        const qint64 result = m_position + (eol - bytes);
        m_position = result + 1;
        for (const char *next = bytesAt(m_position, available); next && m_position < m_size
                                                                 && isEndOfLine(*next);
             next = bytesAt(m_position, available))
            ++m_position;
        return result;
    }
    m_position = m_size;
    last_offset = m_size;
    return m_size;
}

void SourceFile::seek(qpdf_offset_t offset, int whence)
{
    switch (whence) {
    case SEEK_SET: m_position = offset; break;
    case SEEK_END: m_position = m_size + offset; break;
    case SEEK_CUR: m_position += offset; break;
    default: throw std::logic_error("invalid argument to SourceFile::seek");
    }
    if (m_position < 0)
        throw std::runtime_error(m_name + ": seek before beginning of file");
}

size_t SourceFile::read(char *buffer, size_t length)
{
    if (m_position >= m_size) {
        last_offset = m_size;
        return 0;
    }
    last_offset = m_position;
    qint64 done = 0;
    const qint64 wanted = std::min(qint64(length), m_size - m_position);
    while (done < wanted) {
        qint64 n = 0;
        if (m_memory.isEmpty() && wanted - done >= WindowSize) {
            n = readFile(m_position, buffer + done, wanted - done);   // large pieces go straight through
        } else {
            qint64 available = 0;
            const char *bytes = bytesAt(m_position, available);
            if (bytes) {
                n = std::min(available, wanted - done);
                std::memcpy(buffer + done, bytes, size_t(n));
            }
        }
        if (n <= 0)
            break;   // the file became shorter than it was
        done += n;
        m_position += n;
    }
    return size_t(done);
}

void SourceFile::unreadCh(char)
{
    if (m_position > 0)
        --m_position;
}

const char *SourceFile::bytesAt(qint64 offset, qint64 &available)
{
    available = 0;
    if (offset < 0 || offset >= m_size)
        return nullptr;
    if (!m_memory.isEmpty()) {
        available = m_size - offset;
        return m_memory.constData() + offset;
    }
    if (offset < m_windowStart || offset >= m_windowStart + m_window.size()) {
        m_window.resize(int(std::min(WindowSize, m_size - offset)));
        m_window.resize(int(std::max<qint64>(0, readFile(offset, m_window.data(), m_window.size()))));
        m_windowStart = offset;
        if (m_window.isEmpty())
            return nullptr;
    }
    available = m_windowStart + m_window.size() - offset;
    return m_window.constData() + (offset - m_windowStart);
}

// Reads up to length bytes at the offset; fewer only at the end of the file.
qint64 SourceFile::readFile(qint64 offset, char *buffer, qint64 length)
{
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::pread(m_file.get(), buffer + done, size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw QPDFSystemError(m_name + ": read failed", errno);
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

namespace {

// A file that says it is a PDF document, where PDF readers look for it, is
// one whose structure is damaged; the library's reason then tells the user
// more than "not a PDF document".
bool hasPdfHeader(InputSource &source)
{
    constexpr size_t HeaderSearchBytes = 1024;
    char start[HeaderSearchBytes];
    source.seek(0, SEEK_SET);
    const size_t length = source.read(start, sizeof start);
    static const char marker[] = "%PDF-";
    return std::search(start, start + length, marker, marker + sizeof marker - 1) != start + length;
}

EngineFailure damaged(InputSource &source, const std::string &reason)
{
    bool isPdf = false;
    try {
        isPdf = hasPdfHeader(source);
    } catch (const std::exception &) {
    }
    return EngineFailure(isPdf ? PdfEngine::StructureDamaged : PdfEngine::FileDamaged, reason);
}

} // namespace

OpenedPdf openPdf(const QString &fileName, const QString &password)
{
    OpenedPdf opened;
    opened.source = SourceFile::open(fileName);
    opened.pdf = std::make_shared<QPDF>();
    try {
        const QByteArray secret = password.toUtf8();
        opened.pdf->processInputSource(opened.source, secret.constData());
        QPDFPageDocumentHelper(*opened.pdf).getAllPages();   // a page tree we cannot walk is no use
    } catch (const QPDFExc &e) {
        if (e.getErrorCode() == qpdf_e_password)
            throw EngineFailure(PdfEngine::PasswordError, e.what());
        throw damaged(*opened.source, e.getMessageDetail());
    } catch (const QPDFSystemError &e) {
        throw EngineFailure(PdfEngine::FileNotFound, e.what());
    } catch (const std::bad_alloc &) {
        throw;
    } catch (const std::exception &e) {
        throw damaged(*opened.source, e.what());
    }
    return opened;
}
