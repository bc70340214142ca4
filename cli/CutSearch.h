#ifndef CLEAVEMARK_CLI_CUTSEARCH_H
#define CLEAVEMARK_CLI_CUTSEARCH_H

#include "protocol/JobFiles.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// cleavemark split --at-blank, --at-text PHRASE, --at-code[=PREFIX]: the
// pages of a scanned stack are looked at by the renderer program beside
// cleavemark, and the document is split into the parts found, each named
// from its pages when the name template asks so.
namespace CutSearch {

// "--at-code=PREFIX", which the parser takes for a flag with a value, as
// the option and its prefix.
QStringList withCodePrefix(const QStringList &arguments);

void addOptions(QCommandLineParser &parser);
// The options that choose a way to split: "at-blank", "at-text", "at-code".
QStringList ways();
bool isChosen(const QCommandLineParser &parser);
// False, with the error, when options of one way are given with another.
bool checkOptions(const QCommandLineParser &parser, QString &error);

// Looks at the pages of the request's document and fills its parts (mode
// 4), naming them by the request's name template. Returns an exit code
// (cli/ExitCode.h); Done when the request is ready to run.
int findParts(const QCommandLineParser &parser, SplitRequest &request);

} // namespace CutSearch

#endif
