#pragma once

#include <QFile>
#include <QString>
#include <QtGlobal>

#include <sys/stat.h>

// A file's size and its modification and status change times in
// nanoseconds, from one stat(): QFileInfo would stat twice and turn the times
// into local time, and a split asks several times per page. The status
// change time covers changed permissions, too.
struct FileStamp
{
    qint64 size = -1;
    qint64 modified = -1;
    qint64 changed = -1;

    static FileStamp of(const QString &fileName)
    {
        struct stat status;
        if (::stat(QFile::encodeName(fileName).constData(), &status) != 0)
            return {};
        return of(status);
    }

    static FileStamp ofOpen(int fd)
    {
        struct stat status;
        if (::fstat(fd, &status) != 0)
            return {};
        return of(status);
    }

    static FileStamp of(const struct stat &status)
    {
        return {qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
    }

    static qint64 nanoseconds(const timespec &time) { return qint64(time.tv_sec) * 1000000000 + time.tv_nsec; }

    bool operator==(const FileStamp &other) const
    {
        return size >= 0 && size == other.size && modified == other.modified && changed == other.changed;
    }
};
