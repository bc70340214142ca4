#ifndef CLEAVEMARK_DIALOGS_MESSAGEMERGE_H
#define CLEAVEMARK_DIALOGS_MESSAGEMERGE_H

#include "dialogs/SizeSummary.h"
#include "widgets/FramelessDialog.h"

class Button;

// The end of a merge: "OK" or "OPEN FOLDER". The dialog's result is the
// choice; closing it counts as "OK".
class MessageMerge : public FramelessDialog
{
    Q_OBJECT

public:
    enum Choice { Ok = 0, OpenFolder = 1 };

    explicit MessageMerge(QWidget *parent = nullptr);

    // Replaces the message's first sentence: what was merged and what left out.
    void setSummary(const QString &summary);
    // A paragraph of its own after the result, such as a name that was changed.
    void setNote(const QString &note);
    // What the merged file takes, told after the result.
    void setSizes(const SizeSummary &sizes);

public slots:
    void onOk();
    void onOpen();

protected:
    void showEvent(QShowEvent *event) override;
    void retranslate() override;

private:
    Button *m_ok = nullptr;
    Button *m_open = nullptr;
    QString m_summary;
    QString m_note;
    SizeSummary m_sizes;
};

#endif
