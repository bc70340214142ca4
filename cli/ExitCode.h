#ifndef CLEAVEMARK_CLI_EXITCODE_H
#define CLEAVEMARK_CLI_EXITCODE_H

#include <QString>

// The exit codes of cleavemark, as its manual page lists them.
namespace ExitCode {

enum Code {
    Done = 0,
    Partly = 1,             // some pieces or documents failed, or the job failed for another reason
    Usage = 2,              // the command line is wrong
    InputUnreadable = 3,    // an input is missing, damaged, locked, or cannot be used so
    OutputUnwritable = 4,   // an output folder is missing or not writable, or the disk is full
    Interrupted = 130       // stopped by Ctrl+C (SIGINT) or SIGTERM
};

// The exit code for a cause a job's response gives (protocol/JobErrors.h JobCause).
Code forCause(int cause);
// Why a job or a piece failed, in the words of an error line.
// detail is the PDF library's reason the worker told with it.
QString causeText(int cause, const QString &detail = QString());

} // namespace ExitCode

// One line on standard error: "cleavemark: <subject>: <text>", or without a
// subject "cleavemark: <text>".
void reportError(const QString &subject, const QString &text);
void reportError(const QString &text);

#endif
