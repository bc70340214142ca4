#include "pdf/OutputFile.h"

#include "common/FileUtils.h"
#include "pdf/Descriptor.h"
#include "pdf/EngineFailure.h"
#include "pdf/PdfEngine.h"

#include <QFileDevice>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

// A full disk or quota is told apart: the user can do something about it.
[[noreturn]] void throwSystemFailure(const char *what)
{
    const int error = errno;
    const int code = (error == ENOSPC || error == EDQUOT) ? PdfEngine::DiskFull : PdfEngine::WriteFailed;
    throw EngineFailure(code, std::string(what) + ": " + std::strerror(error));
}

// A new file gets the usual rw-r--r--; a file that is replaced keeps its own.
QFileDevice::Permissions outputPermissions(const QString &fileName)
{
    if (QFileInfo::exists(fileName))
        return QFile::permissions(fileName);
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
           | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
}

// A name beside the target for a file that is renamed over it.
QString hiddenNameFor(const QString &fileName)
{
    const QFileInfo target(fileName);
    return QStringLiteral("%1/.%2.%3").arg(target.absolutePath(), target.fileName())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// Links an unnamed O_TMPFILE file under a name. Kernels from 6.10 on link
// the descriptor itself; older ones need its name below /proc, which costs
// a path walk through /proc per file.
bool linkUnnamedFile(int fd, const QByteArray &name)
{
    if (::linkat(fd, "", AT_FDCWD, name.constData(), AT_EMPTY_PATH) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    const QByteArray procPath = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, procPath.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0;
}

// Gives an unnamed O_TMPFILE file its name: a new target is linked in
// directly; an existing one is replaced, keeping its permissions, by linking
// beside it and renaming over it (rename(2) replaces atomically,
// QFile::rename never replaces).
bool nameUnnamedFile(int fd, const QString &fileName)
{
    const QByteArray target = QFile::encodeName(fileName);
    if (linkUnnamedFile(fd, target))
        return true;
    struct stat existing;
    if (errno != EEXIST || ::stat(target.constData(), &existing) != 0
        || ::fchmod(fd, existing.st_mode & 07777) != 0)
        return false;
    const QByteArray hidden = QFile::encodeName(hiddenNameFor(fileName));
    if (!linkUnnamedFile(fd, hidden))
        return false;
    if (std::rename(hidden.constData(), target.constData()) == 0)
        return true;
    ::unlink(hidden.constData());
    return false;
}

// For file systems without O_TMPFILE: a hidden named file renamed over the target.
void writeViaHiddenFile(const QString &fileName, const OutputFile::ContentWriter &writeContent)
{
    QFile file(hiddenNameFor(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        throw EngineFailure(PdfEngine::WriteFailed, file.errorString().toStdString());
    try {
        writeContent(file.handle());
        if (!file.setPermissions(outputPermissions(fileName)))
            throw EngineFailure(PdfEngine::WriteFailed, file.errorString().toStdString());
        if (std::rename(QFile::encodeName(file.fileName()).constData(),
                        QFile::encodeName(fileName).constData()) != 0)
            throw EngineFailure(PdfEngine::WriteFailed, "cannot rename the written file into place");
    } catch (...) {
        file.remove();
        throw;
    }
}

} // namespace

namespace OutputFile {

// Like qpdf's own writer this does not sync each file to disk: a split saves
// thousands of files, and a sync per file multiplied its time several times.
void writeAtomically(const QString &fileName, const ContentWriter &writeContent)
{
    if (fileName.isEmpty())
        throw EngineFailure(PdfEngine::WriteFailed, "no output file name");
    const QFileInfo target(fileName);
    // Closing the descriptor drops the unnamed file on every way out.
    Descriptor file(::open(QFile::encodeName(target.absolutePath()).constData(),
                           O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (file.get() < 0) {
        writeViaHiddenFile(fileName, writeContent);
        return;
    }
    writeContent(file.get());
    if (!nameUnnamedFile(file.get(), fileName))
        throwSystemFailure("cannot give the written file its name");
}

FileStamp writeInPlace(const QString &fileName, const ContentWriter &writeContent)
{
    if (fileName.isEmpty())
        throw EngineFailure(PdfEngine::WriteFailed, "no output file name");
    // Overwritten and then cut to length rather than truncated first: ext4
    // flushes a file emptied by truncation to disk when it is closed.
    const QByteArray name = QFile::encodeName(fileName);
    Descriptor file(::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (file.get() < 0)
        throwSystemFailure("cannot open the file");
    try {
        const qint64 size = writeContent(file.get());
        if (::ftruncate(file.get(), off_t(size)) != 0)
            throwSystemFailure("cannot cut the file to length");
        return FileStamp::ofOpen(file.get());
    } catch (...) {
        ::unlink(name.constData());
        throw;
    }
}

void writeBytes(const QByteArray &bytes, const QString &fileName)
{
    writeAtomically(fileName, [&](int fd) {
        writeAll(fd, bytes.constData(), bytes.size());
        return qint64(bytes.size());
    });
}

void writeAll(int fd, const char *data, qint64 size)
{
    if (!writeFully(fd, data, size))
        throwSystemFailure("cannot write the output file");
}

} // namespace OutputFile
