#include "tests/support/TestGroup.h"
#include "common/Logger.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"

#include <QFileInfo>
#include <QtTest>

#include <climits>
#include <cstdio>
#include <unistd.h>

// Broken inputs and absurd arguments must come back as failures with an
// error code: no crash, no exception, no output file, no document left open.
class PdfRobustnessTest : public QObject
{
    Q_OBJECT

private:
    ScratchFolder m_scratch;
    QSharedPointer<PdfService> m_service;
    QString m_good;

    QString writeBytes(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_scratch.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QByteArray goodBytes()
    {
        QFile file(m_good);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void initTestCase()
    {
        FixtureOptions options;
        options.pageCount = 3;
        m_good = m_scratch.filePath("good.pdf");
        QVERIFY(writePdfFixture(m_good, options));
    }

    void init() { m_service.reset(new PdfService); }
    void cleanup() { m_service.reset(); }

    void brokenFilesFailEveryFileOperation_data()
    {
        QTest::addColumn<QString>("input");
        QByteArray pdfHeaderOnly = goodBytes().left(60);
        QByteArray garbage;
        for (int i = 0; i < 20000; ++i)
            garbage.append(char((i * 7919) % 251));
        QTest::newRow("zero bytes") << writeBytes("empty.pdf", QByteArray());
        QTest::newRow("truncated") << writeBytes("truncated.pdf", pdfHeaderOnly);
        QTest::newRow("garbage") << writeBytes("garbage.pdf", garbage);
        QTest::newRow("header and garbage") << writeBytes("header.pdf", "%PDF-1.7\n" + garbage);
        QTest::newRow("missing") << m_scratch.filePath("missing.pdf");
        QTest::newRow("folder") << m_scratch.path();
        QTest::newRow("empty name") << QString();
    }

    void brokenFilesFailEveryFileOperation()
    {
        QFETCH(QString, input);
        const QString output = m_scratch.filePath("output.pdf");

        int id = 0;
        bool needsPassword = false;
        QVERIFY(!m_service->loadFile(input, QString(), id, needsPassword));
        QVERIFY(!needsPassword);
        QVERIFY(m_service->lastErrorCode() != 0);

        QCOMPARE(m_service->decryptFile(input, output, QString()), 0);
        QVERIFY(m_service->lastErrorCode() != 0);
        QCOMPARE(m_service->extractFilePages(input, QString(), output, "1"), 0);
        QVERIFY(m_service->lastErrorCode() != 0);
        QCOMPARE(m_service->extractPages(input, QString(), output, 1, 1), 0);
        QVERIFY(m_service->lastErrorCode() != 0);

        PdfDocument document(m_service, input, QString());
        QVERIFY(!document.isLoaded());
        QCOMPARE(document.pageCount(), 0);
        QVERIFY(document.renderCover().isNull());

        QVERIFY(!QFileInfo::exists(output));
        QCOMPARE(m_service->openDocumentCount(), 0);
    }

    void repairsAreLoggedNotPrinted()
    {
        // A wrong cross-reference offset: qpdf rebuilds the table and warns.
        QByteArray bytes = goodBytes();
        const int at = bytes.lastIndexOf("startxref");
        QVERIFY(at > 0);
        bytes = bytes.left(at) + "startxref\n12345\n%%EOF\n";
        const QString input = writeBytes("damaged.pdf", bytes);

        // Qt's own messages (log lines are echoed there) are silenced, so
        // anything left on stderr came straight from a PDF library.
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        const QString errFile = m_scratch.filePath("stderr.txt");
        fflush(stderr);
        const int savedErr = dup(fileno(stderr));
        FILE *capture = freopen(qPrintable(errFile), "w", stderr);
        int pages = -1;
        bool rendered = false;
        {
            PdfDocument document(m_service, input, QString());
            pages = document.pageCount();
            rendered = !document.renderCover().isNull();
        }
        fflush(stderr);
        dup2(savedErr, fileno(stderr));
        close(savedErr);
        qInstallMessageHandler(previous);
        QVERIFY(capture);

        QCOMPARE(pages, 3);
        QVERIFY(rendered);
        QCOMPARE(QFileInfo(errFile).size(), 0);
        QFile log(Logger::instance().logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("DEBUG: PDF library: WARNING"));
    }

    void absurdPageNumbersFail()
    {
        PdfDocument document(m_service, m_good, QString());
        QVERIFY(document.isLoaded());
        const QString output = m_scratch.filePath("absurd.pdf");
        for (int page : {0, -1, 4, INT_MAX, INT_MIN}) {
            QCOMPARE(document.pageSize(page), QSize(0, 0));
            QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::PageOutOfRange));
            QVERIFY(document.renderPage(page).isNull());
            QCOMPARE(document.deletePages(page, 1), 0);
            QCOMPARE(document.deletePages(1, page), 0);
            QCOMPARE(m_service->extractPages(m_good, QString(), output, page, 1), 0);
            QCOMPARE(m_service->extractPages(m_good, QString(), output, 2, page), 0);
            QVERIFY(m_service->lastErrorCode() != 0);
        }
        QCOMPARE(document.deletePages(INT_MAX, INT_MAX), 0);
        QCOMPARE(m_service->extractPages(m_good, QString(), output, INT_MAX, INT_MAX), 0);
        for (const char *ranges : {"2147483647", "1-2147483648", "4", "3-99999999999999999999999", "0-1"}) {
            QCOMPARE(m_service->extractFilePages(m_good, QString(), output, ranges), 0);
            QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::PageOutOfRange));
        }
        QCOMPARE(document.pageCount(), 3);
        QVERIFY(!QFileInfo::exists(output));
        QCOMPARE(m_service->openDocumentCount(), 1);
    }

    void unknownDocumentsFailEveryDocumentOperation()
    {
        PdfDocument open(m_service, m_good, QString());   // must not be reached through a bad id
        const QList<bool> permissions = {true, true, true, true, true, true, true, true};
        for (int id : {0, -1, open.documentId() + 1000}) {
            QCOMPARE(m_service->pageCount(id), 0);
            QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::NoSuchDocument));
            QCOMPARE(m_service->pageSize(id, 1), QSize(0, 0));
            QVERIFY(m_service->renderPage(id, 1).isNull());
            QVERIFY(!m_service->saveToFile(id, m_scratch.filePath("never.pdf")));
            QVERIFY(!m_service->setProperties(id, {"a", "t", "", "c", "p"}, permissions));
            QVERIFY(m_service->title(id).isEmpty());
            QVERIFY(!m_service->compressContent(id));
            QCOMPARE(m_service->deletePages(id, 1, 1), 0);
            QCOMPARE(m_service->mergeDocument(id, open.documentId()), 0);
            QCOMPARE(m_service->mergeDocument(open.documentId(), id), 0);
            QVERIFY(!m_service->hasSecurity(id));
            QVERIFY(!m_service->securityItem5(id));
            QCOMPARE(m_service->closeDocument(id), 0);
            QCOMPARE(m_service->lastErrorCode(), int(PdfEngine::NoSuchDocument));
        }
        QVERIFY(!QFileInfo::exists(m_scratch.filePath("never.pdf")));
        QCOMPARE(open.pageCount(), 3);
    }
};

CM_TEST_MAIN(PdfRobustnessTest)
#include "tst_pdfrobustness.moc"
