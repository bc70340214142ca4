#ifndef CLEAVEMARK_SPLIT_SPLITVIEW_H
#define CLEAVEMARK_SPLIT_SPLITVIEW_H

#include "dialogs/SaveFolderBox.h"
#include "pdf/PageRange.h"

#include <QFrame>
#include <QList>
#include <QStringList>

class BookmarkModePage;
class MarksModePage;
class Button;
class PreviewWidget;
class ProgressControl;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedLayout;
class QVBoxLayout;
class RangeListView;
class SaveFolderModel;
class SizeModePage;
class Split;

// The split page: the document panel on top, the four ways of splitting
// with their choices, and a bottom bar with the output folder, the output
// properties and "SPLIT", which becomes the progress line while the split
// job runs. At the end it offers to open the folder or to hand the
// produced files to the merge page.
//
//   mode 0 "Into files of 1 page"      mode 2 "Get rid of certain pages"
//   mode 1 "By groups of pages"        mode 3 "By page ranges"
//   mode 4 "By bookmarks"              mode 5 "By file size"
//   mode 6 "By marks"
class SplitView : public QFrame
{
    Q_OBJECT

public:
    enum BottomIndex { ButtonsIndex = 0, ProgressIndex = 1 };

    using FolderChooser = SaveFolderBox::FolderChooser;

    // The page shows and drives the given split job.
    explicit SplitView(Split *job, QWidget *parent = nullptr);

    void setFolderChooser(FolderChooser chooser);

    // Where the files of a split go, by the save-folder row: a folder named
    // after the document next to it, the document's folder, or the chosen one.
    static QString outputFolder(int folderIndex, const QString &fileName, const QString &chosenFolder);
    // What the user is told when a split ends with errorCode.
    static QString failureText(int errorCode);

    PreviewWidget *previewWidget() const { return m_preview; }
    QRadioButton *modeButton(int mode) const;
    int currentModePage() const;
    int bottomIndex() const;
    QWidget *splitArea() const { return m_splitArea; }
    QLineEdit *groupSizeEdit() const { return m_groupSize; }
    QLineEdit *startPageEdit() const { return m_startPage; }
    QLineEdit *ridPageEdit() const { return m_ridPage; }
    QLineEdit *fromEdit() const { return m_from; }
    QLineEdit *toEdit() const { return m_to; }
    Button *addPageButton() const { return m_addPage; }
    Button *addRangeButton() const { return m_addRange; }
    RangeListView *ridList() const { return m_ridList; }
    RangeListView *rangeList() const { return m_rangeList; }
    // Why the last page or range typed could not be added; hidden when it could.
    QLabel *ridProblemLabel() const { return m_ridProblem; }
    QLabel *groupsProblemLabel() const { return m_groupsProblem; }
    QLabel *rangeProblemLabel() const { return m_rangeProblem; }
    Button *clearRidButton() const { return m_clearRid; }
    Button *clearRangesButton() const { return m_clearRanges; }
    QWidget *ridHelp() const { return m_ridHelp; }
    QWidget *rangeHelp() const { return m_rangeHelp; }
    BookmarkModePage *bookmarkPage() const { return m_bookmarkPage; }
    SizeModePage *sizePage() const { return m_sizePage; }
    MarksModePage *marksPage() const { return m_marksPage; }
    SaveFolderBox *saveFolderBox() const { return m_saveFolder; }
    SaveFolderModel *saveFolderModel() const;
    Button *advancedSettingsButton() const { return m_advancedSettings; }
    Button *splitButton() const { return m_split; }
    ProgressControl *progressControl() const { return m_progress; }

signals:
    void onMergeSplittedFiles(const QStringList &files);
    void preview(const QString &fileName, const QString &password);
    // The same, on the thumbnails where the pages are marked.
    void markPages(const QString &fileName, const QString &password);
    // A split produced files; the last of them, for the window's open-folder button.
    void lastFileProduced(const QString &path);

public slots:
    void split();
    void splitModeChanged(int splitMode);
    void onButtonAddRidPage();
    void onButtonAddRange();
    void onChangeOutFolder(int index);
    void onChangeRidList();
    void onChangedPageRangeList();
    void readSettings();
    void onFileChanged();
    void setInitialState();
    void onChangeCertainPages();
    void onPreview();
    void onStarted();
    void onComplete();
    void onFinished(const QStringList &splitedFiles);
    void onFailed(int errorCode);
    void onProgressChanged(double percentage);
    void onContentCopyDisabled();
    void onDocumentUnusable(const QString &path, int problem, int engineCode, const QString &engineDetail);
    // Why SPLIT cannot run now (empty when it can), and why the group
    // fields' entries cannot be used.
    QString splitBlocker() const;
    QString groupsProblem() const;
    void updateSplitButtonState();
    void updateResetNote();
    // Shows the parts marked in the page window, ready to split.
    void showMarkedSplit();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void onStop();
    void onFromReturn();

private:
    // The ranges typed into a field, and why they cannot be used.
    static PageRangeList typedRanges(const QLineEdit *field, int pageCount, QString &problem);
    void addTypedRanges(Split *split);
    void buildLayout();
    QWidget *createSplitArea();
    QWidget *createSinglePagesPage();
    QWidget *createGroupsPage();
    QWidget *createRemovePagesPage();
    QWidget *createRangesPage();
    QWidget *createBottomBar();
    void connectJob();
    void retranslate();
    void showList(RangeListView *list, Button *clear, QWidget *help, bool hasEntries);
    Split *job() const { return m_job; }
    Split *m_job = nullptr;

    PreviewWidget *m_preview = nullptr;
    QWidget *m_splitArea = nullptr;
    QButtonGroup *m_modes = nullptr;
    QList<QRadioButton *> m_modeButtons;
    QStackedLayout *m_modePages = nullptr;

    QLabel *m_singleHelp = nullptr;
    QLabel *m_resetNote = nullptr;
    QLabel *m_groupSizeLabel = nullptr;
    QLineEdit *m_groupSize = nullptr;
    QLabel *m_startPageLabel = nullptr;
    QLineEdit *m_startPage = nullptr;
    QLabel *m_groupsHelp = nullptr;
    QLabel *m_groupsProblem = nullptr;
    QLineEdit *m_ridPage = nullptr;
    Button *m_addPage = nullptr;
    QLabel *m_ridProblem = nullptr;
    RangeListView *m_ridList = nullptr;
    Button *m_clearRid = nullptr;
    QWidget *m_ridHelp = nullptr;
    QLabel *m_ridHelpText = nullptr;
    QLabel *m_fromLabel = nullptr;
    QLineEdit *m_from = nullptr;
    QLabel *m_toLabel = nullptr;
    QLineEdit *m_to = nullptr;
    Button *m_addRange = nullptr;
    QLabel *m_rangeProblem = nullptr;
    RangeListView *m_rangeList = nullptr;
    Button *m_clearRanges = nullptr;
    QWidget *m_rangeHelp = nullptr;
    QLabel *m_rangeHelpText = nullptr;
    BookmarkModePage *m_bookmarkPage = nullptr;
    SizeModePage *m_sizePage = nullptr;
    MarksModePage *m_marksPage = nullptr;

    QStackedLayout *m_bottom = nullptr;
    QLabel *m_saveTo = nullptr;
    SaveFolderBox *m_saveFolder = nullptr;
    Button *m_advancedSettings = nullptr;
    Button *m_split = nullptr;
    ProgressControl *m_progress = nullptr;

    bool m_stopPressed = false;   // the user stopped the running split
};

#endif
