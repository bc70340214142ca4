#ifndef CLEAVEMARK_PREVIEW_COVER_H
#define CLEAVEMARK_PREVIEW_COVER_H

#include <QFrame>
#include <QPointer>

class QLabel;
class RenderClient;

// The document's thumbnail on the preview panel: nothing, a lock for a
// document that needs a password, or the first page fitted into the frame.
class Cover : public QFrame
{
    Q_OBJECT

public:
    enum Look { Empty = 0, Locked = 1, Thumbnail = 2 };

    explicit Cover(QWidget *parent = nullptr);

    // The pixmap counts only for the thumbnail look; one with a device
    // pixel ratio keeps it, so that it stays as sharp as the screen.
    void setLook(Look look, const QPixmap &pixmap = QPixmap());
    Look look() const { return m_look; }
    QLabel *label() const { return m_label; }

    // Shows the first page of a document, drawn by the renderer at the
    // screen's pixel ratio: a neutral placeholder at once, the page when it
    // arrives, and the placeholder again when it cannot be shown. Asking
    // again for the same document changes nothing.
    void showFirstPage(RenderClient *client, const QString &path, const QString &password,
                       const QSize &pagePoints);
    bool isWaitingForPage() const { return m_request != 0; }
    // The page did not arrive and the placeholder stays.
    bool pageFailed() const { return m_pageFailed; }

private:
    void pageRendered(int id, const QImage &image);
    void forgetRequest();
    QPixmap placeholder() const;

    QLabel *m_label = nullptr;
    Look m_look = Empty;
    QPointer<RenderClient> m_client;
    int m_request = 0;
    QString m_shownPage;       // path and password of the page asked for
    QSize m_pageSize;          // its size on the cover, in logical pixels
    bool m_pageFailed = false;
};

#endif
