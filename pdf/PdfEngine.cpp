#include "pdf/PdfEngine.h"
#include "pdf/PdfEnginePrivate.h"

#include "pdf/ContentCheck.h"
#include "pdf/DocumentOutline.h"
#include "pdf/PageLabelText.h"
#include "pdf/DocumentPrefetch.h"
#include "pdf/DocumentStructure.h"
#include "pdf/EngineFailure.h"
#include "pdf/FileStamp.h"
#include "pdf/LibraryMessages.h"
#include "pdf/OutputFile.h"
#include "pdf/PageGeometry.h"
#include "pdf/QpdfDocuments.h"
#include "pdf/SourceFile.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <QFileInfo>
#include <QRectF>

#include <optional>
#include <vector>

namespace {

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

} // namespace

using namespace QpdfDocuments;
using PageGeometry::normalisedRotation;
using PageGeometry::pageBox;

PdfEngine::PdfEngine(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
    LibraryMessages::routeToLog();
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
        if (!d->takeExtractedPiece(path, *document)) {
            std::optional<OpenedPdf> prefetched = d->prefetch.take(path, password);
            OpenedPdf opened = prefetched ? std::move(*prefetched) : openPdf(fileName, password);
            document->pdf = opened.pdf;
            document->source = opened.source;
        }
        document->fileName = path;
        document->password = password.toUtf8();
        d->add(std::move(document));
        return 1;
    });
}

void PdfEngine::PrefetchFile(const QString &fileName, const QString &password)
{
    d->prefetch.start(QFileInfo(fileName).absoluteFilePath(), password);
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
        document->structureTarget().setPlaceholderPages(1);
        return d->add(std::move(document));
    });
}

int PdfEngine::LastErrorCode() const
{
    return d->lastError;
}

QString PdfEngine::LastErrorDetail() const
{
    return d->lastError == StructureDamaged ? d->lastErrorDetail : QString();
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

int PdfEngine::guardedCall(const std::function<int()> &operation)
{
    return d->guarded(0, operation);
}

// A document as its file holds it is drawn from the bytes already read, or
// else from the file; one changed in memory, or one that only qpdf's repairs
// could read, from a copy that qpdf writes (selectedInMemoryCopy).
PdfEngine::RenderSource PdfEngine::selectedRenderSource(int page)
{
    EngineDocument &document = d->selected();
    checkPageSpan(page, 1, pageCountOf(*document.pdf));
    if (document.changedPages || document.fileName.isEmpty())
        return {};
    return {document.source ? document.source->bytes() : document.savedBytes, document.fileName,
            document.password};
}

QByteArray PdfEngine::selectedInMemoryCopy()
{
    d->selected().settleStructure();
    return d->inMemoryCopy(*d->selected().pdf);
}

std::shared_ptr<PageRenderer> &PdfEngine::selectedRenderer()
{
    return d->selected().renderer;
}

int PdfEngine::SaveToFile(const QString &fileName)
{
    return d->guarded(0, [&] {
        d->extractedPiece = {};
        EngineDocument &document = d->selected();
        if (d->savesLoadedBytes(document)) {
            OutputFile::writeBytes(document.savedBytes, fileName);
            return 1;
        }
        document.settleStructure();
        d->optimiseBeforeWriting(document);
        writePdf(*document.pdf, fileName, d->writeOptionsFor(document));
        return 1;
    });
}

qint64 PdfEngine::SavedSize()
{
    return d->guarded(qint64(-1), [&] {
        EngineDocument &document = d->selected();
        if (d->savesLoadedBytes(document))
            return qint64(document.savedBytes.size());
        document.settleStructure();
        d->optimiseBeforeWriting(document);
        return writtenSize(*document.pdf, d->writeOptionsFor(document));
    });
}

int PdfEngine::SetOptimisation(int mode, int imageDpiLimit)
{
    return d->guarded(0, [&] {
        if (mode < int(Optimisation::None) || mode > int(Optimisation::Images))
            throw EngineFailure(BadArgument, "unknown optimisation");
        if (imageDpiLimit < 1)
            throw EngineFailure(BadArgument, "image resolution limit below 1 dpi");
        EngineDocument &document = d->selected();
        document.optimisation = Optimisation(mode);
        document.imageDpiLimit = imageDpiLimit;
        document.optimisationReport = {};
        return 1;
    });
}

OptimisationReport PdfEngine::LastOptimisation()
{
    return d->guarded(OptimisationReport(), [&] { return d->selected().optimisationReport; });
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
        std::vector<bool> keep(pages.size(), true);
        std::fill(keep.begin() + (firstPage - 1), keep.begin() + (firstPage - 1 + count), false);
        DocumentStructure::relabelRemainingPages(*document.pdf, keep);
        QPDFPageDocumentHelper helper(*document.pdf);
        for (int i = firstPage - 1; i < firstPage - 1 + count; ++i)
            helper.removePage(pages[size_t(i)]);
        document.structureTarget().pagesRemoved(firstPage, count);
        document.pagesChanged();
        return 1;
    });
}

