#include "cli/ExitCode.h"

#include "protocol/JobErrors.h"

#include <cstdio>

namespace ExitCode {

Code forCause(int cause)
{
    switch (cause) {
    case JobCause::Password:
    case JobCause::Unreadable:
    case JobCause::StructureDamaged:
        return InputUnreadable;
    case JobCause::WriteFailed:
    case JobCause::NotWritable:
    case JobCause::DiskFull:
    case JobCause::UnusableName:
        return OutputUnwritable;
    default:
        return Partly;
    }
}

QString causeText(int cause, const QString &detail)
{
    switch (cause) {
    case JobCause::StructureDamaged:
        if (detail.isEmpty())
            return QStringLiteral("cannot be opened: its structure is damaged");
        return QStringLiteral("cannot be opened: its structure is damaged (%1)").arg(detail);
    case JobCause::WriteFailed:
        return QStringLiteral("the file could not be written");
    case JobCause::NotWritable:
        return QStringLiteral("the folder is missing or may not be written to");
    case JobCause::DiskFull:
        return QStringLiteral("no space left on the device");
    case JobCause::Password:
        return QStringLiteral("the password is missing or wrong");
    case JobCause::Unreadable:
        return QStringLiteral("not a PDF document, damaged, or gone");
    case JobCause::UnusableName:
        return QStringLiteral("the name cannot be a file name");
    default:
        return QStringLiteral("the PDF engine failed");
    }
}

} // namespace ExitCode

void reportError(const QString &subject, const QString &text)
{
    std::fprintf(stderr, "cleavemark: %s: %s\n", qUtf8Printable(subject), qUtf8Printable(text));
}

void reportError(const QString &text)
{
    std::fprintf(stderr, "cleavemark: %s\n", qUtf8Printable(text));
}
