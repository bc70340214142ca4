#include "jobs/ProgressControl.h"

#include "jobs/ProgressBar.h"
#include "widgets/Button.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMutexLocker>
#include <QStyle>
#include <QThread>
#include <QVariant>
#include <QVBoxLayout>

namespace {

const int barHeight = 18;
const int buttonSize = 30;

Button *squareButton(const QString &name, QWidget *parent)
{
    auto *button = new Button(parent);
    button->setObjectName(name);
    button->setFixedHeight(buttonSize);
    button->setMinimumWidth(buttonSize);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

} // namespace

ProgressControl::ProgressControl(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("progressControl"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("progressLabel"));
    left->addWidget(m_message);
    m_bar = new ProgressBar(this);
    m_bar->setFixedHeight(barHeight);
    m_bar->setRange(0, 100);
    m_bar->setValue(0);
    left->addWidget(m_bar);
    auto *detailsRow = new QHBoxLayout;
    m_details = new QLabel(this);
    detailsRow->addWidget(m_details);
    m_remaining = new QLabel(this);
    m_remaining->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_remaining->hide();
    detailsRow->addWidget(m_remaining);
    left->addLayout(detailsRow);
    layout->addLayout(left, 1);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(15, 0, 0, 2);
    buttons->setSpacing(6);
    m_pause = squareButton(QStringLiteral("defaultButton"), this);
    m_pause->setProperty("thePaused", false);
    buttons->addWidget(m_pause);
    m_stop = squareButton(QStringLiteral("buttonStop"), this);
    buttons->addWidget(m_stop);
    layout->addLayout(buttons);

    connect(m_pause, &QPushButton::clicked, this, &ProgressControl::onButtonPause);
    connect(m_stop, &QPushButton::clicked, this, &ProgressControl::onButtonCancel);
    retranslate();
}

// The flags alone are guarded: widget updates run on the widgets' thread,
// where nothing else touches them.
template<typename Update> void ProgressControl::updateWidgets(Update update)
{
    if (QThread::currentThread() == thread())
        update();
    else
        QMetaObject::invokeMethod(this, update, Qt::QueuedConnection);
}

void ProgressControl::setMinimum(int minimum)
{
    updateWidgets([this, minimum] { m_bar->setMinimum(minimum); });
}

void ProgressControl::setMaximum(int maximum)
{
    updateWidgets([this, maximum] { m_bar->setMaximum(maximum); });
}

void ProgressControl::setValue(int value)
{
    updateWidgets([this, value] { m_bar->setValue(value); });
}

void ProgressControl::message(const QString &text)
{
    updateWidgets([this, text] { m_message->setText(text); });
}

void ProgressControl::cancel()
{
    QMutexLocker locker(&m_mutex);
    m_canceled = true;
}

void ProgressControl::reset()
{
    {
        QMutexLocker locker(&m_mutex);
        m_canceled = false;
        m_paused = false;
    }
    updateWidgets([this] {
        m_bar->setRange(0, 100);
        m_bar->setValue(0);
        showPaused(false);
    });
}

void ProgressControl::pause()
{
    QMutexLocker locker(&m_mutex);
    m_paused = true;
}

void ProgressControl::resume()
{
    QMutexLocker locker(&m_mutex);
    m_paused = false;
}

bool ProgressControl::isCanceled() const
{
    QMutexLocker locker(&m_mutex);
    return m_canceled;
}

bool ProgressControl::isPaused() const
{
    QMutexLocker locker(&m_mutex);
    return m_paused;
}

void ProgressControl::setPauseVisible(bool visible)
{
    m_pause->setVisible(visible);
}

void ProgressControl::onButtonPause()
{
    if (isPaused())
        resume();
    else
        pause();
    showPaused(isPaused());
}

void ProgressControl::onButtonCancel()
{
    cancel();
    emit canceled();
}

void ProgressControl::showPaused(bool paused)
{
    // The style sheet draws play or pause from the property.
    m_pause->setProperty("thePaused", paused);
    m_pause->style()->unpolish(m_pause);
    m_pause->style()->polish(m_pause);
    m_pause->update();
    m_pause->setAccessibleName(paused ? tr("Resume") : tr("Pause"));
    m_pause->setToolTip(m_pause->accessibleName());
}

void ProgressControl::retranslate()
{
    showPaused(m_pause->property("thePaused").toBool());
    m_stop->setAccessibleName(tr("Stop"));
    m_stop->setToolTip(tr("Stop"));
    m_bar->setAccessibleName(tr("Progress"));
}

void ProgressControl::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}
