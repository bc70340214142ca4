#ifndef CLEAVEMARK_PROTOCOL_OUTPUTJOURNAL_H
#define CLEAVEMARK_PROTOCOL_OUTPUTJOURNAL_H

#include <QFile>
#include <QString>
#include <QStringList>

// The list of what a split job creates outside its session folder, kept in
// the session folder as "<session id>.written" while the job runs. Each path
// is noted before it is written, so that whoever stops the worker part-way
// (the desktop program's cancel) can remove exactly what this job made:
// the pieces that exist, and the folders it created once they are empty.
class OutputJournal
{
public:
    // No journal (every note is dropped) when the folder or id is empty.
    OutputJournal(const QString &sessionFolder, const QString &sessionId);
    // A job that ends by itself keeps what it wrote: the journal goes.
    ~OutputJournal();

    static QString pathFor(const QString &sessionFolder, const QString &sessionId);

    // The document being split, first: a journal left by a worker that was
    // killed tells the next start of the program what was interrupted.
    void noteSource(const QString &path);
    void noteFile(const QString &path);
    void noteFolder(const QString &path);

    // What a journal says: the document split and the files noted that exist.
    struct Contents
    {
        QString source;
        QStringList files;
    };
    static Contents read(const QString &journalPath);

    // Removes what the journal at journalPath lists; returns how many files
    // it removed.
    static int undo(const QString &journalPath);

private:
    void note(char kind, const QString &path);

    QFile m_file;
};

#endif
