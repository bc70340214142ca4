#include "app/MainView.h"

#include "app/AdvancedSettingsView.h"
#include "app/Application.h"
#include "app/MainViewGeometry.h"
#include "instance/CommandMessage.h"
#include "instance/InstallationRegistry.h"
#include "dialogs/MessageQuestion.h"
#include "dialogs/MessageUpdate.h"
#include "app/SettingsView.h"
#include "app/TabWidget.h"
#include "app/UpdateChecker.h"
#include "common/FileUtils.h"
#include "common/UserPreferences.h"
#include "jobs/Merge.h"
#include "jobs/Split.h"
#include "jobs/MergeModel.h"
#include "merge/MergeView.h"
#include "merge/PageRangesView.h"
#include "preview/DocumentViewer.h"
#include "split/SplitView.h"
#include "preview/DropArea.h"
#include "preview/PreviewWidget.h"
#include "widgets/Button.h"
#include "widgets/ButtonDescription.h"
#include "widgets/WindowBar.h"
#include "widgets/WindowIcon.h"
#include "widgets/WindowDrag.h"
#include "widgets/WindowShadow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>

using namespace MainViewGeometry;

namespace {

const QString splitFlagKey = QStringLiteral("add_split_enabled");
const QString mergeFlagKey = QStringLiteral("add_merge_enabled");

} // namespace

MainView::MainView(QWidget *parent)
    : QFrame(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    connect(new WindowDrag(this), &WindowDrag::moved, this, &MainView::onDragWindow);

    auto *shadow = new QFrame(this);
    shadow->setObjectName(QStringLiteral("mainViewShadow"));
    const QMargins shadowMargins = WindowShadow::prepare(this, shadow);
    shadow->setGeometry(QRect(QPoint(0, 0), contentSize.grownBy(shadowMargins)));

    m_content = new QWidget(this);
    m_content->setObjectName(QStringLiteral("mainview"));
    m_content->setAttribute(Qt::WA_StyledBackground);
    m_content->move(shadowMargins.left(), shadowMargins.top());
    m_content->setFixedSize(contentSize);

    auto *layout = new QVBoxLayout(m_content);
    layout->setContentsMargins(9, 1, 8, 9);
    layout->setSpacing(0);
    m_windowBar = new WindowBar(m_content);
    layout->addWidget(m_windowBar);
    layout->addSpacing(15);
    createTabs();
    auto *tabRow = new QHBoxLayout;
    tabRow->setContentsMargins(0, 0, 3, 0);
    tabRow->addWidget(m_tabs);
    layout->addLayout(tabRow);
    layout->addStretch();
    layout->addWidget(createBottomBar());

    createPanels();
    createAdvancedSettingsPanel();
    createPageRangesPanel();
    createDocumentViewer();
    connectSignals();
    connectJobs();
    connectSplitPage();
    connectMergePage();
    createShortcuts();
    retranslate();

    setWindowIcon(WindowIcon::icon());
    setFixedSize(contentSize.grownBy(shadowMargins));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_tabs->setCurrentIndex(StartPage);
    // The window opens with the first choice of the start page in focus.
    m_navigateToSplit->setFocus();
    startUpdateCheck();
}

MainView::~MainView()
{
    // The context menu may offer both again once we are gone.
    InstallationRegistry::setShellValue(splitFlagKey, 1);
    InstallationRegistry::setShellValue(mergeFlagKey, 1);
    delete m_viewer;
}

