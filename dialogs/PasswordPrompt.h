#ifndef CLEAVEMARK_DIALOGS_PASSWORDPROMPT_H
#define CLEAVEMARK_DIALOGS_PASSWORDPROMPT_H

#include <QCoreApplication>
#include <QString>

class QWidget;

// What the user answered when asked for a document's password.
struct PasswordAnswer
{
    enum class Choice { Entered, Skip, SkipAll, Closed };

    Choice choice = Choice::Closed;
    // Trimmed of white space at both ends: a password pasted with a stray
    // space or line break still opens the document. Empty unless Entered.
    QString password;

    bool isEntered() const { return choice == Choice::Entered; }
};

// The one way the pages ask for a document's password (MessagePassword) and
// tell that the password given did not open it.
class PasswordPrompt
{
    Q_DECLARE_TR_FUNCTIONS(PasswordPrompt)

public:
    enum class Skipping { NotOffered, Offered };

    // Asks modally over parent, with documentName as the message; "SKIP"
    // and "SKIP ALL" only when skipping is offered.
    static PasswordAnswer ask(const QString &documentName, Skipping skipping, QWidget *parent);

    // "The password for <documentName> is incorrect", modally over parent.
    static void tellIncorrect(const QString &documentName, QWidget *parent);
};

#endif
