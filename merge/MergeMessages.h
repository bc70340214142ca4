#ifndef CLEAVEMARK_MERGE_MERGEMESSAGES_H
#define CLEAVEMARK_MERGE_MERGEMESSAGES_H

#include "jobs/MergeModel.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

// What the merge page tells the user: the question before a merge that has
// to leave documents out, the summary of a merge that left some out, and
// why a merge failed. Texts only; the page shows them.
class MergeMessages
{
    Q_DECLARE_TR_FUNCTIONS(MergeMessages)

public:
    // "a.pdf (cannot be read: ...)" one a line, for the question, which
    // unmergeableClosing() asks below the list.
    static QString unmergeableQuestion(const MergeItemList &rows);
    static QString unmergeableClosing();
    // "3 of 4 documents merged; left out: report.pdf (skipped)."
    static QString summary(int documentCount, const QList<LeftOutDocument> &leftOut);
    // Why the merge into saveFileName failed; errorFileName names the
    // document that made it fail, cause is a JobCause.
    static QString failureText(int errorCode, int cause, const QString &errorFileName,
                               const QString &saveFileName, const QString &causeDetail = QString());
    // "2 pages carry damaged content from their source: report.pdf page 14,
    // scan.pdf page 3." The first ten are named, the others counted.
    static QString damagedPagesText(const QList<DamagedPage> &pages);
    // Every document was left out, so nothing was merged.
    static QString nothingMergedText(const QList<LeftOutDocument> &leftOut);
    static QString clearQuestion(int rowCount);

private:
    static QString leftOutList(const QList<LeftOutDocument> &leftOut);
};

#endif
