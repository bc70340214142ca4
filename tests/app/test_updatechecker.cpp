#include "AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"

#include "app/MainView.h"
#include "dialogs/MessageUpdate.h"
#include "app/UpdateChecker.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QLabel>
#include <QNetworkReply>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// An update endpoint on 127.0.0.1 that records the request targets and
// answers each with the body (and status) set beforehand, or hangs up.
class UpdateServer : public QObject
{
public:
    UpdateServer()
    {
        m_listening = m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, &UpdateServer::accept);
    }

    bool isListening() const { return m_listening; }
    // Tells of every connection, the first sign of a request.
    const QTcpServer *listener() const { return &m_server; }
    QString endpoint() const
    {
        return QStringLiteral("http://127.0.0.1:%1/check").arg(m_server.serverPort());
    }

    QByteArray body;
    int status = 200;
    bool hangUp = false;
    QList<QByteArray> targets;   // "/check?ver=..." of every request

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
        }
    }

    void read(QTcpSocket *socket)
    {
        QByteArray &pending = m_pending[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n"))
            return;
        targets.append(pending.left(pending.indexOf("\r\n")).split(' ').value(1));
        m_pending.remove(socket);
        if (hangUp) {
            socket->abort();
            return;
        }
        socket->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\n"
                      "Content-Type: text/plain\r\nConnection: close\r\n"
                      "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    bool m_listening = false;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

// Stands in for the browser.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

QStringList debugLines;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    debugLines.append(text);
}

QString md5(const QString &text)
{
    return QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Md5).toHex();
}

MessageUpdate *shownUpdateMessage()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *message = qobject_cast<MessageUpdate *>(window); message && message->isVisible())
            return message;
    }
    return nullptr;
}

} // namespace

class TestUpdateChecker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void requestAddressAndAnswers_data();
    void requestAddressAndAnswers();
    void networkErrorsAreSilent();
    void mainWindowAnnouncesEachVersionOnce();
    void updateMessageAnswers();
    void noRequestWhenSwitchedOffOrWithoutEndpoint();

private:
    // Runs one check of version 3.4.7 against the server; the versions announced.
    QStringList check(UpdateChecker &checker);
    // Starts a main window and answers its update message (if one comes)
    // with the button of that text; the version text the message showed.
    QString startMainWindow(UpdateServer &server, const QString &answerButton);

    UrlRecorder m_browser;
};

void TestUpdateChecker::initTestCase()
{
    QDesktopServices::setUrlHandler("https", &m_browser, "open");
    QDesktopServices::setUrlHandler("http", &m_browser, "open");
    // The build's default: no endpoint, no request.
    QCOMPARE(UpdateChecker::defaultEndpoint(), QString());
}

void TestUpdateChecker::init()
{
    debugLines.clear();
    m_browser.opened.clear();
    const auto settings = Application::settings();
    settings->remove("last_shown_version");
    settings->remove("check_updates");
}

void TestUpdateChecker::cleanup()
{
    UpdateChecker::setDefaultEndpoint(QString());
}

QStringList TestUpdateChecker::check(UpdateChecker &checker)
{
    QSignalSpy announced(&checker, &UpdateChecker::newVersionAvalible);
    QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    checker.checkUpdates();
    // Done when the reply is gone: the checker releases it at once.
    const bool asked = !checker.findChildren<QNetworkReply *>().isEmpty();
    const bool done = QTest::qWaitFor(
        [&] { return checker.findChildren<QNetworkReply *>().isEmpty(); }, 5000);
    qInstallMessageHandler(previous);
    if (!asked || !done)
        return {asked ? "no end of the reply" : "no request"};
    QStringList versions;
    for (const QList<QVariant> &arguments : announced)
        versions.append(arguments.at(0).toString());
    return versions;
}

void TestUpdateChecker::requestAddressAndAnswers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("announced");   // empty: nothing announced
    QTest::addColumn<QString>("outcome");     // "", "ignored" (not a version), "error"

    QTest::newRow("older") << QByteArray("3.4.6") << "" << "";
    QTest::newRow("same") << QByteArray("3.4.7") << "" << "";
    QTest::newRow("older with more parts") << QByteArray("3.4.6.9") << "" << "";
    QTest::newRow("minor newer") << QByteArray("3.5") << "3.5" << "";
    QTest::newRow("extra part") << QByteArray("3.4.7.1") << "3.4.7.1" << "";
    QTest::newRow("extra zero part") << QByteArray("3.4.7.0") << "3.4.7.0" << "";
    QTest::newRow("numbers, not text") << QByteArray("3.4.10") << "3.4.10" << "";
    QTest::newRow("white space around") << QByteArray(" \r\n3.5\n") << "3.5" << "";
    QTest::newRow("empty") << QByteArray("") << "" << "";
    // What a hostile answer would put into the dialog's rich text.
    QTest::newRow("link") << QByteArray("<a href=\"https://x.test\">9.9</a>") << "" << "ignored";
    QTest::newRow("markup after version") << QByteArray("9.9<img src=x>") << "" << "ignored";
    QTest::newRow("words after version") << QByteArray("9.9 download now") << "" << "ignored";
    QTest::newRow("double dot") << QByteArray("9..9") << "" << "ignored";
    QTest::newRow("33 characters") << QByteArray("9.").repeated(16) + "9" << "" << "ignored";
    QTest::newRow("32 characters") << QByteArray("9.").repeated(15) + "99"
                                   << QString("9.").repeated(15) + "99" << "";
    QTest::newRow("oversized") << QByteArray(1 << 20, '9') << "" << "error";
}

