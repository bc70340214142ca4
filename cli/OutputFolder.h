#ifndef CLEAVEMARK_CLI_OUTPUTFOLDER_H
#define CLEAVEMARK_CLI_OUTPUTFOLDER_H

#include <QSet>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// The folder a split writes into. The worker never replaces a file: a name
// that is taken becomes "(1)name", "(2)name", ..., as in the window, and the
// user is told. With --overwrite the worker writes into a hidden folder of
// its own inside the output folder instead, and each finished file then
// takes the place of the file of its name, in one rename.
class OutputFolder
{
public:
    OutputFolder(const QString &path, bool overwrite);
    ~OutputFolder();

    QString path() const { return m_path; }
    // False, with the reason, when the folder is missing or not writable.
    bool check(QString &error) const;
    // Right before the worker starts: notes the names taken, or makes the
    // hidden folder.
    bool prepare(QString &error);
    // Where the worker is to write.
    QString workFolder() const;
    // The files of a job that ended: moved into place with --overwrite, the
    // renamed ones told of otherwise; their final paths.
    QStringList publish(const QStringList &files);
    // Where files of the job ended up, after publish().
    QStringList published(const QStringList &files) const;
    // Removes the hidden folder and what is in it.
    void discard();

private:
    QString finalPath(const QString &file) const;

    QString m_path;
    bool m_overwrite = false;
    QSet<QString> m_takenNames;
    std::unique_ptr<QTemporaryDir> m_staging;
};

#endif
