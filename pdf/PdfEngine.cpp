#include "pdf/PdfEngine.h"

#include "common/Logger.h"
#include "pdf/PageRangeText.h"

#include <qpdf/Buffer.hh>
#include <qpdf/BufferInputSource.hh>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFSystemError.hh>
#include <qpdf/QPDFWriter.hh>

#include <poppler-qt5.h>

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>

#include <cmath>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A failure with its error code, thrown inside the engine and turned into
// the last error code at the engine's boundary.
class EngineFailure : public std::runtime_error
{
public:
    EngineFailure(int code, const std::string &what = "engine failure")
        : std::runtime_error(what), code(code)
    {
    }
    int code;
};

// qpdf and poppler report damaged files on stderr by default; their messages
// belong in the debug log instead.
class LogPipeline : public Pipeline
{
public:
    LogPipeline() : Pipeline("debug log", nullptr) {}

    void write(unsigned char const *data, size_t length) override
    {
        thread_local std::string pending;
        pending.append(reinterpret_cast<const char *>(data), length);
        for (size_t newline = pending.find('\n'); newline != std::string::npos;
             newline = pending.find('\n')) {
            const std::string line = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            if (!line.empty())
                Logger::instance().log(QStringLiteral("PDF library: ") + QString::fromStdString(line));
        }
    }

    void finish() override {}
};

void logRendererMessage(const QString &message, const QVariant &)
{
    Logger::instance().log(QStringLiteral("PDF renderer: ") + message);
}

void routeLibraryMessagesToLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        auto pipeline = std::make_shared<LogPipeline>();
        auto logger = QPDFLogger::defaultLogger();
        logger->setInfo(pipeline);
        logger->setWarn(pipeline);
        logger->setError(pipeline);
        Poppler::setDebugErrorFunction(logRendererMessage, QVariant());
    });
}

// A file's size and its modification and status change times in
// nanoseconds, from one stat(): QFileInfo would stat twice and turn the times
// into local time, and a split asks several times per page. The status
// change time covers changed permissions, too.
struct FileStamp
{
    qint64 size = -1;
    qint64 modified = -1;
    qint64 changed = -1;

    static FileStamp of(const QString &fileName)
    {
        struct stat status;
        if (::stat(QFile::encodeName(fileName).constData(), &status) != 0)
            return {};
        return of(status);
    }

    static FileStamp ofOpen(int fd)
    {
        struct stat status;
        if (::fstat(fd, &status) != 0)
            return {};
        return of(status);
    }

    static FileStamp of(const struct stat &status)
    {
        return {qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
    }

    static qint64 nanoseconds(const timespec &time) { return qint64(time.tv_sec) * 1000000000 + time.tv_nsec; }

    bool operator==(const FileStamp &other) const
    {
        return size >= 0 && size == other.size && modified == other.modified && changed == other.changed;
    }
};

// Writes all bytes to a descriptor, or throws.
void writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
        if (n <= 0)
            throw EngineFailure(PdfEngine::WriteFailed, std::string("cannot write the output file: ")
                                                            + std::strerror(errno));
        data += n;
        size -= n;
    }
}

// Outputs up to this size are written in one piece, and can be kept in
// memory afterwards (see ExtractedPiece); larger ones go out in pieces of it.
constexpr int WriteChunkSize = 8 * 1024 * 1024;

// Feeds qpdf's output, which comes in many small pieces, into a file in
// large writes; the caller writes the rest with flush() once qpdf is done.
// With a copy asked for, a file written in one piece is also left in the
// copy; a larger one leaves the copy empty.
class FilePipeline : public Pipeline
{
public:
    FilePipeline(int fd, QByteArray *copy) : Pipeline("output file", nullptr), m_fd(fd), m_copy(copy)
    {
        if (m_copy)
            m_copy->clear();
    }

    void write(unsigned char const *data, size_t length) override
    {
        while (length > 0 && !m_failed) {
            const size_t piece = std::min(length, size_t(WriteChunkSize));
            m_pending.append(reinterpret_cast<const char *>(data), int(piece));
            data += piece;
            length -= piece;
            // No throwing while qpdf unwinds from a failure: the file is dropped anyway.
            if (m_pending.size() >= WriteChunkSize && std::uncaught_exceptions() == 0)
                flush();
        }
    }

    // qpdf finishes its pipelines from destructors, where a failure could
    // not be thrown; see flush().
    void finish() override {}

