#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSet>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Small PDF files generated on the fly for tests. Page k of a fixture draws
// the text "Page k" in Helvetica, so a test can tell after a split or merge
// which source pages ended up where.
struct FixtureOptions
{
    // Where a damaged file names a stream in place of a resource dictionary.
    enum class StreamResources { None, OnPages, OnPageTree, OnFormXObjects };

    int pageCount = 1;
    int rotate = 0;                 // /Rotate of every page (any value, also unnormalised ones)
    QMap<int, int> pageRotations;   // 1-based page -> /Rotate, overrides rotate
    bool sharedResources = true;    // one /Resources dictionary for all pages
    QString userPassword;
    QString ownerPassword;          // empty: the user password serves as owner password
    bool restrictPermissions = false; // forbid copy, modify, print, annotate
    bool compressStreams = true;
    int paddingBytes = 0;           // bulk in an image that only page 1 draws, listed in the shared resources
    int pageImageBytes = 0;         // every page draws a full-page image of its own, this large and incompressible
    StreamResources streamResources = StreamResources::None;
    QSizeF pageSize{612, 792};      // media box
    QRectF cropBox;                 // written when not empty
    QRectF bleedBox;                // written when not empty
    // Interactive parts (PdfStructure.h says what each holds).
    bool form = false;              // needs 2 pages
    bool formAsksForAppearances = true; // /NeedAppearances; without it viewers draw the stored appearances
    bool outline = false;           // needs 6 pages
    bool pageLabels = false;        // needs 3 pages
    QString title;                  // the document information's /Title
    QSet<int> blankPages;           // 1-based pages drawn with nothing at all
    QList<int> damagedContentPages; // 1-based: their content is Flate data that does not decode
    bool sharedContents = false;    // every page draws page 1's content: very many pages in few bytes
    bool objectStreams = false;     // objects other than streams packed into compressed object streams
};

bool writePdfFixture(const QString &path, const FixtureOptions &options = {});

// A PDF written by hand from the given objects, numbered from 1, with its
// cross-reference table; object 1 is the catalog.
QByteArray pdfOf(const QList<QByteArray> &objects);

// PDF documents, header and all, that qpdf's recovery cannot open: a page
// tree whose /Kids lead back to itself, and a file whose trailer names no
// /Root while its cross-reference table points nowhere.
enum class UnopenablePdf { CyclicPageTree, LostTrailer };
bool writeUnopenablePdf(const QString &path, UnopenablePdf kind);

// The "Page k" text of every page in page order ("" for a page without one,
// or whose content cannot be read); an empty list when the file cannot be read.
QStringList pageTexts(const QString &path, const QString &password = {});

int fixturePageCount(const QString &path, const QString &password = {});   // -1 if unreadable

// A checksum of the stored data of the full-page image each page draws (see
// pageImageBytes), in page order ("" for a page without one); an empty list
// when the file cannot be read.
QStringList pageImageChecksums(const QString &path);

struct FixtureSecurity
{
    bool opened = false;            // the file could be read with the password given
    bool encrypted = false;
    bool aes256 = false;
    bool allowsPrint = false;
    bool allowsPrintFull = false;
    bool allowsCopy = false;
    bool allowsModify = false;
    bool allowsAnnotate = false;
    bool allowsFillForms = false;
    bool allowsAccessibility = false;
    bool allowsAssemble = false;
    bool userPasswordOk = false;
    bool ownerPasswordOk = false;
};

FixtureSecurity inspectSecurity(const QString &path, const QString &password = {});

// A text entry of the document information dictionary, e.g. "/Title";
// a null string when the entry or the file is missing.
QString fixtureInfo(const QString &path, const QString &key, const QString &password = {});

// The file identifier (both /ID strings of the trailer, hex, joined by "-");
// empty when the file has none or cannot be read.
QString fixtureFileId(const QString &path, const QString &password = {});

// The /Rotate value of a page as written in the file (inherited values included).
int fixturePageRotation(const QString &path, int page, const QString &password = {});
