#include "jobs/MergeLauncher.h"

#include "protocol/JobErrors.h"

#include <QJsonObject>

MergeLauncher::MergeLauncher(QObject *parent)
    : WorkerLauncher(parent)
{
}

MergeLauncher::~MergeLauncher()
{
    shutDown();
}

void MergeLauncher::run()
{
    if (isRunning())
        return;
    session().remove();
    openSession();

    m_request.cachePath = sessionFolder();
    m_request.sessionId = sessionId();
    writeRequestData(m_request);

    startWorker(QStringLiteral("--merge"));
}

void MergeLauncher::writeRequestData(const MergeRequest &request)
{
    writeRequestObject(request.toJson());
}

bool MergeLauncher::readResponse(MergeResponse &response) const
{
    QJsonObject object;
    if (!readResponseObject(object, QStringLiteral("Merge response file open [OK]"),
                            QStringLiteral("Loading merge response file [FAILED]: %1")))
        return false;
    response = MergeResponse::fromJson(object);
    return true;
}

void MergeLauncher::workerFinished(int exitCode, bool normalExit)
{
    MergeResponse response;
    if (exitCode == 0) {
        if (!readResponse(response))
            response.errorCode = JobError::NoResponse;
    } else {
        // A worker that ended by itself says which document failed; a killed
        // or crashed one leaves no answer worth reading.
        if (normalExit && readResponse(response))
            response.mergedFileName.clear();
        response.errorCode = exitCode;
    }
    m_errorCause = response.errorCause;
    m_errorDetail = response.errorDetail;
    m_sizes = response.sizes;
    m_damagedPages = response.damagedPages;
    emit finished(response.errorCode, response.mergedFileName, response.errorFileName);
}
