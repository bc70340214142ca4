#include "common/CrashReportUploader.h"

#include "common/CrashReporter.h"
#include "common/Logger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHttpMultiPart>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>

#ifndef CLEAVEMARK_CRASH_SERVER
#define CLEAVEMARK_CRASH_SERVER ""
#endif

namespace {

constexpr int TransferTimeoutMs = 60 * 1000;

const QString ManifestFileName = QStringLiteral("manifest.txt");

bool isReportFolderName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{8}-\\d{6}-\\d+$"));
    return pattern.match(name).hasMatch();
}

QHttpPart textPart(const QString &name, const QByteArray &value)
{
    QHttpPart part;
    part.setHeader(QNetworkRequest::ContentDispositionHeader,
                   QStringLiteral("form-data; name=\"%1\"").arg(name));
    part.setBody(value);
    return part;
}

} // namespace

CrashReportUploader::CrashReportUploader(QObject *parent)
    : CrashReportUploader(configuredServerAddress(), CrashReporter::crashesFolder(), parent)
{
}

CrashReportUploader::CrashReportUploader(const QString &serverAddress, const QString &crashesFolder,
                                         QObject *parent)
    : QObject(parent)
    , m_serverAddress(serverAddress.trimmed())
    , m_crashesFolder(crashesFolder)
{
}

QString CrashReportUploader::configuredServerAddress()
{
    return QStringLiteral(CLEAVEMARK_CRASH_SERVER);
}

QString CrashReportUploader::uploadPath()
{
    return QStringLiteral("/act/crashfix/index.php/crashReport/uploadExternal");
}

QString CrashReportUploader::serverAddress() const
{
    return m_serverAddress;
}

QString CrashReportUploader::crashesFolder() const
{
    return m_crashesFolder;
}

QUrl CrashReportUploader::uploadUrl() const
{
    QString address = m_serverAddress;
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    if (address.isEmpty())
        return QUrl();
    const QUrl url(address + uploadPath(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QUrl();
    return url;
}

QStringList CrashReportUploader::pendingReports() const
{
    QStringList reports;
    const QDir folder(m_crashesFolder);
    // The names begin with the time of the crash, so name order is age order.
    const QStringList names = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &name : names) {
        const QString path = folder.filePath(name);
        if (isReportFolderName(name) && QFileInfo::exists(path + QLatin1Char('/') + ManifestFileName))
            reports.append(path);
    }
    return reports;
}

void CrashReportUploader::start()
{
    if (m_running)
        return;
    m_running = true;
    m_sent = 0;
    m_kept = 0;
    m_queue = pendingReports();

    const QUrl url = uploadUrl();
    if (url.isEmpty()) {
        if (!m_serverAddress.isEmpty())
            Logger::instance().log(QStringLiteral("Upload crash reports [FAILED] Unusable server address:'%1'")
                                       .arg(m_serverAddress),
                                   LogError);
        m_kept = m_queue.size();
        m_queue.clear();
        QTimer::singleShot(0, this, &CrashReportUploader::finish);
        return;
    }
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        connect(m_network, &QNetworkAccessManager::finished, this, &CrashReportUploader::onReplyFinished);
    }
    QTimer::singleShot(0, this, &CrashReportUploader::sendNext);
}

void CrashReportUploader::sendNext()
{
    if (m_queue.isEmpty()) {
        finish();
        return;
    }
    m_current = m_queue.takeFirst();
    Logger::instance().log(QStringLiteral("Upload crash report '%1' [START]").arg(m_current), LogDebug);

    QNetworkRequest request(uploadUrl());
    request.setTransferTimeout(TransferTimeoutMs);
    QHttpMultiPart *form = createForm(m_current);
    QNetworkReply *reply = m_network->post(request, form);
    form->setParent(reply);
}

void CrashReportUploader::onReplyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool accepted = reply->error() == QNetworkReply::NoError && status >= 200 && status < 300;

    if (accepted) {
        ++m_sent;
        if (!QDir(m_current).removeRecursively())
            Logger::instance().log(QStringLiteral("Remove sent crash report '%1' [FAILED]").arg(m_current),
                                   LogError);
        Logger::instance().log(QStringLiteral("Upload crash report '%1' [OK]").arg(m_current), LogDebug);
    } else {
        ++m_kept;
        Logger::instance().log(QStringLiteral("Upload crash report '%1' [FAILED] Error code:'%2' %3")
                                   .arg(m_current, QString::number(status), reply->errorString()),
                               LogError);
    }
    m_current.clear();
    sendNext();
}

void CrashReportUploader::finish()
{
    m_running = false;
    emit finished(m_sent, m_kept);
}

// One text part "report" with the folder's name, then one file part
// "files[]" per file of the folder.
QHttpMultiPart *CrashReportUploader::createForm(const QString &reportFolder) const
{
    auto *form = new QHttpMultiPart(QHttpMultiPart::FormDataType);
    form->append(textPart(QStringLiteral("report"), QFileInfo(reportFolder).fileName().toUtf8()));

    const QFileInfoList files = QDir(reportFolder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &info : files) {
        auto *file = new QFile(info.absoluteFilePath(), form);
        if (!file->open(QIODevice::ReadOnly)) {
            delete file;
            continue;
        }
        QString fileName = info.fileName();
        fileName.replace(QLatin1Char('"'), QLatin1Char('_'));
        QHttpPart part;
        part.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/octet-stream"));
        part.setHeader(QNetworkRequest::ContentDispositionHeader,
                       QStringLiteral("form-data; name=\"files[]\"; filename=\"%1\"").arg(fileName));
        part.setBodyDevice(file);
        form->append(part);
    }
    return form;
}
