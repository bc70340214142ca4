#ifndef CLEAVEMARK_CLI_SPLITCOMMAND_H
#define CLEAVEMARK_CLI_SPLITCOMMAND_H

#include <QStringList>

// cleavemark split FILE [how] [options]: cuts one document into files
// through the worker, the way the window's split page does. Returns the
// exit code (cli/ExitCode.h).
int runSplitCommand(const QStringList &arguments);

#endif
