#include "AppTestMain.h"

#include "app/SettingsView.h"

#include <QComboBox>
#include <QSettings>

// Runs with LC_ALL=fr_CA.UTF-8 and no stored language.
class TestLanguage : public QObject
{
    Q_OBJECT

private slots:
    void systemLocaleChoosesTranslation();
    void untranslatedLanguageReadsEnglish();
};

// A language the program has no translation for reads the English one, so
// that the corrected English texts show instead of the source texts.
void TestLanguage::untranslatedLanguageReadsEnglish()
{
    Application::settings()->setValue("Language", "C");
    Application::instance()->applyLanguage();
    QVERIFY(Application::instance()->translationFile().endsWith("/sheafdesk_en.qm"));
    QCOMPARE(QCoreApplication::translate("SplitView", "Every page will be splited to isolated file..."),
             QString("Every page will be saved as a file of its own."));
    Application::settings()->remove("Language");
}

void TestLanguage::systemLocaleChoosesTranslation()
{
    QVERIFY(!Application::settings()->contains("Language"));
    QCOMPARE(Application::storedLanguage(), QString("fr"));
    Application::instance()->applyLanguage();
    QVERIFY(Application::instance()->translationFile().endsWith("/sheafdesk_fr.qm"));
    QCOMPARE(QCoreApplication::translate("SettingsView", "Settings"), QString("Paramètres"));

    SettingsView view;
    view.show();
    QCOMPARE(view.languageBox()->currentData().toString(), QString("fr"));
    // Showing the page does not store the language; only saving does.
    QVERIFY(!Application::settings()->contains("Language"));
}

CM_APPLICATION_TEST_MAIN(TestLanguage)
#include "test_language.moc"
