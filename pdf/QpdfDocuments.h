#pragma once

#include "pdf/FileStamp.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

// Building and writing the engine's qpdf documents: new documents made of
// pages, and the writer set up for compression, encryption and atomic files.
// Failures throw EngineFailure; the engine turns them into error codes.
namespace QpdfDocuments {

// Encryption asked for a document, applied when it is written.
struct PendingEncryption
{
    std::string ownerPassword;
    std::string userPassword;
    int permissions = 0;
};

struct WriteOptions
{
    bool compress = false;
    // Streams recompressed at the highest level, identical resources stored once.
    bool lossless = false;
    bool decrypt = false;
    bool scratch = false;   // a working copy: written in place, see writePdf
    std::optional<PendingEncryption> encryption;
};

std::shared_ptr<QPDF> blankPdf();
std::vector<QPDFPageObjectHelper> allPages(QPDF &pdf);
int pageCountOf(QPDF &pdf);

// A working copy (a decrypted source, extracted pages) is written in place,
// every other file atomically (see OutputFile). With a copy given, the
// written bytes are also left there when small enough, else it is emptied.
// Returns the stamp of a working copy.
FileStamp writePdf(QPDF &pdf, const QString &fileName, const WriteOptions &options,
                   QByteArray *copy = nullptr);

// The number of bytes writePdf would write, found by writing the document
// with the same options into a counter.
qint64 writtenSize(QPDF &pdf, const WriteOptions &options);

// A new document made of the given pages of a source, carrying only the
// resources those pages use.
std::shared_ptr<QPDF> pdfOfPages(const std::vector<QPDFPageObjectHelper> &pages);

// The pages from the 0-based index on, without walking those before it.
std::vector<QPDFPageObjectHelper> pagesFrom(QPDF &pdf, int firstIndex);

std::vector<QPDFPageObjectHelper> pagesByNumber(const std::vector<QPDFPageObjectHelper> &pages,
                                                const QList<int> &numbers);

// Throws PageOutOfRange unless the span lies within the document.
void checkPageSpan(qint64 firstPage, qint64 count, qint64 pageCount);

} // namespace QpdfDocuments
