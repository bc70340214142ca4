// sheafdesk-action --split|--merge <files...>: the launcher behind the file
// manager's "Split with Cleavemark" and "Merge with Cleavemark" actions.

#include "desktop/ShellAction.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("sheafdesk-action"));
    app.setApplicationVersion(QStringLiteral(CLEAVEMARK_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Hands PDF files to Cleavemark to split or to merge."));
    const QCommandLineOption split(QStringLiteral("split"),
                                   QStringLiteral("Load the (first) file into the split page."));
    const QCommandLineOption merge(QStringLiteral("merge"),
                                   QStringLiteral("Add the files to the merge list."));
    parser.addOption(split);
    parser.addOption(merge);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("The PDF files."),
                                 QStringLiteral("<files...>"));

    if (!parser.parse(app.arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.errorText()));
        return ShellAction::BadCommandLine;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(ShellAction::Done);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.isSet(split) == parser.isSet(merge)) {
        std::fprintf(stderr, "Choose one of --split and --merge.\n");
        return ShellAction::BadCommandLine;
    }

    const ShellAction action(parser.isSet(split) ? ShellAction::Split : ShellAction::Merge,
                             parser.positionalArguments());
    return action.run();
}
