#include "protocol/JobFiles.h"

#include "common/FileUtils.h"
#include "common/Logger.h"
#include "protocol/JobSummary.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>

#include <algorithm>

namespace {

// Keys, in one place so writer and reader cannot drift apart.
const QString kMode = QStringLiteral("mode");
const QString kFileName = QStringLiteral("file_name");
const QString kFilePassword = QStringLiteral("file_password");
const QString kPageCount = QStringLiteral("page_coount");   // spelled so in every request file
const QString kRanges = QStringLiteral("ranges");
const QString kFrom = QStringLiteral("from");
const QString kTo = QStringLiteral("to");
const QString kOutDirectory = QStringLiteral("out_directory");
const QString kAuthor = QStringLiteral("property_author");
const QString kTitle = QStringLiteral("property_title");
const QString kPassword = QStringLiteral("property_password");
const QString kCreator = QStringLiteral("property_creator");
const QString kProducer = QStringLiteral("property_producer");
const QString kPermissionPrint = QStringLiteral("permission_print");
const QString kPermissionCopy = QStringLiteral("permission_copy");
const QString kPermissionChange = QStringLiteral("permission_change");
const QString kPermissionAddNotes = QStringLiteral("permission_add_notes");
const QString kPermissionFillFields = QStringLiteral("permission_fill_fields");
const QString kPermissionCopyAccess = QStringLiteral("permission_copy_access");
const QString kPermissionAssembly = QStringLiteral("permission_assembly");
const QString kPermissionPrintFull = QStringLiteral("permission_print_full");
const QString kCompressFile = QStringLiteral("compress_file");
const QString kHasSecurity = QStringLiteral("has_security");
const QString kSessionPath = QStringLiteral("session_path");
const QString kSessionId = QStringLiteral("session_id");
const QString kOutPrefix = QStringLiteral("out_prefix");
const QString kBookmarkLevel = QStringLiteral("bookmark_level");
const QString kMaxFileSize = QStringLiteral("max_file_size");
const QString kParts = QStringLiteral("parts");
const QString kPages = QStringLiteral("pages");
const QString kName = QStringLiteral("name");
const QString kRotations = QStringLiteral("rotations");
const QString kPage = QStringLiteral("page");
const QString kAngle = QStringLiteral("angle");
const QString kOversizedFiles = QStringLiteral("oversized_files");
const QString kPageOrder = QStringLiteral("page_order");
const QString kAlternate = QStringLiteral("alternate");
const QString kReversePages = QStringLiteral("reverse_pages");
const QString kErrorCode = QStringLiteral("error_code");
const QString kFiles = QStringLiteral("files");
const QString kTasks = QStringLiteral("tasks");
const QString kSaveFileName = QStringLiteral("property_save_file_name");
const QString kCachePath = QStringLiteral("cache_path");
const QString kBookmarks = QStringLiteral("bookmarks");

const QString bookmarkNames[] = {QStringLiteral("keep"), QStringLiteral("per_document"), QStringLiteral("none")};

QString bookmarksName(MergeBookmarks bookmarks)
{
    return bookmarkNames[int(bookmarks)];
}

MergeBookmarks bookmarksOf(const QJsonObject &object)
{
    const QString name = object.value(kBookmarks).toString();
    for (int i = 0; i < 3; ++i) {
        if (name == bookmarkNames[i])
            return MergeBookmarks(i);
    }
    return MergeBookmarks::Keep;
}
const QString kOptimise = QStringLiteral("optimise");
const QString kImageDpi = QStringLiteral("optimise_image_dpi");
const QString optimisationNames[] = {QStringLiteral("none"), QStringLiteral("lossless"), QStringLiteral("images")};
const QString kBytesWritten = QStringLiteral("bytes_written");
const QString kBytesBefore = QStringLiteral("bytes_before");
const QString kImagesChanged = QStringLiteral("images_changed");
const QString kImagesLeft = QStringLiteral("images_left");

Optimisation optimisationOf(const QJsonObject &object)
{
    const QString name = object.value(kOptimise).toString();
    for (int i = 0; i < 3; ++i) {
        if (name == optimisationNames[i])
            return Optimisation(i);
    }
    return Optimisation::None;
}

const QString kTaskFullPath = QStringLiteral("task_full_path");
const QString kTaskHasPassword = QStringLiteral("task_has_password");
const QString kTaskPassword = QStringLiteral("task_password");
const QString kTaskHasSecurity = QStringLiteral("task_has_security");
const QString kTaskPageCount = QStringLiteral("task_page_count");
const QString kOrder = QStringLiteral("order");
const QString kPageRanges = QStringLiteral("page_ranges");
const QString kRangeFrom = QStringLiteral("range_from");
const QString kRangeTo = QStringLiteral("range_to");
const QString kMergedFileName = QStringLiteral("merged_file_name");
const QString kErrorFileName = QStringLiteral("error_file_name");
const QString kFailedCount = QStringLiteral("failed_count");
const QString kRenamedCount = QStringLiteral("renamed_count");
const QString kErrorCause = QStringLiteral("error_cause");
const QString kErrorDetail = QStringLiteral("error_detail");
const QString kDamagedPages = QStringLiteral("damaged_pages");

int intOf(const QJsonObject &object, const QString &key, int fallback = 0)
{
    return object.value(key).toInt(fallback);
}

bool boolOf(const QJsonObject &object, const QString &key, bool fallback)
{
    return object.value(key).toBool(fallback);
}

QString stringOf(const QJsonObject &object, const QString &key)
{
    return object.value(key).toString();
}

// Sizes in bytes may pass what an int holds.
qint64 int64Of(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    return value.isDouble() ? qint64(value.toDouble()) : 0;
}

QJsonArray fileArrayOf(const QStringList &files)
{
    QJsonArray array;
    for (const QString &file : files)
        array.append(QJsonObject{{kFileName, file}});
    return array;
}

QStringList filesOf(const QJsonObject &object, const QString &key)
{
    QStringList files;
    for (const QJsonValue &element : object.value(key).toArray())
        files.append(stringOf(element.toObject(), kFileName));
    return files;
}

// Each permission's key beside its field, in the order of permissions().
struct PermissionField
{
    const QString &key;
    bool OutputOptions::*member;
};

const PermissionField permissionFields[] = {
    {kPermissionPrint, &OutputOptions::permissionPrint},
    {kPermissionCopy, &OutputOptions::permissionCopy},
    {kPermissionChange, &OutputOptions::permissionChange},
    {kPermissionAddNotes, &OutputOptions::permissionAddNotes},
    {kPermissionFillFields, &OutputOptions::permissionFillFields},
    {kPermissionCopyAccess, &OutputOptions::permissionCopyAccess},
    {kPermissionAssembly, &OutputOptions::permissionAssembly},
    {kPermissionPrintFull, &OutputOptions::permissionPrintFull},
};

void writeOutputOptions(const OutputOptions &options, QJsonObject &object)
{
    object.insert(kAuthor, options.author);
    object.insert(kTitle, options.title);
    object.insert(kPassword, options.password);
    object.insert(kCreator, options.creator);
    object.insert(kProducer, options.producer);
    for (const PermissionField &field : permissionFields)
        object.insert(field.key, options.*field.member);
    object.insert(kCompressFile, options.compressFile);
    // Only an optimising request carries the keys: other requests stay as they were.
    if (options.optimise != Optimisation::None) {
        object.insert(kOptimise, optimisationNames[int(options.optimise)]);
        object.insert(kImageDpi, options.imageDpiLimit);
    }
}

// A missing permission key reads as true, whatever the record's own default.
void readOutputOptions(const QJsonObject &object, OutputOptions &options)
{
    options.author = stringOf(object, kAuthor);
    options.title = stringOf(object, kTitle);
    options.password = stringOf(object, kPassword);
    options.creator = stringOf(object, kCreator);
    options.producer = stringOf(object, kProducer);
    for (const PermissionField &field : permissionFields)
        options.*field.member = boolOf(object, field.key, true);
    options.compressFile = boolOf(object, kCompressFile, false);
    options.optimise = optimisationOf(object);
    // A limit far outside what screens and printers use is a mistake:
    // at a few dpi every photograph would be redrawn as a blur.
    const int dpi = intOf(object, kImageDpi, 150);
    options.imageDpiLimit = dpi >= 72 && dpi <= 1200 ? dpi : 150;
}

// Only a job that wrote something tells sizes; a failed one's response stays as it was.
void writeSizes(const OutputSizes &sizes, QJsonObject &object)
{
    if (sizes.bytesWritten <= 0)
        return;
    object.insert(kBytesWritten, double(sizes.bytesWritten));
    object.insert(kBytesBefore, double(sizes.bytesBefore));
    object.insert(kImagesChanged, sizes.imagesChanged);
    object.insert(kImagesLeft, sizes.imagesLeft);
}

OutputSizes sizesOf(const QJsonObject &object)
{
    OutputSizes sizes;
    sizes.bytesWritten = int64Of(object, kBytesWritten);
    sizes.bytesBefore = object.value(kBytesBefore).isDouble() ? int64Of(object, kBytesBefore) : -1;
    sizes.imagesChanged = intOf(object, kImagesChanged);
    sizes.imagesLeft = intOf(object, kImagesLeft);
    return sizes;
}

QByteArray encode(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented).toBase64();
}

