#ifndef CLEAVEMARK_DESKTOP_SHELLACTION_H
#define CLEAVEMARK_DESKTOP_SHELLACTION_H

#include <QString>
#include <QStringList>

// One of the file manager's actions on PDF files, "Split with Cleavemark" or
// "Merge with Cleavemark": the launcher sheafdesk-action runs it.
//
// It writes the chosen paths into a UTF-8 list file (one path a line) and
// starts the desktop program beside it with "-split_add <list>" or
// "-merge_add <list>"; the program reads and deletes the list, and a running
// instance takes it over from a new start. While the program runs a job of
// the action's kind it switches the action off in the installation's "shell"
// values ("add_split_enabled", "add_merge_enabled"); an action switched off
// starts nothing, as long as the program runs.
class ShellAction
{
public:
    enum Kind { Split, Merge };

    // The launcher's exit codes.
    enum Result {
        Done = 0,           // the program was started, or the action is off
        Failed = 1,         // no list file could be written, or no program started
        BadCommandLine = 2, // no action chosen, or no usable path
    };

    ShellAction(Kind kind, const QStringList &paths);

    // Writes the list and starts the program; warnings go to stderr.
    Result run() const;

    // The value in the "shell" group that switches this kind of action.
    static QString flagKey(Kind kind);
    static bool isEnabled(Kind kind);

    // The program that the action starts: sheafdesk, beside the launcher.
    static QString programPath();

private:
    // The paths as absolute local paths; file URLs are accepted. A path with
    // a line break cannot be one line of the list and is refused, with a
    // warning.
    static QStringList listablePaths(const QStringList &paths);
    // The list file, or the empty text when it could not be written.
    static QString writeListFile(const QStringList &paths);

    Kind m_kind;
    QStringList m_paths;
};

#endif
