#include "widgets/FocusMark.h"

#include <QFocusEvent>
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

bool FocusMark::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
        m_keyboardLast = true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        m_keyboardLast = false;
        break;
    case QEvent::FocusIn:
        if (watched->isWidgetType()) {
            const auto reason = static_cast<QFocusEvent *>(event)->reason();
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
