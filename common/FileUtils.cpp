#include "common/FileUtils.h"

#include "common/Logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>
#include <QtDebug>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QFileDevice::Permissions ownerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The shared temp folder is writable by everyone, so the base folder there
// must be one we made ourselves: a real folder (not a link) owned by us and
// closed to others. Anything else may have been planted to read our request
// files, which hold passwords.
bool makePrivateBase(const QString &base)
{
    const QByteArray path = QFile::encodeName(base);
    QDir().mkpath(QFileInfo(base).absolutePath());
    ::mkdir(path.constData(), 0700);

    struct stat info;
    if (::lstat(path.constData(), &info) != 0) {
        Logger::instance().log(QStringLiteral("Cache folder:'%1' can not be created [FAILED]").arg(base),
                               LogError);
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
        Logger::instance().log(
            QStringLiteral("Cache folder:'%1' is not a private folder of this user, refused [FAILED]").arg(base),
            LogError);
        return false;
    }
    if ((info.st_mode & 0077) != 0 && ::chmod(path.constData(), 0700) != 0) {
        Logger::instance().log(QStringLiteral("Cache folder:'%1' can not be made private [FAILED]").arg(base),
                               LogError);
        return false;
    }
    return true;
}

// QDir::tempPath() is empty when TMPDIR names a missing folder; a relative
// base would then land in the current (or root) folder.
QString tempBase()
{
    const QString temp = QDir::tempPath();
    return temp.isEmpty() ? QStringLiteral("/tmp") : temp;
}

// Anything at the path, a dangling link included; one lstat() answers it,
// where a split asks once per file it saves.
bool pathIsTaken(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

QString cacheFolder()
{
    QString base = tempBase() + QStringLiteral("/.") + QCoreApplication::applicationName();
    if (!makePrivateBase(base)) {
        // A folder planted in the shared temp folder must not stop the user's jobs.
        base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
        if (base.isEmpty() || !makePrivateBase(base))
            return QString();
        Logger::instance().log(QStringLiteral("Cache folder:'%1' used instead [OK]").arg(base), LogDebug);
    }

    const QString cache = base + QStringLiteral("/cache");
    ensureFolder(cache);
    return cache;
}

bool ensureFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QDir dir(path);
    if (dir.exists())
        return true;
    return dir.mkpath(QStringLiteral("."));
}

QString uniqueFileName(const QString &folder, const QString &name, const QSet<QString> &alsoTaken)
{
    QString candidate = QDir::toNativeSeparators(folder + QLatin1Char('/') + name);
    for (int counter = 1; pathIsTaken(candidate) || alsoTaken.contains(candidate); ++counter)
        candidate = QDir::toNativeSeparators(QStringLiteral("%1/(%2)%3").arg(folder).arg(counter).arg(name));
    return candidate;
}

QString randomName()
{
    static const QRegularExpression notLetterOrDigit(QStringLiteral("[^a-zA-Z\\d\\s]"));
    return QUuid::createUuid().toString().remove(notLetterOrDigit);
}

bool removeFolder(const QString &path)
{
    qDebug() << "Removing dir:" << path;
    // A link in place of the folder goes, never what it points to.
    if (QFileInfo(path).isSymLink())
        return QFile::remove(path);
    QDir dir(path);
    if (!dir.exists())
        return true;

    const QFileInfoList entries = dir.entryInfoList(
        QDir::Files | QDir::AllDirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::DirsFirst);
    for (const QFileInfo &entry : entries) {
        const bool removed = entry.isDir() && !entry.isSymLink()
                                 ? removeFolder(entry.absoluteFilePath())
                                 : QFile::remove(entry.absoluteFilePath());
        if (!removed)
            return false;
    }

    const bool result = dir.rmdir(dir.absolutePath());
    qDebug() << "Result:" << result;
    return result;
}

void removeFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        QFile::remove(path);
}

bool isPdfFile(const QString &path)
{
    return path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive) && QFileInfo(path).isFile();
}

QStringList pdfFilesFromMimeData(const QMimeData *mimeData)
{
    QStringList files;
    if (!mimeData || !mimeData->hasUrls())
        return files;
    for (const QUrl &url : mimeData->urls()) {
        const QString path = url.toLocalFile();
        if (isPdfFile(path))
            files.append(path);
    }
    return files;
}

bool writePrivateFile(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // QSaveFile would otherwise give the new file the old one's mode or 0666 less the umask.
    if (!file.setPermissions(ownerOnlyFile)) {
        file.cancelWriting();
        return false;
    }
    if (file.write(data) != data.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    return QFile::setPermissions(path, ownerOnlyFile);
}

bool writeFully(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n == 0)
            errno = ENOSPC;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}
