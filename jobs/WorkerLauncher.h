#ifndef CLEAVEMARK_JOBS_WORKERLAUNCHER_H
#define CLEAVEMARK_JOBS_WORKERLAUNCHER_H

#include "jobs/SessionFolder.h"

#include <QJsonObject>
#include <QObject>
#include <QProcess>

// What the split and the merge launcher share: one job run by the worker
// program sheafrun in a session folder of its own. A run writes the request
// file, starts "sheafrun <command> <request>", and ends with exactly one
// workerFinished() call: with the worker's exit code, or with
// JobError::WorkerNotStarted when the program could not be run.
class WorkerLauncher : public QObject
{
    Q_OBJECT

public:
    ~WorkerLauncher() override;

    // The worker program: beside this program unless another was set.
    static QString workerPath();
    static void setWorkerPath(const QString &path);

    // True while the worker process exists and runs.
    bool isRunning() const;

    QString sessionId() const { return m_session.id(); }
    QString sessionFolder() const { return m_session.path(); }
    QString requestPath() const { return m_session.filePath(QStringLiteral(".req")); }
    QString responsePath() const { return m_session.filePath(QStringLiteral(".resp")); }
    // Where the worker notes the files it writes outside its folder.
    QString journalPath() const { return m_session.filePath(QStringLiteral(".written")); }

signals:
    void started();

public slots:
    // Kills a running worker; it then finishes with a non-zero code.
    void cancel();
    // Kills a running worker and waits until its run is reported, at most 5 s.
    void cancelAndWait();

protected:
    explicit WorkerLauncher(QObject *parent = nullptr);

    // A new session folder; the previous one is forgotten, not removed.
    bool openSession();
    SessionFolder &session() { return m_session; }

    // Writes the request file of the current session. A failure is only
    // logged: the worker then finds no request and answers with an error.
    void writeRequestObject(const QJsonObject &request);
    // Reads the worker's response of the current session; false when there
    // is none or it carries no error code. Each job logs the outcome in its
    // own words: okLine as it is, failedLine with the response path as %1.
    bool readResponseObject(QJsonObject &response, const QString &okLine,
                            const QString &failedLine) const;

    // Starts the worker on the current session's request and waits until it
    // has started, at most 30 seconds.
    void startWorker(const QString &command);
    QProcess *process() const { return m_process; }
    // Called with each new process before it starts, for the output readers.
    virtual void connectOutput(QProcess *) {}

    // Ends a worker still running when the launcher goes, then removes the
    // session folder, which then holds nothing anyone reads (its request
    // holds passwords).
    void shutDown();
    // Called by shutDown() after it ended a running worker: what the worker
    // wrote outside its folder can be taken back here.
    virtual void discardOutputs() {}

    // The run is over; exitCode is the worker's own, or one of JobError's:
    // WorkerNotStarted, Canceled (killed by cancel()) or WorkerCrashed.
    // normalExit is false for a worker that was killed or crashed.
    virtual void workerFinished(int exitCode, bool normalExit) = 0;

private slots:
    void onFinished(int exitCode, QProcess::ExitStatus exitStatus);
    void onStarted();
    void onError(QProcess::ProcessError error);
    void onReadyReadStandardError();

private:
    void endRun(int exitCode, bool normalExit);
    // Everything of the ended run but the response goes: the request (it
    // holds the documents' passwords) and what a stopped worker left.
    void tidySession();

    QProcess *m_process = nullptr;
    SessionFolder m_session;
    bool m_runOpen = false;   // a run has started and not been reported yet
    bool m_canceled = false;  // this run's worker was killed by cancel()
};

#endif
