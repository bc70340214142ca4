#ifndef CLEAVEMARK_JOBS_SPLITLAUNCHER_H
#define CLEAVEMARK_JOBS_SPLITLAUNCHER_H

#include "jobs/WorkerLauncher.h"
#include "protocol/JobFiles.h"

#include <QByteArray>
#include <QStringList>

// Runs one split request in the worker: "sheafrun --split <request>". The
// worker prints its progress as one percentage a line; the launcher passes
// on the newest one of each chunk it reads.
//
// A canceled run takes back the pieces its worker wrote (the worker notes
// each before writing it). Each run clears the folder of the previous run; the first run of a
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
    // What the last run's worker answered; also after it failed on its own,
    // when it still tells why and how many outputs it did not write.
    SplitResponse response() const { return m_response; }
    // The pieces of the last run that were removed because it was canceled.
    int removedCount() const { return m_removedCount; }

    void writeRequestData(const SplitRequest &request);

    // Takes the newest complete line of progress from pending, leaving an
    // unfinished line there for the next chunk. False when no line ended.
    static bool takeLastProgress(QByteArray &pending, double &percentage);

signals:
    void progressChanged(double percentage);
    // exitCode is the job's error code (protocol/JobErrors.h), files the paths produced.
    void finished(int exitCode, const QStringList &files);

public slots:
    void run();

private slots:
    void onReadRead();

private:
    void connectOutput(QProcess *process) override;
    void workerFinished(int exitCode, bool normalExit) override;
    void discardOutputs() override;
    bool readResponse();
    void clearPreviousSession();

    SplitRequest m_request;
    QStringList m_files;
    SplitResponse m_response;
    int m_removedCount = 0;
    QByteArray m_pendingOutput;
    bool m_hasRun = false;
};

#endif
