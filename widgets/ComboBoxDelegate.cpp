#include "widgets/ComboBoxDelegate.h"

ComboBoxDelegate::ComboBoxDelegate(QObject *parent, int rowHeight)
    : QStyledItemDelegate(parent)
    , m_rowHeight(rowHeight)
{
}

QSize ComboBoxDelegate::sizeHint(const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.setHeight(qMax(size.height(), m_rowHeight));
    return size;
}
