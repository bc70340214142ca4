#include "dialogs/FileManager.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QtTest>

// Stands in for the desktop's file manager on a private session bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")

public:
    QStringList shownItems;
    QString startupId;

public slots:
    void ShowItems(const QStringList &uris, const QString &startup)
    {
        shownItems = uris;
        startupId = startup;
    }
};

// Serves the fake on its own connection and thread, so that the blocking
// call of the code under test can be answered.
class FakeFileManagerThread : public QThread
{
public:
    explicit FakeFileManagerThread(const QString &address) : m_address(address) {}
    FakeFileManager *fake = nullptr;
    bool registered = false;

protected:
    void run() override
    {
        QDBusConnection bus = QDBusConnection::connectToBus(m_address, "fake-file-manager");
        FakeFileManager manager;
        fake = &manager;
        registered = bus.registerObject("/org/freedesktop/FileManager1", &manager,
                                        QDBusConnection::ExportAllSlots)
                     && bus.registerService("org.freedesktop.FileManager1");
        exec();
        bus.unregisterService("org.freedesktop.FileManager1");
        fake = nullptr;
    }

private:
    QString m_address;
};

class TestFileManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void noFileManagerMeansNoAnswer();
    void fileIsShownThroughFileManager();

private:
    QProcess m_bus;
};

void TestFileManager::initTestCase()
{
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty())
        QSKIP("dbus-daemon is not installed");
    m_bus.start(daemon, {"--session", "--nofork", "--print-address=1"});
    QVERIFY(m_bus.waitForReadyRead(10000));
    const QByteArray address = m_bus.readLine().trimmed();
    QVERIFY(!address.isEmpty());
    // Must be set before the first use of the session bus.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    QVERIFY(QDBusConnection::sessionBus().isConnected());
}

void TestFileManager::cleanupTestCase()
{
    m_bus.kill();
    m_bus.waitForFinished();
}

void TestFileManager::noFileManagerMeansNoAnswer()
{
    QVERIFY(!FileManager::showFile("/tmp/whatever.pdf"));
}

void TestFileManager::fileIsShownThroughFileManager()
{
    FakeFileManagerThread thread(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"));
    thread.start();
    QTRY_VERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered(
        "org.freedesktop.FileManager1"));
    QVERIFY(thread.registered);

    QTemporaryDir dir;
    const QString file = dir.filePath("result #1 ü.pdf");
    QVERIFY(FileManager::showFile(file));
    QCOMPARE(thread.fake->shownItems, QStringList(QUrl::fromLocalFile(file).toString()));
    QVERIFY(thread.fake->shownItems.first().startsWith("file:///"));
    QVERIFY(thread.fake->shownItems.first().contains("%23"));
    thread.quit();
    thread.wait();
}

QTEST_GUILESS_MAIN(TestFileManager)
#include "test_filemanager.moc"
