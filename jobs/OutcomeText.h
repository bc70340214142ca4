#ifndef CLEAVEMARK_JOBS_OUTCOMETEXT_H
#define CLEAVEMARK_JOBS_OUTCOMETEXT_H

#include "dialogs/SizeSummary.h"

#include <QCoreApplication>
#include <QString>

struct OutputSizes;

// The user's words for why something failed, shared by the split and the
// merge page: a document that could not be read, or a job's failure cause.
class OutcomeText
{
    Q_DECLARE_TR_FUNCTIONS(OutcomeText)

public:
    // Why a document did not open, from the PDF engine's error code:
    // "it is not a PDF document, or it is damaged". detail is the PDF
    // library's reason, told where the engine keeps one.
    static QString unreadableReason(int engineCode, const QString &detail = QString());

    // A job's failure cause (protocol/JobErrors.h JobCause), as the end of a
    // sentence: "the folder cannot be written to"; empty when unknown.
    // detail is the PDF library's reason the worker told with it.
    static QString causeText(int cause, const QString &detail = QString());

    // What a job wrote, its sizes in the user's locale; empty when the
    // worker did not tell.
    static SizeSummary sizeSummary(const OutputSizes &sizes);
};

#endif
