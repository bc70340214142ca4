#pragma once

#include <QMetaType>
#include <QMutex>
#include <QThread>

// The state a background loader reports while it reads.
enum WorkerStates { WorkerStopped = 0, WorkerRunning = 1 };

// A thread whose body polls a stop flag. The flag is read and written only
// under its own mutex, so any thread may ask the body to end.
class WorkerThread : public QThread
{
    Q_OBJECT

public:
    explicit WorkerThread(QObject *parent = nullptr);

    bool isStopRequested() const;
    void setStopRequested(bool stop);
    void requestStop();   // setStopRequested(true)

private:
    mutable QMutex m_stopMutex;
    bool m_stopRequested = false;
};

Q_DECLARE_METATYPE(WorkerStates)
