#include "preview/ThumbnailLoader.h"

#include "pdf/RenderClient.h"
#include "preview/ViewedDocument.h"

ThumbnailLoader::ThumbnailLoader(QObject *parent)
    : QObject(parent)
{
    m_cache.setMaxCost(DefaultCacheKilobytes);
}

ThumbnailLoader::~ThumbnailLoader()
{
    cancelAll();
}

void ThumbnailLoader::setDocument(QSharedPointer<ViewedDocument> document)
{
    cancelAll();
    m_cache.clear();
    m_failed.clear();
    m_document = std::move(document);
    if (m_document && m_document->renderClient())
        connect(m_document->renderClient(), &RenderClient::rendered, this, &ThumbnailLoader::rendered,
                Qt::UniqueConnection);
}

void ThumbnailLoader::setCacheLimit(int kilobytes)
{
    m_cache.setMaxCost(kilobytes);
}

void ThumbnailLoader::setThumbnailSize(int side, qreal pixelRatio)
{
    m_side = side;
    m_pixelRatio = pixelRatio;
}

QSize ThumbnailLoader::pixelSize(int page) const
{
    const QSize points = m_document ? m_document->pageSize(page) : QSize();
    if (points.isEmpty())
        return QSize();
    const int side = qRound(m_side * m_pixelRatio);
    return points.scaled(side, side, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

bool ThumbnailLoader::isCurrent(int page) const
{
    const QPixmap *pixmap = m_cache.object(page);
    return pixmap && pixmap->size() == pixelSize(page);
}

QPixmap ThumbnailLoader::thumbnail(int page) const
{
    const QPixmap *pixmap = m_cache.object(page);
    return pixmap ? *pixmap : QPixmap();
}

void ThumbnailLoader::request(const QList<int> &pages)
{
    if (!m_document || !m_document->renderClient())
        return;
    // No more than the cache holds: pages drawn ahead must not push out
    // those in view, which come first.
    const QSize typical = pixelSize(pages.value(0, 1));
    const int kilobytes = qMax(1, typical.width() * typical.height() * 4 / 1024);
    const QList<int> kept = pages.mid(0, qMax(1, m_cache.maxCost() / kilobytes));
    const QSet<int> wanted(kept.cbegin(), kept.cend());
    RenderClient *client = m_document->renderClient();
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (wanted.contains(it.key())) {
            ++it;
            continue;
        }
        client->cancel(it.value());
        m_pageOfRequest.remove(it.value());
        it = m_pending.erase(it);
    }
    for (int page : kept) {
        if (page < 1 || page > m_document->pageCount() || m_pending.contains(page) || m_failed.contains(page)
            || isCurrent(page))
            continue;
        const int id = m_document->requestPage(page, pixelSize(page));
        m_pending.insert(page, id);
        m_pageOfRequest.insert(id, page);
    }
}

void ThumbnailLoader::rendered(int id, const QImage &image)
{
    const auto found = m_pageOfRequest.constFind(id);
    if (found == m_pageOfRequest.cend())
        return;
    const int page = found.value();
    m_pageOfRequest.erase(found);
    m_pending.remove(page);
    if (image.isNull()) {
        m_failed.insert(page);
    } else {
        auto *pixmap = new QPixmap(QPixmap::fromImage(image, Qt::NoFormatConversion));
        const int kilobytes = qMax(1, int(qint64(pixmap->width()) * pixmap->height() * pixmap->depth() / 8 / 1024));
        m_cache.insert(page, pixmap, kilobytes);
    }
    emit thumbnailArrived(page);
}

void ThumbnailLoader::cancelAll()
{
    if (m_document && m_document->renderClient()) {
        for (int id : qAsConst(m_pending))
            m_document->renderClient()->cancel(id);
    }
    m_pending.clear();
    m_pageOfRequest.clear();
}
