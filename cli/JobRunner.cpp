#include "cli/JobRunner.h"

#include "cli/ProgressLine.h"
#include "common/FileUtils.h"
#include "protocol/JobFiles.h"
#include "protocol/OutputJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>

namespace {

volatile std::sig_atomic_t interruptRequested = 0;

void onInterrupt(int)
{
    interruptRequested = 1;
}

// How often the runner looks at the worker's output and at Ctrl+C.
const int pollInterval = 50;   // milliseconds
const int killTimeout = 10000;

QString workerPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sheafrun");
}

} // namespace

JobRunner::JobRunner(ProgressLine &progress)
    : m_progress(progress)
    , m_session(QDir::tempPath() + QStringLiteral("/cleavemark-XXXXXX"))
    , m_sessionId(randomName())
{
}

JobRunner::~JobRunner() = default;

void JobRunner::watchInterrupts()
{
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a password prompt waiting for a key ends at once.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

bool JobRunner::wasInterrupted()
{
    return interruptRequested != 0;
}

QString JobRunner::sessionFolder() const
{
    return QDir::toNativeSeparators(m_session.path());
}

QString JobRunner::requestPath() const
{
    return QDir(m_session.path()).filePath(m_sessionId + QStringLiteral(".req"));
}

QString JobRunner::responsePath() const
{
    return QDir(m_session.path()).filePath(m_sessionId + QStringLiteral(".resp"));
}

JobRunner::Outcome JobRunner::run(const QString &command, const QJsonObject &request, int &exitCode)
{
    exitCode = 0;
    if (wasInterrupted())
        return Outcome::Interrupted;
    if (!writeRequestData(request, requestPath()))
        return Outcome::NotStarted;

    QProcess worker;
    worker.setProcessChannelMode(QProcess::SeparateChannels);
    // Its standard error repeats its log lines, which are in the log already.
    worker.setStandardErrorFile(QProcess::nullDevice());
    worker.start(workerPath(), {command, requestPath()}, QIODevice::ReadOnly);
    if (!worker.waitForStarted())
        return Outcome::NotStarted;

    while (worker.state() != QProcess::NotRunning) {
        if (wasInterrupted())
            break;
        worker.waitForFinished(pollInterval);
        readProgress(worker.readAllStandardOutput());
        m_progress.tick();
    }
    if (wasInterrupted()) {
        // The terminal's Ctrl+C reaches the worker too, which may be gone already.
        worker.kill();
        worker.waitForFinished(killTimeout);
        const QString journal = OutputJournal::pathFor(sessionFolder(), m_sessionId);
        m_removedCount = OutputJournal::undo(journal);
        QFile::remove(journal);
        return Outcome::Interrupted;
    }
    readProgress(worker.readAllStandardOutput());
    if (worker.exitStatus() != QProcess::NormalExit)
        return Outcome::Crashed;
    exitCode = worker.exitCode();
    return Outcome::Finished;
}

void JobRunner::readProgress(const QByteArray &output)
{
    m_pendingOutput += output;
    const int lineEnd = m_pendingOutput.lastIndexOf('\n');
    if (lineEnd < 0)
        return;
    const QList<QByteArray> lines = m_pendingOutput.left(lineEnd).split('\n');
    m_pendingOutput.remove(0, lineEnd + 1);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        bool ok = false;
        const double percentage = line->trimmed().toDouble(&ok);
        if (ok) {
            m_progress.setPercentage(percentage);
            return;
        }
    }
}

bool JobRunner::readResponse(QJsonObject &response) const
{
    return readResponseData(responsePath(), response) && response.contains(QStringLiteral("error_code"));
}
