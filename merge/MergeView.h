#ifndef CLEAVEMARK_MERGE_MERGEVIEW_H
#define CLEAVEMARK_MERGE_MERGEVIEW_H

#include "pdf/DocumentInformation.h"
#include "widgets/FileChooser.h"
#include "pdf/PageRange.h"

#include <QFrame>
#include <QItemSelection>

class Button;
class Merge;
class MergeModel;
class MergeTableView;
class ProgressControl;
class QGridLayout;
class QLabel;
class QLineEdit;
class QStackedLayout;

// The merge page: the merge list as a table with its add, move and clear
// buttons, the output folder and file name, and the MERGE button, which a
// progress line replaces while the merge runs. The list and the run belong to
// the application's merge job; this page edits and shows them.
class MergeView : public QFrame
{
    Q_OBJECT

public:
    // The page shows and drives the given merge job.
    explicit MergeView(Merge *job, QWidget *parent = nullptr);

    // "Merged-yyyyMMdd-hhmmss" for the current local time, in the
    // current language where the translation has a form of it.
    static QString defaultMergeName();

    MergeTableView *table() const { return m_table; }
    // The dialog the add button and the empty table's drop area ask with.
    void setFileChooser(const FileChooser &chooser);
    QString outputFolder() const { return m_outputFolder; }
    // The line under the table that tells a page order other than one
    // document after the other.
    QLabel *orderNote() const { return m_orderNote; }

signals:
    void preview(QString fileName, QString password);
    void editPageRanges(QString id, PageRangeList ranges, int totalPages);
    // A merge produced this file, for the window's open-folder button.
    void lastFileProduced(const QString &path);

public slots:
    void onButtonAdd();
    void onButtonMerge();
    void onButtonSelectFolder();
    void onMergeTableClicked(const QModelIndex &index);
    void onButtonClearAll();
    void rowSelectionChanged(const QItemSelection &selected, const QItemSelection &deselected);
    void updateTotalPages();
    void updateMoveButtons();
    void onAddFiles(const QStringList &urls);
    void onAddFinished(bool success, const MergeItemList &items);
    void onMergeStarted();
    void onMergeFinished(int errorCode, const QString &mergedFileName, const QString &errorFileName);
    void onMergeComplete();
    void updateMergeButtonState();
    // Shows or hides the order line after the output properties changed.
    void updateOrderNote();

public:
    // Why MERGE cannot run now; empty when it can.
    QString mergeBlocker() const;
    // Why the name field's text cannot name the merged file; empty when it can.
    QString nameProblem() const;
    QLabel *nameProblemLabel() const { return m_nameProblem; }

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *createTableBox();
    QWidget *createOutputPage();
    Button *createIconButton(const QString &objectName, QWidget *parent);
    void connectSignals();
    void retranslate();
    void proposeName();
    void showOutputFolder(const QString &folder);
    void loadOutputFolder();
    void setOutputFolder(const QString &folder);
    // Asks for the password of a protected row; false when it still needs one.
    bool enterPassword(int row);
    // Asks what to do with rows no merge can take; false when the user
    // would rather not merge now. Rows the user removes leave the list.
    bool settleUnmergeableRows();
    void showMergeResult(const QString &mergedFileName);
    void previewRow(int row);
    void editRanges(int row);
    MergeModel *model() const;

    Merge *m_merge = nullptr;
    QString m_outputFolder;
    FileChooser m_chooseFiles = chooseFilesWithDialog;

    QWidget *m_tableBox = nullptr;
    MergeTableView *m_table = nullptr;
    Button *m_add = nullptr;
    Button *m_moveUp = nullptr;
    Button *m_moveDown = nullptr;
    Button *m_clearAll = nullptr;
    QStackedLayout *m_stack = nullptr;
    QLabel *m_folderLabel = nullptr;
    QLineEdit *m_folderEdit = nullptr;
    Button *m_openFolder = nullptr;
    QLabel *m_totalPages = nullptr;
    QLabel *m_orderNote = nullptr;
    QLabel *m_nameProblem = nullptr;
    QString m_requestedName;   // the merged file's name as asked, before a "(n)" was put before it
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_nameEdit = nullptr;
    QString m_proposedName;
    QLabel *m_extension = nullptr;
    Button *m_advancedSettings = nullptr;
    Button *m_mergeButton = nullptr;
    ProgressControl *m_progress = nullptr;
};

#endif
