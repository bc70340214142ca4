#include "pdf/InformationWorker.h"

#include "pdf/PdfDocument.h"

#include <QFileInfo>

InformationWorker::InformationWorker(QSharedPointer<PdfService> service, const QString &path,
                                     const QString &password, QObject *parent)
    : QObject(parent), m_service(std::move(service)), m_path(path), m_password(password)
{
}

void InformationWorker::setReadOutline(bool read)
{
    m_readOutline = read;
}

void InformationWorker::setReadPageSizes(bool read)
{
    m_readPageSizes = read;
}

void InformationWorker::run()
{
    emit started();
    m_info = DocumentInformation();
    m_info.path = m_path;
    m_engineError = 0;
    m_engineErrorDetail.clear();

    if (!m_service) {
        m_error = AddCannotOpen;
    } else {
        PdfDocument document(m_service, m_path, m_password);
        if (!document.isLoaded()) {
            m_error = QFileInfo(m_path).isFile() ? AddCannotOpen : AddFileNotFound;
            m_engineError = document.loadError();
            m_engineErrorDetail = document.loadErrorDetail();
        } else if (document.needsPassword()) {
            m_error = AddPasswordRequired;
            m_info.locked = true;
            m_info.hasPassword = true;
        } else {
            m_error = AddNoError;
            m_info.title = document.title();
            m_info.hasSecurity = document.hasSecurity();
            m_info.pageCount = document.pageCount();
            if (m_info.pageCount > 0)
                m_info.firstPageSize = document.pageSize(1);
            if (!m_password.isEmpty()) {
                m_info.hasPassword = true;
                m_info.password = m_password;
            }
            m_info.securityItem5 = document.securityItem5();
            if (m_readOutline)
                m_info.outline = document.outline();
            for (int page = 1; m_readPageSizes && page <= m_info.pageCount; ++page)
                m_info.pageSizes.append(document.pageSize(page));
            if (m_readPageSizes)
                m_info.pageLabels = document.pageLabels();
        }
    }

    m_done = true;
    emit finished();
}
