#ifndef CLEAVEMARK_WIDGETS_FRAMELESSDIALOG_H
#define CLEAVEMARK_WIDGETS_FRAMELESSDIALOG_H

#include <QDialog>
#include <QPointer>

class QFrame;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class WindowBar;

// The common frame of our modal dialogs: no system frame, 20 pixels around
// the inner frame for the style sheet's drop shadow, our own title bar on
// top, a centred word-wrapped message, and dragging with the mouse anywhere.
class FramelessDialog : public QDialog
{
    Q_OBJECT

public:
    // frameName is the inner frame's object name, the style sheet's hook.
    FramelessDialog(const QString &frameName, const QMargins &frameMargins, QWidget *parent);

    WindowBar *windowBar() const { return m_windowBar; }
    QFrame *frame() const { return m_frame; }
    QLabel *messageLabel() const { return m_message; }
    QVBoxLayout *frameLayout() const { return m_frameLayout; }

    void setTitle(const QString &title);
    void setText(const QString &text);

    // When the dialog closes, the keyboard focus goes back to the control
    // that had it before; when that one cannot take it any more (a button
    // the running job disabled, say), to the window's main button: a push
    // button with the property "mainButton" = true.
    void setVisible(bool visible) override;

protected:
    // Places the dialog over the middle of its parent's window.
    void centreOverParent();
    // A row for buttons, added below the message.
    QHBoxLayout *addButtonRow();
    // Sets the dialog's own texts again; called when the language changes.
    virtual void retranslate() {}

    void changeEvent(QEvent *event) override;

    void resizeEvent(QResizeEvent *event) override;

private:
    QFrame *m_shadow = nullptr;
    QFrame *m_frame = nullptr;
    QVBoxLayout *m_frameLayout = nullptr;
    WindowBar *m_windowBar = nullptr;
    QLabel *m_message = nullptr;
    QPointer<QWidget> m_focusBefore;
    QPointer<QWidget> m_windowBefore;
};

#endif
