#include "merge/MergeTableHeader.h"

#include "widgets/Button.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor bottomLineColor(QStringLiteral("#D7D8D9"));
const int textInset = 5;
const int arrowGap = 10;

} // namespace

MergeTableHeader::MergeTableHeader(QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
    , m_sortUp(loadStylePixmap(QStringLiteral(":/style/images/SortUp.png")))
    , m_sortDown(loadStylePixmap(QStringLiteral(":/style/images/SortDown.png")))
{
    setMouseTracking(true);
}

void MergeTableHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (logicalIndex == fileNameSection)
        paintFileNameSection(painter, rect);
    else
        QHeaderView::paintSection(painter, rect, logicalIndex);
}

void MergeTableHeader::paintFileNameSection(QPainter *painter, const QRect &rect) const
{
    painter->save();
    painter->fillRect(rect, Qt::white);

    const QString text =
        model() ? model()->headerData(fileNameSection, orientation(), Qt::DisplayRole).toString()
                : QString();
    const QRect textArea = rect.adjusted(textInset, 0, -textInset, 0);
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->setFont(font());
    QRect textBounds;
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, text, &textBounds);

    painter->setPen(bottomLineColor);
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());

    if (isSortIndicatorShown() && sortIndicatorSection() == fileNameSection) {
        const QPixmap &arrow = sortIndicatorOrder() == Qt::AscendingOrder ? m_sortUp : m_sortDown;
        const QSize arrowSize = arrow.size() / arrow.devicePixelRatio();
        const QPoint corner(textBounds.right() + arrowGap,
                            rect.top() + (rect.height() - arrowSize.height()) / 2);
        painter->drawPixmap(corner, arrow);
    }
    painter->restore();
}

void MergeTableHeader::mousePressEvent(QMouseEvent *event)
{
    setSortIndicatorShown(logicalIndexAt(event->pos()) == fileNameSection);
    QHeaderView::mousePressEvent(event);
}
