#pragma once

#include "pdf/DocumentInformation.h"
#include "pdf/PdfService.h"

#include <QMetaType>
#include <QObject>
#include <QPixmap>
#include <QSharedPointer>
#include <QString>

// Why a document could not be added, as far as reading its information tells.
enum AddErrors {
    AddNoError = 0,           // the document opened
    AddFileNotFound = 1,      // no existing regular file at the path
    AddCannotOpen = 2,        // the file is there but is no readable PDF
    AddPasswordRequired = 3,  // the password given is missing or wrong
};

// Reads the information of one document synchronously, in the caller's
// thread, through the shared service. run() may be called again; each run
// starts from a fresh record.
class InformationWorker : public QObject
{
    Q_OBJECT

public:
    InformationWorker(QSharedPointer<PdfService> service, const QString &path,
                      const QString &password = QString(), QObject *parent = nullptr);

    void setReadOutline(bool read);     // off by default
    void setReadPageSizes(bool read);   // off by default
    void run();

    DocumentInformation info() const { return m_info; }
    bool isDone() const { return m_done; }
    // The reason of the last run's failure; AddNoError after a successful one.
    AddErrors error() const { return m_error; }
    // The engine's error code of a document that did not open; 0 otherwise.
    int engineError() const { return m_engineError; }
    QString engineErrorDetail() const { return m_engineErrorDetail; }

signals:
    void started();
    void finished();

private:
    QSharedPointer<PdfService> m_service;
    QString m_path;
    QString m_password;
    bool m_readOutline = false;
    bool m_readPageSizes = false;
    bool m_done = false;
    AddErrors m_error = AddNoError;
    int m_engineError = 0;
    QString m_engineErrorDetail;
    DocumentInformation m_info;
};

Q_DECLARE_METATYPE(AddErrors)
