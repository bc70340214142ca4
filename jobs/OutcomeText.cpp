#include "jobs/OutcomeText.h"

#include "pdf/PdfEngine.h"
#include "protocol/JobErrors.h"
#include "protocol/JobFiles.h"

#include <QLocale>

namespace {

QString sizeText(qint64 bytes)
{
    return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

} // namespace

QString OutcomeText::unreadableReason(int engineCode, const QString &detail)
{
    switch (engineCode) {
    case PdfEngine::StructureDamaged:
        if (detail.isEmpty())
            return tr("its structure is damaged");
        return tr("its structure is damaged (%1)").arg(detail);
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

QString OutcomeText::causeText(int cause, const QString &detail)
{
    switch (cause) {
    case JobCause::StructureDamaged:
        return unreadableReason(PdfEngine::StructureDamaged, detail);
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

SizeSummary OutcomeText::sizeSummary(const OutputSizes &sizes)
{
    SizeSummary summary;
    if (sizes.bytesWritten <= 0)
        return summary;
    summary.written = sizeText(sizes.bytesWritten);
    if (sizes.optimised())
        summary.before = sizeText(sizes.bytesBefore);
    summary.imagesChanged = sizes.imagesChanged;
    summary.imagesLeft = sizes.imagesLeft;
    return summary;
}
