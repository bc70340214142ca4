#include "cli/Passwords.h"

#include <QFile>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace {

bool readLines(const QString &path, QStringList &lines, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    while (!stream.atEnd()) {
        QString line = stream.readLine();
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines.append(line);
    }
    return true;
}

// One line from the terminal with echo off; the terminal is put back also
// when Ctrl+C ends the read.
QString readHidden(const QString &prompt)
{
    std::fprintf(stderr, "%s", qUtf8Printable(prompt));
    std::fflush(stderr);
    termios saved {};
    const bool haveMode = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (haveMode) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    bool ended = false;
    char c = 0;
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, &c, 1);
        if (got <= 0 || c == '\n') {
            ended = got < 0 && errno == EINTR;
            break;
        }
        line.push_back(c);
    }
    if (haveMode)
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    if (ended)
        std::fprintf(stderr, "\n");
    return ended ? QString() : QString::fromStdString(line);
}

} // namespace

bool Passwords::haveTerminal()
{
    return isatty(STDIN_FILENO) && isatty(STDERR_FILENO);
}

bool Passwords::loadInputFile(const QString &path, QString &error)
{
    return path.isEmpty() || readLines(path, m_inputLines, error);
}

bool Passwords::loadOutputFile(const QString &path, QString &error)
{
    if (path.isEmpty())
        return true;
    QStringList lines;
    if (!readLines(path, lines, error))
        return false;
    m_haveOutputFile = true;
    m_outputLine = lines.value(0);
    return true;
}

QStringList Passwords::candidates() const
{
    QStringList passwords = m_inputLines;
    const QString fromEnvironment = qEnvironmentVariable("CLEAVEMARK_PASSWORD");
    if (!fromEnvironment.isEmpty())
        passwords.append(fromEnvironment);
    return passwords;
}

QString Passwords::ask(const QString &document)
{
    if (!haveTerminal())
        return QString();
    return readHidden(QStringLiteral("Password for %1: ").arg(document));
}

bool Passwords::outputPassword(QString &password, QString &error) const
{
    if (m_haveOutputFile)
        password = m_outputLine;
    else if (qEnvironmentVariableIsSet("CLEAVEMARK_OUTPUT_PASSWORD"))
        password = qEnvironmentVariable("CLEAVEMARK_OUTPUT_PASSWORD");
    else if (haveTerminal()) {
        password = readHidden(QStringLiteral("Password for the new files: "));
        if (!password.isEmpty() && readHidden(QStringLiteral("Once more: ")) != password) {
            error = QStringLiteral("the two passwords differ");
            return false;
        }
    } else {
        error = QStringLiteral("--encrypt needs a password: give --output-password-file or "
                               "CLEAVEMARK_OUTPUT_PASSWORD, or run it on a terminal");
        return false;
    }
    // The window trims the password the same way.
    password = password.trimmed();
    if (password.isEmpty()) {
        error = QStringLiteral("the password for the new files is empty");
        return false;
    }
    return true;
}
