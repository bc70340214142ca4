#pragma once

#include "pdf/OutlineEntry.h"
#include "pdf/Optimisation.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class PageRenderer;
class QImage;

// The PDF engine: a table of open documents with a selected document and
// page, over qpdf (structure, encryption, writing) and poppler (rendering).
// It is the only code that talks to those libraries. Every function reports
// through its result and the last error code; no exception leaves it.
//
// Rendering lives in a library of its own (PdfEngineRendering.cpp, with
// poppler and Qt's GUI module) that only the desktop program links; the
// worker never draws a page and starts without them.
//
// The engine is not thread-safe: PdfService serialises all use of it.
class PdfEngine : public QObject
{
    Q_OBJECT

public:
    // Values of LastErrorCode(). A successful call resets it to NoError.
    enum ErrorCode {
        NoError = 0,
        FileNotFound = 401,     // input missing, a folder, or not readable
        FileDamaged = 402,      // not a PDF, or damaged beyond what recovery repairs
        PasswordError = 404,    // password missing or wrong
        NoSuchDocument = 405,   // unknown document id, or no document selected
        PageOutOfRange = 406,   // a page number or page count outside the document
        BadArgument = 407,      // malformed range text, unknown key, item or strength
        WriteFailed = 408,      // the output could not be written; nothing was left behind
        RenderFailed = 409,     // the renderer could not open or draw the page
        OperationFailed = 410,  // the PDF library failed part-way (e.g. a damaged object read late)
        OutOfMemory = 411,
        DiskFull = 412,         // the output could not be written: no space left; nothing was left behind
        TookTooLong = 413,      // reading the document did not end within the caller's time limit
        StructureDamaged = 414  // a PDF document whose structure recovery could not rebuild; see LastErrorDetail
    };

    // Boxes for GetPageBox; each falls back the way PDF readers do
    // (bleed, trim and art box to the crop box, the crop box to the media box).
    enum PageBox { MediaBox = 0, CropBox = 1, BleedBox = 2, TrimBox = 3, ArtBox = 4 };
    enum BoxDimension { BoxLeft = 0, BoxBottom = 1, BoxWidth = 2, BoxHeight = 3 };

    // Keys of SetInformation / GetInformation.
    enum InformationKey { InfoAuthor = 1, InfoTitle = 2, InfoSubject = 3, InfoKeywords = 4,
                          InfoCreator = 5, InfoProducer = 6 };

    // Bits of the permission value made by EncodePermissions.
    enum Permission { PermitPrint = 0x01, PermitCopy = 0x02, PermitChange = 0x04,
                      PermitAddNotes = 0x08, PermitFillFields = 0x10, PermitCopyAccess = 0x20,
                      PermitAssembly = 0x40, PermitPrintFull = 0x80 };

    // SecurityInfo(SecurityContentExtraction) returns this when the content may be copied.
    enum SecurityItem { SecurityEncrypted = 0, SecurityContentExtraction = 5 };
    static constexpr int ExtractionAllowed = 6;

    // Where MergeDocument files the bookmarks of the documents it appends:
    // as they are, beneath one bookmark per document, or not at all.
    enum BookmarkMode { BookmarksKeep = 0, BookmarksPerDocument = 1, BookmarksNone = 2 };

    explicit PdfEngine(QObject *parent = nullptr);
    ~PdfEngine() override;

    // Documents currently open; for diagnostics and tests, from the thread
    // that owns the engine while no other thread uses it.
    int openDocumentCount() const;

protected:
    // Documents. Ids start at 1 and are never reused by one engine.
    int LoadFromFile(const QString &fileName, const QString &password);  // 1 = loaded and selected
    // Starts parsing a file that LoadFromFile will be asked for next.
    void PrefetchFile(const QString &fileName, const QString &password);
    int SelectedDocument() const;
    void SelectDocument(int documentId);
    int RemoveDocument(int documentId);                                  // 1 = removed
    int NewDocument();                                                   // id; one blank page; selected
    int LastErrorCode() const;
    // The PDF library's own words for the last failure (StructureDamaged); empty when none.
    QString LastErrorDetail() const;

    // The selected document.
    int PageCount();
    void SelectPage(int page);
    double GetPageBox(int box, int dimension);        // of the selected page, in points
    int PageRotation();                               // of the selected page: 0, 90, 180 or 270
    int RenderPageToImage(double dpi, int page, QImage &image);  // non-zero = drawn
    int SaveToFile(const QString &fileName);          // 1 = saved
    qint64 SavedSize();                               // bytes SaveToFile would write now; -1 on failure
    void SetInformation(int key, const QString &text);
    QString GetInformation(int key);
    int EncodePermissions(bool print, bool copy, bool change, bool addNotes, bool fillFields,
                          bool copyAccess, bool assembly, bool printFull) const;
    int Encrypt(const QString &ownerPassword, const QString &userPassword, int strength,
                int permissions);                     // non-zero = applied when saved
    int CompressContent();                            // 1 = the save will compress
    // How the save makes the document smaller (an Optimisation); images
    // above the limit in dpi are redrawn at it. 1 = set.
    int SetOptimisation(int mode, int imageDpiLimit);
    // What optimising did when the document was last saved or measured.
    OptimisationReport LastOptimisation();
    int DeletePages(int firstPage, int count);        // 1 = deleted
    // Turns a page by angle degrees clockwise (90, 180 or 270) on top of the
    // rotation it has, its own or inherited; 1 = turned.
    int RotatePage(int page, int angle);
    int MergeDocument(int documentId);                // 1 = its pages appended to the selected one
    int SecurityInfo(int item);
    int ExtractPages(int firstPage, int count);       // id of the new, selected document; 0 on failure
    // Puts the pages in the order given as 1-based page numbers, each page
    // once; 1 = reordered. Page labels, which follow page positions, go.
    int ReorderPages(const QList<int> &order);
    int SetBookmarkMode(int mode);                    // 1 = set; for the documents merged in next
    // The pages merged in next begin another document; in
    // BookmarksPerDocument mode they open a bookmark with this title, beneath
    // which the bookmarks of the documents merged until the next group go.
    int StartBookmarkGroup(const QString &title);
    OutlineEntryList Outline();                       // the bookmarks, in reading order
    QStringList PageLabels();                         // as readers show them; empty without labels
    QList<int> DamagedPages();                        // 1-based; content that cannot be decoded

    // Whole files.
    int DecryptFile(const QString &input, const QString &output, const QString &password);
    int ExtractFilePages(const QString &input, const QString &password, const QString &output,
                         const QString &ranges);      // 1 = written
    // The same pages as a new document, open and selected instead of written:
    // a piece that is saved once needs no file of its own. Its id; 0 on failure.
    int ExtractFileDocument(const QString &input, const QString &password, const QString &ranges);

    // Puts back an error code that a clean-up call after a failure has cleared.
    void setLastErrorCode(int code);

private:
    // What the rendering half is given of the selected document.
    struct RenderSource
    {
        QByteArray bytes;       // the file's contents as loaded; empty when not at hand
        QString fileName;       // empty for a document made or changed in memory
        QByteArray password;
    };
    // Runs an engine function with the error handling of every other one.
    int guardedCall(const std::function<int()> &operation);
    // Of the selected document; the page must be one of it.
    RenderSource selectedRenderSource(int page);
    QByteArray selectedInMemoryCopy();
    std::shared_ptr<PageRenderer> &selectedRenderer();   // opened on first render

    struct Private;
    std::unique_ptr<Private> d;
};
