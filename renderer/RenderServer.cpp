#include "renderer/RenderServer.h"

#include "common/FileUtils.h"
#include "pdf/PageFactsReader.h"
#include "pdf/PageRenderer.h"
#include "pdf/ScanPages.h"

#include <QDataStream>
#include <QImage>

#include <cerrno>
#include <cstdlib>
#include <utility>

#include <poll.h>
#include <unistd.h>

namespace {

// A page may take this long in poppler before it gives up on it; the
// desktop program ends the renderer if it does not answer a little later.
constexpr int TimeLimitMs = 2500;
// A page drawn ahead gets less: nobody waits for it.
constexpr int AheadTimeLimitMs = 500;

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
        bool answered = false;
        while (RenderProtocol::takeRequest(buffer, request)) {
            answer(request);
            answered = true;
        }
        if (answered && buffer.isEmpty() && !inputWaiting())
            drawAhead(request);
    }
}

bool RenderServer::inputWaiting() const
{
    struct pollfd input = {m_input, POLLIN, 0};
    return ::poll(&input, 1, 0) > 0;
}

// Only after a page that was drawn quickly: a page that takes long is no
// page to guess after, and drawing ahead stops as soon as a request comes.
void RenderServer::drawAhead(const RenderProtocol::Request &answered)
{
    PageRenderer *renderer = m_renderer.get();
    if (!renderer || answered.wantsFacts || answered.path != m_path || answered.password != m_password
        || answered.page >= renderer->pageCount())
        return;
    m_ahead.path = answered.path;
    m_ahead.password = answered.password;
    m_ahead.page = answered.page + 1;
    m_ahead.pixels = answered.pixels;
    m_ahead.image = renderer->renderAt(m_ahead.page, m_ahead.pixels, AheadTimeLimitMs, m_input);
}

QImage RenderServer::takeAhead(const RenderProtocol::Request &request)
{
    if (m_ahead.image.isNull() || request.page != m_ahead.page || request.pixels != m_ahead.pixels
        || request.path != m_ahead.path || request.password != m_ahead.password)
        return QImage();
    return std::exchange(m_ahead, AheadPage()).image;
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
    if (request.wantsFacts) {
        answerFacts(request);
        return;
    }

    QImage image = takeAhead(request);
    if (image.isNull() && RenderProtocol::isDrawableSize(request.pixels)) {
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

// A page that cannot be read answers as unreadable, never as a failure:
// finding cuts counts such pages and goes on.
void RenderServer::answerFacts(const RenderProtocol::Request &request)
{
    PageFacts facts = PageFacts::unreadable();
    PageRenderer *renderer = rendererFor(request.path, request.password);
    if (renderer && request.facts.blank && !m_scans)
        m_scans = std::make_unique<ScanPages>(request.path, request.password);
    if (renderer && request.page >= 1 && request.page <= renderer->pageCount())
        facts = PageFactsReader::read(*renderer, m_scans.get(), request.page, request.facts, TimeLimitMs);
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << facts;

    RenderProtocol::ReplyHeader header;
    header.id = request.id;
    header.status = RenderProtocol::Found;
    header.factsBytes = bytes.size();
    writeAll(reinterpret_cast<const char *>(&header), sizeof header);
    writeAll(bytes.constData(), bytes.size());
}

PageRenderer *RenderServer::rendererFor(const QString &path, const QByteArray &password)
{
    if (!m_renderer || path != m_path || password != m_password) {
        m_renderer.reset();
        m_scans.reset();
        m_renderer = PageRenderer::open(QByteArray(), path, password);
        m_path = path;
        m_password = password;
    }
    return m_renderer.get();
}

void RenderServer::writeAll(const char *data, qint64 size)
{
    if (!writeFully(m_output, data, size))
        std::exit(0);   // the desktop program is gone
}
