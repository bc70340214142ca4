#include "tests/support/TestGroup.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"

#include <QAtomicInt>
#include <QThread>
#include <QtTest>

#include <memory>

// The GUI reads document information on a loader thread while it renders
// previews on its own thread, both through one service.
class PdfThreadsTest : public QObject
{
    Q_OBJECT

private slots:
    void informationAndRenderingRunTogether()
    {
        ScratchFolder scratch;
        FixtureOptions rotated;
        rotated.pageCount = 4;
        rotated.pageRotations = {{2, 90}, {4, 270}};
        const QString preview = scratch.filePath("preview.pdf");
        QVERIFY(writePdfFixture(preview, rotated));
        FixtureOptions locked;
        locked.pageCount = 7;
        locked.userPassword = "pw";
        const QString listed = scratch.filePath("listed.pdf");
        QVERIFY(writePdfFixture(listed, locked));

        auto service = QSharedPointer<PdfService>::create();
        QAtomicInt faults;
        const int rounds = 60;

        std::unique_ptr<QThread> loader(QThread::create([&] {
            for (int round = 0; round < rounds; ++round) {
                PdfDocument document(service, listed, round % 2 ? "pw" : QString());
                const bool expectOpen = round % 2;
                if (!document.isLoaded() || document.needsPassword() == expectOpen)
                    faults.ref();
                if (expectOpen && (document.pageCount() != 7 || !document.hasSecurity()
                                   || document.pageSize(3) != QSize(612, 792)
                                   || !document.title().isEmpty()))
                    faults.ref();
            }
        }));

        std::unique_ptr<QThread> renderer(QThread::create([&] {
            PdfDocument document(service, preview, QString());
            for (int round = 0; round < rounds; ++round) {
                const int page = round % 4 + 1;
                const QSize expected = page % 2 ? QSize(612, 792) : QSize(792, 612);
                const QImage image = service->renderPage(document.documentId(), page);
                if (image.size() != expected || document.pageSize(page) != expected)
                    faults.ref();
            }
        }));

        loader->start();
        renderer->start();
        QVERIFY(loader->wait(120000));
        QVERIFY(renderer->wait(120000));
        QCOMPARE(faults.loadAcquire(), 0);
        QCOMPARE(service->openDocumentCount(), 0);
    }
};

CM_TEST_MAIN(PdfThreadsTest)
#include "tst_pdfthreads.moc"
