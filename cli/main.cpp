// cleavemark: splits and merges PDF documents from the shell, through the
// same worker program and the same naming as the window.

#include "cli/ExitCode.h"
#include "cli/InfoCommand.h"
#include "cli/JobRunner.h"
#include "cli/MergeCommand.h"
#include "cli/SplitCommand.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

const char usage[] =
    "Usage: cleavemark split FILE [how] [options]\n"
    "       cleavemark merge -o OUT FILE[:PAGES]... [options]\n"
    "       cleavemark info FILE... [--json]\n"
    "       cleavemark --help | --version\n";

const char overview[] =
    "\n"
    "Split PDF documents and merge them.\n"
    "\n"
    "Commands:\n"
    "  split   cut a document into files: of N pages (--each), without some pages\n"
    "          (--remove), by page ranges (--ranges), at bookmarks (--bookmarks),\n"
    "          by file size (--max-size), or a scanned stack at blank pages\n"
    "          (--at-blank), a phrase (--at-text) or codes (--at-code)\n"
    "  merge   join documents, or some of their pages, into one file\n"
    "  info    tell what documents hold\n"
    "\n"
    "'cleavemark COMMAND --help' lists the options of a command; the manual page\n"
    "cleavemark(1) tells more. Exit codes: 0 done, 1 done in part, 2 bad usage,\n"
    "3 an input cannot be read, 4 an output cannot be written, 130 interrupted.\n";

// The engine's log lines go to the log file; the terminal gets only what
// the command itself prints.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "cleavemark: %s\n", qUtf8Printable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    qInstallMessageHandler(quietMessages);
    QCoreApplication application(argc, argv);
    // The log of the engine's lines is the window's: same name, same folder.
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly Cleavemark"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CLEAVEMARK_VERSION));
    JobRunner::watchInterrupts();

    QStringList arguments = QCoreApplication::arguments().mid(1);
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (command == QLatin1String("split"))
        return runSplitCommand(arguments);
    if (command == QLatin1String("merge"))
        return runMergeCommand(arguments);
    if (command == QLatin1String("info"))
        return runInfoCommand(arguments);
    if (command == QLatin1String("--help") || command == QLatin1String("-h")) {
        std::printf("%s%s", usage, overview);
        return ExitCode::Done;
    }
    if (command == QLatin1String("--version")) {
        std::printf("cleavemark %s\n", CLEAVEMARK_VERSION);
        return ExitCode::Done;
    }
    if (!command.isEmpty())
        std::fprintf(stderr, "cleavemark: unknown command '%s'\n", qUtf8Printable(command));
    std::fprintf(stderr, "%sTry 'cleavemark --help'.\n", usage);
    return ExitCode::Usage;
}
