#ifndef CLEAVEMARK_JOBS_MERGELAUNCHER_H
#define CLEAVEMARK_JOBS_MERGELAUNCHER_H

#include "jobs/WorkerLauncher.h"
#include "protocol/JobFiles.h"

// Runs one merge request in the worker: "sheafrun --merge <request>". A merge
// prints no progress. A worker that failed on its own still answers, and the
// document it names is passed on with its error code. Each run removes the folder of the previous run, and
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
    // Why the last run failed (protocol/JobErrors.h JobCause), when the worker told.
    int errorCause() const { return m_errorCause; }
    QString errorDetail() const { return m_errorDetail; }
    // What the last run wrote, when the worker told.
    OutputSizes outputSizes() const { return m_sizes; }
    // Pages the last run carried over with content their source could not decode.
    QList<DamagedPage> damagedPages() const { return m_damagedPages; }

    void writeRequestData(const MergeRequest &request);

signals:
    // exitCode is the job's error code (protocol/JobErrors.h); mergedFileName is
    // set on success, errorFileName names the document that made it fail.
    void finished(int exitCode, const QString &mergedFileName, const QString &errorFileName);

public slots:
    void run();

private:
    void workerFinished(int exitCode, bool normalExit) override;
    bool readResponse(MergeResponse &response) const;

    MergeRequest m_request;
    int m_errorCause = 0;
    QString m_errorDetail;
    OutputSizes m_sizes;
    QList<DamagedPage> m_damagedPages;
};

#endif
