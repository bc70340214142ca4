#include "AppTestMain.h"

#include "instance/InstallationRegistry.h"
#include "dialogs/SaveFolderModel.h"
#include "app/SettingsView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTranslator>

class TestSettingsView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void defaultsWhenNothingIsStored();
    void savedValuesComeBackOnNextShow();
    void originalFolderStoresModeOneAndNoPath();
    void chosenFolderIsStoredWithModeTwo();
    void cancelledFolderDialogRestoresRow();
    void languagesComeFromTranslationFiles();
    void savingAppliesLanguageAndHides();
    void closingWritesNothing();
    void saveFolderModelShowsFolderClosedAndChoiceInList();
    void versionComesFromInstallation();

private:
    QSharedPointer<QSettings> store() { return Application::settings(); }
    QCheckBox *checkBox(SettingsView &view, const QString &text);
};

void TestSettingsView::init()
{
    store()->clear();
    Application::instance()->applyLanguage();
}

QCheckBox *TestSettingsView::checkBox(SettingsView &view, const QString &text)
{
    // The boxes read as the loaded translation says; English polishes some.
    const QString shown = QCoreApplication::translate("SettingsView", qPrintable(text));
    for (QCheckBox *box : view.findChildren<QCheckBox *>()) {
        if (box->text() == shown)
            return box;
    }
    return nullptr;
}

