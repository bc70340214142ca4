#include "pdf/WorkerThread.h"

#include <QMutexLocker>

WorkerThread::WorkerThread(QObject *parent)
    : QThread(parent)
{
}

bool WorkerThread::isStopRequested() const
{
    QMutexLocker lock(&m_stopMutex);
    return m_stopRequested;
}

void WorkerThread::setStopRequested(bool stop)
{
    QMutexLocker lock(&m_stopMutex);
    m_stopRequested = stop;
}

void WorkerThread::requestStop()
{
    setStopRequested(true);
}
