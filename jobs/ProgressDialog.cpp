#include "jobs/ProgressDialog.h"

#include "jobs/ProgressBar.h"
#include "jobs/ProgressControl.h"
#include "widgets/WindowBar.h"

#include <QLabel>
#include <QLayout>
#include <QMutexLocker>
#include <QVBoxLayout>

namespace {

const int updateInterval = 100;
const int frameWidth = 380;

} // namespace

ProgressDialog::ProgressDialog(QWidget *parent)
    : FramelessDialog(QStringLiteral("progressView"), QMargins(12, 6, 12, 14), parent)
{
    messageLabel()->hide();
    m_control = new ProgressControl(frame());
    m_control->setPauseVisible(false);
    frameLayout()->addSpacing(8);
    frameLayout()->addWidget(m_control);
    frame()->setMinimumWidth(frameWidth);

    connect(windowBar(), &WindowBar::closeWindow, this, &ProgressDialog::canceled);
    connect(m_control, &ProgressControl::canceled, this, &ProgressDialog::canceled);
    m_timer.setInterval(updateInterval);
    connect(&m_timer, &QTimer::timeout, this, &ProgressDialog::onUpdateView);
    retranslate();
}

void ProgressDialog::retranslate()
{
    setTitle(tr("Add files"));
}

void ProgressDialog::setMessage(const QString &text)
{
    QMutexLocker locker(&m_mutex);
    m_message = text;
}

void ProgressDialog::setProgressChanged(int val, int total)
{
    QMutexLocker locker(&m_mutex);
    m_value = val;
    m_total = total;
}

void ProgressDialog::reset()
{
    {
        QMutexLocker locker(&m_mutex);
        m_value = 0;
        m_total = 1;
        m_message.clear();
    }
    m_control->reset();
    m_control->message(QString());
}

void ProgressDialog::onUpdateView()
{
    QString text;
    int percentage = 0;
    {
        QMutexLocker locker(&m_mutex);
        text = m_message;
        percentage = m_total > 0 ? int(qint64(m_value) * 100 / m_total) : 0;
    }
    m_control->message(text);
    m_control->progressBar()->setValue(percentage);
}

void ProgressDialog::workerStateChanged(WorkerStates state)
{
    if (state == WorkerRunning) {
        reset();
        open();
    } else {
        hide();
    }
}

void ProgressDialog::reject()
{
    // Escape stops the reading; the window goes when the reader has stopped.
    emit canceled();
}

void ProgressDialog::showEvent(QShowEvent *event)
{
    FramelessDialog::showEvent(event);
    // The style sheet's fonts and paddings apply from the first show on.
    ensurePolished();
    layout()->activate();
    adjustSize();
    centreOverParent();
    m_timer.start();
}

void ProgressDialog::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    FramelessDialog::hideEvent(event);
}
