#ifndef CLEAVEMARK_WIDGETS_WINDOWBAR_H
#define CLEAVEMARK_WIDGETS_WINDOWBAR_H

#include <QFrame>

class Button;
class QLabel;
class QSpacerItem;

// The title bar of our frameless windows: the program icon, the centred
// title and the minimize and close buttons (whose icons come from the style
// sheet). Dialogs use the narrow form without the minimize button.
class WindowBar : public QFrame
{
    Q_OBJECT

public:
    enum Form { MainWindowForm, DialogForm };

    explicit WindowBar(QWidget *parent = nullptr, Form form = MainWindowForm);

    void setTitle(const QString &title);
    QString title() const;
    Button *minimizeButton() const { return m_minimize; }
    Button *closeButton() const { return m_close; }

signals:
    void minimizeWindow();
    void closeWindow();

protected:
    void changeEvent(QEvent *event) override;

private:
    // The buttons show only icons; a screen reader reads these names.
    void retranslate();

    QLabel *m_title = nullptr;
    Button *m_minimize = nullptr;
    Button *m_close = nullptr;
};

#endif
