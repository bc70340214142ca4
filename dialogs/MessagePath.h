#ifndef CLEAVEMARK_DIALOGS_MESSAGEPATH_H
#define CLEAVEMARK_DIALOGS_MESSAGEPATH_H

#include "dialogs/MessageView.h"

class QLineEdit;

// Tells that no file manager answered, with the folder in a field the user
// can select from and a "COPY" button that puts it on the clipboard.
class MessagePath : public MessageView
{
    Q_OBJECT

public:
    MessagePath(const QString &folder, QWidget *parent = nullptr);

    QLineEdit *pathField() const { return m_path; }

protected:
    void retranslate() override;

private:
    QLineEdit *m_path = nullptr;
    QPushButton *m_copy = nullptr;
};

#endif
