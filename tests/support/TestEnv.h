#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

// Where the built programs live (set by the test harness for every test).
inline QString binPath(const QString &program)
{
    const QString folder = qEnvironmentVariable("CLEAVEMARK_BIN_DIR");
    return folder.isEmpty() ? program : QDir(folder).filePath(program);
}

// Root of the source tree, for tests that need files from it.
inline QString sourcePath(const QString &relative = {})
{
    const QString folder = qEnvironmentVariable("CLEAVEMARK_SOURCE_DIR");
    return relative.isEmpty() ? folder : QDir(folder).filePath(relative);
}

// A private folder for one test, removed with the object. It lives under
// TMPDIR, which the harness points into the test's own sandbox.
class ScratchFolder
{
public:
    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// Writes the bytes as the whole file; false when any of them is not written.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Puts a stand-in xdg-open first on PATH: it writes what it was asked to
// open into <folder>/asked and ends with exitCode (3: nothing opens it).
inline bool installFakeOpener(const QString &folder, int exitCode)
{
    QFile opener(QDir(folder).filePath("xdg-open"));
    if (!opener.open(QIODevice::WriteOnly))
        return false;
    opener.write(QStringLiteral("#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/asked\"\nexit %1\n")
                     .arg(exitCode)
                     .toUtf8());
    opener.close();
    opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
    qputenv("PATH", folder.toLocal8Bit() + ':' + qgetenv("PATH"));
    return true;
}

// A process's resident memory in kilobytes, read from /proc ("self" or a
// process id); -1 when it cannot be read.
inline long residentKilobytes(const QString &process = QStringLiteral("self"))
{
    QFile status(QStringLiteral("/proc/%1/status").arg(process));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// The same in MiB.
inline double residentMiB(const QString &process = QStringLiteral("self"))
{
    const long kilobytes = residentKilobytes(process);
    return kilobytes < 0 ? -1 : kilobytes / 1024.0;
}
