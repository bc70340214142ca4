#include "cli/CommandLine.h"

#include "cli/Passwords.h"
#include "protocol/JobFiles.h"
#include "protocol/SplitPlan.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cstdio>

namespace CommandLine {

namespace {

QString argumentsOf(const QString &command)
{
    if (command == QLatin1String("split"))
        return QStringLiteral("FILE [options]");
    if (command == QLatin1String("merge"))
        return QStringLiteral("-o OUT FILE[:PAGES]... [options]");
    return QStringLiteral("FILE... [options]");
}

// The permissions the window offers; a request carries eight, which the
// window sets from these three.
bool applyPermissions(const QString &list, OutputOptions &options, QString &error)
{
    bool print = false;
    bool copy = false;
    bool edit = false;
    for (const QString &word : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString name = word.trimmed().toLower();
        if (name == QLatin1String("print"))
            print = true;
        else if (name == QLatin1String("copy"))
            copy = true;
        else if (name == QLatin1String("edit"))
            edit = true;
        else if (name != QLatin1String("none")) {
            error = QStringLiteral("unknown permission '%1' (print, copy, edit or none)").arg(word);
            return false;
        }
    }
    options.permissionPrint = print;
    options.permissionPrintFull = print;
    options.permissionCopy = copy;
    options.permissionChange = edit;
    return true;
}

} // namespace

QString usageLine(const QString &command)
{
    return QStringLiteral("Usage: cleavemark %1 %2").arg(command, argumentsOf(command));
}

int usageError(const QString &command, const QString &text)
{
    std::fprintf(stderr, "cleavemark %s: %s\n%s\nTry 'cleavemark %s --help'.\n", qUtf8Printable(command),
                 qUtf8Printable(text), qUtf8Printable(usageLine(command)), qUtf8Printable(command));
    return 2;
}

bool parse(QCommandLineParser &parser, const QString &command, const QStringList &arguments,
           int &exitCode)
{
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    parser.addOption(help);
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{QStringLiteral("cleavemark")} + arguments)) {
        exitCode = usageError(command, parser.errorText());
        return false;
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        // Qt's first line names the program file; ours names the subcommand.
        text = usageLine(command) + text.mid(text.indexOf(QLatin1Char('\n')));
        std::fputs(qUtf8Printable(text), stdout);
        exitCode = 0;
        return false;
    }
    return true;
}

void addJobOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {QStringLiteral("title"), QStringLiteral("The title of the new files."), QStringLiteral("T")},
        {QStringLiteral("author"), QStringLiteral("The author of the new files."), QStringLiteral("A")},
        {QStringLiteral("encrypt"), QStringLiteral("Protect the new files with a password (never given "
                                                   "as an argument: see the manual page).")},
        {QStringLiteral("permissions"), QStringLiteral("With --encrypt: what readers of the new files may "
                                                       "do: print, copy, edit, or none (default: all)."),
         QStringLiteral("LIST")},
        {QStringLiteral("compress"), QStringLiteral("Compress the new files.")},
        {QStringLiteral("password-file"), QStringLiteral("Passwords of locked documents, one a line, "
                                                         "tried in order."),
         QStringLiteral("F")},
        {QStringLiteral("output-password-file"), QStringLiteral("With --encrypt: the password of the new "
                                                                "files is this file's first line."),
         QStringLiteral("F")},
        {QStringLiteral("overwrite"), QStringLiteral("Replace files of the same name; without it a new "
                                                     "file is named \"(1)name\".")},
        {QStringLiteral("json"), QStringLiteral("Print the result as JSON.")},
        {{QStringLiteral("q"), QStringLiteral("quiet")}, QStringLiteral("Print no progress.")},
    });
}

bool readPasswordFiles(const QCommandLineParser &parser, Passwords &passwords, QString &error)
{
    const QString input = parser.value(QStringLiteral("password-file"));
    if (!passwords.loadInputFile(input, error)) {
        error = QStringLiteral("%1: %2").arg(input, error);
        return false;
    }
    const QString output = parser.value(QStringLiteral("output-password-file"));
    if (!passwords.loadOutputFile(output, error)) {
        error = QStringLiteral("%1: %2").arg(output, error);
        return false;
    }
    return true;
}

bool readOutputOptions(const QCommandLineParser &parser, const Passwords &passwords,
                       OutputOptions &options, QString &error)
{
    options.title = parser.value(QStringLiteral("title"));
    options.author = parser.isSet(QStringLiteral("author")) ? parser.value(QStringLiteral("author"))
                                                              : SplitPlan::defaultAuthor();
    options.creator = SplitPlan::defaultProducer();
    options.producer = SplitPlan::defaultProducer();
    options.compressFile = parser.isSet(QStringLiteral("compress"));
    // The window's choices: notes and form filling stay allowed, the rest
    // follows the three switches.
    options.permissionAddNotes = true;
    options.permissionFillFields = true;
    options.permissionCopyAccess = false;
    options.permissionAssembly = false;
    options.permissionPrintFull = options.permissionPrint;

    const bool encrypt = parser.isSet(QStringLiteral("encrypt"));
    if (!encrypt) {
        if (parser.isSet(QStringLiteral("permissions")) || parser.isSet(QStringLiteral("output-password-file"))) {
            error = QStringLiteral("--permissions and --output-password-file go with --encrypt");
            return false;
        }
        return true;
    }
    if (parser.isSet(QStringLiteral("permissions"))
        && !applyPermissions(parser.value(QStringLiteral("permissions")), options, error))
        return false;
    return passwords.outputPassword(options.password, error);
}

void printJson(const QJsonValue &value)
{
    const QJsonDocument document = value.isArray() ? QJsonDocument(value.toArray())
                                                   : QJsonDocument(value.toObject());
    std::fputs(document.toJson(QJsonDocument::Indented).constData(), stdout);
}

} // namespace CommandLine
