#include "cli/InputDocument.h"

#include "cli/ExitCode.h"
#include "cli/Passwords.h"
#include "protocol/JobErrors.h"
#include "pdf/PdfService.h"

#include <QFileInfo>

namespace {

// Typing a wrong password three times ends the asking, as at a login.
const int promptTries = 3;

} // namespace

QString InputDocument::problemText() const
{
    switch (problem) {
    case Problem::Missing:
        return QStringLiteral("no such file");
    case Problem::Damaged:
        return QStringLiteral("not a PDF document, or damaged");
    case Problem::StructureDamaged:
        return ExitCode::causeText(JobCause::StructureDamaged, problemDetail);
    case Problem::PasswordNeeded:
        return QStringLiteral("needs a password (--password-file, CLEAVEMARK_PASSWORD, or a terminal)");
    case Problem::WrongPassword:
        return QStringLiteral("wrong password");
    case Problem::None:
        break;
    }
    return QString();
}

InputDocument InputDocument::open(const QSharedPointer<PdfService> &service, const QString &path,
                                  const Passwords &passwords)
{
    InputDocument document;
    document.path = path;
    const QFileInfo file(path);
    if (!file.isFile()) {
        document.problem = Problem::Missing;
        return document;
    }

    int id = 0;
    bool locked = false;
    int code = 0;
    if (!service->loadFile(path, QString(), id, locked, &code, &document.problemDetail)) {
        document.problem = code == PdfEngine::StructureDamaged ? Problem::StructureDamaged : Problem::Damaged;
        return document;
    }
    document.needsPassword = locked;
    bool triedOne = false;
    if (locked) {
        for (const QString &candidate : passwords.candidates()) {
            triedOne = true;
            if (service->loadFile(path, candidate, id, locked) && !locked) {
                document.password = candidate;
                break;
            }
        }
    }
    for (int attempt = 0; locked && attempt < promptTries; ++attempt) {
        const QString typed = Passwords::ask(file.fileName());
        if (typed.isNull())
            break;
        triedOne = true;
        if (service->loadFile(path, typed, id, locked) && !locked)
            document.password = typed;
    }
    if (locked) {
        document.problem = triedOne ? Problem::WrongPassword : Problem::PasswordNeeded;
        return document;
    }

    document.pageCount = service->pageCount(id);
    if (document.pageCount > 0)
        document.firstPageSize = service->pageSize(id, 1);
    document.hasSecurity = service->hasSecurity(id) || !document.password.isEmpty();
    document.copyAllowed = service->securityItem5(id);
    document.title = service->title(id);
    document.outline = service->outline(id);
    service->closeDocument(id);
    return document;
}
