#include "jobs/SplitLauncher.h"

#include "protocol/JobErrors.h"
#include "protocol/OutputJournal.h"

#include <QFile>

#include <QJsonObject>

SplitLauncher::SplitLauncher(QObject *parent)
    : WorkerLauncher(parent)
{
}

SplitLauncher::~SplitLauncher()
{
    if (!m_hasRun)
        SessionFolder::clearCache();
    shutDown();
}

void SplitLauncher::clearPreviousSession()
{
    if (m_hasRun)
        session().remove();
    else
        SessionFolder::clearCache();   // what earlier program runs left behind
    m_hasRun = true;
}

void SplitLauncher::run()
{
    if (isRunning())
        return;
    m_files.clear();
    m_response = SplitResponse();
    m_removedCount = 0;
    m_pendingOutput.clear();
    clearPreviousSession();
    openSession();

    m_request.sessionPath = sessionFolder();
    m_request.sessionId = sessionId();
    writeRequestData(m_request);

    startWorker(QStringLiteral("--split"));
}

void SplitLauncher::connectOutput(QProcess *process)
{
    connect(process, &QIODevice::readyRead, this, &SplitLauncher::onReadRead);
}

void SplitLauncher::writeRequestData(const SplitRequest &request)
{
    writeRequestObject(request.toJson());
}

bool SplitLauncher::takeLastProgress(QByteArray &pending, double &percentage)
{
    const int lineEnd = pending.lastIndexOf('\n');
    if (lineEnd < 0)
        return false;
    const QList<QByteArray> lines = pending.left(lineEnd).split('\n');
    pending.remove(0, lineEnd + 1);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QByteArray text = line->trimmed();
        if (!text.isEmpty()) {
            percentage = QString::fromUtf8(text).toDouble();   // not a number: 0
            return true;
        }
    }
    return false;
}

void SplitLauncher::onReadRead()
{
    m_pendingOutput += process()->readAllStandardOutput();
    double percentage = 0;
    if (takeLastProgress(m_pendingOutput, percentage))
        emit progressChanged(percentage);
}

void SplitLauncher::discardOutputs()
{
    m_removedCount = OutputJournal::undo(journalPath());
    QFile::remove(journalPath());
}

bool SplitLauncher::readResponse()
{
    QJsonObject object;
    if (!readResponseObject(object, QStringLiteral("Open split response file [OK]"),
                            QStringLiteral("Open split response file [FAILED]: %1")))
        return false;
    m_response = SplitResponse::fromJson(object);
    return true;
}

void SplitLauncher::workerFinished(int exitCode, bool normalExit)
{
    if (exitCode == JobError::Canceled)
        discardOutputs();
    QFile::remove(journalPath());
    if (exitCode == JobError::WorkerNotStarted) {
        emit finished(exitCode, {});
        return;
    }
    onReadRead();   // the last lines may come with the end of the process
    if (exitCode != 0) {
        // A worker that failed on its own still tells why; its files do not count.
        if (normalExit)
            readResponse();
        m_response.files.clear();
        emit finished(exitCode, {});
        return;
    }

    if (!readResponse()) {
        emit finished(JobError::NoResponse, {});
        return;
    }
    m_files = m_response.files;
    emit finished(m_response.errorCode, m_files);
}