void TestUpdateChecker::requestAddressAndAnswers()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, announced);
    QFETCH(QString, outcome);
    UpdateServer server;
    QVERIFY(server.isListening());
    server.body = answer;
    UpdateChecker checker("1", "3.4.7");
    checker.setEndpoint(server.endpoint());

    const QStringList versions = check(checker);
    QCOMPARE(versions, announced.isEmpty() ? QStringList() : QStringList{announced});
    QCOMPARE(checker.lastError().isEmpty(), outcome != "error");
    const QString log = debugLines.join('\n');
    QCOMPARE(log.contains("Update response is not a version number [IGNORED]"), outcome == "ignored");
    // A hostile answer is never quoted in full.
    for (const QString &line : debugLines)
        QVERIFY(line.size() < 400);

    // The exact request: the machine hash is 32 lowercase hex digits, not the
    // machine's identifier, and h signs product and machine with the salt.
    const QString mh = UpdateChecker::machineHash();
    QVERIFY(QRegularExpression("^[0-9a-f]{32}$").match(mh).hasMatch());
    QCOMPARE(UpdateChecker::machineHash(), mh);
    QVERIFY(!mh.contains(QString::fromLatin1(QSysInfo::machineUniqueId()), Qt::CaseInsensitive));
    QCOMPARE(server.targets.size(), 1);
    QCOMPARE(QString::fromLatin1(server.targets.first()),
             QString("/check?ver=3.4.7&pid=1&mh=%1&h=%2").arg(mh, md5("1" + mh + "marlowquint4e")));
    QVERIFY(log.contains("Request url:'" + server.endpoint() + "?ver=3.4.7&pid=1&mh=" + mh));
}

void TestUpdateChecker::networkErrorsAreSilent()
{
    UpdateServer server;
    QVERIFY(server.isListening());
    server.body = "9.9";

    server.status = 500;
    UpdateChecker refused("1", "3.4.7");
    refused.setEndpoint(server.endpoint());
    QCOMPARE(check(refused), QStringList());
    QVERIFY(!refused.lastError().isEmpty());
    QCOMPARE(server.targets.size(), 1);   // no retry

    server.status = 200;
    server.hangUp = true;
    UpdateChecker hungUp("1", "3.4.7");
    hungUp.setEndpoint(server.endpoint());
    QCOMPARE(check(hungUp), QStringList());
    QVERIFY(!hungUp.lastError().isEmpty());
    // Nobody listens on the port of a closed server.
    QString closedEndpoint;
    {
        UpdateServer closed;
        closedEndpoint = closed.endpoint();
    }
    UpdateChecker unreachable("1", "3.4.7");
    unreachable.setEndpoint(closedEndpoint);
    QCOMPARE(check(unreachable), QStringList());
    QVERIFY(!unreachable.lastError().isEmpty());
    QVERIFY(!shownUpdateMessage());
}

QString TestUpdateChecker::startMainWindow(UpdateServer &server, const QString &answerButton)
{
    const int requestsBefore = server.targets.size();
    QString shownText;
    bool newFeaturesKeptOpen = false;
    // The message runs modally inside the main window's slot; answer it from a timer.
    QTimer answer;
    answer.setInterval(20);
    connect(&answer, &QTimer::timeout, this, [&] {
        MessageUpdate *message = shownUpdateMessage();
        if (!message)
            return;
        answer.stop();
        for (QLabel *label : message->findChildren<QLabel *>()) {
            if (label->text().startsWith("New version"))
                shownText = label->text();
        }
        QTest::mouseClick(buttonWithText(message, "new features"), Qt::LeftButton);
        newFeaturesKeptOpen = message->isVisible();
        // A message that closed has no button left to answer with.
        if (newFeaturesKeptOpen)
            QTest::mouseClick(buttonWithText(message, answerButton), Qt::LeftButton);
    });
    answer.start();

    MainView view;
    if (!view.updateChecker())
        return "no checker";
    QSignalSpy announced(view.updateChecker(), &UpdateChecker::newVersionAvalible);
    if (!QTest::qWaitFor([&] { return !announced.isEmpty(); }, 5000))
        return "no answer";
    // The queued onNewVersion runs (and, with a message, returns when it closed).
    QCoreApplication::processEvents();
    QTest::qWait(100);
    if (server.targets.size() != requestsBefore + 1)
        return "not one request";
    if (!shownText.isEmpty() && !newFeaturesKeptOpen)
        return "new features closed the message";
    return shownText;
}

