#include "app/SettingsView.h"

#include "app/Application.h"
#include "common/UserPreferences.h"
#include "instance/InstallationRegistry.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/ComboBoxDelegate.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>
#include <QVBoxLayout>

namespace {

// Each translation names its own language under this source text.
const char languageNameSource[] = QT_TRANSLATE_NOOP("SettingsView", "English");

} // namespace

SettingsView::SettingsView(QWidget *parent)
    : QFrame(parent)
{
    buildLayout();
    retranslate();

    connect(m_save, &QPushButton::clicked, this, &SettingsView::saveSettings);
    connect(m_cancel, &QPushButton::clicked, this, &SettingsView::onClose);
    connect(m_close, &QPushButton::clicked, this, &SettingsView::onClose);
    connect(m_back, &QPushButton::clicked, this, &SettingsView::onClose);
    connect(m_saveFolder, QOverload<int>::of(&QComboBox::activated), this,
            &SettingsView::onChangeSaveMode);
}

void SettingsView::buildLayout()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *content = new QFrame(this);
    content->setObjectName(QStringLiteral("settingsViewContent"));
    outer->addWidget(content);

    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(20, 12, 20, 20);
    layout->setSpacing(0);

    auto *header = new QHBoxLayout;
    m_back = new Button(content);
    m_back->setObjectName(QStringLiteral("buttonNavigateBack"));
    m_back->setFocusPolicy(Qt::TabFocus);
    header->addWidget(m_back);
    m_title = new QLabel(content);
    m_title->setObjectName(QStringLiteral("labelSettingsTitle"));
    header->addWidget(m_title);
    header->addStretch();
    m_close = new Button(content);
    m_close->setObjectName(QStringLiteral("buttonCloseSettings"));
    m_close->setFocusPolicy(Qt::TabFocus);
    header->addWidget(m_close, 0, Qt::AlignTop);
    layout->addLayout(header);
    layout->addSpacing(24);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(20);
    form->setVerticalSpacing(14);
    form->setColumnStretch(1, 1);
    m_language = new QComboBox(content);
    m_language->setObjectName(QStringLiteral("comboBoxLanguage"));
    m_language->setItemDelegate(new ComboBoxDelegate(m_language));
    m_languageLabel = new QLabel(content);
    form->addWidget(m_languageLabel, 0, 0, Qt::AlignVCenter);
    form->addWidget(m_language, 0, 1);

    m_saveFolder = new SaveFolderBox(content);
    m_saveFolder->setObjectName(QStringLiteral("comboBoxSaveTo"));
    m_saveFolder->setMinimumContentsLength(20);
    m_saveToLabel = new QLabel(content);
    form->addWidget(m_saveToLabel, 1, 0, Qt::AlignVCenter);
    form->addWidget(m_saveFolder, 1, 1);

    m_author = new QLineEdit(content);
    m_author->setObjectName(QStringLiteral("lineEditAuthor"));
    m_authorLabel = new QLabel(content);
    form->addWidget(m_authorLabel, 2, 0, Qt::AlignVCenter);
    form->addWidget(m_author, 2, 1);
    m_languageLabel->setBuddy(m_language);
    m_saveToLabel->setBuddy(m_saveFolder);
    m_authorLabel->setBuddy(m_author);

    m_compress = new CheckBox(content);
    form->addWidget(m_compress, 3, 1);
    m_checkUpdates = new CheckBox(content);
    form->addWidget(m_checkUpdates, 4, 1);
    layout->addLayout(form);
    layout->addStretch();

    auto *footer = new QHBoxLayout;
    footer->setSpacing(10);
    m_version = new QLabel(content);
    m_version->setObjectName(QStringLiteral("labelVersion"));
    footer->addWidget(m_version, 0, Qt::AlignBottom);
    footer->addStretch();
    m_cancel = new Button(content);
    m_cancel->setObjectName(QStringLiteral("buttonCancelSettings"));
    m_cancel->setMinimumSize(110, 42);
    footer->addWidget(m_cancel);
    m_save = new Button(content);
    m_save->setObjectName(QStringLiteral("buttonSaveSettings"));
    m_save->setMinimumSize(150, 42);
    m_save->setDefault(true);
    footer->addWidget(m_save);
    layout->addLayout(footer);
}

