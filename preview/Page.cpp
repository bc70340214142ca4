#include "preview/Page.h"

#include "pdf/PdfDocument.h"

#include <QPainter>
#include <QPixmapCache>

namespace {

const int badgeMinimumWidth = 100;
const int badgeTextPadding = 10;
const int badgeHeight = 30;
const int badgeBottomGap = 1;
const qreal badgeRoundness = 8;
const QColor badgeColor(128, 128, 128, 128);

} // namespace

Page::Page(QSharedPointer<PdfDocument> document, int pageNumber, QWidget *parent)
    : QLabel(parent)
    , m_document(std::move(document))
    , m_pageNumber(pageNumber)
    , m_size(m_document->pageSize(pageNumber))
{
    setFixedSize(m_size);
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

void Page::paintEvent(QPaintEvent *)
{
    const QString key = cacheKey(m_document->documentId(), m_pageNumber);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = renderWithBadge();
        if (pixmap.isNull())
            return;
        QPixmapCache::insert(key, pixmap);
    }
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawPixmap(0, 0, pixmap);
}

QPixmap Page::renderWithBadge()
{
    QPixmap pixmap = m_document->renderPage(m_pageNumber);
    if (!pixmap.isNull())
        paintBadge(pixmap);
    return pixmap;
}

void Page::paintBadge(QPixmap &pixmap) const
{
    const QString text = tr("Page %1").arg(m_pageNumber);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font());
    const QRect badge = badgeRect(painter.fontMetrics(), text, pixmap.size());
    painter.setPen(Qt::NoPen);
    painter.setBrush(badgeColor);
    painter.drawRoundedRect(badge, badgeRoundness, badgeRoundness);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, text);
}
