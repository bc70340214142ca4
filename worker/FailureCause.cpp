#include "worker/FailureCause.h"

#include "pdf/PdfEngine.h"
#include "protocol/JobErrors.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

// access(2) asks the file system itself, so a read-only mount counts too.
bool isWritableFolder(const QString &folder)
{
    return QFileInfo(folder).isDir() && ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

} // namespace

int readFailureCause(int engineCode)
{
    switch (engineCode) {
    case PdfEngine::PasswordError:
        return JobCause::Password;
    case PdfEngine::FileNotFound:
    case PdfEngine::FileDamaged:
    case PdfEngine::OperationFailed:
        return JobCause::Unreadable;
    case PdfEngine::StructureDamaged:
        return JobCause::StructureDamaged;
    case PdfEngine::DiskFull:
        return JobCause::DiskFull;
    default:
        return JobCause::Unknown;
    }
}

int writeFailureCause(int engineCode, const QString &folder)
{
    if (engineCode == PdfEngine::DiskFull)
        return JobCause::DiskFull;
    if (!isWritableFolder(folder))
        return JobCause::NotWritable;
    return JobCause::WriteFailed;
}

int readOrWriteFailureCause(int engineCode, const QString &folder)
{
    const int cause = readFailureCause(engineCode);
    return cause != JobCause::Unknown ? cause : writeFailureCause(engineCode, folder);
}
