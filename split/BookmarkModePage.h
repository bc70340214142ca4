#ifndef CLEAVEMARK_SPLIT_BOOKMARKMODEPAGE_H
#define CLEAVEMARK_SPLIT_BOOKMARKMODEPAGE_H

#include "split/ModePage.h"

class QComboBox;
class QLabel;
class Split;

// The page of the split "By bookmarks": the bookmark level to cut at, each
// level listed with the number of files it gives. For a document without
// bookmarks the choice is disabled and the page says why.
class BookmarkModePage : public ModePage
{
    Q_OBJECT

public:
    explicit BookmarkModePage(Split *job, QWidget *parent = nullptr);

    // A level can be chosen: the document has bookmarks that lead to pages.
    bool isReady() const;
    QComboBox *levelBox() const { return m_levels; }
    QLabel *reasonLabel() const { return m_reason; }

signals:
    void readyChanged();

public slots:
    // Lists the levels of the job's document again.
    void refresh();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void onLevelChosen(int index);

private:
    void retranslate();
    void fillLevels();

    Split *m_job = nullptr;
    QLabel *m_levelLabel = nullptr;
    QComboBox *m_levels = nullptr;
    QLabel *m_reason = nullptr;
    QLabel *m_help = nullptr;
};

#endif
