#include "widgets/FramelessDialog.h"

#include "common/Logger.h"
#include "widgets/WindowBar.h"
#include "widgets/WindowDrag.h"
#include "widgets/WindowIcon.h"
#include "widgets/WindowShadow.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Wide enough for any message of ours, narrow enough for any screen.
const int longestLineWidth = 560;

} // namespace

FramelessDialog::FramelessDialog(const QString &frameName, const QMargins &frameMargins,
                                 QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);
    setWindowIcon(WindowIcon::icon());

    // A backdrop the size of the dialog, under the frame, for the shadow.
    m_shadow = new QFrame(this);
    m_shadow->setObjectName(QStringLiteral("dialogShadow"));
    m_shadow->lower();
    const QMargins shadowMargins = WindowShadow::prepare(this, m_shadow);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(shadowMargins);
    outer->setSizeConstraint(QLayout::SetMinimumSize);
    m_frame = new QFrame(this);
    m_frame->setObjectName(frameName);
    m_frame->setMaximumWidth(longestLineWidth);
    outer->addWidget(m_frame);

    m_frameLayout = new QVBoxLayout(m_frame);
    m_frameLayout->setContentsMargins(frameMargins);
    m_windowBar = new WindowBar(m_frame, WindowBar::DialogForm);
    m_frameLayout->addWidget(m_windowBar);

    m_message = new QLabel(m_frame);
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_frameLayout->addWidget(m_message, 1);

    connect(new WindowDrag(this), &WindowDrag::moved, this, qOverload<const QPoint &>(&QWidget::move));
}

void FramelessDialog::setTitle(const QString &title)
{
    m_windowBar->setTitle(title);
    setWindowTitle(title);
}

void FramelessDialog::setText(const QString &text)
{
    m_message->setText(text);
}

QHBoxLayout *FramelessDialog::addButtonRow()
{
    auto *row = new QHBoxLayout;
    row->setSpacing(10);
    m_frameLayout->addLayout(row);
    return row;
}

void FramelessDialog::centreOverParent()
{
    const QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (owner) {
        const QPoint centre = owner->frameGeometry().center();
        move(centre - QPoint(width() / 2, height() / 2));
    }
    Logger::instance().log(QStringLiteral("Rect width: %1").arg(width()));
    Logger::instance().log(QStringLiteral("Rect height: %1").arg(height()));
}

void FramelessDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void FramelessDialog::resizeEvent(QResizeEvent *event)
{
    m_shadow->setGeometry(rect());
    QDialog::resizeEvent(event);
}

namespace {

bool canTakeFocus(const QWidget *widget)
{
    return widget && widget->isVisible() && widget->isEnabled() && widget->focusPolicy() != Qt::NoFocus;
}

QWidget *mainButtonOf(QWidget *window)
{
    if (!window)
        return nullptr;
    const auto buttons = window->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->property("mainButton").toBool() && canTakeFocus(button))
            return button;
    }
    return nullptr;
}

} // namespace

void FramelessDialog::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        QWidget *focus = QApplication::focusWidget();
        m_focusBefore = focus && !isAncestorOf(focus) ? focus : nullptr;
        m_windowBefore = m_focusBefore ? m_focusBefore->window() : (parentWidget() ? parentWidget()->window() : nullptr);
    }
    const bool wasVisible = isVisible();
    QDialog::setVisible(visible);
    if (visible || !wasVisible)
        return;
    QWidget *target = canTakeFocus(m_focusBefore) ? m_focusBefore.data() : mainButtonOf(m_windowBefore);
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}
