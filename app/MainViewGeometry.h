#ifndef CLEAVEMARK_APP_MAINVIEWGEOMETRY_H
#define CLEAVEMARK_APP_MAINVIEWGEOMETRY_H

#include <QSize>

// The main window's fixed sizes, shared by the window and its side panels.
namespace MainViewGeometry {

const QSize windowSize(743, 506);
const QSize contentSize(703, 466);   // the window within its shadow margin
const int shadowMargin = 20;
const QSize panelSize(547, 466);

} // namespace MainViewGeometry

#endif