// Characters outside the Base64 alphabet, line ends included, are skipped.
bool readEncodedFile(const QString &path, QByteArray &json)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    json = QByteArray::fromBase64(file.readAll());
    return true;
}

QJsonObject parseObject(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

// Logged as one summary line, never as the request's text: that holds
// passwords and, for a large split, thousands of lines.
template<typename Request, typename Describe>
void readRequest(const QString &path, Request &request, const QString &logText, Describe describe)
{
    QByteArray json;
    if (!readEncodedFile(path, json))
        return;
    request = Request::fromJson(parseObject(json));
    Logger::instance().log(logText.arg(describe(request)), LogDebug);
}

bool writeEncoded(const QJsonObject &object, const QString &path)
{
    const QByteArray data = encode(object);
    if (data.isEmpty())
        return false;
    return writePrivateFile(path, data);
}

PageRangeList splitRangesFromJson(const QJsonArray &array)
{
    PageRangeList ranges;
    for (const QJsonValue &element : array) {
        const QJsonObject range = element.toObject();
        ranges.append({intOf(range, kFrom), intOf(range, kTo)});
    }
    return ranges;
}

QJsonArray splitRangesToJson(const PageRangeList &ranges)
{
    QJsonArray array;
    for (const PageRange &range : ranges)
        array.append(QJsonObject{{kFrom, range.from}, {kTo, range.to}});
    return array;
}

QList<SplitPart> partsFromJson(const QJsonArray &array)
{
    QList<SplitPart> parts;
    for (const QJsonValue &element : array) {
        const QJsonObject part = element.toObject();
        parts.append({splitRangesFromJson(part.value(kPages).toArray()), stringOf(part, kName)});
    }
    return parts;
}

QJsonArray partsToJson(const QList<SplitPart> &parts)
{
    QJsonArray array;
    for (const SplitPart &part : parts) {
        QJsonObject object{{kPages, splitRangesToJson(part.pages)}};
        if (!part.name.isEmpty())
            object.insert(kName, part.name);
        array.append(object);
    }
    return array;
}

QList<PageRotation> rotationsFromJson(const QJsonArray &array)
{
    QList<PageRotation> rotations;
    for (const QJsonValue &element : array) {
        const QJsonObject rotation = element.toObject();
        rotations.append({intOf(rotation, kPage), intOf(rotation, kAngle)});
    }
    return rotations;
}

QJsonArray rotationsToJson(const QList<PageRotation> &rotations)
{
    QJsonArray array;
    for (const PageRotation &rotation : rotations)
        array.append(QJsonObject{{kPage, rotation.page}, {kAngle, rotation.angle}});
    return array;
}

// Ranges are keyed by their "order"; a later range with the same order wins.
PageRangeList mergeRangesFromJson(const QJsonArray &array)
{
    QMap<int, PageRange> byOrder;
    for (const QJsonValue &element : array) {
        const QJsonObject range = element.toObject();
        byOrder.insert(intOf(range, kOrder), {intOf(range, kRangeFrom), intOf(range, kRangeTo)});
    }
    return byOrder.values();
}

QJsonArray mergeRangesToJson(const PageRangeList &ranges)
{
    QJsonArray array;
    for (int i = 0; i < ranges.size(); ++i)
        array.append(QJsonObject{{kRangeFrom, ranges.at(i).from}, {kRangeTo, ranges.at(i).to}, {kOrder, i}});
    return array;
}

MergeItem mergeItemFromJson(const QJsonObject &object)
{
    MergeItem item;
    item.fullPath = stringOf(object, kTaskFullPath);
    item.hasPassword = boolOf(object, kTaskHasPassword, false);
    item.password = stringOf(object, kTaskPassword);
    item.hasSecurity = boolOf(object, kTaskHasSecurity, false);
    item.pageCount = intOf(object, kTaskPageCount);
    item.order = intOf(object, kOrder);
    item.pageRanges = mergeRangesFromJson(object.value(kPageRanges).toArray());
    item.reversePages = boolOf(object, kReversePages, false);
    return item;
}

QJsonObject mergeItemToJson(const MergeItem &item)
{
    QJsonObject object{{kTaskFullPath, item.fullPath},
                       {kTaskHasPassword, item.hasPassword},
                       {kTaskPassword, item.password},
                       {kTaskHasSecurity, item.hasSecurity},
                       {kTaskPageCount, item.pageCount},
                       {kOrder, item.order},
                       {kPageRanges, mergeRangesToJson(item.pageRanges)}};
    if (item.reversePages)
        object.insert(kReversePages, true);
    return object;
}

} // namespace

