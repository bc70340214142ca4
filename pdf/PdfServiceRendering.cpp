// The rendering part of PdfService, linked only by the desktop program
// (see PdfEngineRendering.cpp).

#include "pdf/PdfService.h"

#include "pdf/RenderClient.h"
#include "pdf/RenderProtocol.h"

#include <QImage>
#include <QMutexLocker>

namespace {

constexpr double RenderDpi = 72.0;

} // namespace

QImage PdfService::renderPage(int documentId, int page)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    SelectPage(page);
    const QSize size = selectedPageSize();
    if (size.isEmpty())
        return QImage();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return QImage();
    // An image the renderer did not fill holds whatever the memory held.
    if (RenderPageToImage(RenderDpi, page, image) != 1)
        return QImage();
    return image;
}

RenderClient *PdfService::renderClient()
{
    if (!m_renderClient)
        m_renderClient = new RenderClient(RenderProtocol::rendererProgram(), this);
    return m_renderClient;
}
