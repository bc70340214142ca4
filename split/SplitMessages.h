#ifndef CLEAVEMARK_SPLIT_SPLITMESSAGES_H
#define CLEAVEMARK_SPLIT_SPLITMESSAGES_H

#include "pdf/PageRangeText.h"

#include <QCoreApplication>
#include <QString>

// What the split page tells the user: why a document cannot be split, why
// a page or range cannot be added, and how a split ended when not all went
// well. Texts only; the page shows them.
class SplitMessages
{
    Q_DECLARE_TR_FUNCTIONS(SplitMessages)

public:
    // A split that failed with errorCode; cause (a JobCause) and the
    // document's and output folder's names make it precise when known.
    static QString failureText(int errorCode, int cause = 0, const QString &fileName = QString(),
                               const QString &folder = QString(), const QString &causeDetail = QString());
    // A split the user stopped, with the pieces it had written and took back.
    static QString canceledText(int removedCount);
    // The note under a successful split's result when outputs are missing.
    static QString missingText(int failedCount, int cause);
    // Why the document at path (Split::DocumentProblem) cannot be split.
    static QString unusableText(const QString &path, int problem, int engineCode,
                                const QString &engineDetail = QString());

    // Why a page cannot be added to the pages to remove; empty when it can.
    static QString pageProblem(int page, int pageCount, bool listed, bool lastPageLeft);
    // Why a range cannot be added; empty when it can.
    static QString rangeProblem(int from, int to, int pageCount, bool listed);
    // Why pages typed as text cannot be read (PageRangeText.h); empty when they can.
    static QString typedPagesProblem(RangeTextError error, const QString &text, int pageCount);
    // Why groups of size pages from startPage on cannot be made.
    static QString groupProblem(int size, int startPage, int pageCount);
};

#endif