int PdfEngine::RotatePage(int page, int angle)
{
    return d->guarded(0, [&] {
        if (angle != 90 && angle != 180 && angle != 270)
            throw EngineFailure(BadArgument, "a page turns by 90, 180 or 270 degrees");
        EngineDocument &document = d->selected();
        const auto &pages = document.pdf->getAllPages();
        checkPageSpan(page, 1, qint64(pages.size()));
        QPDFPageObjectHelper(pages[size_t(page - 1)]).rotatePage(angle, true);
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
        const int firstIndex = pageCountOf(*target.pdf);
        QPDFPageDocumentHelper helper(*target.pdf);
        for (const auto &page : pages)
            helper.addPage(page, false);
        if (&source != &target) {
            DocumentStructure::Source from(source.pdf);
            target.structureTarget().carry(from, pages, pagesFrom(*target.pdf, firstIndex), firstIndex);
            d->keepWhatCopiedPagesRead(target, source);
        }
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
        DocumentStructure::Source from(source.pdf);
        document->structureTarget().carry(from, span, allPages(*document->pdf), 0);
        document->pageSources.push_back(source.pdf);
        document->changedPages = true;
        return d->add(std::move(document));
    });
}

int PdfEngine::ReorderPages(const QList<int> &order)
{
    return d->guarded(0, [&] {
        EngineDocument &document = d->selected();
        const auto pages = allPages(*document.pdf);
        std::vector<bool> placed(pages.size(), false);
        if (size_t(order.size()) != pages.size())
            throw EngineFailure(BadArgument, "the order must name every page once");
        for (int number : order) {
            checkPageSpan(number, 1, qint64(pages.size()));
            if (placed[size_t(number - 1)])
                throw EngineFailure(BadArgument, "the order names a page twice");
            placed[size_t(number - 1)] = true;
        }
        QPDFPageDocumentHelper helper(*document.pdf);
        for (const auto &page : pages)
            helper.removePage(page);
        for (int number : order)
            helper.addPage(pages[size_t(number - 1)], false);
        document.pdf->getRoot().removeKey("/PageLabels");
        document.pagesChanged();
        return 1;
    });
}

int PdfEngine::DecryptFile(const QString &input, const QString &output, const QString &password)
{
    return d->guarded(0, [&] {
        d->extractedPiece = {};
        auto pdf = openPdf(input, password).pdf;
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
        auto extracted = d->pagesOfFile(input, password, ranges);
        WriteOptions options;
        options.scratch = true;
        QByteArray bytes;
        const FileStamp stamp = writePdf(*extracted, output, options, &bytes);
        d->extractedPiece = {QFileInfo(output).absoluteFilePath(), stamp, extracted, d->extractionSource.pdf,
                             bytes};
        return 1;
    });
}

int PdfEngine::SetBookmarkMode(int mode)
{
    return d->guarded(0, [&] {
        if (mode < BookmarksKeep || mode > BookmarksNone)
            throw EngineFailure(BadArgument, "unknown bookmark mode");
        d->selected().structureTarget().setBookmarks(DocumentStructure::Bookmarks(mode));
        return 1;
    });
}

int PdfEngine::StartBookmarkGroup(const QString &title)
{
    return d->guarded(0, [&] {
        d->selected().structureTarget().startGroup(title.toStdString());
        return 1;
    });
}

OutlineEntryList PdfEngine::Outline()
{
    return d->guarded(OutlineEntryList(), [&] { return DocumentOutline::entries(*d->selected().pdf); });
}

QStringList PdfEngine::PageLabels()
{
    return d->guarded(QStringList(), [&] { return pageLabelTexts(*d->selected().pdf); });
}

QList<int> PdfEngine::DamagedPages()
{
    return d->guarded(QList<int>(), [&] { return ContentCheck::pagesWithDamagedContent(*d->selected().pdf); });
}

int PdfEngine::ExtractFileDocument(const QString &input, const QString &password, const QString &ranges)
{
    return d->guarded(0, [&] {
        auto document = std::make_unique<EngineDocument>();
        document->pdf = d->pagesOfFile(input, password, ranges);
        document->pageSources.push_back(d->extractionSource.pdf);
        document->changedPages = true;
        return d->add(std::move(document));
    });
}
