#include "jobs/Merge.h"

#include "jobs/AdvancedSettings.h"
#include "jobs/MergeLauncher.h"
#include "jobs/MergeModel.h"
#include "protocol/JobErrors.h"
#include "protocol/JobFiles.h"

Merge::Merge(QObject *parent)
    : WorkerJob(parent)
    , m_model(new MergeModel(this))
    , m_launcher(new MergeLauncher(this))
    , m_settings(QSharedPointer<AdvancedSettings>::create())
{
    setLauncher(m_launcher);
    m_settings->setPrefixEnabled(false);
    m_settings->setBookmarksEnabled(true);
    connect(m_launcher, &MergeLauncher::started, this, &Merge::started);
    connect(m_launcher, &MergeLauncher::finished, this, &Merge::onFinished);
}

Merge::~Merge() = default;

void Merge::updateAuthor()
{
    m_settings->setAuthor(AdvancedSettings::defaultAuthor());
}

bool Merge::canMerge() const
{
    return !isRunning() && m_model->canMerge();
}

int Merge::errorCause() const
{
    return m_launcher->errorCause();
}

QString Merge::errorDetail() const
{
    return m_launcher->errorDetail();
}

OutputSizes Merge::outputSizes() const
{
    return m_launcher->outputSizes();
}

QList<DamagedPage> Merge::damagedPages() const
{
    return m_launcher->damagedPages();
}

void Merge::run()
{
    if (!canMerge())
        return;
    MergeRequest request;
    request.saveFileName = m_saveFileName;
    m_settings->fillOutputOptions(request);
    request.bookmarks = m_settings->bookmarks();
    m_leftOut.clear();
    request.tasks = m_model->requestItems(&m_leftOut);
    m_documentCount = request.tasks.size() + m_leftOut.size();
    if (request.tasks.isEmpty()) {
        // Every document was left out: there is nothing for the worker to do.
        onFinished(MergeErrors::NothingToMerge, QString(), QString());
        return;
    }
    if (m_settings->alternatePages())
        request.pageOrder = MergeRequest::PageOrder::Alternate;
    m_launcher->setRequest(request);
    m_launcher->run();
}

void Merge::editSettings()
{
    emit editAdvancedSettings(m_settings);
}

void Merge::onFinished(int exitCode, const QString &mergedFileName, const QString &errorFileName)
{
    emit complete();
    if (!isStopping())
        emit finished(exitCode, mergedFileName, errorFileName);
}
