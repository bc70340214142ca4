#ifndef CLEAVEMARK_DIALOGS_MESSAGESCROLL_H
#define CLEAVEMARK_DIALOGS_MESSAGESCROLL_H

#include <QScrollArea>

class FramelessDialog;

// A dialog's message that scrolls once it grows taller than a dialog should
// be, so that a long list in it (thirty documents that cannot be merged)
// keeps the buttons, and whatever the dialog shows below the message, in
// sight. A message that fits takes its own height and shows no scroll bar.
// The arrow and page keys scroll it.
class MessageScroll : public QScrollArea
{
    Q_OBJECT

public:
    static constexpr int TallestMessage = 300;

    // Moves the dialog's message label into a scroll area in its place.
    static MessageScroll *wrapMessage(FramelessDialog *dialog);

    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    explicit MessageScroll(QWidget *parent);
    int heightAt(int width) const;
};

#endif
