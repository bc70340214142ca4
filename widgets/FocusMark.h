#ifndef CLEAVEMARK_WIDGETS_FOCUSMARK_H
#define CLEAVEMARK_WIDGETS_FOCUSMARK_H

#include <QObject>

class QKeyEvent;
class QWidget;

// Keyboard focus made visible, without changing what a mouse user sees.
// Installed on the application, it watches how focus moves: when a widget
// gains focus by Tab, by a shortcut, or while the user was last using the
// keyboard, it gets the dynamic property "keyboardFocus" = true; a click,
// or losing focus, takes it away again. The style sheet draws focus marks
// from "[keyboardFocus=true]", and Button paints its own from it.
class FocusMark : public QObject
{
    Q_OBJECT

public:
    explicit FocusMark(QObject *parent = nullptr);

    static bool isShown(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void mark(QWidget *widget, bool shown);
    bool revealsMark(const QKeyEvent *key);

    bool m_keyboardLast = false;
    bool m_focusCameWithWindow = false;   // the focus is where the window put it
};

#endif
