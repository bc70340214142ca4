#include "dialogs/MessageQuestion.h"

#include "dialogs/MessageScroll.h"
#include "widgets/Button.h"
#include "widgets/WindowBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

MessageQuestion::MessageQuestion(const QString &title, const QString &text, int refusal, QWidget *parent)
    : FramelessDialog(QStringLiteral("messageBox"), QMargins(9, 3, 8, 12), parent)
    , m_refusal(refusal)
{
    frame()->setMinimumSize(420, 190);
    messageLabel()->setObjectName(QStringLiteral("messageText"));
    messageLabel()->setTextFormat(Qt::PlainText);
    setTitle(title);
    setText(text);
    MessageScroll::wrapMessage(this);
    m_closing = new QLabel(frame());
    m_closing->setObjectName(QStringLiteral("messageClosing"));
    m_closing->setTextFormat(Qt::PlainText);
    m_closing->setAlignment(Qt::AlignCenter);
    m_closing->setWordWrap(true);
    m_closing->hide();
    frameLayout()->addWidget(m_closing);
    m_row = addButtonRow();
    m_row->addStretch();
    m_row->addStretch();
    connect(windowBar(), &WindowBar::closeWindow, this, [this]() { done(m_refusal); });
}

Button *MessageQuestion::addAnswer(const QString &text, int value, bool isDefault)
{
    auto *button = new Button(text, frame());
    button->setObjectName(isDefault ? QStringLiteral("buttonSplitOk") : QStringLiteral("buttonSplitOpen"));
    button->setFixedHeight(42);
    button->setMinimumWidth(100);
    button->setDefault(isDefault);
    button->setAccessibleName(text);
    m_row->insertWidget(m_row->count() - 1, button);
    connect(button, &QPushButton::clicked, this, [this, value]() { done(value); });
    return button;
}

void MessageQuestion::setClosing(const QString &text)
{
    m_closing->setText(text);
    m_closing->setVisible(!text.isEmpty());
}

void MessageQuestion::showEvent(QShowEvent *event)
{
    FramelessDialog::showEvent(event);
    centreOverParent();
}

void MessageQuestion::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        done(m_refusal);
        return;
    }
    FramelessDialog::keyPressEvent(event);
}
