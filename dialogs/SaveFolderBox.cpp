#include "dialogs/SaveFolderBox.h"

#include "dialogs/SaveFolderModel.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>

namespace {

QString chooseFolderWithDialog(QWidget *parent, const QString &title, const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, title, start,
                                             QFileDialog::ShowDirsOnly
                                                 | QFileDialog::DontResolveSymlinks);
}

} // namespace

SaveFolderBox::SaveFolderBox(QWidget *parent)
    : QComboBox(parent)
    , m_model(new SaveFolderModel(this))
    , m_chooseFolder(chooseFolderWithDialog)
{
    setModel(m_model);
    setModelColumn(0);
    setItemDelegate(new SaveFolderDelegate(this));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void SaveFolderBox::setFolderChooser(FolderChooser chooser)
{
    m_chooseFolder = std::move(chooser);
}

void SaveFolderBox::showChoice(int kind, const QString &chosenFolder)
{
    if (kind == SaveFolderModel::ChosenFolder)
        m_model->setData(m_model->index(SaveFolderModel::ChosenFolder, 0), chosenFolder);
    setCurrentIndex(kind);
    m_lastIndex = kind;
}

int SaveFolderBox::kind() const
{
    return m_model->kind(currentIndex());
}

QString SaveFolderBox::chosenFolder() const
{
    return m_model->chosenFolder();
}

void SaveFolderBox::takeRow(int index)
{
    if (m_model->kind(index) != SaveFolderModel::ChosenFolder) {
        m_lastIndex = index;
        return;
    }
    const QString folder = m_chooseFolder(this, tr("Select destination folder"), m_model->chosenFolder());
    if (folder.isEmpty()) {
        setCurrentIndex(m_lastIndex);
        return;
    }
    m_model->setData(m_model->index(SaveFolderModel::ChosenFolder, 0), QDir::toNativeSeparators(folder));
    setCurrentIndex(index);
    m_lastIndex = index;
}

void SaveFolderBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_model->retranslate();
    QComboBox::changeEvent(event);
}
