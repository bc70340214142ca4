#include "dialogs/PasswordPrompt.h"

#include "dialogs/MessagePassword.h"
#include "dialogs/MessageView.h"

PasswordAnswer PasswordPrompt::ask(const QString &documentName, Skipping skipping, QWidget *parent)
{
    MessagePassword prompt(parent);
    prompt.setMessage(documentName);
    prompt.setSkipVisible(skipping == Skipping::Offered);
    prompt.setSkipAllVisible(skipping == Skipping::Offered);
    const int result = prompt.exec();

    PasswordAnswer answer;
    if (prompt.isSkipAll())
        answer.choice = PasswordAnswer::Choice::SkipAll;
    else if (prompt.isSkip())
        answer.choice = PasswordAnswer::Choice::Skip;
    else if (result == QDialog::Accepted)
        answer.choice = PasswordAnswer::Choice::Entered;
    if (answer.isEntered())
        answer.password = prompt.password().trimmed();
    return answer;
}

void PasswordPrompt::tellIncorrect(const QString &documentName, QWidget *parent)
{
    showMessage(tr("Can not open file"), tr("The password for %1 is incorrect").arg(documentName), parent);
}
