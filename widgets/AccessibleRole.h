#ifndef CLEAVEMARK_WIDGETS_ACCESSIBLEROLE_H
#define CLEAVEMARK_WIDGETS_ACCESSIBLEROLE_H

#include <QAccessible>

class QWidget;

// What a screen reader announces a plain widget as, where its class says
// too little: a side panel as a modal dialog, a label holding tab buttons
// as a page tab list, a checkable push button as a page tab. A button given
// a role keeps its name (its text), its checked state and its press action.
namespace AccessibleRole {

void set(QWidget *widget, QAccessible::Role role);
// Marks a widget announced as a dialog as modal, for as long as it is shown.
void setModal(QWidget *widget, bool modal);

} // namespace AccessibleRole

#endif
