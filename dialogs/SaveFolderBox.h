#ifndef CLEAVEMARK_DIALOGS_SAVEFOLDERBOX_H
#define CLEAVEMARK_DIALOGS_SAVEFOLDERBOX_H

#include <QComboBox>

#include <functional>

class SaveFolderModel;

// The "Save to" choice of the settings page and of the split page: the rows
// of SaveFolderModel, painted by SaveFolderDelegate. Taking the "Select
// folder..." row asks for a folder; cancelling that brings back the row
// chosen before. Nothing is stored here; the pages read and write the
// settings themselves.
class SaveFolderBox : public QComboBox
{
    Q_OBJECT

public:
    // Asks the user for a folder: (parent, title, start folder) -> folder,
    // empty when cancelled.
    using FolderChooser = std::function<QString(QWidget *, const QString &, const QString &)>;

    explicit SaveFolderBox(QWidget *parent = nullptr);

    SaveFolderModel *folderModel() const { return m_model; }
    void setFolderChooser(FolderChooser chooser);

    // Selects the row of kind (SaveFolderModel::Kind); chosenFolder fills
    // the "Select folder..." row when that is the kind.
    void showChoice(int kind, const QString &chosenFolder);
    int kind() const;
    QString chosenFolder() const;

    // The pages connect the box's activation to their slot, which hands the
    // row on here.
    void takeRow(int index);

protected:
    void changeEvent(QEvent *event) override;

private:
    SaveFolderModel *m_model = nullptr;
    FolderChooser m_chooseFolder;
    int m_lastIndex = 0;   // the row before the last change
};

#endif
