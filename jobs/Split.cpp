#include "jobs/Split.h"

#include "common/Logger.h"
#include "jobs/AdvancedSettings.h"
#include "jobs/SplitLauncher.h"
#include "jobs/PageRanges.h"
#include "pdf/InformationReader.h"
#include "pdf/OutlinePieces.h"
#include "protocol/PartNames.h"
#include "protocol/SplitPlan.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

#include <utility>

Split::Split(QObject *parent)
    : WorkerJob(parent)
    , m_settings(QSharedPointer<AdvancedSettings>::create(SplitPlan::defaultTemplate()))
    , m_ridPages(new PageRanges(this))
    , m_ranges(new PageRanges(this))
    , m_launcher(new SplitLauncher(this))
    , m_reader(new InformationReader(this))
{
    setLauncher(m_launcher);
    connect(m_reader, &InformationReader::finished, this, &Split::informationRead);
    connect(m_launcher, &SplitLauncher::started, this, &Split::started);
    connect(m_launcher, &SplitLauncher::progressChanged, this, &Split::progressChanged);
    connect(m_launcher, &SplitLauncher::finished, this, &Split::onSplitFinished);
}

Split::~Split() = default;

void Split::setPdfService(QSharedPointer<PdfService> service)
{
    m_service = service;
}

RenderClient *Split::renderClient() const
{
    return m_service ? m_service->renderClient() : nullptr;
}

void Split::updateAuthor()
{
    m_settings->setAuthor(AdvancedSettings::defaultAuthor());
}

void Split::clearDocument()
{
    m_fileSet = false;
    m_fileName.clear();
    m_password.clear();
    m_title.clear();
    m_pageCount = -1;
    m_firstPageSize = QSize();
    m_loaded = false;
    m_copyAllowed = false;
    m_hasSecurity = false;
    m_outline.clear();
    const bool hadParts = !m_markedSplit.isEmpty();
    m_markedSplit = MarkedSplit();
    if (hadParts)
        emit markedSplitChanged();
    m_ridPages->clear();
    m_ranges->clear();
    m_settings->reset();
}

void Split::resetState()
{
    m_reader->cancel();
    m_pendingSplit = MarkedSplit();
    clearDocument();
    emit clean();
}

void Split::setFile(const QString &path, const QString &password)
{
    m_reader->cancel();
    m_pendingSplit = MarkedSplit();
    clearDocument();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        Logger::instance().log(QStringLiteral("Split. Can not verfify file:%1").arg(path), LogError);
        emit documentUnusable(path, Missing, 0, QString());
        return;
    }
    m_fileName = path;
    emit loadStarted();
    m_reader->start({path, password, true, false});
}

bool Split::isLoading() const
{
    return m_reader->isReading();
}

void Split::informationRead(const InformationResult &result)
{
    const bool opened = takeInformation(result);
    const int last = m_pageCount > 0 ? m_pageCount : 0;
    const int first = last > 0 ? 1 : 0;
    m_ridPages->setInterval(first, last);
    m_ranges->setInterval(first, last);
    if (m_loaded && !m_pendingSplit.isEmpty()) {
        m_markedSplit = std::exchange(m_pendingSplit, MarkedSplit());
        emit markedSplitChanged();
    }
    emit loadFinished();

    if (!opened)
        emit documentUnusable(m_fileName, Unreadable, result.engineError, result.engineErrorDetail);
    else if (m_loaded && m_pageCount == 0)
        emit documentUnusable(m_fileName, NoPages, 0, QString());
    else if (m_loaded && m_pageCount == 1)
        emit documentUnusable(m_fileName, OnePage, 0, QString());
}

bool Split::takeInformation(const InformationResult &result)
{
    if (result.error != AddNoError && result.error != AddPasswordRequired) {
        Logger::instance().log(QStringLiteral("Can not load file:%1").arg(m_fileName), LogError);
        m_pageCount = 0;
        return false;
    }

    const DocumentInformation &info = result.info;
    m_password = info.password;
    m_pageCount = info.pageCount;
    m_title = info.title;
    m_loaded = !info.locked;
    m_copyAllowed = info.securityItem5;
    m_hasSecurity = info.hasSecurity || !m_password.isEmpty();
    m_firstPageSize = m_loaded ? info.firstPageSize : QSize();
    m_outline = info.outline;
    m_fileSet = true;
    return true;
}

void Split::setMode(int mode)
{
    m_mode = mode;
}

void Split::setStartPage(int page)
{
    m_startPage = page;
}

void Split::setGroupSize(int size)
{
    m_groupSize = size;
}

void Split::setOutDirectory(const QString &path)
{
    m_outDirectory = path;
}

void Split::addRidPage(int page)
{
    m_ridPages->addRange(page, page);
}

void Split::setBookmarkLevel(int level)
{
    m_bookmarkLevel = level;
}

void Split::setMaxFileSize(qint64 bytes)
{
    m_maxFileSize = bytes;
}

void Split::setMarkedSplit(const QString &path, const QString &password, const MarkedSplit &split)
{
    if (path == m_fileName && m_loaded && !isLoading()) {
        m_markedSplit = split;
        emit markedSplitChanged();
        return;
    }
    setFile(path, password);
    if (m_fileName == path)
        m_pendingSplit = split;
}

void Split::setPartName(int part, const QString &name)
{
    if (part >= 0 && part < m_markedSplit.parts.size())
        m_markedSplit.parts[part].name = name.trimmed();
}

