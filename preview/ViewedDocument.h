#ifndef CLEAVEMARK_PREVIEW_VIEWEDDOCUMENT_H
#define CLEAVEMARK_PREVIEW_VIEWEDDOCUMENT_H

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

class RenderClient;

// The document the viewer shows: the file its pages are drawn from by the
// renderer, and their sizes, read beforehand in the background. Each one
// has an id of its own for the pixmap cache, so that drawings of a document
// shown before can never stand for pages of this one.
class ViewedDocument
{
public:
    ViewedDocument(RenderClient *client, const QString &fileName, const QString &password,
                   const QList<QSize> &pageSizes);

    int documentId() const { return m_id; }
    int pageCount() const { return m_pageSizes.size(); }
    // In points, rotation applied; empty outside the document.
    QSize pageSize(int page) const { return m_pageSizes.value(page - 1); }
    // What a reader shows as the page's name ("iv"); empty when the
    // document does not label its pages.
    QString pageLabel(int page) const { return m_pageLabels.value(page - 1); }
    void setPageLabels(const QStringList &labels) { m_pageLabels = labels; }
    QString fileName() const { return m_fileName; }
    QString password() const { return m_password; }
    // Asks the renderer for the page at a size in device pixels; the answer
    // comes from renderClient()'s rendered signal with the id returned.
    int requestPage(int page, const QSize &pixels) const;
    RenderClient *renderClient() const { return m_client; }

private:
    RenderClient *m_client;
    QString m_fileName;
    QString m_password;
    QList<QSize> m_pageSizes;
    QStringList m_pageLabels;
    int m_id;
};

#endif
