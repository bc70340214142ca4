#ifndef CLEAVEMARK_APP_ADVANCEDSETTINGSVIEW_H
#define CLEAVEMARK_APP_ADVANCEDSETTINGSVIEW_H

#include "jobs/AdvancedSettings.h"

#include <QFrame>
#include <QScrollArea>
#include <QList>
#include <QSharedPointer>

class Button;
class CheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;

// The output properties panel ("Advanced Settings"): title, author, password
// protection with its permissions and, for a split, the file-name template
// with buttons for its tags. It edits the record of the job that asked for
// it; "SAVE SETTINGS" writes the fields into that record, "CANCEL" leaves it
// as it was. Nothing is stored in the settings file.
class AdvancedSettingsView : public QFrame
{
    Q_OBJECT

public:
    explicit AdvancedSettingsView(QWidget *parent = nullptr);

    // Shown while the record's values were reset behind the user's back.
    QLabel *resetNote() const { return m_resetNote; }

    // The record to edit next; the panel shows its values.
    void setSettings(const QSharedPointer<AdvancedSettings> &settings);
    QSharedPointer<AdvancedSettings> settings() const { return m_settings; }

    QLineEdit *passwordEdit() const { return m_password; }
    // The first control, which takes the focus when the panel opens.
    QWidget *firstField() const;
    QLineEdit *fileNameEdit() const { return m_fileName; }
    QComboBox *bookmarksBox() const { return m_bookmarks; }
    QComboBox *optimiseBox() const { return m_optimise; }
    QList<Button *> tagButtons() const { return m_tagButtons; }
    CheckBox *alternateBox() const { return m_alternate; }

public slots:
    void saveSettings();
    void onClose();
    void onAddPrefix();
    void setPasswordEnabled(bool enabled);

signals:
    void onHideWindow();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildLayout();
    QWidget *createHeader(QWidget *content);
    QWidget *createTagRow(QWidget *content);
    int addPageOrderRows(QWidget *content, QGridLayout *form, int row);
    QLabel *createLabel(QWidget *content);
    QComboBox *createChoiceBox(QWidget *content, const QString &objectName);
    QComboBox *createBookmarksBox(QWidget *content);
    QLineEdit *createLineEdit(QWidget *content, int width);
    QFrame *createSeparator(QWidget *content);
    void fillFromSettings();
    void retranslate();

    QSharedPointer<AdvancedSettings> m_settings;

    QLabel *m_title = nullptr;
    Button *m_back = nullptr;
    Button *m_close = nullptr;
    QLabel *m_permissionsLabel = nullptr;
    CheckBox *m_printing = nullptr;
    CheckBox *m_editing = nullptr;
    CheckBox *m_copying = nullptr;
    QLabel *m_passwordLabel = nullptr;
    CheckBox *m_passwordBox = nullptr;
    QLineEdit *m_password = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLineEdit *m_titleEdit = nullptr;
    QLabel *m_authorLabel = nullptr;
    QLineEdit *m_author = nullptr;
    QScrollArea *m_fieldsScroll = nullptr;
    QLabel *m_optimiseLabel = nullptr;
    QComboBox *m_optimise = nullptr;
    QFrame *m_bookmarksSeparator = nullptr;
    QLabel *m_bookmarksLabel = nullptr;
    QComboBox *m_bookmarks = nullptr;
    QFrame *m_fileNameSeparator = nullptr;
    QLabel *m_fileNameLabel = nullptr;
    QLabel *m_resetNote = nullptr;
    QLineEdit *m_fileName = nullptr;
    QWidget *m_tagRow = nullptr;
    QFrame *m_pageOrderSeparator = nullptr;
    QLabel *m_pageOrderLabel = nullptr;
    CheckBox *m_alternate = nullptr;
    QLabel *m_alternateHint = nullptr;
    QList<Button *> m_tagButtons;
    Button *m_cancel = nullptr;
    Button *m_save = nullptr;
};

#endif
