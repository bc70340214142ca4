#ifndef CLEAVEMARK_APP_MERGELAUNCHER_H
#define CLEAVEMARK_APP_MERGELAUNCHER_H

#include "app/WorkerLauncher.h"
#include "worker/JobFiles.h"

// Runs one merge request in the worker: "sheafrun --merge <request>". A merge
// prints no progress. Each run removes the folder of the previous run, and
// the launcher removes its last folder when it goes: the request in it holds
// the documents' passwords.
class MergeLauncher : public WorkerLauncher
{
    Q_OBJECT

public:
    explicit MergeLauncher(QObject *parent = nullptr);
    ~MergeLauncher() override;

    void setRequest(const MergeRequest &request) { m_request = request; }
    MergeRequest request() const { return m_request; }

    void writeRequestData(const MergeRequest &request);

signals:
    // exitCode is the job's error code (worker/JobErrors.h); mergedFileName is
    // set on success, errorFileName names the document that made it fail.
    void finished(int exitCode, const QString &mergedFileName, const QString &errorFileName);

public slots:
    void run();

private:
    void workerFinished(int exitCode) override;

    MergeRequest m_request;
};

#endif
