#include "pdf/PdfDocument.h"

PdfDocument::PdfDocument(QSharedPointer<PdfService> service, const QString &fileName,
                         const QString &password, QObject *parent)
    : QObject(parent), m_service(std::move(service))
{
    m_loaded = m_service->loadFile(fileName, password, m_documentId, m_needsPassword, &m_loadError, &m_loadErrorDetail);
}

PdfDocument::PdfDocument(QSharedPointer<PdfService> service, QObject *parent)
    : QObject(parent), m_service(std::move(service))
{
    m_documentId = m_service->newDocument();
}

PdfDocument::PdfDocument(QSharedPointer<PdfService> service, const PagesOf &pages, QObject *parent)
    : QObject(parent), m_service(std::move(service))
{
    m_documentId = m_service->extractDocument(pages.fileName, pages.password, pages.ranges);
    m_loaded = m_documentId != 0;
}

PdfDocument::~PdfDocument()
{
    // A handle that never opened a document (id 0) has nothing to close.
    if (m_documentId != 0)
        m_service->closeDocument(m_documentId);
    m_documentId = 0;
}

bool PdfDocument::isLoaded() const
{
    return m_loaded;
}

bool PdfDocument::needsPassword() const
{
    return m_needsPassword;
}

int PdfDocument::documentId() const
{
    return m_documentId;
}

int PdfDocument::pageCount()
{
    return m_service->pageCount(m_documentId);
}

QSize PdfDocument::pageSize(int page)
{
    return m_service->pageSize(m_documentId, page);
}

QString PdfDocument::title()
{
    return m_service->title(m_documentId);
}

bool PdfDocument::hasSecurity()
{
    return m_service->hasSecurity(m_documentId);
}

bool PdfDocument::securityItem5()
{
    return m_service->securityItem5(m_documentId);
}

bool PdfDocument::compressContent()
{
    return m_service->compressContent(m_documentId);
}

bool PdfDocument::setOptimisation(Optimisation optimisation, int imageDpiLimit)
{
    return m_service->setOptimisation(m_documentId, optimisation, imageDpiLimit);
}

OptimisationReport PdfDocument::lastOptimisation()
{
    return m_service->lastOptimisation(m_documentId);
}

int PdfDocument::deletePages(int firstPage, int count)
{
    return m_service->deletePages(m_documentId, firstPage, count);
}

bool PdfDocument::rotatePage(int page, int angle)
{
    return m_service->rotatePage(m_documentId, page, angle);
}

QList<int> PdfDocument::damagedPages()
{
    return m_service->damagedPages(m_documentId);
}

OutlineEntryList PdfDocument::outline()
{
    return m_service->outline(m_documentId);
}

QStringList PdfDocument::pageLabels()
{
    return m_service->pageLabels(m_documentId);
}

bool PdfDocument::saveToFile(const QString &fileName)
{
    return m_service->saveToFile(m_documentId, fileName);
}

qint64 PdfDocument::savedSize()
{
    return m_service->savedSize(m_documentId);
}

bool PdfDocument::reorderPages(const QList<int> &order)
{
    return m_service->reorderPages(m_documentId, order);
}

bool PdfDocument::setProperties(const QStringList &properties, const QList<bool> &permissions)
{
    return m_service->setProperties(m_documentId, properties, permissions);
}
