#ifndef CLEAVEMARK_CLI_MERGECOMMAND_H
#define CLEAVEMARK_CLI_MERGECOMMAND_H

#include <QStringList>

// cleavemark merge -o OUT FILE[:PAGES]... [options]: joins documents, or
// pages of them, into one file through the worker, the way the window's
// merge page does. Returns the exit code (cli/ExitCode.h).
int runMergeCommand(const QStringList &arguments);

#endif