void TestUpdateChecker::mainWindowAnnouncesEachVersionOnce()
{
    UpdateServer server;
    QVERIFY(server.isListening());
    UpdateChecker::setDefaultEndpoint(server.endpoint());

    server.body = "3.5";
    QCOMPARE(startMainWindow(server, "DOWNLOAD"),
             QString("New version of the program is available: <b>3.5</b>."));
    QCOMPARE(Application::settings()->value("last_shown_version").toString(), QString("3.5"));
    QCOMPARE(m_browser.opened, (QList<QUrl>{QUrl(UpdateChecker::changeLogPageAddress()),
                                            QUrl(UpdateChecker::downloadPageAddress())}));
    QVERIFY(m_browser.opened.at(0).toString().contains("/cleavemark/"));
    QCOMPARE(m_browser.opened.at(0).scheme(), QString("https"));

    // The next start hears of 3.5 again and stays quiet.
    m_browser.opened.clear();
    QCOMPARE(startMainWindow(server, "DOWNLOAD"), QString());
    QVERIFY(m_browser.opened.isEmpty());

    // A cancelled announcement is not repeated either, and opens no download.
    server.body = "3.6";
    QCOMPARE(startMainWindow(server, "CANCEL"),
             QString("New version of the program is available: <b>3.6</b>."));
    QCOMPARE(m_browser.opened, QList<QUrl>{QUrl(UpdateChecker::changeLogPageAddress())});
    QCOMPARE(Application::settings()->value("last_shown_version").toString(), QString("3.6"));
    QCOMPARE(startMainWindow(server, "CANCEL"), QString());
}

void TestUpdateChecker::updateMessageAnswers()
{
    MessageUpdate download("3.5");
    download.show();
    QVERIFY(QTest::qWaitForWindowExposed(&download));
    QCOMPARE(download.focusWidget(), buttonWithText(&download, "DOWNLOAD"));
    QTest::keyClick(&download, Qt::Key_Return);
    QCOMPARE(download.result(), int(QDialog::Accepted));

    MessageUpdate closed("3.5");
    closed.show();
    QTest::mouseClick(closed.findChild<QPushButton *>("windowclose"), Qt::LeftButton);
    QVERIFY(!closed.isVisible());
    QCOMPARE(closed.result(), int(QDialog::Rejected));

    // Whatever reaches the dialog is shown as text, never as markup.
    MessageUpdate markup("<a href=\"https://x.test\">9</a>");
    QStringList texts;
    for (QLabel *label : markup.findChildren<QLabel *>())
        texts << label->text();
    QVERIFY(texts.contains("New version of the program is available: "
                           "<b>&lt;a href=&quot;https://x.test&quot;&gt;9&lt;/a&gt;</b>."));
}

void TestUpdateChecker::noRequestWhenSwitchedOffOrWithoutEndpoint()
{
    UpdateServer server;
    QVERIFY(server.isListening());
    server.body = "9.9";
    UpdateChecker::setDefaultEndpoint(server.endpoint());

    // A connection to the endpoint is the first sign of a request; the wait
    // for one ends as soon as it comes.
    QSignalSpy connections(server.listener(), &QTcpServer::newConnection);
    const auto connectsWithin = [&connections](int milliseconds) {
        return QTest::qWaitFor([&connections] { return !connections.isEmpty(); }, milliseconds);
    };

    Application::settings()->setValue("check_updates", false);
    {
        MainView view;
        QVERIFY(!view.updateChecker());
        QVERIFY(!connectsWithin(1000));
    }

    // Switched on but built without an endpoint: the checker never asks.
    Application::settings()->setValue("check_updates", true);
    UpdateChecker::setDefaultEndpoint(QString());
    MainView view;
    QVERIFY(view.updateChecker());
    QCOMPARE(view.updateChecker()->requestUrl(), QUrl());
    QSignalSpy announced(view.updateChecker(), &UpdateChecker::newVersionAvalible);
    view.updateChecker()->checkUpdates();
    QVERIFY(view.updateChecker()->findChildren<QNetworkReply *>().isEmpty());
    QVERIFY(!connectsWithin(1000));
    QCOMPARE(server.targets.size(), 0);
    QCOMPARE(announced.count(), 0);
    QVERIFY(!shownUpdateMessage());

    // The same wait sees a checker that does ask.
    UpdateChecker::setDefaultEndpoint(server.endpoint());
    UpdateChecker asking("1", "3.4.7");
    asking.checkUpdates();
    QVERIFY(connectsWithin(10000));
}

CM_APPLICATION_TEST_MAIN(TestUpdateChecker)
#include "test_updatechecker.moc"
