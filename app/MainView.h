#ifndef CLEAVEMARK_APP_MAINVIEW_H
#define CLEAVEMARK_APP_MAINVIEW_H

#include "widgets/DimmingCover.h"
#include "widgets/FileChooser.h"
#include "pdf/PageRange.h"

#include <QFrame>
#include <QHash>
#include <QPointer>
#include <QSharedPointer>

class AdvancedSettings;
class AdvancedSettingsView;
class Button;
class ButtonDescription;
class MergeView;
class PageRangesView;
class DocumentViewer;
struct MarkedSplit;
class QAbstractAnimation;
class QKeySequence;
class QLabel;
class SettingsView;
class SplitView;
class TabButton;
class TabWidget;
class UpdateChecker;
class WindowBar;

// The program's only main window: a frameless, fixed-size window with its own
// title bar, a start page offering Split or Merge, the tabs of the split and
// merge pages, a bottom bar (last result, help, settings) and panels that
// slide in from the right over a dimming cover.
class MainView : public QFrame
{
    Q_OBJECT

public:
    enum Page { StartPage = 0, SplitPage = 1, MergePage = 2 };

    explicit MainView(QWidget *parent = nullptr);
    ~MainView() override;

    TabWidget *tabWidget() const { return m_tabs; }
    SettingsView *settingsView() const { return m_settingsView; }
    AdvancedSettingsView *advancedSettingsView() const { return m_advancedSettingsView; }
    ButtonDescription *lastFolderButton() const { return m_lastFolder; }
    DimmingCover *cover() const { return m_cover; }
    // Created at construction while "check_updates" is on, else null.
    UpdateChecker *updateChecker() const { return m_updateChecker; }
    MergeView *mergeView() const { return m_mergeView; }
    PageRangesView *pageRangesView() const { return m_pageRangesView; }
    DocumentViewer *documentViewer() const { return m_viewer; }
    SplitView *splitView() const { return m_splitView; }

    bool isSplitRunning() const { return m_splitRunning; }
    bool isMergeRunning() const { return m_mergeRunning; }

    // Where a panel rests when shown and when hidden, in the content area.
    static QRect panelShownGeometry();
    static QRect panelHiddenGeometry();
    void slideIn(QWidget *panel);
    void slideOut(QWidget *panel);
    // The side panel shown now, or null; while one is shown, Tab stays in it
    // and the window's shortcuts wait.
    QWidget *openPanel() const { return m_openPanel; }

    // The dialog the split and merge pages add documents with.
    void setFileChooser(const FileChooser &chooser);

    static QString homePageAddress();
    static QString helpPageAddress();

public slots:
    void handleMessage(const QString &message);
    // Announces a newer version once: the next start stays quiet about it.
    void onNewVersion(const QString &version);
    void onMinimize();
    void onNavigateToSplit();
    void onNavigateToMerge();
    void onNavigateToSite();
    void onNavigateToSiteHelp();
    void onTabWidgetChanged(int index);
    void onHideSettings();
    void onShowSettings();
    // The output properties panel, on the record of the job that asked.
    void onShowAdvancedSettings(const QSharedPointer<AdvancedSettings> &settings);
    void onHideAdvancedSettings();
    void onButtonLastFolder();
    void onNavigateToMergeAfterSplit(const QStringList &files);
    void onDragWindow(const QPoint &newPos);
    void updateLastFoderState();
    void onPreview(const QString &fileName, const QString &password);
    // The page window on the thumbnails, to mark the pages.
    void onMarkPages(const QString &fileName, const QString &password);

    // The jobs report here; the context-menu handler's flags follow them.
    void onSplitJobStarted();
    void onSplitJobComplete();
    void onMergeJobStarted();
    void onMergeJobComplete();

    // The page-range editor opens on a document of the merge list.
    void onEditPageRanges(const QString &id, const PageRangeList &ranges, int totalPages);
    void onHidePageRanges();

    // Keyboard: the neighbour page (Ctrl+Tab, Ctrl+PgDown / Ctrl+Shift+Tab,
    // Ctrl+PgUp), adding documents to the page shown (Ctrl+O).
    void showNextPage();
    void showPreviousPage();
    void addDocuments();

signals:
    // A document to open on the split page (from the command line).
    void splitFileRequested(const QString &fileName, const QString &password);
    // Documents to add to the merge list (command line, split results).
    void mergeFilesRequested(const QStringList &files);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Asks before a close would stop a job or drop the merge list; on yes
    // the running jobs are stopped (a split's pieces removed). False: stay.
    bool agreeToClose();
    QWidget *createStartPage();
    QWidget *createBottomBar();
    void createTabs();
    void createPanels();
    // firstField takes the focus when the panel opens.
    void placePanel(QWidget *panel, QWidget *firstField);
    QWidget *createMergePage();
    void createPageRangesPanel();
    void connectMergePage();
    void createDocumentViewer();
    QWidget *createSplitPage();
    void connectSplitPage();
    void connectSignals();
    // The application's split and merge jobs: documents handed over, running states.
    void connectJobs();
    void openForSplit(const QString &file);
    void openForMerge(const QStringList &files);
    void retranslate();
    void runSlide(QWidget *panel, QAbstractAnimation *animation);
    void startUpdateCheck();
    void createAdvancedSettingsPanel();
    void createShortcuts();
    void addShortcut(const QKeySequence &keys, void (MainView::*slot)());
    void onViewerClosed();
    void onSplitAtMarks(const QString &fileName, const QString &password, const MarkedSplit &split);
    QString shortcutText(const QKeySequence &keys) const;

    QWidget *m_content = nullptr;
    WindowBar *m_windowBar = nullptr;
    TabWidget *m_tabs = nullptr;
    TabButton *m_tabSplit = nullptr;
    TabButton *m_tabMerge = nullptr;
    Button *m_navigateToSplit = nullptr;
    Button *m_navigateToMerge = nullptr;
    Button *m_navigateToSite = nullptr;
    QLabel *m_or = nullptr;
    ButtonDescription *m_lastFolder = nullptr;
    Button *m_help = nullptr;
    Button *m_settings = nullptr;
    DimmingCover *m_cover = nullptr;
    SettingsView *m_settingsView = nullptr;
    UpdateChecker *m_updateChecker = nullptr;
    AdvancedSettingsView *m_advancedSettingsView = nullptr;
    MergeView *m_mergeView = nullptr;
    PageRangesView *m_pageRangesView = nullptr;
    SplitView *m_splitView = nullptr;
    DocumentViewer *m_viewer = nullptr;   // a window of its own, deleted with us
    QHash<QWidget *, QPointer<QAbstractAnimation>> m_slides;
    QHash<QWidget *, QWidget *> m_firstFields;
    QPointer<QWidget> m_openPanel;
    QPointer<QWidget> m_focusBeforePanel;
    QPointer<QWidget> m_focusBeforeViewer;
    bool m_splitRunning = false;
    bool m_mergeRunning = false;
};

#endif
