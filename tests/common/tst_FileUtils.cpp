#include "tests/support/TestGroup.h"
#include "tests/support/TestEnv.h"
#include "common/FileUtils.h"
#include "common/Logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : mode_t(-1);
}

QString cacheBase()
{
    return QDir::tempPath() + QStringLiteral("/.") + QCoreApplication::applicationName();
}

} // namespace

class FileUtilsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cacheFolderIsPrivate();
    void cacheFolderRefusesPlantedBase_data();
    void cacheFolderRefusesPlantedBase();
    void writePrivateFileIsOwnerOnly();
    void uniqueFileNamePrefixesCounter();
    void randomNameIsHex();
    void removeFolderRemovesAllButFollowsNoLinks();
    void pdfFilesFromMimeDataKeepsExistingPdfFiles();

private:
    QString scratch(const QString &name) const { return m_scratch.filePath(name); }
    QTemporaryDir m_scratch;
};

void FileUtilsTest::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("cleavemark-fileutilstest"));
    QVERIFY(m_scratch.isValid());
}

void FileUtilsTest::init()
{
    QFile::remove(cacheBase());   // a link or file left by the previous case
    QDir(cacheBase()).removeRecursively();
    QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation)).removeRecursively();
}

void FileUtilsTest::cacheFolderIsPrivate()
{
    ::umask(022);
    QCOMPARE(cacheFolder(), cacheBase() + QStringLiteral("/cache"));
    QVERIFY(QFileInfo(cacheBase() + QStringLiteral("/cache")).isDir());
    QCOMPARE(modeOf(cacheBase()), mode_t(0700));

    // A base of our own that others may read is closed again, not refused.
    QVERIFY(::chmod(QFile::encodeName(cacheBase()).constData(), 0755) == 0);
    QCOMPARE(cacheFolder(), cacheBase() + QStringLiteral("/cache"));
    QCOMPARE(modeOf(cacheBase()), mode_t(0700));
}

void FileUtilsTest::cacheFolderRefusesPlantedBase_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("symbolic link to a folder") << "link";
    QTest::newRow("plain file") << "file";
    QTest::newRow("folder of another user") << "foreign";
}

void FileUtilsTest::cacheFolderRefusesPlantedBase()
{
    QFETCH(QString, kind);
    const QString base = cacheBase();
    const QString target = scratch(QStringLiteral("planted-") + kind);
    QVERIFY(QDir().mkpath(target));
    if (kind == QLatin1String("link")) {
        QVERIFY(QFile::link(target, base));
    } else if (kind == QLatin1String("file")) {
        QVERIFY(writeFile(base, "x"));
    } else {
        if (::geteuid() != 0)
            QSKIP("giving a folder to another user needs root");
        QVERIFY(QDir().mkdir(base));
        QVERIFY(::chown(QFile::encodeName(base).constData(), 65534, 65534) == 0);
        QVERIFY(::chmod(QFile::encodeName(base).constData(), 0777) == 0);
    }

    const QString ownCache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QVERIFY(ownCache.startsWith(qEnvironmentVariable("XDG_CACHE_HOME") + "/"));
    QCOMPARE(cacheFolder(), ownCache + QStringLiteral("/cache"));
    QCOMPARE(modeOf(ownCache), mode_t(0700));
    QVERIFY(!QFileInfo::exists(target + QStringLiteral("/cache")));
    QVERIFY(!QFileInfo::exists(base + QStringLiteral("/cache")));
    QFile log(Logger::instance().logFilePath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(log.readAll()).contains(QStringLiteral("] ERROR: Cache folder:'%1'").arg(base)));
}

void FileUtilsTest::writePrivateFileIsOwnerOnly()
{
    const mode_t oldMask = ::umask(0);
    const QString fresh = scratch(QStringLiteral("fresh.req"));
    const QString existing = scratch(QStringLiteral("existing.resp"));
    QVERIFY(writeFile(existing, "old content that is longer"));
    QVERIFY(::chmod(QFile::encodeName(existing).constData(), 0666) == 0);
    const bool written = writePrivateFile(fresh, "request") && writePrivateFile(existing, "new");
    ::umask(oldMask);

    QVERIFY(written);
    QCOMPARE(modeOf(fresh), mode_t(0600));
    QCOMPARE(modeOf(existing), mode_t(0600));
    QFile file(existing);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("new"));
    QVERIFY(!writePrivateFile(scratch(QStringLiteral("no/such.req")), "x"));
}

