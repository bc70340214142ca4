#ifndef CLEAVEMARK_WIDGETS_WINDOWSHADOW_H
#define CLEAVEMARK_WIDGETS_WINDOWSHADOW_H

#include <QMargins>

class QWidget;

// Our frameless windows draw their own soft shadow in a transparent margin
// around them. Transparency needs a compositing manager: on an X11 desktop
// without one the margin shows black, so there a window goes without its
// shadow and without the margin.
namespace WindowShadow {

constexpr int Margin = 20;

// Whether windows opened now can show a shadow.
bool isAvailable();

// Makes the window's background transparent when a shadow can be shown, or
// else turns the backdrop that would carry the shadow into a plain fill for
// the corners its rounded frame leaves. Returns the margin to leave around
// the window's content: Margin on every side, or none.
QMargins prepare(QWidget *window, QWidget *backdrop);

} // namespace WindowShadow

#endif
