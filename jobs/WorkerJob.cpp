#include "jobs/WorkerJob.h"

#include "jobs/WorkerLauncher.h"

#include <QScopedValueRollback>

WorkerJob::WorkerJob(QObject *parent)
    : QObject(parent)
{
}

bool WorkerJob::isRunning() const
{
    return m_launcher && m_launcher->isRunning();
}

void WorkerJob::cancel()
{
    if (m_launcher)
        m_launcher->cancel();
}

void WorkerJob::stop()
{
    if (!m_launcher)
        return;
    const QScopedValueRollback<bool> stopping(m_stopping, true);
    m_launcher->cancelAndWait();
}
