#ifndef CLEAVEMARK_CLI_INPUTDOCUMENT_H
#define CLEAVEMARK_CLI_INPUTDOCUMENT_H

#include "pdf/OutlineEntry.h"

#include <QSharedPointer>
#include <QSize>
#include <QString>

class Passwords;
class PdfService;

// What cleavemark learns of a document before it hands the document to the
// worker, read the way the window reads it.
struct InputDocument
{
    enum class Problem { None, Missing, Damaged, StructureDamaged, PasswordNeeded, WrongPassword };

    QString path;
    Problem problem = Problem::None;
    QString problemDetail;       // the PDF library's reason for StructureDamaged
    QString password;            // the one it opened with, "" for none
    bool needsPassword = false;  // locked without one
    bool hasSecurity = false;
    bool copyAllowed = false;    // its permissions let pages be taken out
    int pageCount = 0;
    QSize firstPageSize;         // points
    QString title;
    OutlineEntryList outline;

    bool isOpen() const { return problem == Problem::None; }
    // The reason it cannot be used, for an error line.
    QString problemText() const;

    // Opens it through the service, trying the passwords that the user gave
    // when it is locked.
    static InputDocument open(const QSharedPointer<PdfService> &service, const QString &path,
                              const Passwords &passwords);
};

#endif
