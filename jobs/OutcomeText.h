#ifndef CLEAVEMARK_JOBS_OUTCOMETEXT_H
#define CLEAVEMARK_JOBS_OUTCOMETEXT_H

#include <QCoreApplication>
#include <QString>

// The user's words for why something failed, shared by the split and the
// merge page: a document that could not be read, or a job's failure cause.
class OutcomeText
{
    Q_DECLARE_TR_FUNCTIONS(OutcomeText)

public:
    // Why a document did not open, from the PDF engine's error code:
    // "it is not a PDF document, or it is damaged".
    static QString unreadableReason(int engineCode);

    // A job's failure cause (protocol/JobErrors.h JobCause), as the end of a
    // sentence: "the folder cannot be written to"; empty when unknown.
    static QString causeText(int cause);
};

#endif