QList<SettingsView::Language> SettingsView::availableLanguages(const QString &translationsFolder)
{
    QList<Language> languages;
    const QStringList files = QDir(translationsFolder)
                                  .entryList({QStringLiteral("sheafdesk_*.qm")}, QDir::Files,
                                             QDir::Name);
    for (const QString &file : files) {
        Language language;
        language.code = file.mid(file.indexOf(QLatin1Char('_')) + 1).chopped(3);
        QTranslator translator;
        if (translator.load(file, translationsFolder))
            language.name = translator.translate("SettingsView", languageNameSource);
        if (language.name.isEmpty())
            language.name = language.code;
        languages.append(language);
    }
    return languages;
}

void SettingsView::fillLanguages()
{
    m_language->clear();
    auto *app = Application::instance();
    if (!app)
        return;
    for (const Language &language : availableLanguages(app->translationsFolder()))
        m_language->addItem(language.name, language.code);
}

void SettingsView::setFolderChooser(FolderChooser chooser)
{
    m_saveFolder->setFolderChooser(std::move(chooser));
}

SaveFolderModel *SettingsView::saveFolderModel() const
{
    return m_saveFolder->folderModel();
}

void SettingsView::showEvent(QShowEvent *event)
{
    loadSettings();
    QFrame::showEvent(event);
}

void SettingsView::loadSettings()
{
    const UserPreferences preferences(Application::settings());
    m_saveFolder->showChoice(preferences.saveMode(), preferences.savePath());

    // Filled when first shown: reading every translation file is no work for start-up.
    if (m_language->count() == 0)
        fillLanguages();
    m_language->setCurrentIndex(languageIndex(Application::storedLanguage()));
    InstallationRegistry::setShellValue(QStringLiteral("language"), selectedLanguage());

    m_author->setText(preferences.author());
    m_compress->setChecked(preferences.compressOutput());
    m_checkUpdates->setChecked(preferences.checkUpdates());
}

int SettingsView::languageIndex(const QString &code) const
{
    const auto flags = Qt::MatchExactly | Qt::MatchCaseSensitive;
    int index = m_language->findData(code, Qt::UserRole, flags);
    // Without a translation the interface shows its English source texts, so
    // English is what the page must offer, not whichever file sorts first.
    if (index < 0)
        index = m_language->findData(QStringLiteral("en"), Qt::UserRole, flags);
    return qMax(0, index);
}

QString SettingsView::selectedLanguage() const
{
    return m_language->currentData().toString();
}

void SettingsView::onChangeSaveMode(int index)
{
    m_saveFolder->takeRow(index);
}

void SettingsView::saveSettings()
{
    UserPreferences preferences(Application::settings());
    preferences.setSaveFolder(m_saveFolder->kind(), m_saveFolder->chosenFolder());
    preferences.setLanguage(selectedLanguage());
    preferences.setAuthor(m_author->text());
    preferences.setCompressOutput(m_compress->isChecked());
    preferences.setCheckUpdates(m_checkUpdates->isChecked());
    preferences.sync();
    InstallationRegistry::setShellValue(QStringLiteral("language"), selectedLanguage());

    if (auto *app = Application::instance())
        app->applyLanguage();
    emit onHideWindow();
}

void SettingsView::onClose()
{
    emit onHideWindow();
}

void SettingsView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        emit onHideWindow();
        return;
    }
    QFrame::keyPressEvent(event);
}

void SettingsView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void SettingsView::retranslate()
{
    m_title->setText(tr("Settings"));
    setAccessibleName(m_title->text());
    m_save->setText(tr("SAVE SETTINGS"));
    m_cancel->setText(tr("CANCEL"));
    m_languageLabel->setText(tr("Language"));
    m_saveToLabel->setText(tr("Save to"));
    m_authorLabel->setText(tr("Author"));
    m_compress->setText(tr("Compress files"));
    m_checkUpdates->setText(tr("Check program updates"));
    // Icon-only buttons: what a screen reader says for them.
    m_close->setAccessibleName(tr("Close"));
    m_back->setAccessibleName(tr("Back"));
    m_close->setToolTip(tr("Close (%1)").arg(QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText)));
    m_back->setToolTip(m_close->toolTip());
    // The fields' labels sit beside them; a screen reader reads these names.
    m_language->setAccessibleName(m_languageLabel->text());
    m_saveFolder->setAccessibleName(m_saveToLabel->text());
    m_author->setAccessibleName(m_authorLabel->text());
    const auto *app = Application::instance();
    m_version->setText(tr("version %1").arg(app ? app->displayVersion() : QString()));
}
