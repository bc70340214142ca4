#include "instance/InstanceMeeting.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

#include <cerrno>
#include <signal.h>
#include <unistd.h>

namespace {

QString meetingFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

QString meetingBaseName(const QString &appId)
{
    // The user id keeps users apart even when they share a temp folder.
    const QByteArray key = appId.toUtf8() + '\0' + QByteArray::number(qulonglong(::getuid()));
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha1).toHex();
    return QStringLiteral("single-") + QString::fromLatin1(hash.left(16));
}

bool processIsAlive(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

} // namespace

namespace InstanceMeeting {

QString desktopProgramId()
{
    return QStringLiteral("Tessaly Cleavemark");
}

QString lockFileName(const QString &appId)
{
    return meetingFolder() + QLatin1Char('/') + meetingBaseName(appId) + QStringLiteral(".lock");
}

QString serverName(const QString &appId)
{
    return meetingFolder() + QLatin1Char('/') + meetingBaseName(appId) + QStringLiteral(".socket");
}

bool isHeld(const QString &appId)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!QLockFile(lockFileName(appId)).getLockInfo(&pid, &host, &application))
        return false;
    // A lock taken on another machine (a shared home) cannot be checked here.
    if (host != QSysInfo::machineHostName())
        return true;
    return pid > 0 && processIsAlive(pid);
}

} // namespace InstanceMeeting