QList<bool> OutputOptions::permissions() const
{
    QList<bool> flags;
    for (const PermissionField &field : permissionFields)
        flags.append(this->*field.member);
    return flags;
}

void OutputSizes::add(qint64 written, const OptimisationReport &report)
{
    bytesWritten += written;
    if (report.sizeBefore >= 0)
        bytesBefore = qMax<qint64>(bytesBefore, 0) + report.sizeBefore;
    imagesChanged += report.imagesChanged;
    imagesLeft += report.imagesLeft;
}

QStringList OutputOptions::properties() const
{
    return {author, title, password, creator, producer};
}

QJsonObject SplitRequest::toJson() const
{
    QJsonObject object;
    object.insert(kMode, mode);
    object.insert(kFileName, QDir::toNativeSeparators(fileName));
    object.insert(kFilePassword, filePassword);
    object.insert(kPageCount, pageCount);
    object.insert(kRanges, splitRangesToJson(ranges));
    object.insert(kOutDirectory, QDir::toNativeSeparators(outDirectory));
    writeOutputOptions(*this, object);
    object.insert(kHasSecurity, hasSecurity);
    object.insert(kSessionPath, QDir::toNativeSeparators(sessionPath));
    object.insert(kSessionId, sessionId);
    object.insert(kOutPrefix, outPrefix);
    // Only the modes that use them carry them: other requests stay as they were.
    if (mode == Bookmarks)
        object.insert(kBookmarkLevel, bookmarkLevel);
    if (mode == FileSize)
        object.insert(kMaxFileSize, double(maxFileSize));
    if (mode == Parts)
        object.insert(kParts, partsToJson(parts));
    if (!rotations.isEmpty())
        object.insert(kRotations, rotationsToJson(rotations));
    return object;
}

