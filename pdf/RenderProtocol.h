#pragma once

#include "pdf/PageFacts.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QSize>
#include <QString>
#include <QtGlobal>

#include <cstring>

// What the desktop program and its page renderer (sheafrender) say to each
// other over the renderer's standard input and output. A request is a frame:
// its length (4 bytes, native order: both ends run on one machine) and the
// request in QDataStream form. A reply is a fixed header followed, when the
// page was drawn, by its pixels: width x height x 4 bytes of RGB32, rows
// without padding. Replies come in the order of the requests.
//
// A request for a page's facts (finding cuts) is answered with a header of
// status Found followed by factsBytes bytes: the facts in QDataStream form.
namespace RenderProtocol {

// The renderer's one argument; started without it, it only prints its usage.
inline constexpr char serveArgument[] = "--serve";

// The renderer program, installed beside the desktop program.
inline QString rendererProgram()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sheafrender");
}

struct Request
{
    quint32 id = 0;
    QString path;
    QByteArray password;   // only ever sent here, never on a command line
    qint32 page = 0;       // 1-based
    QSize pixels;          // the size to draw the page at, in device pixels
    // Finding cuts: the facts of the page instead of its picture.
    bool wantsFacts = false;
    PageFactsQuery facts;
};

enum Status : qint32 { Drawn = 0, Failed = 1, Found = 2 };

// No page is drawn larger than this, whatever is asked: 256 MB of pixels.
inline constexpr qint64 LargestPixelCount = qint64(8192) * 8192;

// A request the renderer refuses for its size alone, whatever the page.
inline bool isDrawableSize(const QSize &pixels)
{
    const qint64 count = qint64(pixels.width()) * pixels.height();
    return pixels.width() > 0 && pixels.height() > 0 && count <= LargestPixelCount;
}

struct ReplyHeader
{
    quint32 id = 0;
    qint32 status = Failed;
    qint32 width = 0;
    qint32 height = 0;
    qint32 factsBytes = 0;

    qint64 pixelBytes() const { return status == Drawn ? qint64(width) * height * 4 : 0; }
    qint64 payloadBytes() const { return pixelBytes() + (status == Found ? factsBytes : 0); }
};

inline QByteArray encode(const Request &request)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << request.id << request.path << request.password << request.page << request.pixels;
    stream << request.wantsFacts << request.facts;
    const quint32 length = quint32(payload.size());
    return QByteArray(reinterpret_cast<const char *>(&length), sizeof length) + payload;
}

// Takes one whole request off the front of the buffer; false while the
// buffer does not hold one yet.
inline bool takeRequest(QByteArray &buffer, Request &request)
{
    quint32 length = 0;
    if (buffer.size() < int(sizeof length))
        return false;
    std::memcpy(&length, buffer.constData(), sizeof length);
    if (buffer.size() < int(sizeof length + length))
        return false;
    QDataStream stream(buffer.mid(sizeof length, int(length)));
    stream >> request.id >> request.path >> request.password >> request.page >> request.pixels;
    stream >> request.wantsFacts >> request.facts;
    buffer.remove(0, int(sizeof length + length));
    return stream.status() == QDataStream::Ok;
}

} // namespace RenderProtocol
