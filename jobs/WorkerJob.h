#ifndef CLEAVEMARK_JOBS_WORKERJOB_H
#define CLEAVEMARK_JOBS_WORKERJOB_H

#include <QObject>

class WorkerLauncher;

// What the split and the merge job share: a run through the worker, which
// the user can cancel and the program can stop. A stop waits for the worker
// and keeps the job quiet about the ending: the pages are not told of a run
// the program ended itself, only complete() is.
class WorkerJob : public QObject
{
    Q_OBJECT

public:
    bool isRunning() const;

    // Stops a running job and waits for it.
    void stop();

public slots:
    void cancel();

protected:
    explicit WorkerJob(QObject *parent = nullptr);

    // The job's launcher, once the job has made it.
    void setLauncher(WorkerLauncher *launcher) { m_launcher = launcher; }
    // True while stop() waits: the ending is not to be reported.
    bool isStopping() const { return m_stopping; }

private:
    WorkerLauncher *m_launcher = nullptr;
    bool m_stopping = false;
};

#endif
