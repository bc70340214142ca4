#include "dialogs/FileManager.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QProcess>
#else
#include <QDBusConnection>
#include <QDBusMessage>
#endif

namespace FileManager {

bool openFolder(const QString &folder)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

#ifdef Q_OS_WIN
bool showFile(const QString &filePath)
{
    return QProcess::startDetached(QStringLiteral("explorer.exe"),
                                   {QStringLiteral("/select,"), QDir::toNativeSeparators(filePath)});
}
#else
bool showFile(const QString &filePath)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("/org/freedesktop/FileManager1"),
        QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
    call << QStringList(QUrl::fromLocalFile(filePath).toString()) << QString();
    // Short: the user is waiting, and without a file manager nobody answers.
    const QDBusMessage reply = bus.call(call, QDBus::Block, 2000);
    return reply.type() == QDBusMessage::ReplyMessage;
}
#endif

void openFolderAndSelect(const QString &path)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.exists())
        return;
    if (info.isDir()) {
        openFolder(info.absoluteFilePath());
        return;
    }
    if (!showFile(info.absoluteFilePath()))
        openFolder(info.absolutePath());
}

} // namespace FileManager
