#include "pdf/PageRenderer.h"

#include "common/Logger.h"
#include "pdf/EngineFailure.h"
#include "pdf/PdfEngine.h"

#include <poppler-qt5.h>

#include <QDateTime>
#include <QPainter>

#include <poll.h>

namespace {

void logRendererMessage(const QString &message, const QVariant &)
{
    Logger::instance().log(QStringLiteral("PDF renderer: ") + message);
}

} // namespace

std::unique_ptr<PageRenderer> PageRenderer::open(const QByteArray &bytes, const QString &fileName,
                                                 const QByteArray &password)
{
    std::unique_ptr<Poppler::Document> document(bytes.isEmpty()
                                                    ? Poppler::Document::load(fileName, password, password)
                                                    : Poppler::Document::loadFromData(bytes, password, password));
    if (!document || document->isLocked())
        return nullptr;
    document->setRenderHint(Poppler::Document::Antialiasing, true);
    document->setRenderHint(Poppler::Document::TextAntialiasing, true);
    document->setPaperColor(Qt::white);
    return std::unique_ptr<PageRenderer>(new PageRenderer(std::move(document)));
}

PageRenderer::PageRenderer(std::unique_ptr<Poppler::Document> document) : m_document(std::move(document)) {}

PageRenderer::~PageRenderer() = default;

void PageRenderer::render(int page, double dpi, QImage &image)
{
    std::unique_ptr<Poppler::Page> rendererPage(m_document->page(page - 1));
    if (!rendererPage)
        throw EngineFailure(PdfEngine::RenderFailed, "renderer has no such page");
    const QImage drawn = rendererPage->renderToImage(dpi, dpi);
    if (drawn.isNull())
        throw EngineFailure(PdfEngine::RenderFailed, "renderer drew nothing");
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(0, 0, drawn);
}

namespace {

// When poppler should give up on a page: past the deadline, or when the
// watched descriptor has something to read.
struct StopCondition
{
    qint64 deadline;
    int watched;
};

bool shouldStop(const QVariant &payload)
{
    const auto *stop = static_cast<const StopCondition *>(payload.value<void *>());
    if (QDateTime::currentMSecsSinceEpoch() > stop->deadline)
        return true;
    if (stop->watched < 0)
        return false;
    struct pollfd watched = {stop->watched, POLLIN, 0};
    return ::poll(&watched, 1, 0) > 0;
}

} // namespace

int PageRenderer::pageCount() const
{
    return m_document->numPages();
}

QSize PageRenderer::pixelsAt(int page, double dpi) const
{
    std::unique_ptr<Poppler::Page> rendererPage(m_document->page(page - 1));
    if (!rendererPage)
        return QSize();
    const QSizeF points = rendererPage->pageSizeF();
    return QSize(qMax(0, qRound(points.width() * dpi / 72.0)), qMax(0, qRound(points.height() * dpi / 72.0)));
}

QString PageRenderer::text(int page) const
{
    std::unique_ptr<Poppler::Page> rendererPage(m_document->page(page - 1));
    return rendererPage ? rendererPage->text(QRectF()) : QString();
}

QImage PageRenderer::renderAt(int page, const QSize &pixels, int timeLimitMs, int stopWhenReadable)
{
    std::unique_ptr<Poppler::Page> rendererPage(m_document->page(page - 1));
    if (!rendererPage || pixels.isEmpty())
        return QImage();
    const QSizeF points = rendererPage->pageSizeF();
    if (points.width() <= 0 || points.height() <= 0)
        return QImage();
    const double xDpi = 72.0 * pixels.width() / points.width();
    const double yDpi = 72.0 * pixels.height() / points.height();
    StopCondition stop{QDateTime::currentMSecsSinceEpoch() + timeLimitMs, stopWhenReadable};
    const QVariant payload = QVariant::fromValue(static_cast<void *>(&stop));
    const QImage drawn = rendererPage->renderToImage(xDpi, yDpi, -1, -1, -1, -1, Poppler::Page::Rotate0, nullptr,
                                                     nullptr, shouldStop, payload);
    if (drawn.isNull() || shouldStop(payload))
        return QImage();
    if (drawn.size() == pixels && drawn.format() == QImage::Format_RGB32)
        return drawn;
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawImage(0, 0, drawn);
    return image;
}

void PageRenderer::routeMessagesToLog()
{
    Poppler::setDebugErrorFunction(logRendererMessage, QVariant());
}
