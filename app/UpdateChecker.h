#ifndef CLEAVEMARK_APP_UPDATECHECKER_H
#define CLEAVEMARK_APP_UPDATECHECKER_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

// Asks the maker's update endpoint whether a newer version than ours exists:
//
//     GET <endpoint>?ver=<version>&pid=<product>&mh=<machine hash>&h=<check>
//
// and announces the answer through newVersionAvalible() when it is a version
// number greater than ours. Network errors and answers that are not a plain
// version number are silent (only lastError() and debug lines record them):
// the answer ends up in a rich-text dialog, so nothing else may pass.
//
// The endpoint comes from the build (CMake option CLEAVEMARK_UPDATE_ENDPOINT);
// while it is empty no request is ever sent.
class UpdateChecker : public QObject
{
    Q_OBJECT

public:
    UpdateChecker(const QString &productId, const QString &version, QObject *parent = nullptr);
    ~UpdateChecker() override;

    // The endpoint new checkers use: the build's, unless replaced (a test
    // points it at a server of its own).
    static QString defaultEndpoint();
    static void setDefaultEndpoint(const QString &endpoint);

    // The pages the announcement offers, with the product's page name in.
    static QString changeLogPageAddress();
    static QString downloadPageAddress();

    QString endpoint() const { return m_endpoint; }
    void setEndpoint(const QString &endpoint) { m_endpoint = endpoint.trimmed(); }
    QString productId() const { return m_productId; }
    QString version() const { return m_version; }
    QString lastError() const { return m_lastError; }

    // The request for this checker; empty while there is no endpoint.
    QUrl requestUrl() const;

    // This machine in 32 lowercase hex digits, the same on every start;
    // derived from the machine's identifier, never that identifier itself.
    static QString machineHash();
    // The trimmed answer when it is a version number (digits separated by
    // single dots, at most 32 characters), else the empty text.
    static QString versionFromAnswer(const QString &answer);
    // < 0, 0, > 0 as a is older than, equal to, newer than b. Each is read
    // as its leading numeric segments; with equal common segments, the one
    // with more segments is newer (3.4.7.0 is newer than 3.4.7).
    static int compareVersions(const QString &a, const QString &b);

public slots:
    void checkUpdates();

signals:
    void newVersionAvalible(const QString &newVerion);

private slots:
    void complete();

private:
    void abortOversizedAnswer();
    void releaseReply();

    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QString m_lastError;
    QString m_productId;
    QString m_version;
    QString m_endpoint;
};

#endif
