#include "widgets/ButtonKeys.h"

#include <QKeyEvent>
#include <QPushButton>

ButtonKeys::ButtonKeys(QObject *parent)
    : QObject(parent)
{
}

bool ButtonKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *button = qobject_cast<QPushButton *>(watched);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool pressKey = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (!button || !pressKey || modifiers != Qt::NoModifier || !button->hasFocus() || !button->isEnabled())
        return QObject::eventFilter(watched, event);
    if (!key->isAutoRepeat())
        button->animateClick();
    // Taken here, so that a dialog does not press its default button as well.
    return true;
}
