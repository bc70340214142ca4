#pragma once

#include "common/FileUtils.h"

#include <QDir>
#include <QStringList>

// A fresh path in the folder for one temporary file; empty when there is no
// folder to put it in (the cache folder can be refused), so that no caller
// ever writes a temporary file at the file-system root.
inline QString temporaryPath(const QString &folder)
{
    if (folder.isEmpty())
        return QString();
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + randomName());
}

// The temporary files of one job: every file added is deleted when the
// object goes out of scope, so no way out of a job leaves one behind.
class TemporaryFiles
{
public:
    TemporaryFiles() = default;
    TemporaryFiles(const TemporaryFiles &) = delete;
    TemporaryFiles &operator=(const TemporaryFiles &) = delete;
    ~TemporaryFiles() { removeAll(); }

    void add(const QString &path) { m_paths.append(path); }
    void add(const QStringList &paths) { m_paths.append(paths); }

    void removeAll()
    {
        removeFiles(m_paths);
        m_paths.clear();
    }

private:
    QStringList m_paths;
};
