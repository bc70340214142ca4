#include "dialogs/FileManager.h"

#include "dialogs/MessagePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#ifndef Q_OS_WIN
#include <QDBusConnection>
#include <QDBusMessage>
#endif

namespace FileManager {

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

namespace {

void tellNoFileManager(const QString &folder, QWidget *parent)
{
    MessagePath message(folder, parent);
    message.exec();
}

// xdg-open ends with a failure code when nothing opens the folder; it is
// waited for in the background, so that the window goes on answering.
void openFolderOrTell(const QString &folder, QWidget *parent)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        tellNoFileManager(folder, parent);
        return;
    }
    QPointer<QWidget> owner(parent);
    auto *process = new QProcess(parent ? static_cast<QObject *>(parent) : QCoreApplication::instance());
    QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), process,
                     [process, folder, owner](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         if (status != QProcess::NormalExit || code != 0)
                             tellNoFileManager(folder, owner);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, folder, owner](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart)
                             return;
                         process->deleteLater();
                         tellNoFileManager(folder, owner);
                     });
    process->start(opener, {QUrl::fromLocalFile(folder).toString()});
}

} // namespace

void openFolderAndSelect(const QString &path, QWidget *parent)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (!info.exists())
        return;
    if (info.isDir()) {
        openFolderOrTell(info.absoluteFilePath(), parent);
        return;
    }
    if (!showFile(info.absoluteFilePath()))
        openFolderOrTell(info.absolutePath(), parent);
}

} // namespace FileManager
