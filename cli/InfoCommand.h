#ifndef CLEAVEMARK_CLI_INFOCOMMAND_H
#define CLEAVEMARK_CLI_INFOCOMMAND_H

#include <QStringList>

// cleavemark info FILE... [--json]: what a document holds that matters for
// splitting and merging it. Returns the exit code (cli/ExitCode.h).
int runInfoCommand(const QStringList &arguments);

#endif