QWidget *MainView::createStartPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("initialView"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(73);

    auto *logo = new QLabel(page);
    logo->setPixmap(loadStylePixmap(QStringLiteral(":/style/images/logo.png")));
    logo->setAlignment(Qt::AlignCenter);
    layout->addWidget(logo);
    layout->addSpacing(30);

    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addStretch();
    m_navigateToSplit = new Button(page);
    m_navigateToSplit->setObjectName(QStringLiteral("buttonNavigateToSplit"));
    m_navigateToSplit->setCursor(Qt::PointingHandCursor);
    row->addWidget(m_navigateToSplit);
    row->addSpacing(30);
    m_or = new QLabel(page);
    m_or->setAlignment(Qt::AlignCenter);
    row->addWidget(m_or);
    row->addSpacing(30);
    m_navigateToMerge = new Button(page);
    m_navigateToMerge->setObjectName(QStringLiteral("buttonNavigateToMerge"));
    m_navigateToMerge->setCursor(Qt::PointingHandCursor);
    row->addWidget(m_navigateToMerge);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

void MainView::createTabs()
{
    m_tabs = new TabWidget(m_content);
    m_tabs->addTab(createStartPage(), StartPage);

    // The split and merge pages fill these tabs.
    m_tabSplit = new TabButton(SplitPage);
    m_tabSplit->setObjectName(QStringLiteral("buttonTabSplit"));
    m_tabs->addTab(createSplitPage(), SplitPage, m_tabSplit);
    m_tabMerge = new TabButton(MergePage);
    m_tabMerge->setObjectName(QStringLiteral("buttonTabMerge"));
    m_tabs->addTab(createMergePage(), MergePage, m_tabMerge);

    m_navigateToSite = new Button;
    m_navigateToSite->setObjectName(QStringLiteral("buttonNavigateToSite"));
    m_navigateToSite->setCursor(Qt::PointingHandCursor);
    m_navigateToSite->setFocusPolicy(Qt::TabFocus);
    m_tabs->tabBarLayout()->addWidget(m_navigateToSite);
}

QWidget *MainView::createBottomBar()
{
    auto *bar = new QWidget(m_content);
    bar->setMinimumHeight(33);
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addSpacing(3);
    m_lastFolder = new ButtonDescription(bar);
    m_lastFolder->setObjectName(QStringLiteral("buttonLastFolder"));
    layout->addWidget(m_lastFolder);
    layout->addStretch();
    m_help = new Button(bar);
    m_help->setObjectName(QStringLiteral("buttonHelp"));
    layout->addWidget(m_help);
    m_settings = new Button(bar);
    m_settings->setObjectName(QStringLiteral("buttonSettings"));
    layout->addWidget(m_settings);
    layout->addSpacing(9);
    return bar;
}



// The viewer is a window of its own, without parent, so that it can stand
// beside the main window; it is built once and reused for every preview.
void MainView::createDocumentViewer()
{
    auto *app = Application::instance();
    m_viewer = new DocumentViewer(app ? app->pdfService() : QSharedPointer<PdfService>());
    connect(m_viewer, &QDialog::finished, this, &MainView::onViewerClosed);
    connect(m_viewer, &DocumentViewer::splitAtMarks, this, &MainView::onSplitAtMarks);
}

// The window closed onto the split page, which shows the parts marked.
void MainView::onSplitAtMarks(const QString &fileName, const QString &password, const MarkedSplit &split)
{
    auto *app = Application::instance();
    if (!app || !app->split())
        return;
    onNavigateToSplit();
    // A split under way keeps its document; the marks stay in the window.
    if (app->split()->isRunning())
        return;
    app->split()->setMarkedSplit(fileName, password, split);
    m_splitView->showMarkedSplit();
    m_splitView->splitButton()->setFocus(Qt::OtherFocusReason);
}

// Focus goes back where it was before the viewer opened.
void MainView::onViewerClosed()
{
    raise();
    activateWindow();
    if (m_focusBeforeViewer && m_focusBeforeViewer->isVisible())
        m_focusBeforeViewer->setFocus(Qt::OtherFocusReason);
}

// The pages get their jobs from the application here, and report their
// results back to it; nothing below app/ reaches up for the application.
QWidget *MainView::createSplitPage()
{
    auto *app = Application::instance();
    m_splitView = new SplitView(app ? app->split() : nullptr);
    return m_splitView;
}

void MainView::connectSplitPage()
{
    connect(m_splitView, &SplitView::onMergeSplittedFiles, this, &MainView::onNavigateToMergeAfterSplit);
    connect(m_splitView, &SplitView::preview, this, &MainView::onPreview);
    connect(m_splitView, &SplitView::markPages, this, &MainView::onMarkPages);
    if (auto *app = Application::instance()) {
        connect(app, &Application::settingsChanged, m_splitView, &SplitView::readSettings);
        connect(m_splitView, &SplitView::lastFileProduced, app, &Application::setLastSplitFile);
    }
}

void MainView::onMarkPages(const QString &fileName, const QString &password)
{
    onPreview(fileName, password);
    m_viewer->setView(DocumentViewer::View::Thumbnails);
}

void MainView::onPreview(const QString &fileName, const QString &password)
{
    if (!m_viewer->isVisible())
        m_focusBeforeViewer = QApplication::focusWidget();
    m_viewer->open(fileName, password);
    m_viewer->show();
    m_viewer->raise();
    m_viewer->activateWindow();
}

// No window may stay open once the main window is gone, or the program
// would not end.
void MainView::closeEvent(QCloseEvent *event)
{
    if (!agreeToClose()) {
        event->ignore();
        return;
    }
    disconnect(m_viewer, &QDialog::finished, this, &MainView::onViewerClosed);
    m_viewer->close();
    QFrame::closeEvent(event);
}

bool MainView::agreeToClose()
{
    auto *app = Application::instance();
    if (!app)
        return true;
    QStringList losses;
    if (app->split()->isRunning())
        losses << tr("The running split will be stopped and the files it has written removed.");
    if (app->merge()->isRunning())
        losses << tr("The running merge will be stopped; nothing will be written.");
    const int listed = app->merge()->model()->rowCount();
    if (listed > 0)
        losses << tr("The merge list of %n document(s) will be lost.", "", listed);
    if (losses.isEmpty())
        return true;

    enum { Stay = 0, Close = 1 };
    MessageQuestion question(tr("Close Cleavemark?"), losses.join(QLatin1Char('\n')), Stay, this);
    question.addAnswer(tr("CLOSE"), Close);
    question.addAnswer(tr("CANCEL"), Stay, true);
    if (question.exec() != Close)
        return false;
    app->split()->stop();
    app->merge()->stop();
    return true;
}

void MainView::connectSignals()
{
    auto *app = Application::instance();
    connect(m_windowBar, &WindowBar::minimizeWindow, this, &MainView::onMinimize);
    connect(m_windowBar, &WindowBar::closeWindow, this, &QWidget::close);
    connect(m_settings, &QPushButton::clicked, this, &MainView::onShowSettings);
    connect(m_navigateToSplit, &QPushButton::clicked, this, &MainView::onNavigateToSplit);
    connect(m_navigateToMerge, &QPushButton::clicked, this, &MainView::onNavigateToMerge);
    connect(m_navigateToSite, &QPushButton::clicked, this, &MainView::onNavigateToSite);
    connect(m_help, &QPushButton::clicked, this, &MainView::onNavigateToSiteHelp);
    connect(m_lastFolder, &QPushButton::clicked, this, &MainView::onButtonLastFolder);
    connect(m_tabs, &TabWidget::currentIndexChanged, this, &MainView::onTabWidgetChanged);
    connect(m_settingsView, &SettingsView::onHideWindow, this, &MainView::onHideSettings);
    if (app)
        connect(app, &Application::lastFolderChanged, this, &MainView::updateLastFoderState);
}

void MainView::retranslate()
{
    // The product name stays the same in every language.
    const QString title = QStringLiteral("Cleavemark");
    setWindowTitle(title);
    m_windowBar->setTitle(title);
    m_help->setText(tr("Help"));
    m_settings->setText(tr("Settings"));
    m_navigateToSplit->setText(tr("Split"));
    m_tabSplit->setText(tr("Split"));
    m_navigateToMerge->setText(tr("Merge"));
    m_tabMerge->setText(tr("Merge"));
    m_or->setText(tr("or"));
    m_navigateToSite->setAccessibleName(tr("Open the web site"));   // an icon-only button
    m_navigateToSite->setToolTip(m_navigateToSite->accessibleName());
    m_tabs->tabBar()->setAccessibleName(tr("Pages"));
    const QString switchKeys = shortcutText(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    m_tabSplit->setToolTip(tr("Split a document (%1, %2)")
                               .arg(shortcutText(QKeySequence(Qt::CTRL | Qt::Key_PageUp)), switchKeys));
    m_tabMerge->setToolTip(tr("Merge documents (%1, %2)")
                               .arg(shortcutText(QKeySequence(Qt::CTRL | Qt::Key_PageDown)), switchKeys));
    m_help->setToolTip(tr("Open the online help (%1)").arg(shortcutText(QKeySequence::HelpContents)));
    m_settings->setToolTip(tr("Language, output folder, author, compression"));
    m_windowBar->closeButton()->setToolTip(tr("Close (%1)").arg(shortcutText(QKeySequence::Quit)));
    m_windowBar->minimizeButton()->setToolTip(tr("Minimize"));
    m_lastFolder->setToolTip(tr("Show the last result in the file manager"));
    updateLastFoderState();   // also the last-folder button's texts
}

QString MainView::shortcutText(const QKeySequence &keys) const
{
    return keys.toString(QKeySequence::NativeText);
}

// The window's keys work from anywhere in it, except while a side panel,
// which is modal, is shown.
void MainView::createShortcuts()
{
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), &MainView::showNextPage);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), &MainView::showNextPage);
    addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), &MainView::showPreviousPage);
    addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), &MainView::showPreviousPage);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), &MainView::showPreviousPage);
    addShortcut(QKeySequence::Open, &MainView::addDocuments);
    addShortcut(QKeySequence::HelpContents, &MainView::onNavigateToSiteHelp);
    // Quitting asks what closing the window asks.
    auto *quit = new QShortcut(QKeySequence::Quit, this);
    connect(quit, &QShortcut::activated, this, &QWidget::close);
}