    void flush()
    {
        if (m_pending.isEmpty() || m_failed)
            return;
        m_failed = true;   // until this write succeeds: nothing is written after a failure
        writeAll(m_fd, m_pending.constData(), m_pending.size());
        m_failed = false;
        if (m_copy && m_written == 0 && m_pending.size() <= WriteChunkSize)
            *m_copy = m_pending;
        else if (m_copy)
            m_copy->clear();
        m_written += m_pending.size();
        m_pending = QByteArray();
    }

    qint64 written() const { return m_written; }

private:
    int m_fd;
    QByteArray *m_copy;
    QByteArray m_pending;
    qint64 m_written = 0;
    bool m_failed = false;
};

// Closes a descriptor on every way out.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

struct PendingEncryption
{
    std::string ownerPassword;
    std::string userPassword;
    int permissions = 0;
};

struct WriteOptions
{
    bool compress = false;
    bool decrypt = false;
    bool scratch = false;   // a working copy: written in place, see writePdf
    std::optional<PendingEncryption> encryption;
};

QByteArray fileNameBytes(const QString &fileName)
{
    return QFile::encodeName(fileName);
}

void checkReadableFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.isFile() || !info.isReadable())
        throw EngineFailure(PdfEngine::FileNotFound, "input file missing or unreadable");
}

// Files up to this size may be read into memory whole (see openPdf).
constexpr qint64 InMemorySourceLimit = 64 * 1024 * 1024;

// The whole file in memory; null when it is too large or cannot be read, and
// then qpdf reads the file itself.
std::shared_ptr<InputSource> inMemorySource(const QString &fileName, const QByteArray &name)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > InMemorySourceLimit)
        return nullptr;
    auto buffer = std::make_unique<Buffer>(size_t(file.size()));
    if (file.read(reinterpret_cast<char *>(buffer->getBuffer()), file.size()) != file.size())
        return nullptr;
    return std::make_shared<BufferInputSource>(name.toStdString(), buffer.release(), true);
}

// Parses a file; qpdf repairs what it can of a damaged one, with warnings.
// A source read many times over (every extraction of a split reads its pages'
// streams) can be held in memory: qpdf reads a file in small seeks and reads.
enum class SourceReading { FromFile, InMemory };

std::shared_ptr<QPDF> openPdf(const QString &fileName, const QString &password,
                              SourceReading reading = SourceReading::FromFile)
{
    checkReadableFile(fileName);
    auto pdf = std::make_shared<QPDF>();
    try {
        const QByteArray name = fileNameBytes(fileName);
        const QByteArray secret = password.toUtf8();
        auto source = reading == SourceReading::InMemory ? inMemorySource(fileName, name) : nullptr;
        if (source)
            pdf->processInputSource(source, secret.constData());
        else
            pdf->processFile(name.constData(), secret.constData());
        QPDFPageDocumentHelper(*pdf).getAllPages();   // a page tree we cannot walk is no use
    } catch (const QPDFExc &e) {
        throw EngineFailure(e.getErrorCode() == qpdf_e_password ? PdfEngine::PasswordError
                                                                 : PdfEngine::FileDamaged,
                            e.what());
    } catch (const QPDFSystemError &e) {
        throw EngineFailure(PdfEngine::FileNotFound, e.what());
    } catch (const std::bad_alloc &) {
        throw;
    } catch (const std::exception &e) {
        throw EngineFailure(PdfEngine::FileDamaged, e.what());
    }
    return pdf;
}

std::shared_ptr<QPDF> blankPdf()
{
    auto pdf = std::make_shared<QPDF>();
    pdf->emptyPDF();
    return pdf;
}

std::vector<QPDFPageObjectHelper> allPages(QPDF &pdf)
{
    return QPDFPageDocumentHelper(pdf).getAllPages();
}

// qpdf keeps the page list; asking for one page or the count must not build
// a helper for every page, since a viewer asks once per page.
int pageCountOf(QPDF &pdf)
{
    return int(pdf.getAllPages().size());
}

qpdf_r3_print_e printPermission(int permissions)
{
    if (!(permissions & PdfEngine::PermitPrint))
        return qpdf_r3p_none;
    return (permissions & PdfEngine::PermitPrintFull) ? qpdf_r3p_full : qpdf_r3p_low;
}

// Always 256-bit AES; each of our flags maps onto one bit of the PDF
// permissions (print and print-full together make the print level).
void applyEncryption(QPDFWriter &writer, const PendingEncryption &encryption)
{
    const int p = encryption.permissions;
    writer.setR6EncryptionParameters(encryption.userPassword.c_str(),
                                     encryption.ownerPassword.c_str(),
                                     p & PdfEngine::PermitCopyAccess,
                                     p & PdfEngine::PermitCopy,
                                     p & PdfEngine::PermitAssembly,
                                     p & PdfEngine::PermitAddNotes,
                                     p & PdfEngine::PermitFillFields,
                                     p & PdfEngine::PermitChange,
                                     printPermission(p),
                                     true);
}

