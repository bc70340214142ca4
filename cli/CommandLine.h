#ifndef CLEAVEMARK_CLI_COMMANDLINE_H
#define CLEAVEMARK_CLI_COMMANDLINE_H

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

class Passwords;
struct OutputOptions;
class QJsonValue;

// What the subcommands share on their command lines: parsing with --help,
// the usage line of a mistake, and the options of the files a job writes.
namespace CommandLine {

// "Usage: cleavemark split FILE [options]" and the like.
QString usageLine(const QString &command);

// Parses the subcommand's arguments (without "cleavemark" and its name).
// False when the program should end: with --help the help text was printed
// and exitCode is 0; with a mistake the usage line and exitCode is 2.
bool parse(QCommandLineParser &parser, const QString &command, const QStringList &arguments,
           int &exitCode);
// Prints the mistake and the usage line on standard error; returns 2.
int usageError(const QString &command, const QString &text);

// --title, --author, --encrypt, --permissions, --compress,
// --password-file, --output-password-file, --overwrite, --json, --quiet.
void addJobOptions(QCommandLineParser &parser);
// The input passwords of --password-file, and the output password's file.
bool readPasswordFiles(const QCommandLineParser &parser, Passwords &passwords, QString &error);
// Title, author, encryption with its permissions, compression; with
// --encrypt this asks for the password when it has to. False, with the
// reason, on a mistake.
bool readOutputOptions(const QCommandLineParser &parser, const Passwords &passwords,
                       OutputOptions &options, QString &error);

// The document on standard output, indented.
void printJson(const QJsonValue &value);

} // namespace CommandLine

#endif
