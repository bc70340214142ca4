#include "app/MergeLauncher.h"

#include "common/Logger.h"
#include "worker/JobErrors.h"

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

void MergeLauncher::workerFinished(int exitCode)
{
    if (exitCode != 0) {
        emit finished(exitCode, QString(), QString());
        return;
    }

    QJsonObject object;
    if (!readResponseData(responsePath(), object) || !object.contains(QStringLiteral("error_code"))) {
        Logger::instance().log(QStringLiteral("Loading merge response file [FAILED]: %1").arg(responsePath()),
                               LogError);
        emit finished(JobError::NoResponse, QString(), QString());
        return;
    }
    Logger::instance().log(QStringLiteral("Merge response file open [OK]"));
    const MergeResponse response = MergeResponse::fromJson(object);
    emit finished(response.errorCode, response.mergedFileName, response.errorFileName);
}
