#ifndef CLEAVEMARK_DIALOGS_MESSAGEQUESTION_H
#define CLEAVEMARK_DIALOGS_MESSAGEQUESTION_H

#include "widgets/FramelessDialog.h"

#include <QList>

class Button;
class QLabel;

// A question with a row of answers. The dialog's result is the answer's
// value; the title bar's close and Escape answer with the refusal value
// given at creation, so that nothing happens that was not chosen.
class MessageQuestion : public FramelessDialog
{
    Q_OBJECT

public:
    MessageQuestion(const QString &title, const QString &text, int refusal, QWidget *parent = nullptr);

    // Adds an answer button, left to right; the default one takes Return.
    Button *addAnswer(const QString &text, int value, bool isDefault = false);
    // The question itself, below the message: it stays in sight however
    // long the message grows, and the message scrolls instead.
    void setClosing(const QString &text);
    QLabel *closingLabel() const { return m_closing; }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_refusal;
    QLabel *m_closing = nullptr;
    QHBoxLayout *m_row = nullptr;
};

#endif
