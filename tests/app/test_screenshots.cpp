#include "AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"

#include "app/AdvancedSettingsView.h"
#include "app/MainView.h"
#include "dialogs/MessagePassword.h"
#include "dialogs/MessageSplit.h"
#include "dialogs/MessageMerge.h"
#include "dialogs/MessageUpdate.h"
#include "dialogs/MessageView.h"
#include "app/SettingsView.h"
#include "app/SplashScreen.h"
#include "app/TabWidget.h"

#include "protocol/JobFiles.h"

#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QSettings>


// Renders every window, panel and dialog into PNG files in the build folder
// (screenshots/), for a person to look at, in English and in German. Each
// grab must be written and must show something: a blank one (a widget that
// painted nothing) fails.
class TestScreenshots : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void mainWindowPages_data();
    void mainWindowPages();
    void settingsPanel();
    void advancedSettingsPanel();
    void dialogs();
    void splash();
    void cleanupTestCase();

private:
    void useLanguage(const QString &code);
    // Grabs widget into name.png; image is the grab. Empty when all is
    // well, else what went wrong.
    QString save(QWidget *widget, const QString &name, QImage *image = nullptr);
    QString m_folder = QStringLiteral(CM_SCREENSHOT_FOLDER);
};

void TestScreenshots::initTestCase()
{
    QVERIFY(QDir().mkpath(m_folder));
}

void TestScreenshots::cleanupTestCase()
{
    useLanguage("en");
}

void TestScreenshots::useLanguage(const QString &code)
{
    Application::settings()->setValue("Language", code);
    Application::instance()->applyLanguage();
    QCoreApplication::processEvents();
}

QString TestScreenshots::save(QWidget *widget, const QString &name, QImage *image)
{
    QCoreApplication::processEvents();
    const QImage grab = widget->grab().toImage();
    if (image)
        *image = grab;
    const QString path = m_folder + "/" + name + ".png";
    if (grab.isNull())
        return "nothing grabbed for " + name;
    if (isBlank(grab))
        return name + " is blank";
    if (!grab.save(path) || QImage(path).size() != grab.size())
        return "cannot write " + path;
    return QString();
}

void TestScreenshots::mainWindowPages_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("de") << "de";
}

