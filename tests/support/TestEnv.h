#pragma once

#include <QDir>
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
