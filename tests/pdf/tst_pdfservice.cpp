#include "tests/support/TestGroup.h"
#include "common/Logger.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/PdfStructure.h"
#include "tests/support/TestEnv.h"

#include <QFile>

#include <csignal>
#include <sys/resource.h>
#include <QtTest>

namespace {

const QList<bool> AllPermissions = {true, true, true, true, true, true, true, true};

QList<bool> allPermissionsBut(int forbidden)
{
    QList<bool> permissions = AllPermissions;
    permissions[forbidden] = false;
    return permissions;
}

QStringList propertiesWithPassword(const QString &password)
{
    return {"An Author", "A Title", password, "A Creator", "A Producer"};
}

QString readLog()
{
    QFile file(Logger::instance().logFilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The bounding box of the dark pixels of a rendered page.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(row[x]) < 128)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

// Opening documents, reading their information, rendering and properties,
// through the service and the document handle.
class PdfServiceTest : public QObject
{
    Q_OBJECT

private:
    ScratchFolder m_scratch;
    QSharedPointer<PdfService> m_service;

    QString fixture(const QString &name, const FixtureOptions &options = {})
    {
        const QString path = m_scratch.filePath(name);
        if (!writePdfFixture(path, options))
            qFatal("cannot write fixture %s", qPrintable(path));
        return path;
    }

    // Opens a fixture, applies the properties and saves it; the saved path.
    QString savedWithProperties(const QString &name, const QStringList &properties,
                                const QList<bool> &permissions, bool *result = nullptr)
    {
        FixtureOptions options;
        options.pageCount = 2;
        PdfDocument document(m_service, fixture(name + ".in.pdf", options), QString());
        const bool applied = document.setProperties(properties, permissions);
        if (result)
            *result = applied;
        const QString out = m_scratch.filePath(name + ".pdf");
        if (!document.saveToFile(out))
            return {};
        return out;
    }

private slots:
    void init() { m_service.reset(new PdfService); }
    void cleanup() { m_service.reset(); }

    void openingGivesOneOfThreeOutcomes()
    {
        FixtureOptions locked;
        locked.pageCount = 3;
        locked.userPassword = "secret";
        const QString lockedPath = fixture("locked.pdf", locked);

        {
            PdfDocument document(m_service, lockedPath, QString());
            QVERIFY(document.isLoaded());
            QVERIFY(document.needsPassword());
            QCOMPARE(document.documentId(), 0);
        }
        QVERIFY(readLog().contains(QStringLiteral("Can not load file:%1. Error code:404").arg(lockedPath)));
        {
            PdfDocument document(m_service, lockedPath, "wrong");
            QVERIFY(document.isLoaded());
            QVERIFY(document.needsPassword());
        }
        {
            PdfDocument document(m_service, lockedPath, "secret");
            QVERIFY(document.isLoaded());
            QVERIFY(!document.needsPassword());
            QVERIFY(document.documentId() > 0);
            QCOMPARE(document.pageCount(), 3);
            QVERIFY(document.hasSecurity());
        }

        const QString garbage = m_scratch.filePath("garbage.pdf");
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        PdfDocument notPdf(m_service, garbage, QString());
        QVERIFY(!notPdf.isLoaded());
        QVERIFY(!notPdf.needsPassword());
        QCOMPARE(notPdf.documentId(), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::FileDamaged));

        // needsPassword is left as it was when the load fails for another reason.
        int id = -7;
        bool needsPassword = true;
        QVERIFY(!m_service->loadFile(m_scratch.filePath("missing.pdf"), QString(), id, needsPassword));
        QVERIFY(needsPassword);
        QCOMPARE(id, -7);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::FileNotFound));
        QCOMPARE(m_service->openDocumentCount(), 0);
    }

    void handlesCloseTheirDocumentOnceAndShareTheService()
    {
        const QString path = fixture("plain.pdf");
        QWeakPointer<PdfService> weak = m_service;
        auto first = new PdfDocument(m_service, path, QString());
        auto second = new PdfDocument(m_service, path, QString());
        QVERIFY(first->documentId() != second->documentId());
        QCOMPARE(m_service->openDocumentCount(), 2);
        const int firstId = first->documentId();
        delete first;
        QCOMPARE(m_service->openDocumentCount(), 1);
        QCOMPARE(m_service->pageCount(firstId), 0);
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::NoSuchDocument));
        QCOMPARE(second->pageCount(), 1);

        // Ids are never reused, so a stale id cannot reach another document.
        PdfDocument third(m_service, path, QString());
        QVERIFY(third.documentId() > second->documentId());

        m_service.reset();
        QVERIFY(!weak.isNull());   // still held by the open handles
        delete second;
    }

    void newDocumentHasOneBlankPage()
    {
        PdfDocument document(m_service);
        QVERIFY(!document.isLoaded());
        QVERIFY(document.documentId() > 0);
        QCOMPARE(document.pageCount(), 1);
        QVERIFY(!document.hasSecurity());
    }

    void pageSizeUsesBleedBoxAndRotation_data()
    {
        QTest::addColumn<int>("rotate");
        QTest::addColumn<QRectF>("cropBox");
        QTest::addColumn<QRectF>("bleedBox");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("media box") << 0 << QRectF() << QRectF() << QSize(612, 792);
        QTest::newRow("crop box") << 0 << QRectF(10, 20, 400.9, 500.5) << QRectF() << QSize(400, 500);
        QTest::newRow("bleed box") << 0 << QRectF(10, 20, 400, 500) << QRectF(5, 5, 450.7, 550.2)
                                   << QSize(450, 550);
        QTest::newRow("90") << 90 << QRectF() << QRectF() << QSize(792, 612);
        QTest::newRow("180") << 180 << QRectF() << QRectF() << QSize(612, 792);
        QTest::newRow("270") << 270 << QRectF() << QRectF() << QSize(792, 612);
        QTest::newRow("-90") << -90 << QRectF() << QRectF() << QSize(792, 612);
        QTest::newRow("450") << 450 << QRectF() << QRectF() << QSize(792, 612);
    }

    void pageSizeUsesBleedBoxAndRotation()
    {
        QFETCH(int, rotate);
        QFETCH(QRectF, cropBox);
        QFETCH(QRectF, bleedBox);
        QFETCH(QSize, expected);
        FixtureOptions options;
        options.rotate = rotate;
        options.cropBox = cropBox;
        options.bleedBox = bleedBox;
        PdfDocument document(m_service, fixture("boxes.pdf", options), QString());
        QVERIFY(document.isLoaded());
        QCOMPARE(document.pageSize(1), expected);
        QCOMPARE(document.pageSize(2), QSize(0, 0));
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::PageOutOfRange));
    }

    void renderedPageMatchesPageSize()
    {
        FixtureOptions options;
        options.pageCount = 2;
        options.pageRotations = {{2, 90}};
        PdfDocument document(m_service, fixture("render.pdf", options), QString());

        const QImage upright = document.renderCover();
        QCOMPARE(upright.size(), QSize(612, 792));
        QCOMPARE(upright.format(), QImage::Format_RGB32);
        QCOMPARE(upright.pixel(0, 0), qRgb(255, 255, 255));
        const QRect text = inkBounds(upright);
        QVERIFY(text.isValid());
        QVERIFY(text.width() > text.height());        // "Page 1" runs across the page
        QVERIFY(text.top() < upright.height() / 4);   // near the top: rows run top-down

        const QImage turned = m_service->renderPage(document.documentId(), 2);
        QCOMPARE(turned.size(), document.pageSize(2));
        QCOMPARE(turned.size(), QSize(792, 612));
        const QRect turnedText = inkBounds(turned);
        QVERIFY(turnedText.isValid());
        QVERIFY(turnedText.height() > turnedText.width());   // the text turned with the page

        QCOMPARE(document.renderPage(1).size(), QSize(612, 792));
        QVERIFY(m_service->renderPage(document.documentId(), 3).isNull());
    }

    void renderingFollowsChangesInMemory()
    {
        FixtureOptions options;
        options.pageCount = 2;
        options.pageRotations = {{2, 90}};
        PdfDocument document(m_service, fixture("changed.pdf", options), QString());
        QCOMPARE(document.renderCover().size(), QSize(612, 792));
        QCOMPARE(document.deletePages(1, 1), 1);
        QCOMPARE(document.renderCover().size(), QSize(792, 612));
    }

    void titleAndInformationAreWritten()
    {
        const QString out = savedWithProperties("info", {"Ann", "Année ✓", "", "", "Maker"}, AllPermissions);
        QVERIFY(!out.isEmpty());
        QCOMPARE(fixtureInfo(out, "/Author"), QString("Ann"));
        QCOMPARE(fixtureInfo(out, "/Title"), QString("Année ✓"));
        QCOMPARE(fixtureInfo(out, "/Creator"), QString(""));   // empty texts are set too
        QCOMPARE(fixtureInfo(out, "/Producer"), QString("Maker"));
        PdfDocument reopened(m_service, out, QString());
        QCOMPARE(reopened.title(), QString("Année ✓"));
    }

    void whiteSpacePasswordWithAllPermissionsDoesNotEncrypt()
    {
        const QString out = savedWithProperties("blank", propertiesWithPassword("  \t "), AllPermissions);
        QVERIFY(!inspectSecurity(out).encrypted);
        QCOMPARE(pageTexts(out), QStringList({"Page 1", "Page 2"}));
    }

    void forbiddenCopyWithoutPasswordEncryptsWithUnknownOwner()
    {
        const QString out = savedWithProperties("nocopy", propertiesWithPassword(""), allPermissionsBut(1));
        const FixtureSecurity security = inspectSecurity(out);
        QVERIFY(security.encrypted);
        QVERIFY(security.aes256);
        QVERIFY(security.opened);              // no password needed to open
        QVERIFY(!security.allowsCopy);
        QVERIFY(security.allowsPrintFull);
        // An empty owner password would let every reader ignore the restriction.
        QVERIFY(!security.ownerPasswordOk);

        PdfDocument reopened(m_service, out, QString());
        QVERIFY(reopened.isLoaded() && !reopened.needsPassword());
        QVERIFY(reopened.hasSecurity());
        QVERIFY(!reopened.securityItem5());
    }

    void onlyPrintFullForbiddenDoesNotEncrypt()
    {
        const QString out = savedWithProperties("printfull", propertiesWithPassword(""), allPermissionsBut(7));
        QVERIFY(!inspectSecurity(out).encrypted);
        PdfDocument reopened(m_service, out, QString());
        QVERIFY(!reopened.hasSecurity());
        QVERIFY(reopened.securityItem5());
    }

    void passwordEncryptsWithAes256()
    {
        const QString out = savedWithProperties("password", propertiesWithPassword(" pass word "), AllPermissions);
        QVERIFY(inspectSecurity(out).encrypted);
        QVERIFY(!inspectSecurity(out).opened);
        QVERIFY(!inspectSecurity(out, " pass word ").opened);   // the password was trimmed
        const FixtureSecurity security = inspectSecurity(out, "pass word");
        QVERIFY(security.opened);
        QVERIFY(security.aes256);
        QVERIFY(security.allowsCopy);
        QCOMPARE(pageTexts(out, "pass word"), QStringList({"Page 1", "Page 2"}));

        PdfDocument locked(m_service, out, QString());
        QVERIFY(locked.needsPassword());
        PdfDocument open(m_service, out, "pass word");
        QVERIFY(!open.needsPassword());
        QVERIFY(open.hasSecurity());
        QVERIFY(open.securityItem5());
    }

    void eachPermissionMapsOntoItsPdfFlag_data()
    {
        QTest::addColumn<int>("forbidden");
        for (int i = 0; i < 8; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << i;
    }

    void eachPermissionMapsOntoItsPdfFlag()
    {
        QFETCH(int, forbidden);
        const QString out = savedWithProperties(QStringLiteral("flag%1").arg(forbidden),
                                                propertiesWithPassword("pw"), allPermissionsBut(forbidden));
        const FixtureSecurity s = inspectSecurity(out, "pw");
        QVERIFY(s.opened && s.aes256);
        QVERIFY(s.userPasswordOk);
        QVERIFY(!s.ownerPasswordOk);   // restricted: the user's password is not the owner's
        const QList<bool> seen = {s.allowsPrint, s.allowsCopy, s.allowsModify, s.allowsAnnotate,
                                  s.allowsFillForms, s.allowsAccessibility, s.allowsAssemble,
                                  s.allowsPrintFull};
        QList<bool> expected = allPermissionsBut(forbidden);
        if (forbidden == 0)
            expected[7] = false;   // no printing at all means no full-quality printing either
        expected[5] = true;   // 256-bit AES files always allow extraction for accessibility
        QCOMPARE(seen, expected);
    }

    void compressionShrinksUncompressedFile()
    {
        FixtureOptions options;
        options.pageCount = 5;
        options.compressStreams = false;
        options.paddingBytes = 300000;
        const QString source = fixture("raw.pdf", options);
        PdfDocument plain(m_service, source, QString());
        QVERIFY(plain.saveToFile(m_scratch.filePath("plain.pdf")));
        PdfDocument packed(m_service, source, QString());
        QVERIFY(packed.compressContent());
        QVERIFY(packed.saveToFile(m_scratch.filePath("packed.pdf")));

        const qint64 sourceSize = QFileInfo(source).size();
        const qint64 plainSize = QFileInfo(m_scratch.filePath("plain.pdf")).size();
        const qint64 packedSize = QFileInfo(m_scratch.filePath("packed.pdf")).size();
        // Streams stored uncompressed are compressed in every save; asked
        // to compress, the save also drops resources the pages do not use.
        QVERIFY2(plainSize < sourceSize / 2, qPrintable(QString::number(plainSize)));
        QVERIFY2(packedSize <= plainSize, qPrintable(QString::number(packedSize)));
        QVERIFY2(packedSize < sourceSize / 10, qPrintable(QString::number(packedSize)));
        const QStringList expected = {"Page 1", "Page 2", "Page 3", "Page 4", "Page 5"};
        QCOMPARE(pageTexts(m_scratch.filePath("packed.pdf")), expected);
    }

    // The outline as other engine users read it (split by bookmarks), and
    // page labels that follow their pages when pages go.
    void outlineListsEveryItemAndLabelsFollowDeletedPages()
    {
        FixtureOptions options;
        options.pageCount = 6;
        options.outline = options.pageLabels = true;
        const QString source = m_scratch.filePath("handbook.pdf");
        QVERIFY(writePdfFixture(source, options));
        PdfDocument document(m_service, source, QString());
        QCOMPARE(document.outline(),
                 OutlineEntryList({{0, "Part A", 1}, {1, "A.1", 2}, {1, "A.2", 3}, {0, "Part B", 4},
                                   {1, "B.1", 5}, {1, "B.2", 6}, {0, "Website", 0}}));
        QCOMPARE(PdfDocument(m_service).outline(), OutlineEntryList());

        QCOMPARE(document.deletePages(2, 2), 1);
        const QString out = m_scratch.filePath("shorter.pdf");
        QVERIFY(document.saveToFile(out));
        QCOMPARE(pageLabelTexts(out), QStringList({"i", "2", "3", "4"}));
    }

    void failedSaveKeepsExistingFile()
    {
        ScratchFolder scratch;
        const QString target = scratch.filePath("keep.pdf");
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("precious");
        file.close();

        FixtureOptions options;
        options.pageCount = 40;
        options.compressStreams = false;
        // Bytes that no compression shrinks below the limit set further on.
        options.pageImageBytes = 4000;
        const QString source = scratch.filePath("source.pdf");
        QVERIFY(writePdfFixture(source, options));
        PdfDocument document(m_service, source, QString());
        QVERIFY(document.isLoaded());
        QVERIFY(!document.saveToFile(scratch.filePath("no/such/folder/out.pdf")));
        QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::WriteFailed));
        QVERIFY(!document.saveToFile(scratch.path()));   // a folder is no file

        // A disk that fills up part-way: files may not grow beyond 64 KiB for a moment.
        struct rlimit previous;
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        struct rlimit small = previous;
        small.rlim_cur = 64 * 1024;
        const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool saved = document.saveToFile(target);
        const int code = m_service->lastErrorCode();
        setrlimit(RLIMIT_FSIZE, &previous);
        signal(SIGXFSZ, previousHandler);
        QVERIFY(!saved);
        QCOMPARE(code, int(PdfEngine::WriteFailed));
        QFile kept(target);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("precious"));
        QCOMPARE(QDir(scratch.path()).entryList(QDir::Files), QStringList({"keep.pdf", "source.pdf"}));

        QVERIFY(document.saveToFile(target));
        QCOMPARE(pageTexts(target).size(), 40);
    }
};

CM_TEST_MAIN(PdfServiceTest)
#include "tst_pdfservice.moc"
