#include "dialogs/SaveFolderModel.h"

#include <QApplication>

SaveFolderModel::SaveFolderModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_chosenFolder(UserPreferences::desktopFolder())
{
}

int SaveFolderModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

int SaveFolderModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

int SaveFolderModel::kind(int row) const
{
    return data(index(row, 2)).toInt();
}

QVariant SaveFolderModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    // The drop-down list paints column 1 for every entry; a screen reader,
    // reading the list's column 0, must hear the same ("Select folder...").
    if (role == Qt::AccessibleTextRole && index.column() == 0)
        return data(this->index(index.row(), 1), Qt::DisplayRole);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const int row = index.row();
    switch (index.column()) {
    case 0:
    case 1:
        if (row == SubFolder)
            return tr("Sub folder");
        if (row == OriginalFolder)
            return tr("Original folder");
        return index.column() == 0 ? m_chosenFolder : tr("Select folder...");
    case 2:
        return row;
    default:
        return {};
    }
}

bool SaveFolderModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() != ChosenFolder || role != Qt::EditRole)
        return false;
    m_chosenFolder = value.toString();
    emit dataChanged(this->index(ChosenFolder, 0), this->index(ChosenFolder, 2));
    return true;
}

Qt::ItemFlags SaveFolderModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void SaveFolderModel::retranslate()
{
    emit dataChanged(index(0, 0), index(2, 2));
}

SaveFolderDelegate::SaveFolderDelegate(QObject *parent)
    : ComboBoxDelegate(parent)
{
}

QModelIndex SaveFolderDelegate::listIndex(const QModelIndex &index) const
{
    return index.sibling(index.row(), 1);
}

void SaveFolderDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                               const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text = listIndex(index).data().toString();
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
}

QSize SaveFolderDelegate::sizeHint(const QStyleOptionViewItem &option,
                                   const QModelIndex &index) const
{
    return ComboBoxDelegate::sizeHint(option, listIndex(index));
}
