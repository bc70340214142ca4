#ifndef CLEAVEMARK_PREVIEW_THUMBNAILDELEGATE_H
#define CLEAVEMARK_PREVIEW_THUMBNAILDELEGATE_H

#include <QStyledItemDelegate>

// Draws one page of the grid: its thumbnail turned by its rotation mark,
// a grey sheet while it is on its way or when it cannot be shown, the page
// number and label below, a dimmed and struck-through page when it is left
// out, and a dashed line with scissors in the gap after a page cut after.
class ThumbnailDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ThumbnailDelegate(QObject *parent = nullptr);

    // The longest side of a thumbnail, in device-independent pixels.
    void setThumbnailSide(int side) { m_side = side; }
    int thumbnailSide() const { return m_side; }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // Where the thumbnail of a page of this size sits in an item at rect.
    QRect pageRect(const QRect &itemRect, const QSize &pageSize) const;
    // The gap on an item's right where a cut is drawn.
    static constexpr int CutGap = 18;

private:
    void paintPage(QPainter *painter, const QRect &page, const QModelIndex &index) const;
    void paintCaption(QPainter *painter, const QStyleOptionViewItem &option, const QRect &rect,
                      const QModelIndex &index) const;
    void paintCut(QPainter *painter, const QRect &itemRect) const;
    int captionHeight(const QFontMetrics &metrics) const;

    int m_side = 160;
};

#endif
