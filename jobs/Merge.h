#ifndef CLEAVEMARK_JOBS_MERGE_H
#define CLEAVEMARK_JOBS_MERGE_H

#include "jobs/MergeModel.h"
#include "jobs/WorkerJob.h"
#include "protocol/JobFiles.h"

#include <QList>
#include <QSharedPointer>
#include <QString>

class AdvancedSettings;
class MergeLauncher;

// The one merge job of the program: the merge list, the file to produce, the
// output properties, and the launcher that runs the worker.
class Merge : public WorkerJob
{
    Q_OBJECT

public:
    explicit Merge(QObject *parent = nullptr);
    ~Merge() override;

    MergeModel *model() const { return m_model; }
    MergeLauncher *launcher() const { return m_launcher; }
    QSharedPointer<AdvancedSettings> settings() const { return m_settings; }

    void setSaveFileName(const QString &path) { m_saveFileName = path; }
    QString saveFileName() const { return m_saveFileName; }

    // Not running, and at least two documents in the list.
    bool canMerge() const;

    // Of the last run: the documents the list held when it started, those
    // it left out (skipped at the password prompt, unreadable, without
    // pages), and why it failed (protocol/JobErrors.h JobCause).
    int documentCount() const { return m_documentCount; }
    QList<LeftOutDocument> leftOut() const { return m_leftOut; }
    int errorCause() const;
    QString errorDetail() const;   // the PDF library's reason, for JobCause::StructureDamaged
    // What the last run wrote, when the worker told.
    OutputSizes outputSizes() const;
    // Pages of the last run's output whose content their source could not decode.
    QList<DamagedPage> damagedPages() const;

signals:
    void started();
    // errorCode: 0, the merge engine's code, or protocol/JobErrors.h.
    void finished(int errorCode, const QString &mergedFileName, const QString &errorFileName);
    void complete();
    void editAdvancedSettings(QSharedPointer<AdvancedSettings> settings);

public slots:
    // Asks for missing passwords (the list's prompts), then starts the worker.
    void run();
    void editSettings();
    void onFinished(int exitCode, const QString &mergedFileName, const QString &errorFileName);
    // Takes the author of new outputs from the settings again.
    void updateAuthor();

private:

    MergeModel *m_model = nullptr;
    MergeLauncher *m_launcher = nullptr;
    QString m_saveFileName;
    QSharedPointer<AdvancedSettings> m_settings;
    int m_documentCount = 0;
    QList<LeftOutDocument> m_leftOut;
};

#endif
