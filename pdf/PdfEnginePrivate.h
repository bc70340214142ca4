#ifndef CLEAVEMARK_PDF_PDFENGINEPRIVATE_H
#define CLEAVEMARK_PDF_PDFENGINEPRIVATE_H

// The engine's state: its open documents and what a split keeps between
// the ranges it extracts from one file. Included by PdfEngine.cpp only.

#include "pdf/PdfEngine.h"

#include "common/Logger.h"
#include "pdf/DocumentPrefetch.h"
#include "pdf/DocumentStructure.h"
#include "pdf/EngineFailure.h"
#include "pdf/FileStamp.h"
#include "pdf/ImageDownsampling.h"
#include "pdf/Optimisation.h"
#include "pdf/PageRangeText.h"
#include "pdf/QpdfDocuments.h"
#include "pdf/SourceFile.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QFileInfo>

#include <map>
#include <memory>
#include <optional>
#include <vector>

// One open document of the engine.
struct EngineDocument
{
    std::shared_ptr<QPDF> pdf;
    std::shared_ptr<SourceFile> source;   // what pdf was parsed from; null for documents made in memory
    QString fileName;        // empty for documents made in memory
    QByteArray password;
    bool changedPages = false;   // rendering must use the pages in memory, not the file
    bool compress = false;
    Optimisation optimisation = Optimisation::None;
    int imageDpiLimit = 150;
    OptimisationReport optimisationReport;
    std::optional<QpdfDocuments::PendingEncryption> encryption;
    std::vector<std::shared_ptr<QPDF>> pageSources;   // documents whose pages were copied in
    std::shared_ptr<PageRenderer> renderer;            // opened on first render
    // The bytes of the file it was loaded from, while the document is as
    // that file holds it; empty when unknown.
    QByteArray savedBytes;
    std::unique_ptr<DocumentStructure::Target> structure;   // made when pages are first copied in

    DocumentStructure::Target &structureTarget()
    {
        if (!structure)
            structure = std::make_unique<DocumentStructure::Target>(*pdf);
        return *structure;
    }

    // Writes into the document what the structure keeps beside it while
    // pages are copied in: due before the document is written or copied.
    void settleStructure()
    {
        if (structure)
            structure->settle();
    }

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
    std::shared_ptr<DocumentStructure::Source> structure;

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
    QString lastErrorDetail;
    ExtractionSource extractionSource;
    ExtractedPiece extractedPiece;
    DocumentPrefetch prefetch;

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
        lastErrorDetail = QString::fromUtf8(what);
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
            extractionSource = {};
            const FileStamp stamp = FileStamp::of(path);
            auto pdf = openPdf(fileName, password).pdf;
            extractionSource = {path, stamp, password, pdf, QpdfDocuments::allPages(*pdf),
                                std::make_shared<DocumentStructure::Source>(pdf)};
        }
        return extractionSource;
    }

    // A new document of the pages that the range text names in a file.
    std::shared_ptr<QPDF> pagesOfFile(const QString &fileName, const QString &password, const QString &ranges)
    {
        const ExtractionSource &source = extractionSourceFor(fileName, password);
        RangeTextError error = RangeTextError::None;
        const QList<int> numbers = pagesFromRangeText(ranges, int(source.pages.size()), &error);
        if (error == RangeTextError::Syntax)
            throw EngineFailure(BadArgument, "malformed range text");
        if (error == RangeTextError::OutOfRange)
            throw EngineFailure(PageOutOfRange, "range outside the document");
        const auto selection = QpdfDocuments::pagesByNumber(source.pages, numbers);
        auto pdf = QpdfDocuments::pdfOfPages(selection);
        DocumentStructure::Target structure(*pdf);
        structure.carry(*source.structure, selection, QpdfDocuments::allPages(*pdf), 0);
        structure.settle();
        return pdf;
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

    // qpdf reads the streams of copied pages when the target is written: a
    // stream parsed from a file straight from that file, which qpdf keeps
    // open, and a stream built in memory from the document that holds it.
    // The file's copy in memory goes once the pages are copied. The parsed
    // source stays with the target, as qpdf's own merge keeps its sources
    // until it writes: freeing each source's objects right after its pages
    // were copied cost a sixth of a merge, and a worker ends without
    // freeing them at all (a few hundred KB for a source of 100 pages).
    static void keepWhatCopiedPagesRead(EngineDocument &target, EngineDocument &source)
    {
        target.pageSources.push_back(source.pdf);
        target.pageSources.insert(target.pageSources.end(), source.pageSources.begin(),
                                  source.pageSources.end());
        if (source.source)
            source.source->releaseMemory();
    }

    static QpdfDocuments::WriteOptions writeOptionsFor(const EngineDocument &document)
    {
        QpdfDocuments::WriteOptions options;
        options.compress = document.compress;
        options.encryption = document.encryption;
        options.lossless = document.optimisation != Optimisation::None;
        return options;
    }

    // A document saved as it was loaded is the file it came from: a split
    // saves each extracted piece unchanged, and qpdf need not write it twice.
    static bool savesLoadedBytes(const EngineDocument &document)
    {
        return !document.savedBytes.isEmpty() && !document.compress && !document.encryption
               && document.optimisation == Optimisation::None;
    }

    // The size the document would take without optimising is measured
    // first, for the user to compare; the images are redrawn once, however
    // often the document is measured or saved.
    static void optimiseBeforeWriting(EngineDocument &document)
    {
        if (document.optimisation == Optimisation::None || document.optimisationReport.sizeBefore >= 0)
            return;
        QpdfDocuments::WriteOptions plain = writeOptionsFor(document);
        plain.lossless = false;
        document.optimisationReport.sizeBefore = QpdfDocuments::writtenSize(*document.pdf, plain);
        if (document.optimisation == Optimisation::Images) {
            const auto counts = ImageDownsampling::downsampleImages(*document.pdf, document.imageDpiLimit);
            document.optimisationReport.imagesChanged = counts.changed;
            document.optimisationReport.imagesLeft = counts.left;
        }
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

#endif
