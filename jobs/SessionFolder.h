#ifndef CLEAVEMARK_JOBS_SESSIONFOLDER_H
#define CLEAVEMARK_JOBS_SESSIONFOLDER_H

#include <QString>

#include <memory>

class QLockFile;

// The private folder of one job in the cache folder, named after the job's
// session id: the request, the worker's temporary files and its response
// live there. While a worker runs in it, the folder holds a lock file, so
// that clearing the cache (clearCache) leaves it alone, whichever job or
// program instance clears.
class SessionFolder
{
public:
    SessionFolder();
    ~SessionFolder();
    SessionFolder(const SessionFolder &) = delete;
    SessionFolder &operator=(const SessionFolder &) = delete;

    // A fresh session id and its folder; false when the folder cannot be made.
    bool create();

    bool isEmpty() const { return m_id.isEmpty(); }
    QString id() const { return m_id; }
    QString path() const { return m_path; }   // native separators
    // The session's file with this extension: "<folder>/<id><extension>".
    QString filePath(const QString &extension) const;

    // Marks the folder busy while a worker runs in it.
    bool lock();
    void unlock();
    bool isLocked() const;

    // Removes the folder and forgets the session (the id stays known, so
    // a removed session is still not the first). A locked folder stays.
    void remove();

    // Empties the cache folder of everything that no running job holds.
    static void clearCache();

    // True when some job holds the lock of the folder at path.
    static bool isBusy(const QString &path);

private:
    QString m_id;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

#endif