void TestSettingsView::defaultsWhenNothingIsStored()
{
    SettingsView view;
    view.show();
    QCOMPARE(view.saveFolderBox()->currentIndex(), 0);
    QCOMPARE(view.saveFolderModel()->chosenFolder(),
             QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    QCOMPARE(view.findChild<QLineEdit *>()->text(), QString("Tessaly Cleavemark"));
    QVERIFY(!checkBox(view, "Compress files")->isChecked());
    QVERIFY(checkBox(view, "Check program updates")->isChecked());
    // The context menu learns the language as soon as the page is shown.
    QCOMPARE(InstallationRegistry::shellValue("language").toString(),
             view.languageBox()->currentData().toString());
}

void TestSettingsView::savedValuesComeBackOnNextShow()
{
    {
        SettingsView view;
        view.show();
        view.findChild<QLineEdit *>()->setText("Ada Writer");
        checkBox(view, "Compress files")->setChecked(true);
        checkBox(view, "Check program updates")->setChecked(false);
        view.languageBox()->setCurrentIndex(view.languageBox()->findData("en"));
        view.saveSettings();
    }
    QCOMPARE(store()->value("meta_author").toString(), QString("Ada Writer"));
    QCOMPARE(store()->value("compress_out_files").toBool(), true);
    QCOMPARE(store()->value("check_updates").toBool(), false);
    QCOMPARE(store()->value("Language").toString(), QString("en"));

    SettingsView view;
    view.show();
    QCOMPARE(view.findChild<QLineEdit *>()->text(), QString("Ada Writer"));
    QVERIFY(checkBox(view, "Compress files")->isChecked());
    QVERIFY(!checkBox(view, "Check program updates")->isChecked());

    // Unsaved edits are forgotten: every showing reloads the store.
    view.findChild<QLineEdit *>()->setText("Someone Else");
    view.hide();
    view.show();
    QCOMPARE(view.findChild<QLineEdit *>()->text(), QString("Ada Writer"));
}

void TestSettingsView::originalFolderStoresModeOneAndNoPath()
{
    store()->setValue("SaveMode/Mode", 2);
    store()->setValue("SaveMode/Path", "/srv/old");
    SettingsView view;
    view.show();
    QCOMPARE(view.saveFolderBox()->currentIndex(), 2);
    view.saveFolderBox()->setCurrentIndex(1);
    view.onChangeSaveMode(1);
    view.saveSettings();
    QCOMPARE(store()->value("SaveMode/Mode").toInt(), 1);
    QCOMPARE(store()->value("SaveMode/Path").toString(), QString());
}

void TestSettingsView::chosenFolderIsStoredWithModeTwo()
{
    SettingsView view;
    QString askedTitle, askedStart;
    view.setFolderChooser([&](QWidget *, const QString &title, const QString &start) {
        askedTitle = title;
        askedStart = start;
        return QStringLiteral("/srv/results");
    });
    view.show();
    view.saveFolderBox()->setCurrentIndex(2);
    view.onChangeSaveMode(2);
    QCOMPARE(askedTitle, QString("Select destination folder"));
    QCOMPARE(askedStart, QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    QCOMPARE(view.saveFolderBox()->currentText(), QString("/srv/results"));
    view.saveSettings();
    QCOMPARE(store()->value("SaveMode/Mode").toInt(), 2);
    QCOMPARE(store()->value("SaveMode/Path").toString(), QString("/srv/results"));

    SettingsView again;
    again.show();
    QCOMPARE(again.saveFolderBox()->currentIndex(), 2);
    QCOMPARE(again.saveFolderModel()->chosenFolder(), QString("/srv/results"));
}

void TestSettingsView::cancelledFolderDialogRestoresRow()
{
    store()->setValue("SaveMode/Mode", 1);
    SettingsView view;
    view.setFolderChooser([](QWidget *, const QString &, const QString &) { return QString(); });
    view.show();
    QCOMPARE(view.saveFolderBox()->currentIndex(), 1);
    view.saveFolderBox()->setCurrentIndex(0);
    view.onChangeSaveMode(0);
    view.saveFolderBox()->setCurrentIndex(2);
    view.onChangeSaveMode(2);
    // Back to the row chosen before, not the one stored.
    QCOMPARE(view.saveFolderBox()->currentIndex(), 0);
    QCOMPARE(store()->value("SaveMode/Mode").toInt(), 1);
    QCOMPARE(view.saveFolderModel()->chosenFolder(),
             QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

void TestSettingsView::languagesComeFromTranslationFiles()
{
    const QString folder = Application::instance()->translationsFolder();
    const QList<SettingsView::Language> languages = SettingsView::availableLanguages(folder);
    QStringList codes, names;
    for (const SettingsView::Language &language : languages) {
        codes << language.code;
        names << language.name;
    }
    QCOMPARE(codes, QStringList({"de", "en", "fr"}));
    QCOMPARE(names, QStringList({"Deutsch", "English", "Français"}));
    QVERIFY(SettingsView::availableLanguages(folder + "/missing").isEmpty());

    store()->setValue("Language", "fr");
    SettingsView view;
    view.show();
    QCOMPARE(view.languageBox()->currentData().toString(), QString("fr"));
    QCOMPARE(view.languageBox()->currentText(), QString("Français"));
    // A language without translation shows English texts, and says so.
    store()->setValue("Language", "xx");
    view.hide();
    view.show();
    QCOMPARE(view.languageBox()->currentData().toString(), QString("en"));
}

void TestSettingsView::savingAppliesLanguageAndHides()
{
    SettingsView view;
    view.show();
    QSignalSpy hidden(&view, &SettingsView::onHideWindow);
    QSignalSpy changed(Application::instance(), &Application::settingsChanged);
    view.languageBox()->setCurrentIndex(view.languageBox()->findData("de"));
    view.saveSettings();
    QCOMPARE(hidden.count(), 1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(InstallationRegistry::shellValue("language").toString(), QString("de"));
    QVERIFY(Application::instance()->translationFile().endsWith("sheafdesk_de.qm"));
    // The page speaks the new language at once.
    QTRY_VERIFY(checkBox(view, "Dateien komprimieren"));

    store()->setValue("Language", "en");
    Application::instance()->applyLanguage();
    QTRY_VERIFY(checkBox(view, "Compress files"));
}

void TestSettingsView::closingWritesNothing()
{
    SettingsView view;
    view.show();
    QSignalSpy hidden(&view, &SettingsView::onHideWindow);
    view.findChild<QLineEdit *>()->setText("Not Saved");
    view.onClose();
    QTest::keyClick(&view, Qt::Key_Escape);
    QCOMPARE(hidden.count(), 2);
    QVERIFY(!store()->contains("meta_author"));
}

void TestSettingsView::saveFolderModelShowsFolderClosedAndChoiceInList()
{
    SaveFolderModel model;
    // Only the chosen folder's row takes a value.
    QVERIFY(!model.setData(model.index(0, 0), "/x"));
    QVERIFY(model.setData(model.index(2, 0), "/srv/out"));
    QCOMPARE(model.data(model.index(2, 0)).toString(), QString("/srv/out"));
    QCOMPARE(model.data(model.index(2, 1)).toString(), QString("Select folder..."));
}

void TestSettingsView::versionComesFromInstallation()
{
    Application *app = Application::instance();
    QCOMPARE(app->displayVersion(), QString("3.4.7"));
    QCOMPARE(app->currentVersion(), QString("3.4.7"));
    {
        QSettings installation(QSettings::NativeFormat, QSettings::UserScope, "Tessaly",
                               "Tessaly Cleavemark Registry");
        QCOMPARE(installation.fileName(), InstallationRegistry::location());
        installation.setValue("DisplayVersion", "3.4.7 (build 12)");
        installation.setValue("CurrentVersion", "3.4.7.12");
    }
    QCOMPARE(app->displayVersion(), QString("3.4.7 (build 12)"));
    QCOMPARE(app->currentVersion(), QString("3.4.7.12"));
    SettingsView view;
    QCOMPARE(view.findChild<QLabel *>("labelVersion")->text(), QString("version 3.4.7 (build 12)"));
}

CM_APPLICATION_TEST_MAIN(TestSettingsView)
#include "test_settingsview.moc"
