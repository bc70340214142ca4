#include "jobs/WorkerLauncher.h"

#include "common/FileUtils.h"
#include "common/Logger.h"
#include "protocol/JobErrors.h"
#include "protocol/JobFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const int startTimeout = 30000;
// How long a closing program waits for a killed worker to go.
const int shutDownTimeout = 5000;

QString &workerPathOverride()
{
    static QString path;
    return path;
}

} // namespace

QString WorkerLauncher::workerPath()
{
    if (!workerPathOverride().isEmpty())
        return workerPathOverride();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sheafrun");
}

void WorkerLauncher::setWorkerPath(const QString &path)
{
    workerPathOverride() = path;
}

WorkerLauncher::WorkerLauncher(QObject *parent)
    : QObject(parent)
{
}

WorkerLauncher::~WorkerLauncher() = default;

bool WorkerLauncher::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

bool WorkerLauncher::openSession()
{
    return m_session.create();
}

void WorkerLauncher::writeRequestObject(const QJsonObject &request)
{
    if (!writeRequestData(request, requestPath()))
        Logger::instance().log(QStringLiteral("Write request:'%1' [FAILED]").arg(requestPath()),
                               LogError);
}

bool WorkerLauncher::readResponseObject(QJsonObject &response, const QString &okLine,
                                        const QString &failedLine) const
{
    if (!readResponseData(responsePath(), response)
        || !response.contains(QStringLiteral("error_code"))) {
        Logger::instance().log(failedLine.arg(responsePath()), LogError);
        return false;
    }
    Logger::instance().log(okLine);
    return true;
}

void WorkerLauncher::startWorker(const QString &command)
{
    if (m_process) {
        // The last run's process may be the one whose signal led here.
        m_process->disconnect(this);
        m_process->deleteLater();
    }
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->setReadChannel(QProcess::StandardOutput);
    connect(m_process, &QProcess::errorOccurred, this, &WorkerLauncher::onError);
    connect(m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            &WorkerLauncher::onFinished);
    connect(m_process, &QProcess::readyReadStandardError, this,
            &WorkerLauncher::onReadyReadStandardError);
    connect(m_process, &QProcess::started, this, &WorkerLauncher::onStarted);
    connectOutput(m_process);

    // The folder is busy from here until the run is reported.
    m_session.lock();
    m_runOpen = true;
    m_canceled = false;
    const QString program = QDir::toNativeSeparators(workerPath());
    m_process->start(program, {command, requestPath()}, QIODevice::ReadWrite);
    m_process->waitForStarted(startTimeout);
}

void WorkerLauncher::cancel()
{
    if (isRunning()) {
        m_canceled = true;
        m_process->kill();
    }
}

void WorkerLauncher::cancelAndWait()
{
    if (!isRunning())
        return;
    cancel();
    m_process->waitForFinished(shutDownTimeout);
}

void WorkerLauncher::shutDown()
{
    if (m_process) {
        // Nobody is left to hear how the run ended.
        m_process->disconnect(this);
        if (m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished(shutDownTimeout);
            if (m_process->state() == QProcess::NotRunning)
                discardOutputs();
        }
        if (m_process->state() != QProcess::NotRunning)
            return;   // the worker still runs in its folder: leave both alone
    }
    m_session.unlock();
    m_session.remove();
}

void WorkerLauncher::endRun(int exitCode, bool normalExit)
{
    if (!m_runOpen)
        return;
    m_runOpen = false;
    m_session.unlock();
    tidySession();
    workerFinished(exitCode, normalExit);
}

void WorkerLauncher::tidySession()
{
    if (sessionFolder().isEmpty())
        return;
    const QStringList kept = {QFileInfo(responsePath()).fileName(), QFileInfo(journalPath()).fileName()};
    const QFileInfoList entries = QDir(sessionFolder()).entryInfoList(
        QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (kept.contains(entry.fileName()))
            continue;
        if (entry.isDir() && !entry.isSymLink())
            removeFolder(entry.absoluteFilePath());
        else
            QFile::remove(entry.absoluteFilePath());
    }
}

void WorkerLauncher::onFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (exitStatus == QProcess::NormalExit) {
        endRun(exitCode, true);
        return;
    }
    // A killed or crashed worker has no exit code of its own; the one the
    // system gives could be mistaken for an engine's code.
    endRun(m_canceled ? JobError::Canceled : JobError::WorkerCrashed, false);
}

void WorkerLauncher::onStarted()
{
    emit started();
}

void WorkerLauncher::onError(QProcess::ProcessError error)
{
    Logger::instance().log(QStringLiteral("work process error:'%1'").arg(int(error)));
    // A worker that never ran gives no finished() of its own.
    if (error == QProcess::FailedToStart) {
        Logger::instance().log(QStringLiteral("Start worker:'%1' [FAILED]: %2")
                                   .arg(m_process->program(), m_process->errorString()),
                               LogError);
        endRun(JobError::WorkerNotStarted, false);
    }
}

// The worker's standard error repeats its log lines, which are in the log
// file already; they are only drained.
void WorkerLauncher::onReadyReadStandardError()
{
    m_process->readAllStandardError();
}

