#ifndef CLEAVEMARK_CLI_PASSWORDS_H
#define CLEAVEMARK_CLI_PASSWORDS_H

#include <QString>
#include <QStringList>

// Where cleavemark takes passwords from; never from its own arguments,
// which every user of the machine can read in the process list.
//
// A locked input tries, in this order: each line of --password-file, the
// environment variable CLEAVEMARK_PASSWORD, and, on a terminal, a prompt
// without echo. The password of encrypted outputs comes from
// --output-password-file (its first line), CLEAVEMARK_OUTPUT_PASSWORD, or,
// on a terminal, a prompt asked twice.
class Passwords
{
public:
    Passwords() = default;

    // False, with the reason, when a file was named but cannot be read.
    bool loadInputFile(const QString &path, QString &error);
    bool loadOutputFile(const QString &path, QString &error);

    // The passwords a locked input tries before anyone is asked.
    QStringList candidates() const;
    // Asks on the terminal for the password of the document; a null string
    // when there is no terminal or nothing was typed.
    static QString ask(const QString &document);

    // The password for encrypted outputs; false, with the reason, when none
    // can be had or the two typed do not match.
    bool outputPassword(QString &password, QString &error) const;

    static bool haveTerminal();

private:
    QStringList m_inputLines;
    QString m_outputLine;
    bool m_haveOutputFile = false;
};

#endif
