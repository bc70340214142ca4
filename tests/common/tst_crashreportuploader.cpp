#include "tests/support/TestGroup.h"
#include "tests/support/TestEnv.h"
#include "common/CrashReportUploader.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct ReceivedPart
{
    QByteArray disposition;
    QByteArray body;
};

struct ReceivedRequest
{
    QByteArray method;
    QByteArray path;
    QByteArray contentType;
    QByteArray body;

    QList<ReceivedPart> parts() const
    {
        const int at = contentType.indexOf("boundary=");
        if (at < 0)
            return {};
        QByteArray boundary = contentType.mid(at + 9);
        if (boundary.startsWith('"'))
            boundary = boundary.mid(1, boundary.size() - 2);
        QList<ReceivedPart> result;
        const QByteArray delimiter = "--" + boundary;
        int position = body.indexOf(delimiter);
        while (position >= 0) {
            const int start = position + delimiter.size();
            if (body.mid(start, 2) == "--")
                break;
            const int next = body.indexOf(delimiter, start);
            if (next < 0)
                break;
            const QByteArray chunk = body.mid(start + 2, next - start - 4);   // without CRLFs around
            const int headerEnd = chunk.indexOf("\r\n\r\n");
            const QByteArray headers = chunk.left(headerEnd);
            ReceivedPart part;
            for (const QByteArray &header : headers.split('\n')) {
                if (header.toLower().startsWith("content-disposition:"))
                    part.disposition = header.mid(20).trimmed();
            }
            part.body = chunk.mid(headerEnd + 4);
            result.append(part);
            position = next;
        }
        return result;
    }
};

// A one-purpose HTTP server on 127.0.0.1: records each request and answers
// every one with the same status.
class RecordingServer : public QObject
{
public:
    explicit RecordingServer(int status) : m_status(status)
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, &RecordingServer::accept);
    }

    QString address() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    QList<ReceivedRequest> requests;
    int connections = 0;

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            ++connections;
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        ReceivedRequest request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
        request.method = requestLine.value(0);
        request.path = requestLine.value(1);
        int length = 0;
        for (const QByteArray &line : lines.mid(1)) {
            const int colon = line.indexOf(':');
            const QByteArray key = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (key == "content-length")
                length = value.toInt();
            else if (key == "content-type")
                request.contentType = value;
        }
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        m_buffers.remove(socket);
        requests.append(request);
        socket->write("HTTP/1.1 " + QByteArray::number(m_status) + " Answer\r\n"
                      "Content-Length: 2\r\nConnection: close\r\n\r\nok");
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    int m_status;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

void writeReportFile(const QString &path, const QByteArray &content)
{
    QVERIFY(writeFile(path, content));
}

// A report folder like the crash reporter writes; without manifest it is unfinished.
QString makeReport(const QString &crashes, const QString &name, bool finished = true)
{
    const QString folder = crashes + '/' + name;
    QDir().mkpath(folder);
    writeReportFile(folder + "/report.txt", "Application: Cleavemark\nreport of " + name.toUtf8() + '\n');
    writeReportFile(folder + "/log_2026_12_08.txt", "log of " + name.toUtf8() + '\n');
    if (finished)
        writeReportFile(folder + "/manifest.txt", "report.txt\tCrash report\nlog_2026_12_08.txt\tLog file\n");
    return folder;
}

QByteArray fileNameOf(const ReceivedPart &part)
{
    const int at = part.disposition.indexOf("filename=\"");
    return at < 0 ? QByteArray() : part.disposition.mid(at + 10).chopped(1);
}

} // namespace

class TestCrashReportUploader : public QObject
{
    Q_OBJECT

private slots:
    void acceptedReportsAreSentAndRemoved();
    void refusedReportsAreKept_data();
    void refusedReportsAreKept();
    void withoutAddressNothingIsSent_data();
    void withoutAddressNothingIsSent();
};

