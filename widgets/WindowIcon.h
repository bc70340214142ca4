#ifndef CLEAVEMARK_WIDGETS_WINDOWICON_H
#define CLEAVEMARK_WIDGETS_WINDOWICON_H

#include <QIcon>

// The program's icon for its windows, one instance for all of them. A new
// QIcon of the same file for every window fills the pixmap cache anew with
// the sizes the window system asks for, under keys of its own that nothing
// asks for again: every message dialog kept tens of kilobytes, up to the
// cache's limit.
namespace WindowIcon {

QIcon icon();

} // namespace WindowIcon

#endif
