#ifndef CLEAVEMARK_WIDGETS_COMBOBOXDELEGATE_H
#define CLEAVEMARK_WIDGETS_COMBOBOXDELEGATE_H

#include <QStyledItemDelegate>

// Item delegate for the drop-down lists of our combo boxes. A styled delegate
// lets the style sheet's "QComboBox QAbstractItemView::item" rules apply; the
// rows get a common, comfortable height.
class ComboBoxDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ComboBoxDelegate(QObject *parent = nullptr, int rowHeight = 28);

    int rowHeight() const { return m_rowHeight; }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_rowHeight;
};

#endif