SplitRequest SplitRequest::fromJson(const QJsonObject &object)
{
    SplitRequest request;
    request.mode = intOf(object, kMode);
    request.fileName = stringOf(object, kFileName);
    request.filePassword = stringOf(object, kFilePassword);
    request.pageCount = intOf(object, kPageCount);
    request.ranges = splitRangesFromJson(object.value(kRanges).toArray());
    request.outDirectory = stringOf(object, kOutDirectory);
    readOutputOptions(object, request);
    request.hasSecurity = boolOf(object, kHasSecurity, false);
    request.sessionPath = stringOf(object, kSessionPath);
    request.sessionId = stringOf(object, kSessionId);
    request.outPrefix = stringOf(object, kOutPrefix);
    request.bookmarkLevel = intOf(object, kBookmarkLevel);
    request.maxFileSize = int64Of(object, kMaxFileSize);
    request.parts = partsFromJson(object.value(kParts).toArray());
    request.rotations = rotationsFromJson(object.value(kRotations).toArray());
    return request;
}

QJsonObject SplitResponse::toJson() const
{
    QJsonObject object{{kSessionId, sessionId}, {kErrorCode, errorCode}, {kFiles, fileArrayOf(files)},
                       {kFailedCount, failedCount}, {kErrorCause, errorCause}};
    if (!oversizedFiles.isEmpty())
        object.insert(kOversizedFiles, fileArrayOf(oversizedFiles));
    if (renamedCount > 0)
        object.insert(kRenamedCount, renamedCount);
    if (!errorDetail.isEmpty())
        object.insert(kErrorDetail, errorDetail);
    writeSizes(sizes, object);
    return object;
}