void TestScreenshots::mainWindowPages()
{
    QFETCH(QString, language);
    useLanguage(language);
    MainView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QStringList pages = {"start", "split", "merge"};
    for (int page = 0; page < pages.size(); ++page) {
        view.tabWidget()->setCurrentIndex(page);
        QImage image;
        QCOMPARE(save(&view, "main_" + pages.at(page) + "_" + language, &image), QString());
        QCOMPARE(image.size(), QSize(743, 506));
        // The shadow margin stays see-through at the very corner.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
}

void TestScreenshots::settingsPanel()
{
    for (const QString language : {"en", "de"}) {
        useLanguage(language);
        MainView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.tabWidget()->setCurrentIndex(MainView::SplitPage);
        view.onShowSettings();
        QTRY_COMPARE(view.settingsView()->geometry(), MainView::panelShownGeometry());
        QCOMPARE(save(&view, "settings_" + language), QString());
    }
}

void TestScreenshots::advancedSettingsPanel()
{
    useLanguage("en");
    MainView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    view.tabWidget()->setCurrentIndex(MainView::SplitPage);
    auto split = QSharedPointer<AdvancedSettings>::create("[BASENAME]_p[PAGE]");
    split->setTitle("Quarterly report");
    split->setPasswordEnabled(true);
    split->setPassword("s3cret");
    view.onShowAdvancedSettings(split);
    QTRY_COMPARE(view.advancedSettingsView()->geometry(), MainView::panelShownGeometry());
    // The tallest panel still shows its last row.
    QComboBox *optimise = view.advancedSettingsView()->optimiseBox();
    QVERIFY(optimise->isVisible());
    QVERIFY(optimise->mapTo(view.advancedSettingsView(), QPoint(0, optimise->height())).y()
            <= view.advancedSettingsView()->height());
    QCOMPARE(save(&view, "advanced_settings_split"), QString());
    view.advancedSettingsView()->onClose();
    QTRY_VERIFY(!view.advancedSettingsView()->isVisible());

    // The merge's panel in every language, with the longest bookmark choice.
    auto merge = QSharedPointer<AdvancedSettings>::create();
    merge->setPrefixEnabled(false);
    merge->setBookmarksEnabled(true);
    merge->setBookmarks(MergeBookmarks::PerDocument);
    merge->setOptimisation(Optimisation::Images);
    for (const QString language : {"en", "de", "fr"}) {
        useLanguage(language);
        MainView merging;
        merging.show();
        QVERIFY(QTest::qWaitForWindowExposed(&merging));
        merging.tabWidget()->setCurrentIndex(MainView::MergePage);
        merging.onShowAdvancedSettings(merge);
        QTRY_COMPARE(merging.advancedSettingsView()->geometry(), MainView::panelShownGeometry());
        QComboBox *bookmarks = merging.advancedSettingsView()->bookmarksBox();
        QVERIFY(bookmarks->isVisible());
        // The chosen text fits the box without being cut.
        QVERIFY2(bookmarks->fontMetrics().horizontalAdvance(bookmarks->currentText()) + 40 <= bookmarks->width(),
                 qPrintable(bookmarks->currentText()));
        QComboBox *optimise = merging.advancedSettingsView()->optimiseBox();
        QVERIFY(optimise->isVisible());
        QVERIFY2(optimise->fontMetrics().horizontalAdvance(optimise->currentText()) + 40 <= optimise->width(),
                 qPrintable(optimise->currentText()));
        QVERIFY(optimise->mapTo(merging.advancedSettingsView(), QPoint(0, optimise->height())).y()
                <= merging.advancedSettingsView()->height());
        QCOMPARE(save(&merging, "advanced_settings_merge_" + language), QString());
    }
}

void TestScreenshots::dialogs()
{
    useLanguage("en");
    MessageView message("Can not open file", "The password for report.pdf is incorrect");
    message.show();
    QImage image;
    QCOMPARE(save(&message, "dialog_message", &image), QString());
    QVERIFY(image.width() >= 380 + 40);

    MessageSplit split(12);
    split.show();
    QCOMPARE(save(&split, "dialog_split"), QString());

    MessageMerge merge;
    SizeSummary sizes;
    sizes.before = "4.1 MB";
    sizes.written = "0.7 MB";
    sizes.imagesChanged = 3;
    sizes.imagesLeft = 1;
    merge.setSizes(sizes);
    merge.show();
    QVERIFY(merge.messageLabel()->text().contains("Merged: 4.1 MB → 0.7 MB\nImages: 3 redrawn smaller, 1 left as they were."));
    QCOMPARE(save(&merge, "dialog_merge"), QString());

    MessagePassword password;
    password.setMessage("annual-report-2024.pdf");
    password.setSkipVisible(true);
    password.setSkipAllVisible(true);
    password.show();
    QCOMPARE(save(&password, "dialog_password"), QString());

    MessageUpdate update("3.5");
    update.show();
    QCOMPARE(save(&update, "dialog_update", &image), QString());
    QVERIFY(image.height() >= 160 + 40);

    useLanguage("fr");
    MessageSplit splitFrench(3);
    sizes.before.clear();
    sizes.imagesChanged = sizes.imagesLeft = 0;
    splitFrench.setSizes(sizes);
    QVERIFY(splitFrench.messageLabel()->text().endsWith("3 fichiers, 0.7 MB"));
    splitFrench.show();
    QCOMPARE(save(&splitFrench, "dialog_split_fr"), QString());
    useLanguage("en");
}

void TestScreenshots::splash()
{
    SplashScreen splash(QPixmap(":/style/images/splash.png"));
    splash.setVersion("3.4.7");
    splash.show();
    splash.showMessage("Loading..", Qt::AlignLeft | Qt::AlignTop, Qt::white);
    QCOMPARE(save(&splash, "splash"), QString());
}

CM_APPLICATION_TEST_MAIN(TestScreenshots)
#include "test_screenshots.moc"
