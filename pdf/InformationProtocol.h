#pragma once

#include "pdf/InformationReader.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

// How the desktop program has a document's information read by its page
// renderer program (sheafrender), started with informArgument for the one
// document: the request goes to the program's standard input, which is then
// closed, and the result comes back on its standard output, both in
// QDataStream form. The program parses the document under the renderer's
// limits, so a document that takes much memory or time to parse costs the
// window neither.
namespace InformationProtocol {

inline constexpr char informArgument[] = "--inform";

inline QByteArray encode(const InformationRequest &request)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream << request.path << request.password << request.readOutline << request.readPageSizes;
    return bytes;
}

inline bool decode(const QByteArray &bytes, InformationRequest &request)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_15);
    stream >> request.path >> request.password >> request.readOutline >> request.readPageSizes;
    return stream.status() == QDataStream::Ok;
}

inline QByteArray encode(const InformationResult &result)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    const DocumentInformation &info = result.info;
    stream << qint32(result.error) << qint32(result.engineError) << info.path << info.title << info.hasPassword
           << info.hasSecurity << info.password << qint32(info.pageCount) << info.firstPageSize << info.locked
           << info.securityItem5 << info.pageSizes << info.pageLabels << qint32(info.outline.size());
    for (const OutlineEntry &entry : info.outline)
        stream << qint32(entry.level) << entry.title << qint32(entry.page);
    stream << result.engineErrorDetail;
    return bytes;
}

inline bool decode(const QByteArray &bytes, InformationResult &result)
{
    QDataStream stream(bytes);
    stream.setVersion(QDataStream::Qt_5_15);
    DocumentInformation &info = result.info;
    qint32 error = 0, engineError = 0, pageCount = 0, outlineSize = 0;
    stream >> error >> engineError >> info.path >> info.title >> info.hasPassword >> info.hasSecurity
        >> info.password >> pageCount >> info.firstPageSize >> info.locked >> info.securityItem5 >> info.pageSizes
        >> info.pageLabels >> outlineSize;
    for (qint32 i = 0; i < outlineSize && stream.status() == QDataStream::Ok; ++i) {
        OutlineEntry entry;
        qint32 level = 0, page = 0;
        stream >> level >> entry.title >> page;
        entry.level = level;
        entry.page = page;
        info.outline.append(entry);
    }
    stream >> result.engineErrorDetail;
    result.error = AddErrors(error);
    result.engineError = engineError;
    info.pageCount = pageCount;
    return stream.status() == QDataStream::Ok;
}

} // namespace InformationProtocol
