#include "widgets/FocusMark.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QWidget>

namespace {

const char markProperty[] = "keyboardFocus";

bool cameByKeys(Qt::FocusReason reason, bool keyboardLast)
{
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        return true;
    case Qt::MouseFocusReason:
        return false;
    default:
        // A panel or dialog that opened, or a window that came back: the
        // mark follows what the user did last.
        return keyboardLast;
    }
}

} // namespace

FocusMark::FocusMark(QObject *parent)
    : QObject(parent)
{
}

bool FocusMark::isShown(const QWidget *widget)
{
    return widget && widget->hasFocus() && widget->property(markProperty).toBool();
}

void FocusMark::mark(QWidget *widget, bool shown)
{
    if (widget->property(markProperty).toBool() == shown)
        return;
    widget->setProperty(markProperty, shown);
    // The style sheet reads the property only when the widget is polished.
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

// A window opens with the focus on its first control, unmarked for the
// mouse user; the first Tab shows where the focus is instead of moving it
// on, so that a keyboard user starts at the first control.
bool FocusMark::revealsMark(const QKeyEvent *key)
{
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (!tab || (key->modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier || m_keyboardLast
        || !m_focusCameWithWindow)
        return false;
    QWidget *focus = QApplication::focusWidget();
    if (!focus || isShown(focus))
        return false;
    m_keyboardLast = true;
    mark(focus, true);
    return true;
}

bool FocusMark::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (revealsMark(static_cast<QKeyEvent *>(event)))
            return true;
        m_keyboardLast = true;
        break;
    case QEvent::ShortcutOverride: {
        // Asked before every key press; Tab is no shortcut and is left to
        // the press itself, which may only show the mark.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Tab && key != Qt::Key_Backtab)
            m_keyboardLast = true;
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_keyboardLast = false;
        break;
    case QEvent::FocusIn:
        if (watched->isWidgetType()) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
            m_focusCameWithWindow = reason == Qt::ActiveWindowFocusReason;
            mark(static_cast<QWidget *>(watched), cameByKeys(reason, m_keyboardLast));
        }
        break;
    case QEvent::FocusOut:
        if (watched->isWidgetType())
            mark(static_cast<QWidget *>(watched), false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
