#include "preview/Page.h"

#include "pdf/RenderClient.h"
#include "preview/ViewedDocument.h"

#include <QPainter>
#include <QPixmapCache>

namespace {

const int badgeMinimumWidth = 100;
const int badgeTextPadding = 10;
const int badgeHeight = 30;
const int badgeBottomGap = 1;
const qreal badgeRoundness = 8;
const QColor badgeColor(128, 128, 128, 128);
const QColor placeholderColor(236, 236, 236);
const QColor placeholderTextColor(90, 90, 90);

} // namespace

Page::Page(QSharedPointer<ViewedDocument> document, int pageNumber, QWidget *parent)
    : QLabel(parent)
    , m_document(std::move(document))
    , m_pageNumber(pageNumber)
    , m_size(m_document->pageSize(pageNumber))
{
    setFixedSize(m_size);
}

Page::~Page()
{
    cancelRendering();
}

void Page::setScale(qreal scale)
{
    const QSize scaled = (QSizeF(m_size) * scale).toSize().expandedTo(QSize(1, 1));
    if (scaled == size())
        return;
    cancelRendering();
    m_failed = false;
    setFixedSize(scaled);
}

Page::State Page::state() const
{
    QPixmap pixmap;
    if (cachedPixmap(pixmap))
        return Shown;
    return m_failed ? CannotBeShown : Waiting;
}

QString Page::cacheKey(int documentId, int pageNumber)
{
    return QStringLiteral("viewer_docID_%1_p%2").arg(documentId).arg(pageNumber);
}

QRect Page::badgeRect(const QFontMetrics &metrics, const QString &text, const QSize &pageSize)
{
    const int width = qMax(badgeMinimumWidth, metrics.horizontalAdvance(text) + badgeTextPadding);
    const int bottom = pageSize.height() - 1 - badgeBottomGap;
    return QRect((pageSize.width() - width) / 2, bottom - badgeHeight + 1, width, badgeHeight);
}

// A drawing made for another pixel ratio (the window moved to another
// screen) or another zoom does not count.
bool Page::cachedPixmap(QPixmap &pixmap) const
{
    return QPixmapCache::find(cacheKey(m_document->documentId(), m_pageNumber), &pixmap)
           && qFuzzyCompare(pixmap.devicePixelRatio(), devicePixelRatioF())
           && pixmap.size() == size() * devicePixelRatioF();
}

void Page::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPixmap pixmap;
    if (!cachedPixmap(pixmap)) {
        paintPlaceholder(painter);
        if (!m_failed && m_request == 0)
            requestRendering();
        return;
    }
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, pixmap);
}

void Page::requestRendering()
{
    m_request = m_document->requestPage(m_pageNumber, size() * devicePixelRatioF());
    connect(m_document->renderClient(), &RenderClient::rendered, this, &Page::pageRendered,
            Qt::UniqueConnection);
}

void Page::cancelRendering()
{
    if (m_request == 0)
        return;
    RenderClient *client = m_document->renderClient();
    client->cancel(m_request);
    disconnect(client, &RenderClient::rendered, this, &Page::pageRendered);
    m_request = 0;
}

void Page::pageRendered(int id, const QImage &image)
{
    if (id != m_request)
        return;
    disconnect(m_document->renderClient(), &RenderClient::rendered, this, &Page::pageRendered);
    m_request = 0;
    if (image.isNull()) {
        m_failed = true;
        setAccessibleDescription(tr("This page cannot be shown"));
    } else {
        QPixmap pixmap = QPixmap::fromImage(image, Qt::NoFormatConversion);
        pixmap.setDevicePixelRatio(devicePixelRatioF());
        paintBadge(pixmap);
        QPixmapCache::insert(cacheKey(m_document->documentId(), m_pageNumber), pixmap);
    }
    update();
}

void Page::paintPlaceholder(QPainter &painter)
{
    painter.fillRect(rect(), placeholderColor);
    if (!m_failed)
        return;
    // In the middle of the part in view: a page can be far taller than the window.
    const QRect shown = visibleRegion().boundingRect().intersected(rect());
    painter.setPen(placeholderTextColor);
    painter.drawText((shown.isEmpty() ? rect() : shown).adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                     tr("This page cannot be shown"));
}

void Page::paintBadge(QPixmap &pixmap) const
{
    const QString text = tr("Page %1").arg(m_pageNumber);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    const QRect badge = badgeRect(painter.fontMetrics(), text, size());
    painter.setPen(Qt::NoPen);
    painter.setBrush(badgeColor);
    painter.drawRoundedRect(badge, badgeRoundness, badgeRoundness);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, text);
}