void MainView::addShortcut(const QKeySequence &keys, void (MainView::*slot)())
{
    auto *shortcut = new QShortcut(keys, this);
    connect(shortcut, &QShortcut::activated, this, slot);
}

void MainView::showNextPage()
{
    if (!m_openPanel)
        m_tabs->step(1);
}

void MainView::showPreviousPage()
{
    if (!m_openPanel)
        m_tabs->step(-1);
}

void MainView::addDocuments()
{
    if (m_openPanel)
        return;
    switch (m_tabs->currentIndex()) {
    case SplitPage:
        if (!m_splitRunning)
            m_splitView->previewWidget()->dropArea()->chooseFiles();
        break;
    case MergePage:
        if (!m_mergeRunning)
            m_mergeView->onButtonAdd();
        break;
    default:
        break;
    }
}

void MainView::setFileChooser(const FileChooser &chooser)
{
    m_splitView->previewWidget()->dropArea()->setFileChooser(chooser);
    m_mergeView->setFileChooser(chooser);
}


void MainView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void MainView::updateLastFoderState()
{
    auto *app = Application::instance();
    const QString lastSplit = app ? app->lastSplitFile() : QString();
    const QString lastMerge = app ? app->lastMergeFile() : QString();
    switch (m_tabs->currentIndex()) {
    case SplitPage:
        m_lastFolder->setDescription(tr("Last split:"));
        m_lastFolder->setEnabled(!lastSplit.isEmpty());
        m_lastFolder->show();
        break;
    case MergePage:
        m_lastFolder->setDescription(tr("Last merge:"));
        m_lastFolder->setEnabled(!lastMerge.isEmpty());
        m_lastFolder->show();
        break;
    default:
        m_lastFolder->hide();
        break;
    }
    m_lastFolder->setText(tr("Open folder"));
}

