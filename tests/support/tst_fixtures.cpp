#include "tests/support/TestGroup.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"

#include <QtTest>

// The fixtures are the yardstick of every PDF test, so check that they say
// what they claim before anything else relies on them.
class FixturesTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesCarryTheirNumbers()
    {
        ScratchFolder scratch;
        const QString path = scratch.filePath("pages.pdf");
        FixtureOptions options;
        options.pageCount = 4;
        options.pageRotations = {{2, 90}, {3, -90}};
        QVERIFY(writePdfFixture(path, options));
        QCOMPARE(fixturePageCount(path), 4);
        QCOMPARE(pageTexts(path), QStringList({"Page 1", "Page 2", "Page 3", "Page 4"}));
        QCOMPARE(fixturePageRotation(path, 1), 0);
        QCOMPARE(fixturePageRotation(path, 2), 90);
        QCOMPARE(fixturePageRotation(path, 3), -90);
        QCOMPARE(inspectSecurity(path).encrypted, false);
    }

    void unreadableFilesGiveEmptyAnswers()
    {
        ScratchFolder scratch;
        const QString path = scratch.filePath("garbage.pdf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is not a PDF at all");
        file.close();
        QCOMPARE(fixturePageCount(path), -1);
        QVERIFY(pageTexts(path).isEmpty());
        QVERIFY(!inspectSecurity(path).opened);
        QVERIFY(fixtureInfo(scratch.filePath("missing.pdf"), "/Title").isNull());
    }

    void userPasswordEncryptsWithAes256()
    {
        ScratchFolder scratch;
        const QString path = scratch.filePath("locked.pdf");
        FixtureOptions options;
        options.pageCount = 2;
        options.userPassword = "secret";
        QVERIFY(writePdfFixture(path, options));

        const auto locked = inspectSecurity(path);
        QVERIFY(locked.encrypted);
        QVERIFY(!locked.opened);
        QVERIFY(pageTexts(path).isEmpty());

        const auto open = inspectSecurity(path, "secret");
        QVERIFY(open.opened);
        QVERIFY(open.aes256);
        QVERIFY(open.allowsCopy);
        QCOMPARE(pageTexts(path, "secret"), QStringList({"Page 1", "Page 2"}));
    }

    void ownerPasswordRestrictsPermissions()
    {
        ScratchFolder scratch;
        const QString path = scratch.filePath("restricted.pdf");
        FixtureOptions options;
        options.ownerPassword = "owner";
        options.restrictPermissions = true;
        QVERIFY(writePdfFixture(path, options));

        const auto security = inspectSecurity(path);
        QVERIFY(security.opened);
        QVERIFY(security.encrypted);
        QVERIFY(!security.ownerPasswordOk);
        QVERIFY(!security.allowsCopy);
        QVERIFY(!security.allowsPrint);
        QVERIFY(!security.allowsModify);
        QVERIFY(!security.allowsAnnotate);
        QVERIFY(inspectSecurity(path, "owner").ownerPasswordOk);
    }
};

CM_TEST_GUILESS_MAIN(FixturesTest)
#include "tst_fixtures.moc"
