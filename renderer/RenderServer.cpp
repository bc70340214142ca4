#include "renderer/RenderServer.h"

#include "pdf/PageRenderer.h"

#include <QImage>

#include <cerrno>
#include <cstdlib>

#include <unistd.h>

namespace {

// A page may take this long in poppler before it gives up on it; the
// desktop program ends the renderer if it does not answer a little later.
constexpr int TimeLimitMs = 2500;

// No page is drawn larger than this, whatever is asked: 256 MB of pixels.
constexpr qint64 LargestPixelCount = qint64(8192) * 8192;

// Tests make the renderer crash on one page number, to see the desktop
// program survive it.
int crashPage()
{
    return qEnvironmentVariableIntValue("SHEAFRENDER_TEST_CRASH_PAGE");
}

} // namespace

RenderServer::RenderServer(int input, int output) : m_input(input), m_output(output)
{
    PageRenderer::routeMessagesToLog();
}

RenderServer::~RenderServer() = default;

void RenderServer::run()
{
    QByteArray buffer;
    RenderProtocol::Request request;
    while (readMore(buffer)) {
        while (RenderProtocol::takeRequest(buffer, request))
            answer(request);
    }
}

bool RenderServer::readMore(QByteArray &buffer)
{
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(m_input, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        buffer.append(chunk, int(n));
        return true;
    }
}

void RenderServer::answer(const RenderProtocol::Request &request)
{
    if (request.page == crashPage())
        std::abort();

    QImage image;
    const qint64 pixelCount = qint64(request.pixels.width()) * request.pixels.height();
    if (pixelCount > 0 && pixelCount <= LargestPixelCount) {
        if (PageRenderer *renderer = rendererFor(request.path, request.password))
            image = renderer->renderAt(request.page, request.pixels, TimeLimitMs);
    }

    RenderProtocol::ReplyHeader header;
    header.id = request.id;
    if (!image.isNull() && image.format() == QImage::Format_RGB32 && image.bytesPerLine() == image.width() * 4) {
        header.status = RenderProtocol::Drawn;
        header.width = image.width();
        header.height = image.height();
    }
    writeAll(reinterpret_cast<const char *>(&header), sizeof header);
    if (header.status == RenderProtocol::Drawn)
        writeAll(reinterpret_cast<const char *>(image.constBits()), header.pixelBytes());
}

PageRenderer *RenderServer::rendererFor(const QString &path, const QByteArray &password)
{
    if (!m_renderer || path != m_path || password != m_password) {
        m_renderer.reset();
        m_renderer = PageRenderer::open(QByteArray(), path, password);
        m_path = path;
        m_password = password;
    }
    return m_renderer.get();
}

void RenderServer::writeAll(const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(m_output, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            std::exit(0);   // the desktop program is gone
        data += n;
        size -= n;
    }
}
