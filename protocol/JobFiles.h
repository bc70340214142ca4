#ifndef CLEAVEMARK_PROTOCOL_JOBFILES_H
#define CLEAVEMARK_PROTOCOL_JOBFILES_H

#include "pdf/Optimisation.h"
#include "pdf/PageRange.h"

#include <QJsonObject>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

// A job travels between the GUI and the worker as two files in the job's
// session folder: "<session id>.req" written by the GUI and "<session id>.resp"
// written by the worker. Each holds the Base64 text (no newline) of an indented
// JSON document. Missing keys and values of another type read as defaults.

// What both jobs set on the documents they write.
struct OutputOptions
{
    QString author;
    QString title;
    QString password;
    QString creator;
    QString producer;
    bool permissionPrint = true;
    bool permissionCopy = true;
    bool permissionChange = true;
    bool permissionAddNotes = true;
    bool permissionFillFields = true;
    bool permissionCopyAccess = false;
    bool permissionAssembly = false;
    bool permissionPrintFull = false;
    bool compressFile = false;
    // "optimise": "none", "lossless" or "images"; a missing or unknown value is none.
    Optimisation optimise = Optimisation::None;
    int imageDpiLimit = 150;   // "optimise_image_dpi": images above it are redrawn at it

    QList<bool> permissions() const;   // print, copy, change, add notes, fill fields, copy access, assembly, print full
    QStringList properties() const;    // author, title, password, creator, producer
};

// One file of a split into parts: its pages in the order of the ranges,
// and the name the user gave it; an empty name takes the name template.
struct SplitPart
{
    PageRangeList pages;
    QString name;
};

// A turn the user gave a page: angle degrees clockwise (90, 180 or 270),
// added to the page's own rotation wherever the page goes.
struct PageRotation
{
    int page = 0;    // 1-based, in the source document
    int angle = 0;
};

struct SplitRequest : OutputOptions
{
    // 0 = cut the ranges into files, 1 = remove the pages, 2 = cut at the
    // bookmarks of bookmarkLevel, 3 = cut into files of at most maxFileSize
    // bytes, 4 = one file per part
    enum Mode { Ranges = 0, RemovePages = 1, Bookmarks = 2, FileSize = 3, Parts = 4 };
    int mode = Ranges;
    QString fileName;
    QString filePassword;
    int pageCount = 0;
    PageRangeList ranges;
    QString outDirectory;
    bool hasSecurity = false;
    QString sessionPath;
    QString sessionId;
    QString outPrefix;   // file-name template; empty = built-in naming
    int bookmarkLevel = 0;     // mode 2: 1 for the top-level bookmarks, 2 for those beneath, ...
    qint64 maxFileSize = 0;    // mode 3: the largest piece, in bytes
    QList<SplitPart> parts;    // mode 4, in the order they are written
    QList<PageRotation> rotations;   // any mode

    QJsonObject toJson() const;
    static SplitRequest fromJson(const QJsonObject &object);
};

// How much a job wrote, for the user ("merged: 4.1 MB → 0.7 MB").
struct OutputSizes
{
    qint64 bytesWritten = 0;   // "bytes_written": all files the job wrote
    qint64 bytesBefore = -1;   // "bytes_before": the same without optimising; -1 when not optimised
    int imagesChanged = 0;     // "images_changed"
    int imagesLeft = 0;        // "images_left"

    bool optimised() const { return bytesBefore >= 0; }
    void add(qint64 written, const OptimisationReport &report);
};

struct SplitResponse
{
    QString sessionId;
    int errorCode = 0;
    QStringList files;
    QStringList oversizedFiles;   // files of single pages larger than the size limit (mode 3)
    int failedCount = 0;   // outputs of the request that were not written
    int renamedCount = 0;  // outputs that got a "(n)" name because a file of their name was there
    int errorCause = 0;    // why (protocol/JobErrors.h JobCause), for the first that failed
    QString errorDetail;   // the PDF library's reason, for JobCause::StructureDamaged
    OutputSizes sizes;

    QJsonObject toJson() const;
    static SplitResponse fromJson(const QJsonObject &object);
};

struct MergeItem
{
    QString fullPath;
    bool hasPassword = false;
    QString password;
    bool hasSecurity = false;
    int pageCount = 0;
    int order = 0;
    PageRangeList pageRanges;   // empty = the whole document
    bool reversePages = false;  // its pages, after the ranges, in reverse order
};

// What becomes of the merged documents' bookmarks ("bookmarks": "keep",
// "per_document" or "none").
enum class MergeBookmarks { Keep, PerDocument, None };

struct MergeRequest : OutputOptions
{
    // Sequential: each document's pages after the other's. Alternate: one
    // page of each document in turn, as when fronts and backs of a stack
    // were scanned into two files.
    enum class PageOrder { Sequential, Alternate };

    QList<MergeItem> tasks;
    PageOrder pageOrder = PageOrder::Sequential;
    QString saveFileName;
    QString cachePath;
    QString sessionId;
    MergeBookmarks bookmarks = MergeBookmarks::Keep;   // a missing or unknown value keeps them

    QJsonObject toJson() const;
    // Items come out sorted by their order; page ranges by their own order,
    // where a later range with the same order replaces the earlier one.
    static MergeRequest fromJson(const QJsonObject &object);
};

// A page a merge carried into its output with content its source could not
// decode ("damaged_pages": {"file_name", "page"}).
struct DamagedPage
{
    QString fileName;   // the source document
    int page = 0;       // 1-based, in the source
};

struct MergeResponse
{
    int errorCode = 0;
    QString mergedFileName;
    QString errorFileName;
    int errorCause = 0;    // why it failed (protocol/JobErrors.h JobCause)
    QString errorDetail;   // the PDF library's reason, for JobCause::StructureDamaged
    OutputSizes sizes;
    QList<DamagedPage> damagedPages;   // in the merged file's order

    QJsonObject toJson() const;
    static MergeResponse fromJson(const QJsonObject &object);
};

// Worker side. A request that cannot be read leaves the record as it was; a
// request that does not decode or parse gives the defaults. The request is
// logged as one summary line without its passwords (JobSummary.h).
void readSplitRequest(const QString &path, SplitRequest &request);
void readMergeRequest(const QString &path, MergeRequest &request);
bool writeSplitResponse(const SplitResponse &response, const QString &path);
bool writeMergeResponse(const MergeResponse &response, const QString &path);

// GUI side: write a request object, read a response object.
bool writeRequestData(const QJsonObject &object, const QString &path);
bool readResponseData(const QString &path, QJsonObject &object);

#endif
