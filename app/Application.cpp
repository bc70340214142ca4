#include "app/Application.h"

#include "dialogs/FileManager.h"
#include "instance/InstallationRegistry.h"
#include "instance/InstanceMeeting.h"
#include "common/Logger.h"
#include "common/UserPreferences.h"
#include "common/UserSettings.h"
#include "jobs/Merge.h"
#include "jobs/Split.h"
#include "jobs/WorkerLauncher.h"
#include "pdf/DocumentInformation.h"
#include "pdf/InformationWorker.h"
#include "pdf/PdfService.h"
#include "pdf/WorkerThread.h"
#include "widgets/ButtonKeys.h"
#include "widgets/FocusMark.h"
#include "protocol/JobFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPair>
#include <QSettings>
#include <QTranslator>

namespace {

const char applicationIdentity[] = "Tessaly Cleavemark";

// Set by tests, whose programs live apart from the worker.
} // namespace

Application::Application(int &argc, char **argv)
    : SingleApplication(argc, argv, InstanceMeeting::desktopProgramId())
{
    setIdentity();
    m_translationsFolder = applicationDirPath() + QStringLiteral("/translations");
    loadStyleSheet();
    installEventFilter(new FocusMark(this));
    installEventFilter(new ButtonKeys(this));
    loadTranslation();
    m_merge = new Merge(this);
    m_split = new Split(this);
    connect(this, &Application::settingsChanged, m_merge, &Merge::updateAuthor);
    connect(this, &Application::settingsChanged, m_split, &Split::updateAuthor);
    Logger::instance().log(QStringLiteral("Settings path: %1").arg(settings()->fileName()));
    registerMetaTypes();
}

Application::~Application()
{
    // The jobs end their workers and clear their folders while the
    // application (its name, hence the cache folder) still exists.
    delete m_split;
    delete m_merge;
}

Application *Application::instance()
{
    return qobject_cast<Application *>(QCoreApplication::instance());
}

void Application::setIdentity()
{
    setApplicationName(QString::fromLatin1(applicationIdentity));
    setOrganizationName(QStringLiteral("Tessaly"));
    setOrganizationDomain(QStringLiteral("tessaly.com"));
    setApplicationVersion(QStringLiteral("3.4.7"));
    // Desktops (Wayland's above all) match the windows to the installed
    // desktop entry, and so to its name and icon, by this name.
    setDesktopFileName(QStringLiteral("com.tessaly.Cleavemark"));
}

void Application::registerMetaTypes()
{
    // These travel in queued signals: the background loader's, the page
    // range editor's; the pair registration brings its variant converter.
    qRegisterMetaType<PageRangeList>("PageRangeList");
    qRegisterMetaType<WorkerStates>("WorkerStates");
    qRegisterMetaType<AddErrors>("AddErrors");
    qRegisterMetaType<MergeItemList>("MergeItemList");
    qRegisterMetaType<QPair<int, int>>("QPair<int,int>");
}

QSharedPointer<QSettings> Application::settings()
{
    return openUserSettings();
}

void Application::loadStyleSheet()
{
    QFile file(QStringLiteral(":/style/style.css"));
    if (file.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromUtf8(file.readAll()));
}

QString Application::storedLanguage()
{
    const QString language = UserPreferences(settings()).language();
    return language.isEmpty() ? QLocale::system().name().left(2) : language;
}

QString Application::translationsFolder() const
{
    return m_translationsFolder;
}

void Application::setTranslationsFolder(const QString &folder)
{
    m_translationsFolder = folder;
}

void Application::loadTranslation()
{
    if (m_translator)
        removeTranslator(m_translator);
    else
        m_translator = new QTranslator(this);

    QString baseName = QStringLiteral("sheafdesk_") + storedLanguage();
    bool loaded = m_translator->load(baseName, m_translationsFolder);
    if (!loaded) {
        // A language without a translation (or the C locale) reads the
        // English one: the source texts are not meant to be shown as they are.
        baseName = QStringLiteral("sheafdesk_en");
        loaded = m_translator->load(baseName, m_translationsFolder);
    }
    // Numbers and dates are written as the language writes them ("0,016 MB").
    QLocale::setDefault(QLocale(baseName.mid(int(qstrlen("sheafdesk_")))));
    m_translationFile = m_translationsFolder + QLatin1Char('/') + baseName + QStringLiteral(".qm");
    Logger::instance().log(QStringLiteral("Load translation: %1").arg(m_translationFile));
    Logger::instance().log(QStringLiteral("Result: %1").arg(loaded ? "true" : "false"));
    // Installed even when empty: every view retranslates on the change event.
    installTranslator(m_translator);
}

void Application::applyLanguage()
{
    loadTranslation();
    emit settingsChanged();
}

void Application::createPdfService()
{
    if (m_pdfService)
        return;
    m_pdfService = QSharedPointer<PdfService>::create();
    m_split->setPdfService(m_pdfService);
}

void Application::setLastSplitFile(const QString &path)
{
    m_lastSplitFile = path;
    emit lastFolderChanged();
}

void Application::setLastMergeFile(const QString &path)
{
    m_lastMergeFile = path;
    emit lastFolderChanged();
}

void Application::openLastSplitFolder()
{
    openFolderAndSelect(m_lastSplitFile);
}

void Application::openLastMergeFolder()
{
    openFolderAndSelect(m_lastMergeFile);
}

void Application::openFolderAndSelect(const QString &path)
{
    FileManager::openFolderAndSelect(path, activeWindow());
}

QString Application::displayVersion() const
{
    return InstallationRegistry::displayVersion(applicationVersion());
}

QString Application::currentVersion() const
{
    return InstallationRegistry::currentVersion(applicationVersion());
}

QString Application::workerPath()
{
    return WorkerLauncher::workerPath();
}

void Application::setWorkerPath(const QString &path)
{
    WorkerLauncher::setWorkerPath(path);
}
