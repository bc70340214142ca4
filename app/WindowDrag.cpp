#include "app/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>

void WindowDrag::press(const QMouseEvent *event, const QWidget *window)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressPosition = event->globalPos() - window->frameGeometry().topLeft();
}

bool WindowDrag::move(const QMouseEvent *event, QPoint *newPosition) const
{
    if (!m_dragging || !(event->buttons() & Qt::LeftButton))
        return false;
    *newPosition = event->globalPos() - m_pressPosition;
    return true;
}

void WindowDrag::release()
{
    m_dragging = false;
}
