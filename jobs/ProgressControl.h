#ifndef CLEAVEMARK_JOBS_PROGRESSCONTROL_H
#define CLEAVEMARK_JOBS_PROGRESSCONTROL_H

#include "protocol/Progress.h"

#include <QFrame>
#include <QMutex>

class Button;
class ProgressBar;
class QLabel;

// The progress line of a running job: a message above a bar, with a pause
// and a stop button on the right. As an IProgress it takes reports from any
// thread: the state is kept under a mutex, and the widgets are updated on
// their own thread (directly when called there, queued otherwise).
class ProgressControl : public QFrame, public IProgress
{
    Q_OBJECT

public:
    explicit ProgressControl(QWidget *parent = nullptr);

    void setMinimum(int minimum) override;
    void setMaximum(int maximum) override;
    void setValue(int value) override;
    void message(const QString &text) override;
    void cancel() override;
    void reset() override;   // also the bar: 0 in the range 0 to 100
    void pause() override;
    void resume() override;
    bool isCanceled() const override;
    bool isPaused() const override;

    // The owner may hide the pause button (a job that cannot pause).
    void setPauseVisible(bool visible);

    ProgressBar *progressBar() const { return m_bar; }
    QLabel *messageLabel() const { return m_message; }
    Button *pauseButton() const { return m_pause; }
    Button *stopButton() const { return m_stop; }

signals:
    void canceled();

public slots:
    void onButtonPause();
    void onButtonCancel();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showPaused(bool paused);
    template<typename Update> void updateWidgets(Update update);

    mutable QMutex m_mutex;
    bool m_canceled = false;
    bool m_paused = false;

    QLabel *m_message = nullptr;
    ProgressBar *m_bar = nullptr;
    QLabel *m_details = nullptr;
    QLabel *m_remaining = nullptr;
    Button *m_pause = nullptr;
    Button *m_stop = nullptr;
};

#endif