SplitResponse SplitResponse::fromJson(const QJsonObject &object)
{
    SplitResponse response;
    response.sessionId = stringOf(object, kSessionId);
    response.errorCode = intOf(object, kErrorCode);
    response.files = filesOf(object, kFiles);
    response.oversizedFiles = filesOf(object, kOversizedFiles);
    response.failedCount = intOf(object, kFailedCount);
    response.renamedCount = intOf(object, kRenamedCount);
    response.errorCause = intOf(object, kErrorCause);
    response.errorDetail = stringOf(object, kErrorDetail);
    response.sizes = sizesOf(object);
    return response;
}

QJsonObject MergeRequest::toJson() const
{
    QJsonArray taskArray;
    for (const MergeItem &item : tasks)
        taskArray.append(mergeItemToJson(item));

    QJsonObject object;
    object.insert(kTasks, taskArray);
    object.insert(kSaveFileName, saveFileName);
    writeOutputOptions(*this, object);
    object.insert(kCachePath, cachePath);
    object.insert(kSessionId, sessionId);
    if (pageOrder == PageOrder::Alternate)
        object.insert(kPageOrder, kAlternate);
    object.insert(kBookmarks, bookmarksName(bookmarks));
    return object;
}

MergeRequest MergeRequest::fromJson(const QJsonObject &object)
{
    MergeRequest request;
    request.saveFileName = stringOf(object, kSaveFileName);
    readOutputOptions(object, request);
    request.cachePath = stringOf(object, kCachePath);
    request.sessionId = stringOf(object, kSessionId);
    request.pageOrder = stringOf(object, kPageOrder) == kAlternate ? PageOrder::Alternate : PageOrder::Sequential;
    request.bookmarks = bookmarksOf(object);
    for (const QJsonValue &element : object.value(kTasks).toArray())
        request.tasks.append(mergeItemFromJson(element.toObject()));
    std::stable_sort(request.tasks.begin(), request.tasks.end(),
                     [](const MergeItem &a, const MergeItem &b) { return a.order < b.order; });
    return request;
}

QJsonObject MergeResponse::toJson() const
{
    QJsonObject object{{kErrorCode, errorCode}, {kMergedFileName, mergedFileName},
                       {kErrorFileName, errorFileName}, {kErrorCause, errorCause}};
    writeSizes(sizes, object);
    if (!errorDetail.isEmpty())
        object.insert(kErrorDetail, errorDetail);
    if (!damagedPages.isEmpty()) {
        QJsonArray pages;
        for (const DamagedPage &page : damagedPages)
            pages.append(QJsonObject{{kFileName, page.fileName}, {kPage, page.page}});
        object.insert(kDamagedPages, pages);
    }
    return object;
}

MergeResponse MergeResponse::fromJson(const QJsonObject &object)
{
    MergeResponse response;
    response.errorCode = intOf(object, kErrorCode);
    response.mergedFileName = stringOf(object, kMergedFileName);
    response.errorFileName = stringOf(object, kErrorFileName);
    response.errorCause = intOf(object, kErrorCause);
    response.errorDetail = stringOf(object, kErrorDetail);
    response.sizes = sizesOf(object);
    for (const QJsonValue &element : object.value(kDamagedPages).toArray()) {
        const QJsonObject page = element.toObject();
        response.damagedPages.append({stringOf(page, kFileName), intOf(page, kPage)});
    }
    return response;
}

void readSplitRequest(const QString &path, SplitRequest &request)
{
    readRequest(path, request, QStringLiteral("Split request: %1"), describeSplitRequest);
}

void readMergeRequest(const QString &path, MergeRequest &request)
{
    readRequest(path, request, QStringLiteral("Merge request: %1"), describeMergeRequest);
}

bool writeSplitResponse(const SplitResponse &response, const QString &path)
{
    return writeEncoded(response.toJson(), path);
}

bool writeMergeResponse(const MergeResponse &response, const QString &path)
{
    return writeEncoded(response.toJson(), path);
}

bool writeRequestData(const QJsonObject &object, const QString &path)
{
    return writeEncoded(object, path);
}

bool readResponseData(const QString &path, QJsonObject &object)
{
    QByteArray json;
    if (!readEncodedFile(path, json))
        return false;
    object = parseObject(json);
    return true;
}
