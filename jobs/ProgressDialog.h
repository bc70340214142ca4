#ifndef CLEAVEMARK_JOBS_PROGRESSDIALOG_H
#define CLEAVEMARK_JOBS_PROGRESSDIALOG_H

#include "pdf/WorkerThread.h"
#include "widgets/FramelessDialog.h"

#include <QMutex>
#include <QTimer>

class ProgressControl;

// The modal "Add files" window shown while documents are read for the merge
// list. The reading thread only stores its progress here (under a mutex); a
// timer on the GUI thread shows the newest state every 100 ms while the
// window is open. The close button, Escape and the stop button ask to cancel.
class ProgressDialog : public FramelessDialog
{
    Q_OBJECT

public:
    explicit ProgressDialog(QWidget *parent = nullptr);

    ProgressControl *progressControl() const { return m_control; }

signals:
    void canceled();

public slots:
    void setMessage(const QString &text);
    void setProgressChanged(int val, int total);
    void reset();
    // The reader's state: running resets and opens the window, stopped hides it.
    void workerStateChanged(WorkerStates state);
    void onUpdateView();

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void retranslate() override;

private:
    ProgressControl *m_control = nullptr;
    QTimer m_timer;
    QMutex m_mutex;
    QString m_message;
    int m_value = 0;
    int m_total = 1;
};

#endif