void configureWriter(QPDFWriter &writer, const WriteOptions &options)
{
    if (options.compress) {
        writer.setCompressStreams(true);
        writer.setDecodeLevel(qpdf_dl_generalized);
        writer.setObjectStreamMode(qpdf_o_generate);
    } else {
        // Streams are written as they came; compressing is the caller's choice.
        writer.setCompressStreams(false);
        writer.setDecodeLevel(qpdf_dl_none);
    }
    if (options.encryption)
        applyEncryption(writer, *options.encryption);
    else if (options.decrypt)
        writer.setPreserveEncryption(false);
}

// A new file gets the usual rw-r--r--; a file that is replaced keeps its own.
QFileDevice::Permissions outputPermissions(const QString &fileName)
{
    if (QFileInfo::exists(fileName))
        return QFile::permissions(fileName);
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
           | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
}

// Fills a file open for writing; returns the bytes written, throws when it cannot.
using ContentWriter = std::function<qint64(int fd)>;

// qpdf seeds a new identifier from the clock and the information entries, so
// pieces written within one second would all share it. A random first part
// that the writer keeps makes each new document's identifier its own; a
// document that already has one keeps it.
void ensureFileIdentifier(QPDF &pdf)
{
    QPDFObjectHandle trailer = pdf.getTrailer();
    if (trailer.hasKey("/ID"))
        return;
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const std::string bytes(reinterpret_cast<const char *>(words), sizeof words);
    trailer.replaceKey("/ID", QPDFObjectHandle::newArray({QPDFObjectHandle::newString(bytes),
                                                          QPDFObjectHandle::newString(bytes)}));
}

qint64 writeDocument(QPDF &pdf, int fd, const WriteOptions &options, QByteArray *copy)
{
    ensureFileIdentifier(pdf);
    FilePipeline output(fd, copy);
    QPDFWriter writer(pdf);
    writer.setOutputPipeline(&output);
    configureWriter(writer, options);
    writer.write();
    output.flush();
    return output.written();
}

[[noreturn]] void throwSystemFailure(const char *what)
{
    throw EngineFailure(PdfEngine::WriteFailed, std::string(what) + ": " + std::strerror(errno));
}

