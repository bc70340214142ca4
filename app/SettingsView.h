#ifndef CLEAVEMARK_APP_SETTINGSVIEW_H
#define CLEAVEMARK_APP_SETTINGSVIEW_H

#include "dialogs/SaveFolderBox.h"

#include <QFrame>

class Button;
class CheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class SaveFolderModel;

// The settings panel: language, where results are saved, the author written
// into results, compression and the update check. It reloads the stored
// values every time it is shown and writes them only on "SAVE SETTINGS".
class SettingsView : public QFrame
{
    Q_OBJECT

public:
    using FolderChooser = SaveFolderBox::FolderChooser;

    explicit SettingsView(QWidget *parent = nullptr);

    // One entry per translation file: (language code, the language's own name).
    struct Language
    {
        QString code;
        QString name;
    };
    static QList<Language> availableLanguages(const QString &translationsFolder);

    void setFolderChooser(FolderChooser chooser);
    QComboBox *languageBox() const { return m_language; }
    SaveFolderBox *saveFolderBox() const { return m_saveFolder; }
    SaveFolderModel *saveFolderModel() const;

public slots:
    void saveSettings();
    void onClose();
    void onChangeSaveMode(int index);
    void loadSettings();

signals:
    void onHideWindow();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildLayout();
    void fillLanguages();
    void retranslate();
    QString selectedLanguage() const;
    int languageIndex(const QString &code) const;

    QLabel *m_title = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_languageLabel = nullptr;
    QLabel *m_saveToLabel = nullptr;
    QLabel *m_authorLabel = nullptr;
    QComboBox *m_language = nullptr;
    SaveFolderBox *m_saveFolder = nullptr;
    QLineEdit *m_author = nullptr;
    CheckBox *m_compress = nullptr;
    CheckBox *m_checkUpdates = nullptr;
    Button *m_save = nullptr;
    Button *m_cancel = nullptr;
    Button *m_close = nullptr;
    Button *m_back = nullptr;
};

#endif
