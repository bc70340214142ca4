#ifndef CLEAVEMARK_MERGE_PAGERANGESVIEW_H
#define CLEAVEMARK_MERGE_PAGERANGESVIEW_H

#include "pdf/PageRange.h"

#include <QFrame>

class Button;
class CheckBox;
class PageRanges;
class QLabel;
class QLineEdit;
class RangeListView;

// The page-range editor: a panel that slides over the main window and edits
// the ranges of one document of the merge list. "OK" commits the ranges for
// that document, or for every document when "Apply to all files in queue" is
// checked; closing drops what was not committed.
class PageRangesView : public QFrame
{
    Q_OBJECT

public:
    explicit PageRangesView(QWidget *parent = nullptr);

    // Shows the ranges of the document with this id; totalPages bounds them
    // (below 1: not known, nothing can be added).
    // reversed: the document's pages go in backwards.
    void open(const QString &id, const PageRangeList &ranges, int totalPages, bool reversed = false);

    QString documentId() const { return m_id; }
    PageRanges *pageRanges() const { return m_ranges; }
    RangeListView *rangeList() const { return m_list; }
    CheckBox *reverseBox() const { return m_reverse; }
    QLineEdit *fromEdit() const { return m_from; }

public slots:
    void onButtonAddRange();
    void onRangeChanged();
    void onButtonCancel();

signals:
    void onHideWindow();
    void commit(QString id, PageRangeList ranges, bool reversed);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void onButtonSave();
    void onButtonClear();
    void onListChanged();

private:
    QLayout *createHeader();
    QWidget *createInputBox();
    QWidget *createBottomBar();
    QWidget *createReverseRow(QWidget *parent);
    QLineEdit *createPageEdit();
    void connectSignals();
    void retranslate();
    void updateTitle();
    void showRanges();

    QString m_id;
    int m_totalPages = 0;
    PageRanges *m_ranges = nullptr;

    Button *m_close = nullptr;
    Button *m_back = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_fromLabel = nullptr;
    QLabel *m_toLabel = nullptr;
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
    Button *m_add = nullptr;
    Button *m_clear = nullptr;
    RangeListView *m_list = nullptr;
    CheckBox *m_reverse = nullptr;
    QLabel *m_reverseHint = nullptr;
    bool m_openedReversed = false;
    Button *m_cancel = nullptr;
    CheckBox *m_applyToAll = nullptr;
    Button *m_save = nullptr;
};

#endif
