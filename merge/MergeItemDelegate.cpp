#include "merge/MergeItemDelegate.h"

#include "jobs/MergeModel.h"
#include "widgets/Button.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

namespace {

const QColor pagesTextColor(QStringLiteral("#5890DB"));
const QColor enterPasswordColor(4, 106, 208);
const QColor problemColor(QStringLiteral("#C62828"));
const QColor dropLineColor(QStringLiteral("#656565"));
const int dropLineWidth = 3;
const int pagesTextInset = 8;
const int removeIconInset = 11;

} // namespace

MergeItemDelegate::MergeItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_previewNormal(QStringLiteral(":/style/images/tablesearchnormal.png"))
    , m_previewPressed(QStringLiteral(":/style/images/tablesearchpressed.png"))
    , m_removeNormal(QStringLiteral(":/style/images/tabledeletenormal.png"))
    , m_removePressed(QStringLiteral(":/style/images/tabledeletepress.png"))
    , m_previewFocusNormal(QStringLiteral(":/style/images/tablesearchfocusnormal.png"))
    , m_previewFocusPressed(QStringLiteral(":/style/images/tablesearchfocuspressed.png"))
    , m_removeFocusNormal(QStringLiteral(":/style/images/tabledeletefocusnormal.png"))
    , m_removeFocusPressed(QStringLiteral(":/style/images/tabledeletefocuspressed.png"))
{
}

void MergeItemDelegate::setDragState(bool enabled)
{
    m_dragging = enabled;
}

void MergeItemDelegate::enableDrag()
{
    setDragState(true);
}

void MergeItemDelegate::disableDrag()
{
    setDragState(false);
}

void MergeItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    switch (index.column()) {
    case MergeModel::PagesColumn:
        paintPages(painter, option, index);
        break;
    case MergeModel::PasswordColumn:
        paintPassword(painter, option, index);
        break;
    case MergeModel::PreviewColumn:
        paintIcon(painter, option, option.rect, m_previewNormal, m_previewPressed,
                  m_previewFocusNormal, m_previewFocusPressed);
        break;
    case MergeModel::RemoveColumn:
        paintIcon(painter, option, option.rect.adjusted(0, 0, -removeIconInset, 0), m_removeNormal,
                  m_removePressed, m_removeFocusNormal, m_removeFocusPressed);
        break;
    default:
        QStyledItemDelegate::paint(painter, option, index);
        break;
    }
    paintDropLine(painter, option, index);
}

QString MergeItemDelegate::passwordText(const QModelIndex &index)
{
    if (index.data(MergeModel::PastEndRole).toBool())
        return QString();
    const auto state = MergeModel::RowState(index.data(MergeModel::StateRole).toInt());
    if (state == MergeModel::Unreadable || state == MergeModel::NoPages || state == MergeModel::Reading)
        return MergeModel::stateText(state);
    return index.data(MergeModel::NeedsPasswordRole).toBool() ? tr("Enter Password") : tr("ok");
}

bool MergeItemDelegate::isHovered(const QStyleOptionViewItem &option) const
{
    // While a row is dragged the cursor is not pointing at a button.
    return !m_dragging && option.state.testFlag(QStyle::State_MouseOver);
}

bool MergeItemDelegate::paintSelection(QPainter *painter, const QStyleOptionViewItem &option) const
{
    if (!option.state.testFlag(QStyle::State_Selected))
        return false;
    painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    painter->setPen(option.palette.color(QPalette::HighlightedText));
    return true;
}

void MergeItemDelegate::paintPages(QPainter *painter, const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    painter->save();
    if (!paintSelection(painter, option))
        painter->setPen(pagesTextColor);
    QFont font = option.font;
    font.setUnderline(true);
    painter->setFont(font);
    const QRect area = option.rect.adjusted(pagesTextInset, 0, 0, 0);
    const QString text = QFontMetrics(font).elidedText(index.data().toString(), Qt::ElideRight,
                                                       option.rect.width() - pagesTextInset);
    painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

void MergeItemDelegate::paintPassword(QPainter *painter, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    if (index.data(MergeModel::PastEndRole).toBool())
        return;
    painter->save();
    const bool selected = paintSelection(painter, option);
    QFont font = option.font;
    QString text = passwordText(index);
    const auto state = MergeModel::RowState(index.data(MergeModel::StateRole).toInt());
    if (state == MergeModel::NeedsPassword) {
        font.setUnderline(true);
        painter->setPen(enterPasswordColor);
    } else if (state == MergeModel::Unreadable || state == MergeModel::NoPages) {
        // A row that no password can make mergeable says so in its own words.
        text = QFontMetrics(font).elidedText(text, Qt::ElideRight, option.rect.width() - 4);
        if (!selected)
            painter->setPen(problemColor);
    } else if (!selected) {
        painter->setPen(option.palette.color(QPalette::Text));
    }
    if (state == MergeModel::Reading)
        text = QFontMetrics(font).elidedText(text, Qt::ElideRight, option.rect.width() - 4);
    painter->setFont(font);
    painter->drawText(option.rect, passwordTextFlags(), text);
    painter->restore();
}

bool MergeItemDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                  const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid()
        || index.data(MergeModel::PastEndRole).toBool())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QString tip;
    const QFontMetrics metrics(option.font);
    switch (index.column()) {
    case MergeModel::FileNameColumn:
        tip = index.data(MergeModel::PathRole).toString();
        break;
    case MergeModel::PagesColumn:
        if (metrics.horizontalAdvance(index.data().toString()) > option.rect.width() - pagesTextInset)
            tip = index.data().toString();
        break;
    default:
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), tip, view, option.rect);
    return true;
}

void MergeItemDelegate::paintIcon(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QRect &area, const QString &plain, const QString &hovered,
                                  const QString &selected, const QString &selectedHovered) const
{
    painter->save();
    const bool isSelected = paintSelection(painter, option);
    const bool hover = isHovered(option);
    const QString path = isSelected ? (hover ? selectedHovered : selected)
                                    : (hover ? hovered : plain);
    const QPixmap icon = loadStylePixmap(path);
    if (!icon.isNull()) {
        const QSize size = icon.size() / icon.devicePixelRatio();
        QRect target(QPoint(0, 0), size);
        target.moveCenter(area.center());
        painter->drawPixmap(target, icon);
    }
    painter->restore();
}

void MergeItemDelegate::paintDropLine(QPainter *painter, const QStyleOptionViewItem &option,
                                      const QModelIndex &index) const
{
    if (!m_dropIndex.isValid() || m_dropIndex.row() != index.row())
        return;
    painter->save();
    painter->fillRect(QRect(option.rect.left(), option.rect.top(), option.rect.width(), dropLineWidth),
                      dropLineColor);
    painter->restore();
}
