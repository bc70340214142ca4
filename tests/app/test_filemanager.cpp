#include "tests/support/TestGroup.h"
#include "tests/preview/GuiTestHelpers.h"
#include "tests/support/TestEnv.h"
#include "dialogs/FileManager.h"
#include "dialogs/MessagePath.h"

#include <QCoreApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
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
    void folderNobodyOpensIsTold();

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

// With no file manager on the bus and an opener that finds nothing to open
// the folder with, the user is told where the files are, with the path to
// select or copy.
void TestFileManager::folderNobodyOpensIsTold()
{
    QTemporaryDir bin;
    const QByteArray path = qgetenv("PATH");
    QVERIFY(installFakeOpener(bin.path(), 3));

    QTemporaryDir results;
    const QString file = results.filePath("piece.pdf");
    QFile piece(file);
    QVERIFY(piece.open(QIODevice::WriteOnly));
    piece.close();

    QString shownPath;
    DialogAnswers answers({[&shownPath](QDialog *dialog) {
        auto *message = qobject_cast<MessagePath *>(dialog);
        QVERIFY(message);
        shownPath = message->pathField()->text();
        QVERIFY(message->pathField()->isReadOnly());
        DialogAnswers::click("COPY")(dialog);
        DialogAnswers::click("OK")(dialog);
    }});
    FileManager::openFolderAndSelect(file);
    QTRY_VERIFY_WITH_TIMEOUT(answers.allAnswered(), 10000);
    qputenv("PATH", path);
    QCOMPARE(answers.seen().first().text, QString("No file manager answered. The files are in this folder:"));
    QCOMPARE(shownPath, QDir::toNativeSeparators(results.path()));
    QCOMPARE(QGuiApplication::clipboard()->text(), shownPath);
    QFile asked(bin.filePath("asked"));
    QVERIFY(asked.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(asked.readAll()).trimmed(), QUrl::fromLocalFile(results.path()).toString());
}

CM_TEST_MAIN(TestFileManager)
#include "test_filemanager.moc"
