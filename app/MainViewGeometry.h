#ifndef CLEAVEMARK_APP_MAINVIEWGEOMETRY_H
#define CLEAVEMARK_APP_MAINVIEWGEOMETRY_H

#include <QSize>

// The main window's fixed sizes, shared by the window and its side panels.
namespace MainViewGeometry {

// The window is its content and, where a shadow can be shown, a margin of
// WindowShadow::Margin around it for the shadow: 743 x 506 in all.
const QSize contentSize(703, 466);
const QSize panelSize(547, 466);

} // namespace MainViewGeometry

#endif