void TestCrashReportUploader::acceptedReportsAreSentAndRemoved()
{
    QTemporaryDir crashes;
    const QString first = makeReport(crashes.path(), "20261208-101500-4242");
    const QString second = makeReport(crashes.path(), "20261208-111500-4343");
    const QString unfinished = makeReport(crashes.path(), "20261208-121500-4444", false);
    const QString stranger = makeReport(crashes.path(), "not-a-report");

    RecordingServer server(200);
    CrashReportUploader uploader(server.address() + '/', crashes.path());
    QCOMPARE(uploader.pendingReports(), QStringList({first, second}));
    QSignalSpy finished(&uploader, &CrashReportUploader::finished);
    uploader.start();
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.first(), QVariantList({2, 0}));

    QCOMPARE(server.requests.size(), 2);
    const QStringList names = {"20261208-101500-4242", "20261208-111500-4343"};
    for (int i = 0; i < 2; ++i) {
        const ReceivedRequest &request = server.requests.at(i);
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.path, QByteArray("/act/crashfix/index.php/crashReport/uploadExternal"));
        QVERIFY2(request.contentType.startsWith("multipart/form-data; boundary="), request.contentType);

        const QList<ReceivedPart> parts = request.parts();
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts.at(0).disposition, QByteArray("form-data; name=\"report\""));
        QCOMPARE(parts.at(0).body, names.at(i).toUtf8());
        QMap<QByteArray, QByteArray> files;
        for (const ReceivedPart &part : parts.mid(1)) {
            QVERIFY2(part.disposition.startsWith("form-data; name=\"files[]\""), part.disposition);
            files.insert(fileNameOf(part), part.body);
        }
        QCOMPARE(files.keys(), QList<QByteArray>({"log_2026_12_08.txt", "manifest.txt", "report.txt"}));
        QCOMPARE(files.value("report.txt"), "Application: Cleavemark\nreport of " + names.at(i).toUtf8() + '\n');
        QCOMPARE(files.value("log_2026_12_08.txt"), "log of " + names.at(i).toUtf8() + '\n');
    }

    QVERIFY(!QFileInfo::exists(first));
    QVERIFY(!QFileInfo::exists(second));
    QVERIFY(QFileInfo::exists(unfinished + "/report.txt"));
    QVERIFY(QFileInfo::exists(stranger + "/report.txt"));
}

void TestCrashReportUploader::refusedReportsAreKept_data()
{
    QTest::addColumn<int>("status");
    QTest::newRow("server error") << 500;
    QTest::newRow("not found") << 404;
    QTest::newRow("redirect") << 302;
    QTest::newRow("nobody listening") << 0;
}

void TestCrashReportUploader::refusedReportsAreKept()
{
    QFETCH(int, status);
    QTemporaryDir crashes;
    const QString report = makeReport(crashes.path(), "20261208-101500-4242");

    RecordingServer server(status);
    QString address = server.address();
    if (status == 0) {
        // A port that was just free: the connection is refused.
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        address = QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
    }

    CrashReportUploader uploader(address, crashes.path());
    QSignalSpy finished(&uploader, &CrashReportUploader::finished);
    uploader.start();
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.first(), QVariantList({0, 1}));
    QCOMPARE(server.requests.size(), status == 0 ? 0 : 1);
    QVERIFY(QFileInfo::exists(report + "/report.txt"));
    QVERIFY(QFileInfo::exists(report + "/manifest.txt"));
}

void TestCrashReportUploader::withoutAddressNothingIsSent_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("empty") << QString();
    QTest::newRow("blank") << QString("  ");
    QTest::newRow("no scheme") << QString("127.0.0.1");
    QTest::newRow("other scheme") << QString("ftp://127.0.0.1");
}

void TestCrashReportUploader::withoutAddressNothingIsSent()
{
    QFETCH(QString, address);
    QTemporaryDir crashes;
    const QString report = makeReport(crashes.path(), "20261208-101500-4242");

    RecordingServer server(200);
    CrashReportUploader uploader(address, crashes.path());
    QVERIFY(uploader.uploadUrl().isEmpty());
    QSignalSpy finished(&uploader, &CrashReportUploader::finished);
    uploader.start();
    QVERIFY(finished.isEmpty());   // always from the event loop, after the caller connected
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first(), QVariantList({0, 1}));
    QTest::qWait(100);
    QCOMPARE(server.connections, 0);
    QVERIFY(QFileInfo::exists(report + "/report.txt"));
}

CM_TEST_GUILESS_MAIN(TestCrashReportUploader)
#include "tst_crashreportuploader.moc"
