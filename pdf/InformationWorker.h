#pragma once

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

// What reading one document tells about it.
struct DocumentInformation
{
    QString path;
    QString title;              // "" unless it opened
    bool hasPassword = false;   // needs one, or opened with the non-empty one given
    bool hasSecurity = false;   // encrypted (when it opened)
    QString password;           // the non-empty password it opened with, else ""
    int pageCount = 0;          // 0 unless it opened
    QPixmap cover;              // page 1 at 72 DPI when asked for and it opened
    bool locked = false;        // needs a password that was not given
    bool securityItem5 = false; // content may be extracted (when it opened)
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

    void setRenderCover(bool render);   // off by default
    void run();

    DocumentInformation info() const { return m_info; }
    bool isDone() const { return m_done; }
    // The reason of the last run's failure; AddNoError after a successful one.
    AddErrors error() const { return m_error; }

signals:
    void started();
    void finished();

private:
    QSharedPointer<PdfService> m_service;
    QString m_path;
    QString m_password;
    bool m_renderCover = false;
    bool m_done = false;
    AddErrors m_error = AddNoError;
    DocumentInformation m_info;
};

Q_DECLARE_METATYPE(AddErrors)
