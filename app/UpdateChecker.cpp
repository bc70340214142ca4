#include "app/UpdateChecker.h"

#include "common/Logger.h"

#include <QCryptographicHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSysInfo>

#ifndef CLEAVEMARK_UPDATE_ENDPOINT
#define CLEAVEMARK_UPDATE_ENDPOINT ""
#endif
#ifndef CLEAVEMARK_CHANGELOG_PAGE
#define CLEAVEMARK_CHANGELOG_PAGE ""
#endif
#ifndef CLEAVEMARK_DOWNLOAD_PAGE
#define CLEAVEMARK_DOWNLOAD_PAGE ""
#endif

namespace {

// The update service checks h against this; it is part of its protocol.
const QString salt = QStringLiteral("marlowquint4e");
// Mixed into the machine hash so that it says nothing about the machine
// identifier to anyone who has seen that identifier elsewhere.
const QByteArray machineHashText = QByteArrayLiteral("Tessaly Cleavemark update check");
const QString productPageName = QStringLiteral("cleavemark");

const int maximumVersionLength = 32;
// A version answer is a few bytes; anything much longer is no answer of the
// update service and is not worth holding in memory.
const qint64 maximumAnswerBytes = 4096;
const int transferTimeoutMs = 30 * 1000;
// How much of an answer the debug line quotes.
const int quotedAnswerLength = 64;

QString &endpointInUse()
{
    static QString endpoint = QStringLiteral(CLEAVEMARK_UPDATE_ENDPOINT).trimmed();
    return endpoint;
}

QString md5Hex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

// A page pattern with "%1" where the product's page name goes.
QString withPageName(const QString &pattern)
{
    return pattern.contains(QLatin1String("%1")) ? pattern.arg(productPageName) : pattern;
}

// The leading run of "digits(.digits)*" of a version text.
QStringList numericSegments(const QString &version)
{
    static const QRegularExpression leading(QStringLiteral("^\\d+(\\.\\d+)*"));
    const QRegularExpressionMatch match = leading.match(version.trimmed());
    return match.hasMatch() ? match.captured(0).split(QLatin1Char('.')) : QStringList();
}

// Compares two digit strings as numbers of any length.
int compareNumbers(QString a, QString b)
{
    while (a.size() > 1 && a.startsWith(QLatin1Char('0')))
        a.remove(0, 1);
    while (b.size() > 1 && b.startsWith(QLatin1Char('0')))
        b.remove(0, 1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

} // namespace

UpdateChecker::UpdateChecker(const QString &productId, const QString &version, QObject *parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_productId(productId)
    , m_version(version)
    , m_endpoint(defaultEndpoint())
{
}

UpdateChecker::~UpdateChecker()
{
    releaseReply();
}

QString UpdateChecker::defaultEndpoint()
{
    return endpointInUse();
}

void UpdateChecker::setDefaultEndpoint(const QString &endpoint)
{
    endpointInUse() = endpoint.trimmed();
}

QString UpdateChecker::changeLogPageAddress()
{
    return withPageName(QStringLiteral(CLEAVEMARK_CHANGELOG_PAGE));
}

QString UpdateChecker::downloadPageAddress()
{
    return withPageName(QStringLiteral(CLEAVEMARK_DOWNLOAD_PAGE));
}

QString UpdateChecker::machineHash()
{
    QByteArray identifier = QSysInfo::machineUniqueId();
    // Without a machine id (a bare container) the host name is the most
    // stable thing left.
    if (identifier.isEmpty())
        identifier = QSysInfo::machineHostName().toUtf8();
    return md5Hex(identifier + machineHashText);
}

QUrl UpdateChecker::requestUrl() const
{
    if (m_endpoint.isEmpty())
        return QUrl();
    const QString mh = machineHash();
    const QString h = md5Hex((m_productId + mh + salt).toUtf8());
    return QUrl(QStringLiteral("%1?ver=%2&pid=%3&mh=%4&h=%5")
                    .arg(m_endpoint, m_version, m_productId, mh, h));
}

QString UpdateChecker::versionFromAnswer(const QString &answer)
{
    static const QRegularExpression versionNumber(QStringLiteral("^\\d+(\\.\\d+)*$"));
    const QString version = answer.trimmed();
    if (version.size() > maximumVersionLength || !versionNumber.match(version).hasMatch())
        return QString();
    return version;
}

int UpdateChecker::compareVersions(const QString &a, const QString &b)
{
    const QStringList left = numericSegments(a);
    const QStringList right = numericSegments(b);
    const int common = qMin(left.size(), right.size());
    for (int i = 0; i < common; ++i) {
        if (const int order = compareNumbers(left.at(i), right.at(i)))
            return order;
    }
    return left.size() == right.size() ? 0 : (left.size() < right.size() ? -1 : 1);
}

void UpdateChecker::checkUpdates()
{
    if (m_reply)
        return;   // one question at a time
    const QUrl url = requestUrl();
    if (url.isEmpty()) {
        Logger::instance().log(QStringLiteral("Update check. No endpoint [SKIPPED]"));
        return;
    }
    Logger::instance().log(QStringLiteral("Request url:'%1'").arg(url.toString()));

    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(transferTimeoutMs);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            &UpdateChecker::abortOversizedAnswer);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateChecker::complete);
}

void UpdateChecker::abortOversizedAnswer()
{
    if (m_reply && m_reply->bytesAvailable() > maximumAnswerBytes)
        m_reply->abort();   // finished() follows with an error
}

void UpdateChecker::complete()
{
    if (!m_reply)
        return;
    if (m_reply->error() != QNetworkReply::NoError) {
        m_lastError = m_reply->errorString();
        Logger::instance().log(QStringLiteral("Update check failed. Error:'%1'").arg(m_lastError));
        releaseReply();
        return;
    }
    if (m_reply->bytesAvailable() > maximumAnswerBytes) {
        m_lastError = QStringLiteral("The answer is too long");
        Logger::instance().log(QStringLiteral("Update check failed. Error:'%1'").arg(m_lastError));
        releaseReply();
        return;
    }
    const QString answer = QString::fromUtf8(m_reply->readAll());
    releaseReply();
    Logger::instance().log(QStringLiteral("Update response:'%1'")
                               .arg(answer.left(quotedAnswerLength).simplified()));
    if (answer.trimmed().isEmpty())
        return;
    const QString newVersion = versionFromAnswer(answer);
    if (newVersion.isEmpty()) {
        Logger::instance().log(QStringLiteral("Update response is not a version number [IGNORED]"));
        return;
    }
    if (compareVersions(newVersion, m_version) > 0) {
        Logger::instance().log(QStringLiteral("Has new version:'%1'").arg(newVersion));
        emit newVersionAvalible(newVersion);
    }
}

void UpdateChecker::releaseReply()
{
    if (!m_reply)
        return;
    m_reply->disconnect(this);
    m_reply->abort();
    m_reply->deleteLater();
    m_reply = nullptr;
}