// A working copy is written in place, so that a caller reusing one scratch
// path does not create and delete a file per piece; a failed write removes it.
// Returns the written file's stamp.
FileStamp writeScratchFile(const QString &fileName, const ContentWriter &writeContent)
{
    // Overwritten and then cut to length rather than truncated first: ext4
    // flushes a file emptied by truncation to disk when it is closed.
    const QByteArray name = QFile::encodeName(fileName);
    Descriptor file(::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (file.get() < 0)
        throwSystemFailure("cannot open the file");
    try {
        const qint64 size = writeContent(file.get());
        if (::ftruncate(file.get(), off_t(size)) != 0)
            throwSystemFailure("cannot cut the file to length");
        return FileStamp::ofOpen(file.get());
    } catch (...) {
        ::unlink(name.constData());
        throw;
    }
}

// A name beside the target for a file that is renamed over it.
QString hiddenNameFor(const QString &fileName)
{
    const QFileInfo target(fileName);
    return QStringLiteral("%1/.%2.%3").arg(target.absolutePath(), target.fileName())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// Gives an unnamed O_TMPFILE file its name: a new target is linked in
// directly; an existing one is replaced, keeping its permissions, by linking
// beside it and renaming over it (rename(2) replaces atomically,
// QFile::rename never replaces).
bool nameUnnamedFile(int fd, const QString &fileName)
{
    const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(fd);
    const QByteArray target = QFile::encodeName(fileName);
    if (::linkat(AT_FDCWD, procPath.constData(), AT_FDCWD, target.constData(), AT_SYMLINK_FOLLOW) == 0)
        return true;
    struct stat existing;
    if (errno != EEXIST || ::stat(target.constData(), &existing) != 0
        || ::fchmod(fd, existing.st_mode & 07777) != 0)
        return false;
    const QByteArray hidden = QFile::encodeName(hiddenNameFor(fileName));
    if (::linkat(AT_FDCWD, procPath.constData(), AT_FDCWD, hidden.constData(), AT_SYMLINK_FOLLOW) != 0)
        return false;
    if (std::rename(hidden.constData(), target.constData()) == 0)
        return true;
    ::unlink(hidden.constData());
    return false;
}

// For file systems without O_TMPFILE: a hidden named file renamed over the target.
void writeViaHiddenFile(const QString &fileName, const ContentWriter &writeContent)
{
    QFile file(hiddenNameFor(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        throw EngineFailure(PdfEngine::WriteFailed, file.errorString().toStdString());
    try {
        writeContent(file.handle());
        if (!file.setPermissions(outputPermissions(fileName)))
            throw EngineFailure(PdfEngine::WriteFailed, file.errorString().toStdString());
        if (std::rename(QFile::encodeName(file.fileName()).constData(),
                        QFile::encodeName(fileName).constData()) != 0)
            throw EngineFailure(PdfEngine::WriteFailed, "cannot rename the written file into place");
    } catch (...) {
        file.remove();
        throw;
    }
}

// Writes into an unnamed file in the target's folder that gets the target's
// name only when complete: a failed save never leaves a half-written file,
// and a process killed mid-save (a cancelled job) leaves nothing at all.
// Like qpdf's own writer it does not sync each file to disk: a split saves
// thousands of files, and a sync per file multiplied its time several times.
void writeFileAtomically(const QString &fileName, const ContentWriter &writeContent)
{
    if (fileName.isEmpty())
        throw EngineFailure(PdfEngine::WriteFailed, "no output file name");
    const QFileInfo target(fileName);
    // Closing the descriptor drops the unnamed file on every way out.
    Descriptor file(::open(QFile::encodeName(target.absolutePath()).constData(),
                           O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (file.get() < 0) {
        writeViaHiddenFile(fileName, writeContent);
        return;
    }
    writeContent(file.get());
    if (!nameUnnamedFile(file.get(), fileName))
        throwSystemFailure("cannot give the written file its name");
}

// A working copy (a decrypted source, extracted pages) is written in place,
// see writeScratchFile; every other file atomically. With a copy given, the
// written bytes are also left there when small enough, else it is emptied.
// Returns the stamp of a working copy.
FileStamp writePdf(QPDF &pdf, const QString &fileName, const WriteOptions &options, QByteArray *copy = nullptr)
{
    if (fileName.isEmpty())
        throw EngineFailure(PdfEngine::WriteFailed, "no output file name");
    if (options.compress)
        QPDFPageDocumentHelper(pdf).removeUnreferencedResources();
    const ContentWriter writeContent = [&](int fd) { return writeDocument(pdf, fd, options, copy); };
    if (options.scratch)
        return writeScratchFile(fileName, writeContent);
    writeFileAtomically(fileName, writeContent);
    return {};
}

void writeBytes(const QByteArray &bytes, const QString &fileName)
{
    writeFileAtomically(fileName, [&](int fd) {
        writeAll(fd, bytes.constData(), bytes.size());
        return qint64(bytes.size());
    });
}

// A new document made of the given pages of a source, carrying only the
// resources those pages use.
std::shared_ptr<QPDF> pdfOfPages(const std::vector<QPDFPageObjectHelper> &pages)
{
    auto pdf = blankPdf();
    QPDFPageDocumentHelper target(*pdf);
    for (const auto &page : pages)
        target.addPage(page, false);
    target.removeUnreferencedResources();
    return pdf;
}

std::vector<QPDFPageObjectHelper> pagesByNumber(const std::vector<QPDFPageObjectHelper> &pages,
                                                const QList<int> &numbers)
{
    std::vector<QPDFPageObjectHelper> selection;
    selection.reserve(size_t(numbers.size()));
    for (int number : numbers)
        selection.push_back(pages[size_t(number - 1)]);
    return selection;
}

void checkPageSpan(qint64 firstPage, qint64 count, qint64 pageCount)
{
    if (firstPage < 1 || count < 1 || firstPage + count - 1 > pageCount)
        throw EngineFailure(PdfEngine::PageOutOfRange, "pages outside the document");
}

std::string informationKeyName(int key)
{
    switch (key) {
    case PdfEngine::InfoAuthor: return "/Author";
    case PdfEngine::InfoTitle: return "/Title";
    case PdfEngine::InfoSubject: return "/Subject";
    case PdfEngine::InfoKeywords: return "/Keywords";
    case PdfEngine::InfoCreator: return "/Creator";
    case PdfEngine::InfoProducer: return "/Producer";
    }
    throw EngineFailure(PdfEngine::BadArgument, "unknown information key");
}

int normalisedRotation(QPDFObjectHandle rotate)
{
    if (!rotate.isInteger())
        return 0;
    const long long degrees = rotate.getIntValue();
    if (degrees % 90 != 0)
        return 0;   // not a valid rotation; readers show such a page upright
    return int(((degrees % 360) + 360) % 360);
}

QPDFObjectHandle pageBoxObject(QPDFPageObjectHelper &page, int box)
{
    switch (box) {
    case PdfEngine::MediaBox: return page.getMediaBox();
    case PdfEngine::CropBox: return page.getCropBox();
    case PdfEngine::BleedBox: return page.getBleedBox();
    case PdfEngine::TrimBox: return page.getTrimBox();
    case PdfEngine::ArtBox: return page.getArtBox();
    }
    throw EngineFailure(PdfEngine::BadArgument, "unknown page box");
}

// A page box in points, normalised; a missing or malformed box falls back to
// the media box, and a missing media box to US Letter, as readers do.
QRectF pageBox(QPDFPageObjectHelper &page, int box)
{
    QPDFObjectHandle object = pageBoxObject(page, box);
    if (object.isRectangle()) {
        const auto r = object.getArrayAsRectangle();
        const QRectF rect = QRectF(QPointF(r.llx, r.lly), QPointF(r.urx, r.ury)).normalized();
        if (rect.width() > 0 && rect.height() > 0)
            return rect;
    }
    if (box != PdfEngine::MediaBox)
        return pageBox(page, PdfEngine::MediaBox);
    return QRectF(0, 0, 612, 792);
}

} // namespace

// One open document of the engine.
struct EngineDocument
{
    std::shared_ptr<QPDF> pdf;
    QString fileName;        // empty for documents made in memory
    QByteArray password;
    bool changedPages = false;   // rendering must use the pages in memory, not the file
    bool compress = false;
    std::optional<PendingEncryption> encryption;
    std::vector<std::shared_ptr<QPDF>> pageSources;   // documents whose pages were copied in
    std::unique_ptr<Poppler::Document> renderer;       // opened on first render
    // The bytes of the file it was loaded from, while the document is as
    // that file holds it; empty when unknown.
    QByteArray savedBytes;

    void contentChanged() { savedBytes.clear(); }

    void pagesChanged()
    {
        contentChanged();
        changedPages = true;
        renderer.reset();
    }
};

// The last source parsed by ExtractFilePages; a split extracts every range
// from the same file, which is then parsed only once.
struct ExtractionSource
{
    QString path;   // absolute
    FileStamp stamp;
    QString password;
    std::shared_ptr<QPDF> pdf;
    std::vector<QPDFPageObjectHelper> pages;   // walked once, not once per extraction

    bool matches(const QString &absolutePath, const QString &secret) const
    {
        return pdf && path == absolutePath && password == secret && stamp == FileStamp::of(absolutePath);
    }
};

// The document ExtractFilePages has just written, with the file it wrote.
struct ExtractedPiece
{
    QString path;   // absolute
    FileStamp stamp;
    std::shared_ptr<QPDF> pdf;
    std::shared_ptr<QPDF> source;   // its pages were copied from there
    QByteArray bytes;               // the file's contents, when small; see FilePipeline

    bool matches(const QString &absolutePath) const
    {
        return path == absolutePath && stamp == FileStamp::of(absolutePath);
    }
};

struct PdfEngine::Private
{
    std::map<int, std::unique_ptr<EngineDocument>> documents;
    int nextId = 1;
    int selectedId = 0;
    int selectedPage = 0;
    int lastError = NoError;
    ExtractionSource extractionSource;
    ExtractedPiece extractedPiece;

    // Runs one engine function: clears the error code, and turns whatever
    // the libraries throw into the failure result and an error code.
    template <typename Result, typename Operation>
    Result guarded(Result failure, Operation operation)
    {
        lastError = NoError;
        try {
            return operation();
        } catch (const EngineFailure &e) {
            fail(e.code, e.what());
        } catch (const QPDFExc &e) {
            fail(e.getErrorCode() == qpdf_e_password ? PasswordError : OperationFailed, e.what());
        } catch (const std::bad_alloc &) {
            fail(OutOfMemory, "out of memory");
        } catch (const std::exception &e) {
            fail(OperationFailed, e.what());
        } catch (...) {
            fail(OperationFailed, "unknown failure");
        }
        return failure;
    }

    void fail(int code, const char *what)
    {
        lastError = code;
        Logger::instance().log(QStringLiteral("PDF engine error %1: %2").arg(code).arg(QString::fromUtf8(what)));
    }

    EngineDocument &document(int id)
    {
        auto it = documents.find(id);
        if (it == documents.end())
            throw EngineFailure(NoSuchDocument, "no such document");
        return *it->second;
    }

    EngineDocument &selected() { return document(selectedId); }

    QPDFPageObjectHelper selectedPageObject()
    {
        const auto &pages = selected().pdf->getAllPages();
        if (selectedPage < 1 || selectedPage > int(pages.size()))
            throw EngineFailure(PageOutOfRange, "page outside the document");
        return QPDFPageObjectHelper(pages[size_t(selectedPage - 1)]);
    }

    int add(std::unique_ptr<EngineDocument> document)
    {
        const int id = nextId++;
        documents[id] = std::move(document);
        selectedId = id;
        selectedPage = 0;
        return id;
    }

    const ExtractionSource &extractionSourceFor(const QString &fileName, const QString &password)
    {
        // A file unchanged since it was parsed, permissions included, is
        // still readable; any other is checked again.
        const QString path = QFileInfo(fileName).absoluteFilePath();
        if (!extractionSource.matches(path, password)) {
            checkReadableFile(fileName);
            extractionSource = {};
            const FileStamp stamp = FileStamp::of(path);
            auto pdf = openPdf(fileName, password, SourceReading::InMemory);
            extractionSource = {path, stamp, password, pdf, allPages(*pdf)};
        }
        return extractionSource;
    }

    // The piece the last ExtractFilePages wrote, when the file is still as
    // written: a split opens every piece right after extracting it, and then
    // takes the document over instead of parsing the file again.
    bool takeExtractedPiece(const QString &absolutePath, EngineDocument &document)
    {
        ExtractedPiece piece;
        std::swap(piece, extractedPiece);
        if (!piece.pdf || !piece.matches(absolutePath))
            return false;
        document.pdf = piece.pdf;
        document.pageSources.push_back(piece.source);
        document.savedBytes = piece.bytes;
        return true;
    }

    Poppler::Document &rendererFor(EngineDocument &document)
    {
        if (!document.renderer) {
            std::unique_ptr<Poppler::Document> renderer;
            if (!document.changedPages && !document.fileName.isEmpty())
                renderer.reset(Poppler::Document::load(document.fileName, document.password,
                                                       document.password));
            if (!renderer || renderer->isLocked())   // changed in memory, or repaired by qpdf only
                renderer.reset(Poppler::Document::loadFromData(inMemoryCopy(*document.pdf)));
            if (!renderer || renderer->isLocked())
                throw EngineFailure(RenderFailed, "renderer cannot open the document");
            renderer->setRenderHint(Poppler::Document::Antialiasing, true);
            renderer->setRenderHint(Poppler::Document::TextAntialiasing, true);
            renderer->setPaperColor(Qt::white);
            document.renderer = std::move(renderer);
        }
        return *document.renderer;
    }

    static QByteArray inMemoryCopy(QPDF &pdf)
    {
        QPDFWriter writer(pdf);
        writer.setOutputMemory();
        writer.setPreserveEncryption(false);
        writer.setCompressStreams(false);
        writer.setDecodeLevel(qpdf_dl_none);
        writer.write();
        auto buffer = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char *>(buffer->getBuffer()), int(buffer->getSize()));
    }
};

PdfEngine::PdfEngine(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
    routeLibraryMessagesToLog();
}

PdfEngine::~PdfEngine() = default;

int PdfEngine::openDocumentCount() const
{
    return int(d->documents.size());
}

int PdfEngine::LoadFromFile(const QString &fileName, const QString &password)
{
    return d->guarded(0, [&] {
        auto document = std::make_unique<EngineDocument>();
        const QString path = QFileInfo(fileName).absoluteFilePath();
        if (!d->takeExtractedPiece(path, *document))
            document->pdf = openPdf(fileName, password);
        document->fileName = path;
        document->password = password.toUtf8();
        d->add(std::move(document));
        return 1;
    });
}

int PdfEngine::SelectedDocument() const
{
    return d->selectedId;
}

void PdfEngine::SelectDocument(int documentId)
{
    d->guarded(0, [&] {
        // An unknown id clears the selection, so no later call acts on the wrong document.
        d->selectedId = 0;
        d->selectedPage = 0;
        d->document(documentId);
        d->selectedId = documentId;
        return 1;
    });
}

int PdfEngine::RemoveDocument(int documentId)
{
    return d->guarded(0, [&] {
        d->document(documentId);
        d->documents.erase(documentId);
        if (d->selectedId == documentId) {
            d->selectedId = 0;
            d->selectedPage = 0;
        }
        return 1;
    });
}

int PdfEngine::NewDocument()
{
    return d->guarded(0, [&] {
        auto document = std::make_unique<EngineDocument>();
        document->pdf = blankPdf();
        auto page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 595 842] /Resources << >> >>");
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(document->pdf.get(), std::string()));
        QPDFPageDocumentHelper(*document->pdf)
            .addPage(QPDFPageObjectHelper(document->pdf->makeIndirectObject(page)), false);
        document->changedPages = true;
        return d->add(std::move(document));
    });
}

int PdfEngine::LastErrorCode() const
{
    return d->lastError;
}

void PdfEngine::setLastErrorCode(int code)
{
    d->lastError = code;
}

int PdfEngine::PageCount()
{
    return d->guarded(0, [&] { return pageCountOf(*d->selected().pdf); });
}

void PdfEngine::SelectPage(int page)
{
    d->guarded(0, [&] {
        d->selectedPage = page;
        d->selectedPageObject();   // reports a page outside the document now
        return 1;
    });
}

double PdfEngine::GetPageBox(int box, int dimension)
{
    return d->guarded(0.0, [&] {
        auto page = d->selectedPageObject();
        const QRectF rect = pageBox(page, box);
        switch (dimension) {
        case BoxLeft: return rect.left();
        case BoxBottom: return rect.top();
        case BoxWidth: return rect.width();
        case BoxHeight: return rect.height();
        }
        throw EngineFailure(BadArgument, "unknown box dimension");
    });
}

int PdfEngine::PageRotation()
{
    return d->guarded(0, [&] {
        return normalisedRotation(d->selectedPageObject().getAttribute("/Rotate", false));
    });
}

int PdfEngine::RenderPageToImage(double dpi, int page, QImage &image)
{
    return d->guarded(0, [&] {
        if (image.isNull() || dpi <= 0)
            throw EngineFailure(BadArgument, "no image to draw into");
        EngineDocument &document = d->selected();
        checkPageSpan(page, 1, pageCountOf(*document.pdf));
        Poppler::Document &renderer = d->rendererFor(document);
        std::unique_ptr<Poppler::Page> rendererPage(renderer.page(page - 1));
        if (!rendererPage)
            throw EngineFailure(RenderFailed, "renderer has no such page");
        const QImage drawn = rendererPage->renderToImage(dpi, dpi);
        if (drawn.isNull())
            throw EngineFailure(RenderFailed, "renderer drew nothing");
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.drawImage(0, 0, drawn);
        return 1;
    });
}

int PdfEngine::SaveToFile(const QString &fileName)
{
    return d->guarded(0, [&] {
        d->extractedPiece = {};
        EngineDocument &document = d->selected();
        WriteOptions options;
        options.compress = document.compress;
        options.encryption = document.encryption;
        // A document saved as it was loaded is the file it came from: a split
        // saves each extracted piece unchanged, and qpdf need not write it twice.
        if (!document.savedBytes.isEmpty() && !options.compress && !options.encryption)
            writeBytes(document.savedBytes, fileName);
        else
            writePdf(*document.pdf, fileName, options);
        return 1;
    });
}

void PdfEngine::SetInformation(int key, const QString &text)
{
    d->guarded(0, [&] {
        const std::string name = informationKeyName(key);
        QPDF &pdf = *d->selected().pdf;
        auto trailer = pdf.getTrailer();
        auto info = trailer.getKey("/Info");
        // An empty text clears the entry; readers show a missing entry and an
        // empty one alike, and a split into single pages stays as small as
        // the pages themselves.
        if (text.isEmpty()) {
            if (info.isDictionary()) {
                if (info.hasKey(name)) {
                    d->selected().contentChanged();
                    info.removeKey(name);
                }
                if (info.getKeys().empty()) {
                    d->selected().contentChanged();
                    trailer.removeKey("/Info");
                }
            }
            return 1;
        }
        d->selected().contentChanged();
        if (!info.isDictionary()) {
            info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            trailer.replaceKey("/Info", info);
        }
        info.replaceKey(name, QPDFObjectHandle::newUnicodeString(text.toStdString()));
        return 1;
    });
}

QString PdfEngine::GetInformation(int key)
{
    return d->guarded(QString(), [&] {
        const std::string name = informationKeyName(key);
        auto info = d->selected().pdf->getTrailer().getKey("/Info");
        if (!info.isDictionary())
            return QString();
        auto value = info.getKey(name);
        return value.isString() ? QString::fromStdString(value.getUTF8Value()) : QString();
    });
}

int PdfEngine::EncodePermissions(bool print, bool copy, bool change, bool addNotes, bool fillFields,
                                 bool copyAccess, bool assembly, bool printFull) const
{
    return (print ? PermitPrint : 0) | (copy ? PermitCopy : 0) | (change ? PermitChange : 0)
           | (addNotes ? PermitAddNotes : 0) | (fillFields ? PermitFillFields : 0)
           | (copyAccess ? PermitCopyAccess : 0) | (assembly ? PermitAssembly : 0)
           | (printFull ? PermitPrintFull : 0);
}

int PdfEngine::Encrypt(const QString &ownerPassword, const QString &userPassword, int strength,
                       int permissions)
{
    return d->guarded(0, [&] {
        // Both strengths use 256-bit AES: 1 protects with a password, 0 carries permissions only.
        if (strength != 0 && strength != 1)
            throw EngineFailure(BadArgument, "unknown encryption strength");
        EngineDocument &document = d->selected();
        document.encryption = PendingEncryption{ownerPassword.toStdString(), userPassword.toStdString(),
                                                permissions};
        return 1;
    });
}

int PdfEngine::CompressContent()
{
    return d->guarded(0, [&] {
        d->selected().compress = true;
        return 1;
    });
}

int PdfEngine::DeletePages(int firstPage, int count)
{
    return d->guarded(0, [&] {
        EngineDocument &document = d->selected();
        auto pages = allPages(*document.pdf);
        checkPageSpan(firstPage, count, qint64(pages.size()));
        QPDFPageDocumentHelper helper(*document.pdf);
        for (int i = firstPage - 1; i < firstPage - 1 + count; ++i)
            helper.removePage(pages[size_t(i)]);
        document.pagesChanged();
        return 1;
    });
}

int PdfEngine::MergeDocument(int documentId)
{
    return d->guarded(0, [&] {
        EngineDocument &target = d->selected();
        EngineDocument &source = d->document(documentId);
        const auto pages = allPages(*source.pdf);
        QPDFPageDocumentHelper helper(*target.pdf);
        for (const auto &page : pages)
            helper.addPage(page, false);
        if (&source != &target)
            target.pageSources.push_back(source.pdf);
        target.pagesChanged();
        return 1;
    });
}

int PdfEngine::SecurityInfo(int item)
{
    return d->guarded(0, [&] {
        EngineDocument &document = d->selected();
        QPDF &pdf = *document.pdf;
        switch (item) {
        case SecurityEncrypted:
            return document.encryption || pdf.isEncrypted() ? 1 : 0;
        case SecurityContentExtraction: {
            bool allowed = true;
            if (document.encryption)
                allowed = document.encryption->permissions & PermitCopy;
            else if (pdf.isEncrypted())
                allowed = pdf.ownerPasswordMatched() || pdf.allowExtractAll();
            return allowed ? ExtractionAllowed : 0;
        }
        }
        throw EngineFailure(BadArgument, "unknown security item");
    });
}

int PdfEngine::ExtractPages(int firstPage, int count)
{
    return d->guarded(0, [&] {
        EngineDocument &source = d->selected();
        const auto pages = allPages(*source.pdf);
        checkPageSpan(firstPage, count, qint64(pages.size()));
        const std::vector<QPDFPageObjectHelper> span(pages.begin() + (firstPage - 1),
                                                     pages.begin() + (firstPage - 1 + count));
        auto document = std::make_unique<EngineDocument>();
        document->pdf = pdfOfPages(span);
        document->pageSources.push_back(source.pdf);
        document->changedPages = true;
        return d->add(std::move(document));
    });
}

int PdfEngine::DecryptFile(const QString &input, const QString &output, const QString &password)
{
    return d->guarded(0, [&] {
        d->extractedPiece = {};
        auto pdf = openPdf(input, password);
        WriteOptions options;
        options.decrypt = true;
        options.scratch = true;
        writePdf(*pdf, output, options);
        return 1;
    });
}

int PdfEngine::ExtractFilePages(const QString &input, const QString &password, const QString &output,
                                const QString &ranges)
{
    return d->guarded(0, [&] {
        d->extractedPiece = {};
        const ExtractionSource &source = d->extractionSourceFor(input, password);
        RangeTextError error = RangeTextError::None;
        const QList<int> numbers = pagesFromRangeText(ranges, int(source.pages.size()), &error);
        if (error == RangeTextError::Syntax)
            throw EngineFailure(BadArgument, "malformed range text");
        if (error == RangeTextError::OutOfRange)
            throw EngineFailure(PageOutOfRange, "range outside the document");
        auto extracted = pdfOfPages(pagesByNumber(source.pages, numbers));
        WriteOptions options;
        options.scratch = true;
        QByteArray bytes;
        const FileStamp stamp = writePdf(*extracted, output, options, &bytes);
        d->extractedPiece = {QFileInfo(output).absoluteFilePath(), stamp, extracted, source.pdf, bytes};
        return 1;
    });
}
