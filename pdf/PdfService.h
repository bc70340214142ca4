#pragma once

#include "pdf/PdfEngine.h"

#include <QList>
#include <QMutex>
#include <QSize>
#include <QString>
#include <QStringList>

class QImage;

// The one place where the program talks to the PDF engine. Documents are
// named by the engine's document id; whoever opened one closes it.
//
// Every operation except mergeDocument holds the service's mutex from its
// first to its last engine call, since the engine's selected document and
// page are shared by all callers. The mutex is not recursive and no
// operation calls another while holding it.
class RenderClient;

class PdfService : public PdfEngine
{
    Q_OBJECT

public:
    explicit PdfService(QObject *parent = nullptr);
    ~PdfService() override;

    // True when the file opened, or when it exists but the password is
    // missing or wrong (needsPassword is then set and documentId left alone).
    // errorCode, when given, takes the engine's code of a failed load, and
    // errorDetail the PDF library's reason where the engine keeps one.
    bool loadFile(const QString &fileName, const QString &password, int &documentId, bool &needsPassword,
                  int *errorCode = nullptr, QString *errorDetail = nullptr);
    // Parses a file in the background that loadFile will be asked for next.
    void prefetchFile(const QString &fileName, const QString &password);
    int newDocument();
    int closeDocument(int documentId);

    int pageCount(int documentId);
    QSize pageSize(int documentId, int page);   // points, truncated; swapped for 90 and 270 degrees
    QImage renderPage(int documentId, int page); // 72 DPI, exactly pageSize, Format_RGB32
    bool saveToFile(int documentId, const QString &fileName);
    qint64 savedSize(int documentId);   // bytes saveToFile would write now; -1 on failure

    // properties: author, title, password, creator, producer.
    // permissions: print, copy, change, add notes, fill fields, copy for
    // accessibility, assembly, print full quality.
    bool setProperties(int documentId, const QStringList &properties, const QList<bool> &permissions);
    QString title(int documentId);
    bool compressContent(int documentId);
    // How saving makes the document smaller; images above the limit in dpi are redrawn at it.
    bool setOptimisation(int documentId, Optimisation optimisation, int imageDpiLimit);
    OptimisationReport lastOptimisation(int documentId);   // of the last save
    int deletePages(int documentId, int firstPage, int count);
    bool rotatePage(int documentId, int page, int angle);   // clockwise, on top of its rotation
    int mergeDocument(int targetId, int sourceId);   // takes no lock: the merge uses one thread
    bool reorderPages(int documentId, const QList<int> &order);   // 1-based numbers, each page once
    // How mergeDocument files the bookmarks of what it appends (PdfEngine::BookmarkMode).
    bool setBookmarkMode(int documentId, int mode);
    // The pages merged in next begin another document, which opens a
    // bookmark with this title when there is one bookmark per document.
    bool startBookmarkGroup(int documentId, const QString &title);
    OutlineEntryList outline(int documentId);
    QStringList pageLabels(int documentId);
    // Pages whose content cannot be decoded (ContentCheck.h), 1-based.
    QList<int> damagedPages(int documentId);
    bool hasSecurity(int documentId);
    bool securityItem5(int documentId);              // true: content may be extracted

    int decryptFile(const QString &input, const QString &output, const QString &password);
    int extractFilePages(const QString &input, const QString &password, const QString &output,
                         const QString &ranges);
    int extractPages(const QString &input, const QString &password, const QString &output,
                     int firstPage, int count);
    // The pages of the range text as a new open document, for a PdfDocument
    // to adopt (see PdfDocument::PagesOf); its id, or 0.
    int extractDocument(const QString &input, const QString &password, const QString &ranges);
    int lastErrorCode();
    QString lastErrorDetail();   // the PDF library's reason for StructureDamaged

    // Draws pages in the renderer program, asynchronously; made on first
    // use, for the widgets of the thread that owns the service.
    RenderClient *renderClient();

private:
    QSize selectedPageSize();
    static QString randomOwnerPassword();

    QMutex m_mutex;
    RenderClient *m_renderClient = nullptr;
};
