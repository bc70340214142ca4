#include "jobs/OutcomeText.h"

#include "pdf/PdfEngine.h"
#include "protocol/JobErrors.h"

QString OutcomeText::unreadableReason(int engineCode)
{
    switch (engineCode) {
    case PdfEngine::FileNotFound:
        return tr("the file is gone or may not be read");
    case PdfEngine::OutOfMemory:
        return tr("there was not enough memory to read it");
    case PdfEngine::PasswordError:
        return tr("the password is missing or wrong");
    case PdfEngine::TookTooLong:
        return tr("reading it took too long");
    default:
        return tr("it is not a PDF document, or it is damaged");
    }
}

QString OutcomeText::causeText(int cause)
{
    switch (cause) {
    case JobCause::WriteFailed:
        return tr("the file could not be written");
    case JobCause::NotWritable:
        return tr("the folder is missing or cannot be written to");
    case JobCause::DiskFull:
        return tr("the disk is full");
    case JobCause::Password:
        return tr("the password is wrong");
    case JobCause::Unreadable:
        return tr("the document cannot be read");
    case JobCause::UnusableName:
        return tr("the file name cannot be used");
    default:
        return QString();
    }
}
