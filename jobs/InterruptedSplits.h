#ifndef CLEAVEMARK_JOBS_INTERRUPTEDSPLITS_H
#define CLEAVEMARK_JOBS_INTERRUPTEDSPLITS_H

#include <QList>
#include <QString>
#include <QStringList>

// A split whose worker was killed, or whose program crashed, before it
// finished: its session folder in the cache still holds the journal of the
// files it wrote, which a finished or stopped split never leaves.
struct InterruptedSplit
{
    QString session;   // the session folder
    QString journal;
    QString source;    // the document that was being split
    QStringList files; // the pieces written, those that still exist
    QString folder;    // where they are

    // In the cache folder, the sessions that no running job holds.
    static QList<InterruptedSplit> find();

    // Removes the pieces (and the folders the split made, once empty);
    // returns how many files went.
    int removeFiles() const;
    // Removes the session folder, so that the split is not told again.
    void forget() const;
};

#endif
