#include "jobs/SessionFolder.h"

#include "common/FileUtils.h"
#include "common/Logger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace {

const QString lockFileName = QStringLiteral("busy.lock");

QString lockPathOf(const QString &folder)
{
    return folder + QLatin1Char('/') + lockFileName;
}

} // namespace

SessionFolder::SessionFolder() = default;

SessionFolder::~SessionFolder() = default;

bool SessionFolder::create()
{
    unlock();
    m_id = randomName();
    const QString cache = cacheFolder();
    m_path = cache.isEmpty() ? QString()
                             : QDir::toNativeSeparators(cache + QLatin1Char('/') + m_id);
    return ensureFolder(m_path);
}

QString SessionFolder::filePath(const QString &extension) const
{
    return QDir::toNativeSeparators(m_path + QLatin1Char('/') + m_id + extension);
}

bool SessionFolder::lock()
{
    if (isLocked())
        return true;
    m_lock = std::make_unique<QLockFile>(lockPathOf(m_path));
    if (m_lock->tryLock(0))
        return true;
    Logger::instance().log(QStringLiteral("Session lock:'%1' [FAILED]").arg(m_path), LogError);
    m_lock.reset();
    return false;
}

void SessionFolder::unlock()
{
    m_lock.reset();   // the lock file goes with the object
}

bool SessionFolder::isLocked() const
{
    return m_lock && m_lock->isLocked();
}

void SessionFolder::remove()
{
    if (m_path.isEmpty() || isLocked())
        return;
    removeFolder(m_path);
    m_path.clear();
}

bool SessionFolder::isBusy(const QString &path)
{
    if (!QFileInfo::exists(lockPathOf(path)))
        return false;
    QLockFile probe(lockPathOf(path));
    // A live holder keeps its lock however long its worker runs; a lock left
    // by a program that died is stale and taken over here.
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return probe.error() == QLockFile::LockFailedError;
}

void SessionFolder::clearCache()
{
    const QString cache = cacheFolder();
    if (cache.isEmpty())
        return;
    const QFileInfoList entries = QDir(cache).entryInfoList(
        QDir::Files | QDir::AllDirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink()) {
            if (isBusy(entry.absoluteFilePath()))
                Logger::instance().log(QStringLiteral("Session in use, kept:'%1'").arg(entry.fileName()));
            else
                removeFolder(entry.absoluteFilePath());
        } else {
            QFile::remove(entry.absoluteFilePath());
        }
    }
}
