// The rendering part of PdfDocument, linked only by the desktop program
// (see PdfEngineRendering.cpp).

#include "pdf/PdfDocument.h"

#include "pdf/RenderClient.h"

#include <QImage>
#include <QPixmap>

QPixmap PdfDocument::renderPage(int page)
{
    return QPixmap::fromImage(m_service->renderPage(m_documentId, page));
}

QImage PdfDocument::renderCover()
{
    return m_service->renderPage(m_documentId, 1);
}

int PdfDocument::requestPage(int page, const QSize &pixels)
{
    if (m_fileName.isEmpty() || !m_loaded || m_needsPassword)
        return 0;
    return m_service->renderClient()->request(m_fileName, m_password, page, pixels);
}

RenderClient *PdfDocument::renderClient()
{
    return m_service->renderClient();
}
