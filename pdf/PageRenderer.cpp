#include "pdf/PageRenderer.h"

#include "common/Logger.h"
#include "pdf/EngineFailure.h"
#include "pdf/PdfEngine.h"

#include <poppler-qt5.h>

#include <QPainter>

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

void PageRenderer::routeMessagesToLog()
{
    Poppler::setDebugErrorFunction(logRendererMessage, QVariant());
}
