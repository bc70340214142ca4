#ifndef CLEAVEMARK_DIALOGS_MESSAGEPASSWORD_H
#define CLEAVEMARK_DIALOGS_MESSAGEPASSWORD_H

#include "widgets/FramelessDialog.h"

class Button;
class QLabel;
class QLineEdit;

// Asks for a document's password. "OK" accepts, the title bar's close
// rejects; "SKIP" and "SKIP ALL" (shown only when asked for) accept with
// their flag set, so that a list of documents can go on without this one.
class MessagePassword : public FramelessDialog
{
    Q_OBJECT

public:
    explicit MessagePassword(QWidget *parent = nullptr);

    void setMessage(const QString &text);
    void setSkipVisible(bool visible);
    void setSkipAllVisible(bool visible);
    QString password() const;
    bool isSkip() const { return m_skip; }
    bool isSkipAll() const { return m_skipAll; }

public slots:
    void buttonSkip();
    void buttonSkipAll();

protected:
    void showEvent(QShowEvent *event) override;
    void retranslate() override;

private:
    QLabel *m_passwordLabel = nullptr;
    QLineEdit *m_password = nullptr;
    Button *m_ok = nullptr;
    Button *m_skipButton = nullptr;
    Button *m_skipAllButton = nullptr;
    bool m_skip = false;
    bool m_skipAll = false;
};

#endif