void MainView::handleMessage(const QString &message)
{
    const CommandMessage command = CommandMessage::parse(message, isPdfFile);
    switch (command.action) {
    case CommandMessage::SplitAdd:
        openForSplit(command.files.first());
        break;
    case CommandMessage::MergeAdd:
        openForMerge(command.files);
        break;
    case CommandMessage::OpenFiles:
        // One document is there to be split, several to be merged.
        if (command.files.size() == 1)
            openForSplit(command.files.first());
        else
            openForMerge(command.files);
        break;
    case CommandMessage::None:
        break;
    }
}

void MainView::openForSplit(const QString &file)
{
    if (m_splitRunning)
        return;
    emit splitFileRequested(file, QString());
    m_tabs->setCurrentIndex(SplitPage);
}

void MainView::openForMerge(const QStringList &files)
{
    if (m_mergeRunning)
        return;
    emit mergeFilesRequested(files);
    m_tabs->setCurrentIndex(MergePage);
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

void MainView::connectJobs()
{
    auto *app = Application::instance();
    if (!app)
        return;
    Split *split = app->split();
    Merge *merge = app->merge();
    connect(this, &MainView::splitFileRequested, split, &Split::setFile);
    connect(this, &MainView::mergeFilesRequested, merge->model(), &MergeModel::requestAddFiles);
    connect(split, &Split::started, this, &MainView::onSplitJobStarted);
    connect(split, &Split::complete, this, &MainView::onSplitJobComplete);
    connect(merge, &Merge::started, this, &MainView::onMergeJobStarted);
    connect(merge, &Merge::complete, this, &MainView::onMergeJobComplete);
}

void MainView::onMinimize()
{
    showMinimized();
}

void MainView::onNavigateToSplit()
{
    m_tabs->setCurrentIndex(SplitPage);
}

void MainView::onNavigateToMerge()
{
    m_tabs->setCurrentIndex(MergePage);
}

QString MainView::homePageAddress()
{
    return QStringLiteral("https://www.tessaly.com/cleavemark/");
}

QString MainView::helpPageAddress()
{
    //: The online manual in this language; keep the English address where there is none.
    return tr("https://www.tessaly.com/cleavemark/help/");
}

void MainView::onNavigateToSite()
{
    QDesktopServices::openUrl(QUrl(homePageAddress()));
}

void MainView::onNavigateToSiteHelp()
{
    QDesktopServices::openUrl(QUrl(helpPageAddress()));
}

void MainView::onTabWidgetChanged(int)
{
    updateLastFoderState();
}



void MainView::onButtonLastFolder()
{
    auto *app = Application::instance();
    if (!app)
        return;
    if (m_tabs->currentIndex() == SplitPage)
        app->openLastSplitFolder();
    else if (m_tabs->currentIndex() == MergePage)
        app->openLastMergeFolder();
}

void MainView::onNavigateToMergeAfterSplit(const QStringList &files)
{
    emit mergeFilesRequested(files);
    m_tabs->setCurrentIndex(MergePage);
}

void MainView::onDragWindow(const QPoint &newPos)
{
    move(newPos);
}

void MainView::onSplitJobStarted()
{
    m_splitRunning = true;
    InstallationRegistry::setShellValue(splitFlagKey, 0);
}

void MainView::onSplitJobComplete()
{
    m_splitRunning = false;
    InstallationRegistry::setShellValue(splitFlagKey, 1);
}

void MainView::onMergeJobStarted()
{
    m_mergeRunning = true;
    InstallationRegistry::setShellValue(mergeFlagKey, 0);
}

void MainView::onMergeJobComplete()
{
    m_mergeRunning = false;
    InstallationRegistry::setShellValue(mergeFlagKey, 1);
}






void MainView::startUpdateCheck()
{
    if (!UserPreferences(Application::settings()).checkUpdates())
        return;
    auto *app = Application::instance();
    const QString version = app ? app->currentVersion() : QCoreApplication::applicationVersion();
    if (!m_updateChecker) {
        m_updateChecker = new UpdateChecker(QStringLiteral("1"), version, this);
        connect(m_updateChecker, &UpdateChecker::newVersionAvalible, this,
                &MainView::onNewVersion, Qt::QueuedConnection);
    }
    m_updateChecker->checkUpdates();
}

void MainView::onNewVersion(const QString &version)
{
    {
        UserPreferences preferences(Application::settings());
        if (preferences.lastShownVersion() == version)
            return;
        preferences.setLastShownVersion(version);
    }
    MessageUpdate message(version, this);
    connect(&message, &MessageUpdate::requestNewFeatures, this, [] {
        QDesktopServices::openUrl(QUrl(UpdateChecker::changeLogPageAddress()));
    });
    if (message.exec() == QDialog::Accepted)
        QDesktopServices::openUrl(QUrl(UpdateChecker::downloadPageAddress()));
}




QWidget *MainView::createMergePage()
{
    auto *app = Application::instance();
    m_mergeView = new MergeView(app ? app->merge() : nullptr);
    return m_mergeView;
}


void MainView::connectMergePage()
{
    connect(m_mergeView, &MergeView::editPageRanges, this, &MainView::onEditPageRanges);
    connect(m_mergeView, &MergeView::preview, this, &MainView::onPreview);
    connect(m_pageRangesView, &PageRangesView::onHideWindow, this, &MainView::onHidePageRanges);
    auto *app = Application::instance();
    if (!app || !app->merge())
        return;
    connect(m_mergeView, &MergeView::lastFileProduced, app, &Application::setLastMergeFile);
    MergeModel *list = app->merge()->model();
    connect(m_pageRangesView, &PageRangesView::commit, list, &MergeModel::updateRanges);
}