void FileUtilsTest::uniqueFileNamePrefixesCounter()
{
    const QString folder = scratch(QStringLiteral("unique"));
    QVERIFY(QDir().mkpath(folder));
    QCOMPARE(uniqueFileName(folder, QStringLiteral("a.pdf")), folder + QStringLiteral("/a.pdf"));

    QVERIFY(writeFile(folder + QStringLiteral("/a.pdf"), "x"));
    QCOMPARE(uniqueFileName(folder, QStringLiteral("a.pdf")), folder + QStringLiteral("/(1)a.pdf"));

    // A folder of that name and a dangling link both occupy the name.
    QVERIFY(QDir().mkdir(folder + QStringLiteral("/(1)a.pdf")));
    QVERIFY(QFile::link(folder + QStringLiteral("/gone"), folder + QStringLiteral("/(2)a.pdf")));
    QCOMPARE(uniqueFileName(folder, QStringLiteral("a.pdf")), folder + QStringLiteral("/(3)a.pdf"));
}

void FileUtilsTest::randomNameIsHex()
{
    const QString first = randomName();
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(first).hasMatch(), qPrintable(first));
    QVERIFY(first != randomName());
}

void FileUtilsTest::removeFolderRemovesAllButFollowsNoLinks()
{
    QVERIFY(removeFolder(scratch(QStringLiteral("never-made"))));

    const QString outside = scratch(QStringLiteral("users-documents"));
    QVERIFY(QDir().mkpath(outside));
    QVERIFY(writeFile(outside + QStringLiteral("/keep.pdf"), "x"));
    const QString root = scratch(QStringLiteral("session"));
    QVERIFY(QDir().mkpath(root + QStringLiteral("/sub/.hidden-folder")));
    QVERIFY(writeFile(root + QStringLiteral("/sub/.hidden-folder/.hidden"), "x"));
    QVERIFY(QFile::link(outside, root + QStringLiteral("/sub/link")));

    QVERIFY(removeFolder(root));
    QVERIFY(!QFileInfo::exists(root));
    QVERIFY(QFileInfo(outside + QStringLiteral("/keep.pdf")).isFile());

    // A link standing where the folder should be.
    const QString linkedRoot = scratch(QStringLiteral("linked-session"));
    QVERIFY(QFile::link(outside, linkedRoot));
    QVERIFY(removeFolder(linkedRoot));
    QVERIFY(!QFileInfo(linkedRoot).isSymLink());
    QVERIFY(QFileInfo(outside + QStringLiteral("/keep.pdf")).isFile());
}

void FileUtilsTest::pdfFilesFromMimeDataKeepsExistingPdfFiles()
{
    const QString folder = scratch(QStringLiteral("drop"));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/folder.pdf")));
    QVERIFY(writeFile(folder + QStringLiteral("/Upper.PDF"), "x"));
    QVERIFY(writeFile(folder + QStringLiteral("/notes.txt"), "x"));

    QMimeData mimeData;
    QVERIFY(pdfFilesFromMimeData(&mimeData).isEmpty());
    mimeData.setUrls({QUrl::fromLocalFile(folder + QStringLiteral("/folder.pdf")),
                      QUrl::fromLocalFile(folder + QStringLiteral("/notes.txt")),
                      QUrl::fromLocalFile(folder + QStringLiteral("/missing.pdf")),
                      QUrl(QStringLiteral("https://example.org/remote.pdf")),
                      QUrl::fromLocalFile(folder + QStringLiteral("/Upper.PDF"))});
    QCOMPARE(pdfFilesFromMimeData(&mimeData), QStringList(folder + QStringLiteral("/Upper.PDF")));
}

CM_TEST_GUILESS_MAIN(FileUtilsTest)

#include "tst_FileUtils.moc"
