#include "AppTestMain.h"

#include "instance/InstallationRegistry.h"
#include "app/MainView.h"
#include "app/SettingsView.h"
#include "app/TabWidget.h"
#include "tests/preview/GuiTestHelpers.h"
#include "widgets/ButtonDescription.h"
#include "widgets/DimmingCover.h"

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>

class TestMainView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void windowKeepsItsSizeAndTitle();
    void navigationRevealsTabBarAndChecksTab();
    void lastResultButtonFollowsPage();
    void panelSlidesInAndOut();
    void mergeMessageAddsFilesUnlessMergeRuns();
    void splitMessageTakesFirstFileUnlessSplitRuns();
    void plainFileArgumentsAreNeverDeleted();
    void contextMenuFlagsFollowJobs();
    void draggingMovesWindow();

private:
    QString writeList(const QStringList &lines);
    template<typename T> T *child(const char *name) const
    {
        return m_view->findChild<T *>(QLatin1String(name));
    }

    QTemporaryDir m_dir;
    MainView *m_view = nullptr;
};

void TestMainView::init()
{
    Application::instance()->setLastSplitFile(QString());
    Application::instance()->setLastMergeFile(QString());
    m_view = new MainView;
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestMainView::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

QString TestMainView::writeList(const QStringList &lines)
{
    static int counter = 0;
    const QString path = m_dir.filePath(QStringLiteral("list%1.txt").arg(++counter));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(lines.join('\n').toUtf8());
    return path;
}

// The window draws its own frame and cannot be resized; its title bar says
// the product name in every language.
void TestMainView::windowKeepsItsSizeAndTitle()
{
    QVERIFY(m_view->windowFlags() & Qt::FramelessWindowHint);
    const QSize size = m_view->size();
    m_view->resize(size + QSize(200, 150));
    m_view->resize(size - QSize(300, 200));
    QCOMPARE(m_view->size(), size);

    // The tab's text shows that the language did change.
    QLabel *bar = child<QLabel>("windowBarLabel");
    const QList<QPair<QString, QString>> languages = {{"de", "Teilen"}, {"en", "Split"}};
    for (const auto &[language, split] : languages) {
        Application::settings()->setValue("Language", language);
        Application::instance()->applyLanguage();
        QCoreApplication::processEvents();
        QCOMPARE(child<QPushButton>("buttonTabSplit")->text(), split);
        QCOMPARE(m_view->windowTitle(), QString("Cleavemark"));
        QCOMPARE(bar->text(), m_view->windowTitle());
    }
}

void TestMainView::navigationRevealsTabBarAndChecksTab()
{
    TabWidget *tabs = m_view->tabWidget();
    QCOMPARE(tabs->currentIndex(), int(MainView::StartPage));
    QCOMPARE(tabs->tabBar()->objectName(), QString("labelTabBarHide"));

    QTest::mouseClick(child<QPushButton>("buttonNavigateToSplit"), Qt::LeftButton);
    QCOMPARE(tabs->currentIndex(), int(MainView::SplitPage));
    QCOMPARE(tabs->tabBar()->objectName(), QString("labelTabBar"));
    auto *tabSplit = child<QPushButton>("buttonTabSplit");
    auto *tabMerge = child<QPushButton>("buttonTabMerge");
    QVERIFY(tabSplit->isChecked());
    QVERIFY(!tabMerge->isChecked());

    QSignalSpy changed(tabs, &TabWidget::currentIndexChanged);
    QTest::mouseClick(tabMerge, Qt::LeftButton);
    QCOMPARE(tabs->currentIndex(), int(MainView::MergePage));
    QVERIFY(tabMerge->isChecked());
    QVERIFY(!tabSplit->isChecked());
    // Clicking the tab that is already shown keeps it checked.
    QTest::mouseClick(tabMerge, Qt::LeftButton);
    QVERIFY(tabMerge->isChecked());
    QCOMPARE(changed.count(), 2);

    tabs->setCurrentIndex(3);
    tabs->setCurrentIndex(-1);
    QCOMPARE(tabs->currentIndex(), int(MainView::MergePage));
    QCOMPARE(changed.count(), 2);

    // Back on the start page the bar keeps its revealed name.
    tabs->setCurrentIndex(MainView::StartPage);
    QCOMPARE(tabs->tabBar()->objectName(), QString("labelTabBar"));
}

void TestMainView::lastResultButtonFollowsPage()
{
    ButtonDescription *button = m_view->lastFolderButton();
    QVERIFY(!button->isVisible());

    m_view->onNavigateToSplit();
    QVERIFY(button->isVisible());
    QCOMPARE(button->description(), QString("Last split:"));
    QCOMPARE(button->text(), QString("Open folder"));
    QVERIFY(!button->isEnabled());

    const QString result = m_dir.filePath("result.pdf");
    Application::instance()->setLastSplitFile(result);
    QVERIFY(button->isEnabled());

    m_view->onNavigateToMerge();
    QCOMPARE(button->description(), QString("Last merge:"));
    QVERIFY(!button->isEnabled());
    Application::instance()->setLastMergeFile(result);
    QVERIFY(button->isEnabled());
}

void TestMainView::panelSlidesInAndOut()
{
    SettingsView *panel = m_view->settingsView();
    DimmingCover *cover = m_view->cover();
    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->geometry(), MainView::panelHiddenGeometry());
    QVERIFY(MainView::panelHiddenGeometry().left() > m_view->width() - 20);

    QTest::mouseClick(child<QPushButton>("buttonSettings"), Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QVERIFY(cover->isVisible());
    QTRY_COMPARE(panel->geometry(), MainView::panelShownGeometry());
    // The cover dims by painting itself, with no effect over live widgets.
    QVERIFY(!cover->graphicsEffect());
    QCOMPARE(cover->opacity(), 0.6);
    QCOMPARE(MainView::panelShownGeometry().right(), cover->geometry().right());
    // The panel lies above the cover that dims the page.
    const QWidget *parent = panel->parentWidget();
    QVERIFY(parent->children().indexOf(panel) > parent->children().indexOf(cover));

    QTest::keyClick(panel, Qt::Key_Escape);
    QTRY_VERIFY(!cover->isVisible());
    QVERIFY(!panel->isVisible());
    QCOMPARE(panel->geometry(), MainView::panelHiddenGeometry());
    QCOMPARE(cover->opacity(), 0.0);

    // In again at once, and out while still moving in: it ends hidden.
    m_view->onShowSettings();
    QTest::qWait(150);
    m_view->onHideSettings();
    QTRY_VERIFY(!cover->isVisible());
    QCOMPARE(panel->geometry(), MainView::panelHiddenGeometry());
}

void TestMainView::mergeMessageAddsFilesUnlessMergeRuns()
{
    QSignalSpy merge(m_view, &MainView::mergeFilesRequested);
    const QStringList files = {"/a/one.pdf", "/a/two.pdf", "/a/three.pdf"};

    m_view->onMergeJobStarted();
    QString list = writeList(files);
    m_view->handleMessage("-merge_add|" + list);
    QCOMPARE(merge.count(), 0);
    QCOMPARE(m_view->tabWidget()->currentIndex(), int(MainView::StartPage));
    QVERIFY(!QFile::exists(list));

    m_view->onMergeJobComplete();
    list = writeList(files);
    m_view->handleMessage("-merge_add|" + list);
    QCOMPARE(merge.count(), 1);
    QCOMPARE(merge.at(0).at(0).toStringList(), files);
    QCOMPARE(m_view->tabWidget()->currentIndex(), int(MainView::MergePage));
    QVERIFY(!QFile::exists(list));

    // The files of a split handed over to the merge list take the same road.
    m_view->onNavigateToSplit();
    m_view->onNavigateToMergeAfterSplit({"/out/part1.pdf"});
    QCOMPARE(merge.count(), 2);
    QCOMPARE(m_view->tabWidget()->currentIndex(), int(MainView::MergePage));
}

void TestMainView::splitMessageTakesFirstFileUnlessSplitRuns()
{
    QSignalSpy split(m_view, &MainView::splitFileRequested);
    m_view->onSplitJobStarted();
    m_view->handleMessage("-split_add|" + writeList({"/a/first.pdf", "/a/second.pdf"}));
    QCOMPARE(split.count(), 0);
    QCOMPARE(m_view->tabWidget()->currentIndex(), int(MainView::StartPage));

    m_view->onSplitJobComplete();
    // The split page says that the file is not there.
    DialogAnswers answers({DialogAnswers::click("OK")});
    m_view->handleMessage("-split_add|" + writeList({"/a/first.pdf", "/a/second.pdf"}));
    QTRY_VERIFY(answers.allAnswered());
    QCOMPARE(answers.seen().first().text, QString("/a/first.pdf does not exist."));
    QCOMPARE(split.count(), 1);
    QCOMPARE(split.at(0).at(0).toString(), QString("/a/first.pdf"));
    QCOMPARE(split.at(0).at(1).toString(), QString());
    QCOMPARE(m_view->tabWidget()->currentIndex(), int(MainView::SplitPage));
}

void TestMainView::plainFileArgumentsAreNeverDeleted()
{
    QSignalSpy split(m_view, &MainView::splitFileRequested);
    QSignalSpy merge(m_view, &MainView::mergeFilesRequested);
    const QString first = writeList({"not a list"});
    const QString second = writeList({"not a list either"});
    m_view->handleMessage(first + "|" + second);
    m_view->handleMessage(QString());
    QVERIFY(QFile::exists(first));
    QVERIFY(QFile::exists(second));
    QCOMPARE(split.count() + merge.count(), 0);
    QCOMPARE(m_view->tabWidget()->currentIndex(), int(MainView::StartPage));
}

void TestMainView::contextMenuFlagsFollowJobs()
{
    m_view->onSplitJobStarted();
    m_view->onMergeJobStarted();
    QCOMPARE(InstallationRegistry::shellValue("add_split_enabled").toInt(), 0);
    QCOMPARE(InstallationRegistry::shellValue("add_merge_enabled").toInt(), 0);
    m_view->onSplitJobComplete();
    QCOMPARE(InstallationRegistry::shellValue("add_split_enabled").toInt(), 1);
    QCOMPARE(InstallationRegistry::shellValue("add_merge_enabled").toInt(), 0);

    delete m_view;
    m_view = nullptr;
    QCOMPARE(InstallationRegistry::shellValue("add_split_enabled").toInt(), 1);
    QCOMPARE(InstallationRegistry::shellValue("add_merge_enabled").toInt(), 1);
    // Kept apart from the user's own settings file.
    QVERIFY(InstallationRegistry::location() != Application::settings()->fileName());
}

void TestMainView::draggingMovesWindow()
{
    m_view->move(100, 100);
    QTRY_COMPARE(m_view->pos(), QPoint(100, 100));
    const QPoint inside(300, 10);
    const QPoint global = m_view->mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(m_view, &press);
    const QPoint moved = global + QPoint(40, 25);
    QMouseEvent move(QEvent::MouseMove, m_view->mapFromGlobal(moved), moved, Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_view, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, m_view->mapFromGlobal(moved), moved,
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_view, &release);
    QTRY_COMPARE(m_view->pos(), QPoint(140, 125));
}

CM_APPLICATION_TEST_MAIN(TestMainView)
#include "test_mainview.moc"
