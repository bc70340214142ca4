#ifndef CLEAVEMARK_JOBS_SPLITLAUNCHER_H
#define CLEAVEMARK_JOBS_SPLITLAUNCHER_H

#include "jobs/WorkerLauncher.h"
#include "worker/JobFiles.h"

#include <QByteArray>
#include <QStringList>

// Runs one split request in the worker: "sheafrun --split <request>". The
// worker prints its progress as one percentage a line; the launcher passes
// on the newest one of each chunk it reads.
//
// Each run clears the folder of the previous run; the first run of a
// launcher clears the whole cache folder of what earlier program runs left,
// except the folders of jobs still running (SessionFolder).
class SplitLauncher : public WorkerLauncher
{
    Q_OBJECT

public:
    explicit SplitLauncher(QObject *parent = nullptr);
    ~SplitLauncher() override;

    void setRequest(const SplitRequest &request) { m_request = request; }
    SplitRequest request() const { return m_request; }
    QStringList files() const { return m_files; }

    void writeRequestData(const SplitRequest &request);

    // Takes the newest complete line of progress from pending, leaving an
    // unfinished line there for the next chunk. False when no line ended.
    static bool takeLastProgress(QByteArray &pending, double &percentage);

signals:
    void progressChanged(double percentage);
    // exitCode is the job's error code (worker/JobErrors.h), files the paths produced.
    void finished(int exitCode, const QStringList &files);

public slots:
    void run();

private slots:
    void onReadRead();

private:
    void connectOutput(QProcess *process) override;
    void workerFinished(int exitCode, bool normalExit) override;
    void clearPreviousSession();

    SplitRequest m_request;
    QStringList m_files;
    QByteArray m_pendingOutput;
    bool m_hasRun = false;
};

#endif
