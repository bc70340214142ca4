#ifndef CLEAVEMARK_WIDGETS_BUTTONKEYS_H
#define CLEAVEMARK_WIDGETS_BUTTONKEYS_H

#include <QObject>

// Return and Enter press the push button that has the keyboard focus, as
// Space does, everywhere in the program: Qt leaves them to a dialog's
// default button, and outside dialogs to nothing. Installed on the
// application.
class ButtonKeys : public QObject
{
    Q_OBJECT

public:
    explicit ButtonKeys(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif
