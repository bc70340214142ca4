#ifndef CLEAVEMARK_INSTANCE_COMMANDMESSAGE_H
#define CLEAVEMARK_INSTANCE_COMMANDMESSAGE_H

#include <QString>
#include <QStringList>

#include <functional>

// The command line that a start hands to the running program, as one text:
// the arguments joined with "|", e.g. "-merge_add|/tmp/list.txt".
//
// "-split_add <list file>" and "-merge_add <list file>" name a UTF-8 text
// file with one PDF path a line, written by the file manager's context menu.
// Only then is the second part a list file, read and then deleted; any other
// message never deletes a file.
//
// Plain paths ("sheafdesk a.pdf b.pdf", the file manager's "Open with") ask to
// open those documents: the paths among them that the program takes for
// documents are the files.
struct CommandMessage
{
    enum Action { None, SplitAdd, MergeAdd, OpenFiles };
    // Whether the program takes a path for a document it can open; handed
    // in, as this layer sees none of the program's file rules.
    using DocumentTest = std::function<bool(const QString &path)>;

    Action action = None;
    QStringList files;

    // Joins the arguments after the program name. A relative list file, and
    // a relative path of an existing file, is made absolute here, because
    // the running instance may have another working folder.
    static QString build(const QStringList &arguments);

    // Parses message; reads and deletes its list file when it has one.
    static CommandMessage parse(const QString &message, const DocumentTest &isDocument);

    // The lines of a list file, empty lines included; empty when unreadable.
    static QStringList readListFile(const QString &path);

    // The arguments that start the program with a list file (SplitAdd or
    // MergeAdd), e.g. {"-merge_add", "/tmp/list.txt"}.
    static QStringList listArguments(Action action, const QString &listFile);
};

#endif
