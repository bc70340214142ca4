#include "cli/OutputFolder.h"

#include "cli/ExitCode.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

OutputFolder::OutputFolder(const QString &path, bool overwrite)
    : m_path(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()))
    , m_overwrite(overwrite)
{
}

OutputFolder::~OutputFolder() = default;

bool OutputFolder::check(QString &error) const
{
    const QFileInfo folder(m_path);
    if (!folder.exists())
        error = QStringLiteral("no such folder");
    else if (!folder.isDir())
        error = QStringLiteral("not a folder");
    else if (!folder.isWritable())
        error = QStringLiteral("the folder may not be written to");
    return error.isEmpty();
}

bool OutputFolder::prepare(QString &error)
{
    if (!m_overwrite) {
        const QStringList names = QDir(m_path).entryList(QDir::Files | QDir::Hidden | QDir::System);
        m_takenNames = QSet<QString>(names.cbegin(), names.cend());
        return true;
    }
    m_staging = std::make_unique<QTemporaryDir>(m_path + QStringLiteral("/.cleavemark-XXXXXX"));
    if (!m_staging->isValid()) {
        error = QStringLiteral("%1: %2").arg(m_path, m_staging->errorString());
        return false;
    }
    return true;
}

QString OutputFolder::workFolder() const
{
    return m_staging ? QDir::toNativeSeparators(m_staging->path()) : m_path;
}

QString OutputFolder::finalPath(const QString &file) const
{
    return m_staging ? QDir::toNativeSeparators(QDir(m_path).filePath(QFileInfo(file).fileName())) : file;
}

QStringList OutputFolder::published(const QStringList &files) const
{
    QStringList paths;
    for (const QString &file : files)
        paths << finalPath(file);
    return paths;
}

QStringList OutputFolder::publish(const QStringList &files)
{
    static const QRegularExpression renamed(QStringLiteral("^\\((\\d+)\\)(.+)$"));
    QStringList paths;
    for (const QString &file : files) {
        const QString target = finalPath(file);
        if (m_staging) {
            // rename(2) replaces the file of that name in one step.
            if (std::rename(QFile::encodeName(file).constData(), QFile::encodeName(target).constData()) != 0) {
                reportError(target, QStringLiteral("could not be replaced"));
                continue;
            }
        } else {
            const QRegularExpressionMatch match = renamed.match(QFileInfo(file).fileName());
            if (match.hasMatch() && m_takenNames.contains(match.captured(2)))
                reportError(QStringLiteral("%1 exists; wrote %2 (--overwrite replaces it)")
                                .arg(match.captured(2), QFileInfo(file).fileName()));
        }
        paths << target;
    }
    discard();
    return paths;
}

void OutputFolder::discard()
{
    m_staging.reset();
}
