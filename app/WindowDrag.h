#ifndef CLEAVEMARK_APP_WINDOWDRAG_H
#define CLEAVEMARK_APP_WINDOWDRAG_H

#include <QPoint>

class QMouseEvent;
class QWidget;

// Moving a frameless window with the mouse: the point pressed stays under
// the cursor until the button is released.
class WindowDrag
{
public:
    void press(const QMouseEvent *event, const QWidget *window);
    // The window's new position while dragging; false when not dragging.
    bool move(const QMouseEvent *event, QPoint *newPosition) const;
    void release();
    bool isDragging() const { return m_dragging; }

private:
    bool m_dragging = false;
    QPoint m_pressPosition;
};

#endif
