#include "pdf/InformationWorkerList.h"

#include "common/FileUtils.h"
#include "common/Logger.h"
#include "pdf/InformationReader.h"

#include <QFileInfo>
#include <QMutexLocker>

namespace {
// Spaces the files out, so that a long list leaves the window a core.
const unsigned long pauseBetweenFiles = 10;
}

namespace {

MergeModelItem rowFor(const QString &path)
{
    MergeModelItem row;
    row.path = path;
    row.fileName = QFileInfo(path).fileName();
    return row;
}

MergeItemList rowsFor(const QStringList &files)
{
    MergeItemList rows;
    for (const QString &path : files)
        rows << rowFor(path);
    return rows;
}

} // namespace

InformationWorkerList::InformationWorkerList(const QStringList &files, QObject *parent)
    : InformationWorkerList(rowsFor(files), parent)
{
}

InformationWorkerList::InformationWorkerList(const MergeItemList &rows, QObject *parent)
    : WorkerThread(parent), m_rows(rows)
{
    // The signals cross threads; without these their queued delivery would fail.
    qRegisterMetaType<WorkerStates>("WorkerStates");
    qRegisterMetaType<MergeItemList>("MergeItemList");
}

InformationWorkerList::~InformationWorkerList()
{
    if (isRunning()) {
        cancel();
        wait();
    }
}

WorkerStates InformationWorkerList::state() const
{
    QMutexLocker lock(&m_stateMutex);
    return m_state;
}

void InformationWorkerList::cancel()
{
    requestStop();
    QMutexLocker lock(&m_cancelMutex);
    m_canceled = true;
}

bool InformationWorkerList::isCanceled() const
{
    QMutexLocker lock(&m_cancelMutex);
    return m_canceled;
}

void InformationWorkerList::setState(WorkerStates state)
{
    {
        QMutexLocker lock(&m_stateMutex);
        if (m_state == state)
            return;
        m_state = state;
    }
    // Emitted after the lock is released: a receiver connected directly may
    // ask for the state. Only this thread sets it, so the order holds.
    emit stateChanged(state);
}

void InformationWorkerList::run()
{
    // A cancel that came before the thread began still counts, so the stop
    // flag starts from it instead of being cleared.
    setStopRequested(isCanceled());
    m_current = 0;
    m_items.clear();

    setState(WorkerRunning);
    emit started();
    Logger::instance().log(QStringLiteral("add files service [START]"), LogDebug);

    while (!isStopRequested()) {
        if (state() == WorkerStopped || m_current >= m_rows.size())
            setStopRequested(true);
        else
            readNextFile();
        QThread::msleep(pauseBetweenFiles);
    }

    setStopRequested(false);
    setState(WorkerStopped);

    if (isCanceled()) {
        Logger::instance().log(QStringLiteral("add files service [FAILED]"), LogDebug);
        m_items.clear();
        emit complete(false, MergeItemList());
    } else {
        Logger::instance().log(QStringLiteral("add files service [OK]"), LogDebug);
        emit complete(true, m_items);
    }
}

void InformationWorkerList::readNextFile()
{
    MergeModelItem item = m_rows.at(m_current);
    ++m_current;
    const QString path = item.path;
    // A row already in the merge list was a PDF file when it was added; if
    // it has gone since, it is read all the same, and comes back told,
    // rather than staying "Reading…" for good.
    if (!item.reading && !isPdfFile(path))
        return;

    const int total = m_rows.size();
    emit progressChanged(m_current, total);
    emit progressMessage(tr("%1 out of %2 files. %3").arg(m_current).arg(total).arg(item.fileName));

    item.reading = false;
    const InformationResult read = InformationReader::read({path, QString()});
    if (read.error == AddPasswordRequired) {
        item.hasPassword = true;
    } else if (read.error == AddNoError) {
        item.pageCount = read.info.pageCount;
        item.hasSecurity = read.info.hasSecurity;
    } else if (read.error == AddFileNotFound) {
        item.loadError = int(PdfEngine::FileNotFound);
    } else {
        item.loadError = read.engineError != 0 ? read.engineError : int(PdfEngine::FileDamaged);
        item.loadErrorDetail = read.engineErrorDetail;
    }
    m_items.append(item);
}
