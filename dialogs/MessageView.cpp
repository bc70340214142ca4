#include "dialogs/MessageView.h"

#include "dialogs/MessageScroll.h"
#include "widgets/Button.h"
#include "widgets/WindowBar.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>

MessageView::MessageView(const QString &title, const QString &text, QWidget *parent)
    : FramelessDialog(QStringLiteral("messageBox"), QMargins(9, 3, 8, 12), parent)
{
    frame()->setMinimumSize(380, 190);
    setTitle(title);
    setText(text);
    MessageScroll::wrapMessage(this);

    m_buttons = new QDialogButtonBox(frame());
    m_buttons->setCenterButtons(true);
    auto *ok = new Button(tr("OK"));
    ok->setObjectName(QStringLiteral("buttonSaveSettings"));
    ok->setFixedHeight(42);
    ok->setMinimumWidth(150);
    m_buttons->addButton(ok, QDialogButtonBox::RejectRole);
    addButtonRow()->addWidget(m_buttons);

    connect(m_buttons, &QDialogButtonBox::clicked, this, &MessageView::buttonClicked);
    connect(windowBar(), &WindowBar::closeWindow, this, &MessageView::onCloseWindow);
}

void MessageView::buttonClicked(QAbstractButton *button)
{
    done(int(m_buttons->buttonRole(button)));
}

void MessageView::onCloseWindow()
{
    reject();
}

void MessageView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Enter && (event->modifiers() & Qt::KeypadModifier)) {
        done(int(QDialogButtonBox::RejectRole));
        return;
    }
    FramelessDialog::keyPressEvent(event);
}

int showMessage(const QString &title, const QString &text, QWidget *parent)
{
    MessageView message(title, text, parent);
    return message.exec();
}
