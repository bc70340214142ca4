#pragma once

#include "pdf/PdfService.h"

#include <QList>
#include <QObject>
#include <QSharedPointer>
#include <QSize>
#include <QString>
#include <QStringList>

class QImage;
class QPixmap;

// A handle of one open document: opened through the service when made,
// closed exactly once when destroyed. After opening a file it is in one of
// three states: loaded (isLoaded, !needsPassword); locked, the password is
// missing or wrong (isLoaded, needsPassword; nothing else is valid); or not
// opened at all (!isLoaded, !needsPassword).
class PdfDocument : public QObject
{
    Q_OBJECT

public:
    PdfDocument(QSharedPointer<PdfService> service, const QString &fileName, const QString &password,
                QObject *parent = nullptr);
    // A new document with one blank page.
    explicit PdfDocument(QSharedPointer<PdfService> service, QObject *parent = nullptr);
    // A new document of some pages of a file, made in memory: loaded, or
    // not opened at all when the file or the range text does not serve.
    struct PagesOf
    {
        QString fileName;
        QString password;
        QString ranges;   // "3", "3-9", "1,4-5"
    };
    PdfDocument(QSharedPointer<PdfService> service, const PagesOf &pages, QObject *parent = nullptr);
    ~PdfDocument() override;

    bool isLoaded() const;
    bool needsPassword() const;
    // The engine's error code when the file did not open; 0 otherwise.
    int loadError() const { return m_loadError; }
    // The PDF library's reason for that code, when the engine keeps one.
    QString loadErrorDetail() const { return m_loadErrorDetail; }
    int documentId() const;

    int pageCount();
    QSize pageSize(int page);
    // Drawn in this process: for the engine's tests, never for a window.
    QPixmap renderPage(int page);
    QImage renderCover();
    QString title();
    bool hasSecurity();
    bool securityItem5();
    bool compressContent();
    bool setOptimisation(Optimisation optimisation, int imageDpiLimit);
    OptimisationReport lastOptimisation();   // of the last save
    int deletePages(int firstPage, int count);
    // Turns the page by 90, 180 or 270 degrees clockwise on top of its own rotation.
    bool rotatePage(int page, int angle);
    OutlineEntryList outline();
    QStringList pageLabels();   // empty for a document without labels
    // Pages whose content cannot be decoded, 1-based (ContentCheck.h).
    QList<int> damagedPages();
    bool saveToFile(const QString &fileName);
    qint64 savedSize();   // bytes saveToFile would write now; -1 on failure
    bool reorderPages(const QList<int> &order);
    bool setProperties(const QStringList &properties, const QList<bool> &permissions);

private:
    QSharedPointer<PdfService> m_service;
    int m_documentId = 0;
    bool m_loaded = false;
    bool m_needsPassword = false;
    int m_loadError = 0;
    QString m_loadErrorDetail;
};
