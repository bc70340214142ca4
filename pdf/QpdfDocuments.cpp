#include "pdf/QpdfDocuments.h"

#include "pdf/EngineFailure.h"
#include "pdf/FilePipeline.h"
#include "pdf/ObjectSharing.h"
#include "pdf/OutputFile.h"
#include "pdf/PdfEngine.h"

#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDFWriter.hh>

#include <QRandomGenerator>

#include <mutex>

namespace QpdfDocuments {

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

namespace {

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

// One level for every stream a process writes: qpdf keeps it for all
// writers, and a worker runs one job with one choice.
void useHighestCompressionLevel()
{
    static std::once_flag set;
    std::call_once(set, [] { Pl_Flate::setCompressionLevel(9); });
}

void configureWriter(QPDFWriter &writer, const WriteOptions &options)
{
    if (options.scratch && !options.compress && !options.lossless) {
        // A working copy is read once more and thrown away: written as fast as it goes.
        writer.setCompressStreams(false);
        writer.setDecodeLevel(qpdf_dl_none);
    } else {
        // Flate for what is stored uncompressed and for what older filters
        // (LZW, ASCII) store, and the small objects packed into compressed
        // object streams: what "qpdf --empty --pages" writes, never larger.
        // Streams already compressed keep their bytes unless recompressed.
        writer.setCompressStreams(true);
        writer.setDecodeLevel(qpdf_dl_generalized);
        writer.setObjectStreamMode(qpdf_o_generate);
        if (options.lossless) {
            useHighestCompressionLevel();
            writer.setRecompressFlate(true);
        }
    }
    if (options.encryption)
        applyEncryption(writer, *options.encryption);
    else if (options.decrypt)
        writer.setPreserveEncryption(false);
}

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

// qpdf prunes a page's resources by giving the page, and each form XObject
// it draws, a private shallow copy of its /Resources; qpdf cannot shallow-copy
// a stream, and damaged files name streams there (on the page, on a form, or
// inherited from the page tree). Such a page keeps its resources whole, as
// qpdf's own page extraction keeps them, instead of failing the document.
bool resourcesCanBePruned(QPDFPageObjectHelper &page)
{
    if (page.getAttribute("/Resources", false).isStream())
        return false;
    bool prunable = true;
    page.forEachFormXObject(true, [&](QPDFObjectHandle &form, QPDFObjectHandle &, const std::string &) {
        prunable = prunable && !form.getDict().getKey("/Resources").isStream();
    });
    return prunable;
}

// Drops from each page's resources the fonts and images its content does not use.
void removeUnreferencedResources(QPDF &pdf)
{
    for (auto &page : allPages(pdf)) {
        if (resourcesCanBePruned(page))
            page.removeUnreferencedResources();
    }
}

// What every written document gets before qpdf writes it: identical streams
// once (not in a decrypted copy, which is only read again), and with
// compression or optimisation only the resources each page uses.
void prepareForWriting(QPDF &pdf, const WriteOptions &options)
{
    if (options.compress || options.lossless)
        removeUnreferencedResources(pdf);
    if (!options.decrypt)
        ObjectSharing::shareIdenticalObjects(pdf, options.lossless ? ObjectSharing::Scope::StreamsAndResources
                                                                   : ObjectSharing::Scope::Streams);
}

// Counts what qpdf writes and drops it.
class CountingPipeline : public Pipeline
{
public:
    CountingPipeline() : Pipeline("size count", nullptr) {}
    void write(unsigned char const *, size_t length) override { m_count += qint64(length); }
    void finish() override {}
    qint64 count() const { return m_count; }

private:
    qint64 m_count = 0;
};

// Writes the document to a descriptor; returns the bytes written.
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

} // namespace

// A working copy (a decrypted source, extracted pages) is written in place,
// every other file atomically (see OutputFile). With a copy given, the
// written bytes are also left there when small enough, else it is emptied.
// Returns the stamp of a working copy.
FileStamp writePdf(QPDF &pdf, const QString &fileName, const WriteOptions &options, QByteArray *copy)
{
    if (fileName.isEmpty())
        throw EngineFailure(PdfEngine::WriteFailed, "no output file name");
    prepareForWriting(pdf, options);
    const OutputFile::ContentWriter writeContent = [&](int fd) { return writeDocument(pdf, fd, options, copy); };
    if (options.scratch)
        return OutputFile::writeInPlace(fileName, writeContent);
    OutputFile::writeAtomically(fileName, writeContent);
    return {};
}

qint64 writtenSize(QPDF &pdf, const WriteOptions &options)
{
    prepareForWriting(pdf, options);
    ensureFileIdentifier(pdf);
    CountingPipeline counter;
    QPDFWriter writer(pdf);
    writer.setOutputPipeline(&counter);
    configureWriter(writer, options);
    writer.write();
    return counter.count();
}

// A new document made of the given pages of a source, carrying only the
// resources those pages use.
std::shared_ptr<QPDF> pdfOfPages(const std::vector<QPDFPageObjectHelper> &pages)
{
    auto pdf = blankPdf();
    QPDFPageDocumentHelper target(*pdf);
    for (const auto &page : pages)
        target.addPage(page, false);
    removeUnreferencedResources(*pdf);
    return pdf;
}

std::vector<QPDFPageObjectHelper> pagesFrom(QPDF &pdf, int firstIndex)
{
    const auto &all = pdf.getAllPages();
    return std::vector<QPDFPageObjectHelper>(all.begin() + firstIndex, all.end());
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


} // namespace QpdfDocuments
