#include "widgets/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>

WindowDrag::WindowDrag(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    window->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            m_dragging = true;
            m_pressPosition = mouse->globalPos() - m_window->frameGeometry().topLeft();
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_dragging && (mouse->buttons() & Qt::LeftButton))
            emit moved(mouse->globalPos() - m_pressPosition);
        break;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        break;
    default:
        break;
    }
    return false;   // the window still sees every event
}
