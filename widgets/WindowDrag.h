#ifndef CLEAVEMARK_WIDGETS_WINDOWDRAG_H
#define CLEAVEMARK_WIDGETS_WINDOWDRAG_H

#include <QObject>
#include <QPoint>

class QWidget;

// Moving a frameless window with the mouse: the point pressed with the left
// button stays under the cursor until the button is released. It watches the
// mouse events that reach the window itself, those its children leave to it
// included, and asks for each new position through moved().
class WindowDrag : public QObject
{
    Q_OBJECT

public:
    // Watches window and is owned by it.
    explicit WindowDrag(QWidget *window);

signals:
    void moved(const QPoint &position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_dragging = false;
    QPoint m_pressPosition;
};

#endif
