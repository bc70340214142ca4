#include "jobs/Merge.h"

#include "jobs/AdvancedSettings.h"
#include "jobs/MergeLauncher.h"
#include "merge/MergeModel.h"
#include "worker/JobFiles.h"

Merge::Merge(QObject *parent)
    : QObject(parent)
    , m_model(new MergeModel(this))
    , m_launcher(new MergeLauncher(this))
    , m_settings(QSharedPointer<AdvancedSettings>::create())
{
    m_settings->setPrefixEnabled(false);
    m_settings->setBookmarksEnabled(true);
    connect(m_launcher, &MergeLauncher::started, this, &Merge::started);
    connect(m_launcher, &MergeLauncher::finished, this, &Merge::onFinished);
}

Merge::~Merge() = default;

void Merge::setPdfService(QSharedPointer<PdfService> service)
{
    m_service = service;
    m_model->setPdfService(service);
}

void Merge::updateAuthor()
{
    m_settings->setAuthor(AdvancedSettings::defaultAuthor());
}

bool Merge::isRunning() const
{
    return m_launcher->isRunning();
}

bool Merge::canMerge() const
{
    return !isRunning() && m_model->canMerge();
}

void Merge::run()
{
    if (!canMerge())
        return;
    MergeRequest request;
    request.saveFileName = m_saveFileName;
    m_settings->fillOutputOptions(request);
    request.bookmarks = m_settings->bookmarks();
    request.tasks = m_model->requestItems();
    m_launcher->setRequest(request);
    m_launcher->run();
}

void Merge::cancel()
{
    m_launcher->cancel();
}

void Merge::editSettings()
{
    emit editAdvancedSettings(m_settings);
}

void Merge::onFinished(int exitCode, const QString &mergedFileName, const QString &errorFileName)
{
    emit complete();
    emit finished(exitCode, mergedFileName, errorFileName);
}
