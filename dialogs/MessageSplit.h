#ifndef CLEAVEMARK_DIALOGS_MESSAGESPLIT_H
#define CLEAVEMARK_DIALOGS_MESSAGESPLIT_H

#include "dialogs/SizeSummary.h"
#include "widgets/FramelessDialog.h"

class Button;

// The end of a split: "OK", "OPEN" (the folder) or "MERGE RESULTS".
// The dialog's result is the choice; closing it counts as "OK".
class MessageSplit : public FramelessDialog
{
    Q_OBJECT

public:
    enum Choice { Ok = 0, Open = 1, MergeResults = 2 };

    explicit MessageSplit(int count, QWidget *parent = nullptr);

    // How many of the files hold one page that alone is over the size limit.
    void setOversizedCount(int count);
    // How many files got a "(n)" name because a file of their name was there.
    void setRenamedCount(int count);

    // A note below the result, for outputs that are missing from it.
    void setNote(const QString &note);
    // What the files take, told after the result.
    void setSizes(const SizeSummary &sizes);

public slots:
    void onOk();
    void onOpen();
    void onMerge();

protected:
    void showEvent(QShowEvent *event) override;
    void retranslate() override;

private:
    int m_count;
    int m_oversized = 0;
    int m_renamed = 0;
    QString m_note;
    SizeSummary m_sizes;
    Button *m_ok = nullptr;
    Button *m_open = nullptr;
    Button *m_merge = nullptr;
};

#endif
