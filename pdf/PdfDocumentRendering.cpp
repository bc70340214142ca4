// The rendering part of PdfDocument, linked only by the desktop program
// (see PdfEngineRendering.cpp).

#include "pdf/PdfDocument.h"

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
