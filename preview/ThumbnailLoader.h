#ifndef CLEAVEMARK_PREVIEW_THUMBNAILLOADER_H
#define CLEAVEMARK_PREVIEW_THUMBNAILLOADER_H

#include <QCache>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QSharedPointer>
#include <QSize>

class ViewedDocument;

// The thumbnails of one document's pages. They are drawn by the renderer
// program, only for the pages asked for (those in view and just ahead), and
// kept in a cache of bounded size whatever the page count: a page dropped
// from it is drawn again when it comes back into view. A thumbnail of
// another size (the grid's size changed) is still handed out, scaled by the
// painter, until the new one arrives.
class ThumbnailLoader : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultCacheKilobytes = 64 * 1024;

    explicit ThumbnailLoader(QObject *parent = nullptr);
    ~ThumbnailLoader() override;

    // Forgets the thumbnails of the document shown before.
    void setDocument(QSharedPointer<ViewedDocument> document);
    void setCacheLimit(int kilobytes);
    // The longest side of a thumbnail in device-independent pixels, and the
    // screen's pixel ratio they are drawn at.
    void setThumbnailSize(int side, qreal pixelRatio);

    // Draws these pages, in this order, and no others: pages asked for
    // before and not drawn yet are no longer waited for. Pages beyond what
    // the cache can hold are left out from the end of the list.
    void request(const QList<int> &pages);

    // Null until the page arrived (or after it left the cache).
    QPixmap thumbnail(int page) const;
    bool cannotBeShown(int page) const { return m_failed.contains(page); }
    bool isWaiting(int page) const { return m_pending.contains(page); }
    int cachedCount() const { return m_cache.size(); }
    int cachedKilobytes() const { return m_cache.totalCost(); }
    // The size in device pixels a page's thumbnail is drawn at.
    QSize pixelSize(int page) const;

signals:
    void thumbnailArrived(int page);

private:
    void rendered(int id, const QImage &image);
    void cancelAll();
    bool isCurrent(int page) const;

    QSharedPointer<ViewedDocument> m_document;
    QCache<int, QPixmap> m_cache;
    QHash<int, int> m_pending;     // page -> request id
    QHash<int, int> m_pageOfRequest;
    QSet<int> m_failed;
    int m_side = 160;
    qreal m_pixelRatio = 1.0;
};

#endif
