#pragma once

#include "pdf/DocumentInformation.h"
#include "pdf/WorkerThread.h"

#include <QMutex>
#include <QStringList>

// Reads the information of a list of files in a thread of its own and hands
// back one merge list row per PDF file. Paths that are not existing regular
// files ending in ".pdf" (any case) are skipped without a word. Between two
// files the thread pauses 10 ms. Each file is read through an
// InformationReader: one that is not read within its time limit is a row
// that could not be read (PdfEngine::TookTooLong).
//
// Signals reach other threads queued. complete() comes exactly once per
// start(), after the final stateChanged(WorkerStopped); a cancelled run
// completes with false and an empty list.
class InformationWorkerList : public WorkerThread
{
    Q_OBJECT

public:
    explicit InformationWorkerList(const QStringList &files, QObject *parent = nullptr);
    // Reads the documents of rows already in the merge list; the rows come
    // back with their ids, in the same order.
    explicit InformationWorkerList(const MergeItemList &rows, QObject *parent = nullptr);
    // Stops a running thread and waits for it, so the object may go at any time.
    ~InformationWorkerList() override;

    WorkerStates state() const;

public slots:
    // The file being read is finished first; then the run ends.
    void cancel();

signals:
    void started();
    void progressChanged(int value, int total);
    void progressMessage(QString message);
    void stateChanged(WorkerStates state);
    void complete(bool successed, MergeItemList items);

protected:
    void run() override;

private:
    void setState(WorkerStates state);
    void readNextFile();
    bool isCanceled() const;

    MergeItemList m_rows;   // one per file given, its path and name set
    MergeItemList m_items;
    int m_current = 0;
    bool m_canceled = false;
    WorkerStates m_state = WorkerStopped;
    mutable QMutex m_stateMutex;
    mutable QMutex m_cancelMutex;
};
