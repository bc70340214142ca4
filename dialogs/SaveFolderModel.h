#ifndef CLEAVEMARK_DIALOGS_SAVEFOLDERMODEL_H
#define CLEAVEMARK_DIALOGS_SAVEFOLDERMODEL_H

#include "common/UserPreferences.h"
#include "widgets/ComboBoxDelegate.h"

#include <QAbstractTableModel>

// The choice of where results are saved, for a combo box: a sub folder named
// after the document, the document's own folder, or a chosen folder.
// Column 0 is what the closed combo box shows, column 1 what its list shows,
// column 2 the row's kind (the stored "Mode").
class SaveFolderModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The rows are the stored modes, in their order.
    enum Kind {
        SubFolder = UserPreferences::SubFolder,
        OriginalFolder = UserPreferences::OriginalFolder,
        ChosenFolder = UserPreferences::ChosenFolder
    };

    explicit SaveFolderModel(QObject *parent = nullptr);

    QString chosenFolder() const { return m_chosenFolder; }
    int kind(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // Only row 2 can be set (edit role): it replaces the chosen folder.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // Tells the views that the translated texts changed.
    void retranslate();

private:
    QString m_chosenFolder;
};

// Paints each entry of the drop-down list with the text of column 1, so the
// list says "Select folder..." where the closed box shows the folder.
class SaveFolderDelegate : public ComboBoxDelegate
{
    Q_OBJECT

public:
    explicit SaveFolderDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    QModelIndex listIndex(const QModelIndex &index) const;
};

#endif
