#include "desktop/ShellAction.h"

#include "instance/CommandMessage.h"
#include "instance/InstallationRegistry.h"
#include "instance/InstanceMeeting.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <QUrl>

#include <cstdio>

namespace {

void warn(const QString &text)
{
    std::fprintf(stderr, "sheafdesk-action: %s\n", qPrintable(text));
}

QString kindName(ShellAction::Kind kind)
{
    return kind == ShellAction::Split ? QStringLiteral("split") : QStringLiteral("merge");
}

QString absoluteLocalPath(const QString &argument)
{
    const QUrl url(argument);
    const QString path = url.isLocalFile() ? url.toLocalFile() : argument;
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

ShellAction::ShellAction(Kind kind, const QStringList &paths)
    : m_kind(kind)
    , m_paths(paths)
{
}

QString ShellAction::flagKey(Kind kind)
{
    return kind == Split ? QStringLiteral("add_split_enabled")
                         : QStringLiteral("add_merge_enabled");
}

bool ShellAction::isEnabled(Kind kind)
{
    // The program writes 0 while a job of this kind runs and 1 after it;
    // before it ever ran there is no value, and the action is on.
    const QVariant flag = InstallationRegistry::shellValue(flagKey(kind));
    if (!flag.isValid() || flag.toInt() != 0)
        return true;
    // A 0 left by a program that crashed or was killed during the job would
    // keep the action off for good: it counts only while the program runs.
    return !InstanceMeeting::isHeld(InstanceMeeting::desktopProgramId());
}

QString ShellAction::programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sheafdesk");
}

QStringList ShellAction::listablePaths(const QStringList &paths)
{
    QStringList listable;
    for (const QString &argument : paths) {
        const QString path = absoluteLocalPath(argument);
        if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r'))) {
            warn(QStringLiteral("left out, a line break in the name: %1").arg(argument));
            continue;
        }
        listable.append(path);
    }
    return listable;
}

QString ShellAction::writeListFile(const QStringList &paths)
{
    // In the temporary folder, readable by this user only; the program
    // deletes the list once it has read it.
    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("cleavemark-XXXXXX.list")));
    file.setAutoRemove(false);
    if (!file.open()) {
        warn(QStringLiteral("cannot write a list file: %1").arg(file.errorString()));
        return {};
    }
    QByteArray contents;
    for (const QString &path : paths)
        contents.append(path.toUtf8()).append('\n');
    const bool written = file.write(contents) == contents.size() && file.flush();
    file.close();
    if (!written) {
        warn(QStringLiteral("cannot write the list file %1").arg(file.fileName()));
        file.remove();
        return {};
    }
    return file.fileName();
}

ShellAction::Result ShellAction::run() const
{
    if (!isEnabled(m_kind)) {
        warn(QStringLiteral("the %1 action is off while Cleavemark runs a %1; nothing started")
                 .arg(kindName(m_kind)));
        return Done;
    }

    const QStringList paths = listablePaths(m_paths);
    if (paths.isEmpty()) {
        warn(QStringLiteral("no file to %1").arg(kindName(m_kind)));
        return BadCommandLine;
    }

    const QString listFile = writeListFile(paths);
    if (listFile.isEmpty())
        return Failed;

    const CommandMessage::Action action =
        m_kind == Split ? CommandMessage::SplitAdd : CommandMessage::MergeAdd;
    if (!QProcess::startDetached(programPath(), CommandMessage::listArguments(action, listFile))) {
        warn(QStringLiteral("cannot start %1").arg(programPath()));
        QFile::remove(listFile);
        return Failed;
    }
    return Done;
}
