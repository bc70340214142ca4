#include "preview/ThumbnailDelegate.h"

#include "preview/ThumbnailModel.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

const int padding = 8;
const QColor sheetColor(236, 236, 236);
const QColor sheetTextColor(90, 90, 90);
const QColor selectedColor(58, 123, 213);
const QColor selectedFill(58, 123, 213, 40);
const QColor cutColor(214, 69, 65);
const QColor leftOutVeil(255, 255, 255, 170);
const QColor frameColor(200, 205, 214);

// The size a page takes on screen when turned by a quarter or three.
QSize turned(const QSize &size, int rotation)
{
    return rotation % 180 == 0 ? size : size.transposed();
}

} // namespace

ThumbnailDelegate::ThumbnailDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

int ThumbnailDelegate::captionHeight(const QFontMetrics &metrics) const
{
    return metrics.height() + 4;
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return QSize(m_side + 2 * padding + CutGap, m_side + 2 * padding + captionHeight(option.fontMetrics));
}

QRect ThumbnailDelegate::pageRect(const QRect &itemRect, const QSize &pageSize) const
{
    const QRect box(itemRect.left() + padding, itemRect.top() + padding, m_side, m_side);
    if (pageSize.isEmpty())
        return box;
    const QSize fitted = pageSize.scaled(box.size(), Qt::KeepAspectRatio);
    // Pages stand on a common foot line, as on a table.
    return QRect(box.left() + (box.width() - fitted.width()) / 2, box.bottom() + 1 - fitted.height(),
                 fitted.width(), fitted.height());
}

void ThumbnailDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QRect item = option.rect.adjusted(0, 0, -CutGap, 0);
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        painter->setPen(QPen(selectedColor, 2));
        painter->setBrush(selectedFill);
        painter->drawRoundedRect(QRectF(item).adjusted(1, 1, -1, -1), 6, 6);
    }
    if (option.state & QStyle::State_HasFocus) {
        painter->setPen(QPen(selectedColor, 1, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(item).adjusted(3.5, 3.5, -3.5, -3.5), 5, 5);
    }

    const int rotation = index.data(ThumbnailModel::RotationRole).toInt();
    const QSize shown = turned(index.data(ThumbnailModel::PageSizeRole).toSize(), rotation);
    const QRect page = pageRect(option.rect, shown);
    paintPage(painter, page, index);
    if (index.data(ThumbnailModel::LeftOutRole).toBool()) {
        painter->fillRect(page, leftOutVeil);
        painter->setPen(QPen(cutColor, 3, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(page.bottomLeft() + QPoint(4, -4), page.topRight() + QPoint(-4, 4));
    }
    const QRect caption(item.left(), option.rect.top() + 2 * padding + m_side, item.width(),
                        captionHeight(option.fontMetrics));
    paintCaption(painter, option, caption, index);
    if (index.data(ThumbnailModel::CutAfterRole).toBool())
        paintCut(painter, option.rect);
    painter->restore();
}

void ThumbnailDelegate::paintPage(QPainter *painter, const QRect &page, const QModelIndex &index) const
{
    const QPixmap pixmap = index.data(Qt::DecorationRole).value<QPixmap>();
    if (pixmap.isNull()) {
        painter->fillRect(page, sheetColor);
        if (index.data(ThumbnailModel::CannotBeShownRole).toBool()) {
            painter->setPen(sheetTextColor);
            painter->drawText(page.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap,
                              ThumbnailModel::tr("This page cannot be shown"));
        }
    } else {
        // The page is turned here: a turn marked costs no new drawing.
        const int rotation = index.data(ThumbnailModel::RotationRole).toInt();
        painter->save();
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->translate(QRectF(page).center());
        painter->rotate(rotation);
        const QSize upright = turned(page.size(), rotation);
        painter->drawPixmap(QRect(-upright.width() / 2, -upright.height() / 2, upright.width(), upright.height()),
                            pixmap);
        painter->restore();
    }
    painter->setPen(frameColor);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(page).adjusted(0.5, 0.5, -0.5, -0.5));
}

void ThumbnailDelegate::paintCaption(QPainter *painter, const QStyleOptionViewItem &option, const QRect &rect,
                                     const QModelIndex &index) const
{
    const QString number = index.data(Qt::DisplayRole).toString();
    const QString label = index.data(ThumbnailModel::PageLabelRole).toString();
    const QString text = label.isEmpty() || label == number ? number : number + QStringLiteral(" · ") + label;
    painter->setPen(option.palette.color(QPalette::WindowText));
    painter->setFont(option.font);
    painter->drawText(rect, Qt::AlignHCenter | Qt::AlignVCenter,
                      option.fontMetrics.elidedText(text, Qt::ElideRight, rect.width()));
}

// A dashed line down the gap after the page, scissors at its top.
void ThumbnailDelegate::paintCut(QPainter *painter, const QRect &itemRect) const
{
    const int x = itemRect.right() - CutGap / 2;
    painter->setPen(QPen(cutColor, 2, Qt::DashLine));
    painter->drawLine(x, itemRect.top() + padding + 16, x, itemRect.bottom() - padding);
    QFont font = painter->font();
    font.setPixelSize(16);
    painter->setFont(font);
    painter->setPen(cutColor);
    painter->drawText(QRect(x - CutGap / 2, itemRect.top() + padding - 2, CutGap, 18), Qt::AlignCenter,
                      QString(QChar(0x2702)));
}
