#ifndef CLEAVEMARK_COMMON_CRASHREPORTUPLOADER_H
#define CLEAVEMARK_COMMON_CRASHREPORTUPLOADER_H

#include <QObject>
#include <QStringList>
#include <QUrl>

class QHttpMultiPart;
class QNetworkAccessManager;
class QNetworkReply;

// Sends the crash reports that CrashReporter left in the crashes folder to
// the crash-report server, one HTTP POST (multipart/form-data) per report
// folder, and removes each folder the server accepted (status 2xx). Reports
// the server refused or could not be reached for stay for the next start.
//
// The server address comes from the build (CMake option
// CLEAVEMARK_CRASH_SERVER); when it is empty nothing is sent and the reports
// stay local. The GUI starts one uploader at start-up:
//
//     auto *uploader = new CrashReportUploader(this);
//     connect(uploader, &CrashReportUploader::finished, uploader, &QObject::deleteLater);
//     uploader->start();
class CrashReportUploader : public QObject
{
    Q_OBJECT

public:
    // The configured server and CrashReporter::crashesFolder().
    explicit CrashReportUploader(QObject *parent = nullptr);
    CrashReportUploader(const QString &serverAddress, const QString &crashesFolder,
                        QObject *parent = nullptr);

    static QString configuredServerAddress();
    static QString uploadPath();   // appended to the server address

    QString serverAddress() const;
    QString crashesFolder() const;
    QUrl uploadUrl() const;        // empty when there is no usable address

    // Finished report folders (those with a manifest), oldest first.
    QStringList pendingReports() const;

    // Sends every pending report, one after the other. Returns at once;
    // finished() follows, always from the event loop.
    void start();

signals:
    // sent: reports the server accepted and that were removed;
    // kept: pending reports left in the folder.
    void finished(int sent, int kept);

private:
    void sendNext();
    void onReplyFinished(QNetworkReply *reply);
    void finish();
    QHttpMultiPart *createForm(const QString &reportFolder) const;

    QString m_serverAddress;
    QString m_crashesFolder;
    QNetworkAccessManager *m_network = nullptr;
    QStringList m_queue;
    QString m_current;
    int m_sent = 0;
    int m_kept = 0;
    bool m_running = false;
};

#endif