QList<int> Split::bookmarkPieceCounts() const
{
    QList<int> counts = OutlinePieces::countsByLevel(m_outline, qMax(0, m_pageCount));
    while (!counts.isEmpty() && counts.last() == 0)
        counts.removeLast();
    return counts;
}

QStringList Split::oversizedFiles() const
{
    return m_launcher->response().oversizedFiles;
}

QString Split::displayName() const
{
    return m_title.isEmpty() ? QFileInfo(m_fileName).completeBaseName() : m_title;
}

QString Split::fileSizeText() const
{
    const double mebibytes = QFileInfo(m_fileName).size() / 1048576.0;
    // Two significant digits, but never in exponent form: 0.52, 1.5, 12, 120.
    const QLocale locale;   // the program's language: "0,52" in German
    QString number = locale.toString(mebibytes, 'g', 2);
    if (number.contains(QLatin1Char('e'), Qt::CaseInsensitive))
        number = locale.toString(QString::number(mebibytes, 'g', 2).toDouble(), 'f', 0);
    return tr("%1 MB").arg(number);
}

QString Split::lastModifiedText() const
{
    // The same English form in every language.
    return QLocale::c().toString(QFileInfo(m_fileName).lastModified(),
                                 QStringLiteral("ddd MMM d hh:mm:ss yyyy"));
}

PageRangeList Split::groupRanges(int pageCount, int startPage, int size)
{
    return SplitPlan::groupRanges(pageCount, startPage, size);
}

PageRangeList Split::rangesOfMode() const
{
    switch (m_mode) {
    case SinglePages:
        return SplitPlan::singlePages(m_pageCount);
    case GroupsOfPages:
        return groupRanges(m_pageCount, m_startPage, m_groupSize);
    case RemovePages:
        return m_ridPages->ranges();
    case ByRanges:
        return m_ranges->ranges();
    default:
        return {};
    }
}

SplitRequest Split::buildRequest() const
{
    SplitRequest request;
    m_settings->fillOutputOptions(request);
    request.mode = m_mode == RemovePages   ? SplitRequest::RemovePages
                   : m_mode == ByBookmarks ? SplitRequest::Bookmarks
                   : m_mode == ByFileSize  ? SplitRequest::FileSize
                   : m_mode == ByMarks     ? SplitRequest::Parts
                                           : SplitRequest::Ranges;
    request.fileName = m_fileName;
    request.filePassword = m_password;
    request.pageCount = m_pageCount;
    request.ranges = rangesOfMode();
    request.outDirectory = m_outDirectory;
    request.hasSecurity = m_hasSecurity;
    request.outPrefix = m_settings->fileNamePrefix();
    if (m_mode == ByBookmarks) {
        request.bookmarkLevel = m_bookmarkLevel;
        // Pieces at bookmarks are named after them unless the user chose a template.
        if (request.outPrefix == m_settings->defaultTemplate())
            request.outPrefix = SplitPlan::bookmarkTemplate();
    }
    if (m_mode == ByFileSize)
        request.maxFileSize = m_maxFileSize;
    const QString nameTemplate = request.outPrefix;
    request.outPrefix = PartNames::templateForOthers(nameTemplate);
    if (m_mode == ByMarks) {
        // A name the user typed wins; the template's name from the pages
        // comes next, and the usual name where a part lacks what it needs.
        for (const MarkedPart &part : m_markedSplit.parts) {
            const QString name = part.name.isEmpty()
                                     ? PartNames::nameOf(nameTemplate, part.firstLine, part.code)
                                     : part.name;
            request.parts.append({part.pages, name});
        }
        for (const MarkedRotation &rotation : m_markedSplit.rotations)
            request.rotations.append({rotation.page, rotation.angle});
    }
    return request;
}

bool Split::requestHasWork(const SplitRequest &request) const
{
    switch (request.mode) {
    case SplitRequest::Bookmarks:
        return request.bookmarkLevel >= 1 && request.bookmarkLevel <= bookmarkPieceCounts().size();
    case SplitRequest::FileSize:
        return request.maxFileSize > 0;
    case SplitRequest::Parts:
        return !request.parts.isEmpty();
    default:
        return !request.ranges.isEmpty();
    }
}

void Split::run()
{
    if (isRunning() || m_fileName.isEmpty() || m_pageCount <= 1 || !m_loaded)
        return;
    if (!m_copyAllowed) {
        emit contentCopyDisabled();
        return;
    }
    const SplitRequest request = buildRequest();
    if (!requestHasWork(request))
        return;
    m_launcher->setRequest(request);
    m_launcher->run();
}

int Split::failedCount() const
{
    return m_launcher->response().failedCount;
}

int Split::renamedCount() const
{
    return m_launcher->response().renamedCount;
}

int Split::failureCause() const
{
    return m_launcher->response().errorCause;
}

QString Split::failureDetail() const
{
    return m_launcher->response().errorDetail;
}

OutputSizes Split::outputSizes() const
{
    return m_launcher->response().sizes;
}

int Split::removedCount() const
{
    return m_launcher->removedCount();
}

void Split::editSettings()
{
    emit editAdvancedSettings(m_settings);
}

void Split::onSplitFinished(int exitCode, const QStringList &files)
{
    emit complete();
    if (isStopping())
        return;
    if (exitCode == 0)
        emit finished(files);
    else
        emit splitFailed(exitCode);
}
