#ifndef CLEAVEMARK_DIALOGS_MESSAGEVIEW_H
#define CLEAVEMARK_DIALOGS_MESSAGEVIEW_H

#include "widgets/FramelessDialog.h"

class QAbstractButton;
class QDialogButtonBox;

// A message with one "OK" button. "OK" and the keypad's Enter end it with 1,
// the title bar's close and Escape with 0.
class MessageView : public FramelessDialog
{
    Q_OBJECT

public:
    MessageView(const QString &title, const QString &text, QWidget *parent = nullptr);

    QDialogButtonBox *buttonBox() const { return m_buttons; }

public slots:
    void buttonClicked(QAbstractButton *button);
    void onCloseWindow();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QDialogButtonBox *m_buttons = nullptr;
};

// Shows title and text in a MessageView over parent, modally, and returns
// when the user closed it (with the dialog's result).
int showMessage(const QString &title, const QString &text, QWidget *parent = nullptr);

#endif
