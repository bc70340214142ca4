#include "tests/app/AppTestMain.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"

#include "jobs/OutcomeText.h"
#include "jobs/Split.h"
#include "pdf/InformationReader.h"
#include "pdf/PdfService.h"
#include "pdf/RenderClient.h"
#include "preview/Cover.h"
#include "preview/Page.h"
#include "preview/PageView.h"
#include "tests/preview/GuiTestHelpers.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QScrollArea>
#include <QTimer>

#include <csignal>
#include <cerrno>

#include <sched.h>
#include <unistd.h>

namespace {

QByteArray stream(const QByteArray &dictionary, const QByteArray &data)
{
    return "<< " + dictionary + " /Length " + QByteArray::number(data.size()) + " >>\nstream\n" + data
           + "\nendstream";
}

// One page drawing an image that claims 100000 x 100000 pixels.
QByteArray hugeImage()
{
    const QByteArray pixels = qCompress(QByteArray(3000, '\x7f')).mid(4);   // zlib data without Qt's length
    return pdfOf({"<< /Type /Catalog /Pages 2 0 R >>",
                  "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 300] /Contents 4 0 R"
                  " /Resources << /XObject << /Im0 5 0 R >> >> >>",
                  stream("", "q 300 0 0 300 0 0 cm /Im0 Do Q"),
                  stream("/Type /XObject /Subtype /Image /Width 100000 /Height 100000 /ColorSpace /DeviceRGB"
                         " /BitsPerComponent 8 /Filter /FlateDecode",
                         pixels)});
}

// A form whose field tree branches in two at every one of 30 levels, each
// level's two kids being the same field that names it as parent: walking
// it does not end in a lifetime.
QByteArray branchingFields()
{
    QList<QByteArray> objects = {"<< /Type /Catalog /Pages 2 0 R /AcroForm << /Fields [5 0 R] >> >>",
                                 "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                 "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 300 300] /Contents 4 0 R"
                                 " /Annots [35 0 R] >>",
                                 stream("", "BT /F1 12 Tf 20 250 Td (form) Tj ET")};
    const int levels = 30;
    for (int level = 0; level < levels; ++level) {
        const QByteArray kid = QByteArray::number(6 + level) + " 0 R";
        const QByteArray parent = level > 0 ? " /Parent " + QByteArray::number(4 + level) + " 0 R" : "";
        objects.append("<< /T (f" + QByteArray::number(level) + ") /Kids [" + kid + " " + kid + "]" + parent + " >>");
    }
    objects.append("<< /T (leaf) /FT /Tx /Type /Annot /Subtype /Widget /Rect [10 10 200 40] /P 3 0 R /Parent "
                   + QByteArray::number(4 + levels) + " 0 R >>");
    return pdfOf(objects);
}

// A page of 200 x 200 inches, the largest a PDF page may be: drawn at its
// size it would take 800 MB, beyond what the renderer ever draws.
QByteArray oversizedPage()
{
    return pdfOf({"<< /Type /Catalog /Pages 2 0 R >>",
                  "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                  "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 14400 14400] /Contents 4 0 R >>",
                  stream("", "0 0 1 rg 0 0 14400 14400 re f")});
}

bool processExists(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno != ESRCH);
}

// How long the window's thread goes between two turns of its event loop,
// less the time that was the machine's rather than the window's: time the
// thread was ready to run but waited for a core other programs had, and
// time the virtual machine's host took its core away (on a busy two-core
// machine the host takes a core for a tenth of a second at a time).
class StallMeter
{
public:
    // Time spent outside the measured loops is not the window's.
    void restart()
    {
        m_sinceTurn.start();
        m_last = readMachine();
    }

    void turn()
    {
        const qint64 gap = m_sinceTurn.nsecsElapsed();
        m_sinceTurn.restart();
        const Machine now = readMachine();
        qint64 stolen = 0;
        for (int cpu : {m_last.cpu, now.cpu})
            stolen = qMax(stolen, now.stolenNs.value(cpu) - m_last.stolenNs.value(cpu));
        const qint64 theMachines = qMax(now.waitedNs - m_last.waitedNs, stolen);
        m_longestMs = qMax(m_longestMs, (gap - theMachines) / 1000000);
        m_last = now;
    }

    qint64 longestMs() const { return m_longestMs; }

private:
    struct Machine
    {
        int cpu = -1;
        qint64 waitedNs = 0;        // by this thread, for a core
        QVector<qint64> stolenNs;   // from each core by the host
    };

    static Machine readMachine()
    {
        Machine machine;
        machine.cpu = sched_getcpu();
        QFile schedstat(QStringLiteral("/proc/thread-self/schedstat"));
        if (schedstat.open(QIODevice::ReadOnly))
            machine.waitedNs = schedstat.readAll().split(' ').value(1).toLongLong();
        QFile stat(QStringLiteral("/proc/stat"));
        if (stat.open(QIODevice::ReadOnly)) {
            const qint64 nsPerTick = 1000000000 / sysconf(_SC_CLK_TCK);
            for (const QByteArray &line : stat.readAll().split('\n')) {
                if (line.startsWith("cpu") && !line.startsWith("cpu "))
                    machine.stolenNs.append(line.simplified().split(' ').value(8).toLongLong() * nsPerTick);
            }
        }
        return machine;
    }

    QElapsedTimer m_sinceTurn;
    Machine m_last;
    qint64 m_longestMs = 0;
};

} // namespace

// Documents that make the PDF renderer hang, grow without end, draw nothing
// or crash, shown in the viewer and on the split page's cover with the real
// renderer program: the window keeps answering, the page says it cannot be
// shown, the next page is drawn, and no renderer outlives the window.
class TestRenderLimits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void hostilePagesShowPlaceholdersWithoutStallingTheWindow();

private:
    QString write(const QString &name, const QByteArray &bytes);
    // Processes events until the condition holds or the time is up, letting
    // m_stalls time each turn of the event loop.
    bool waitWhileMeasuring(const std::function<bool()> &done, int timeoutMs);

    ScratchFolder m_folder;
    StallMeter m_stalls;
};

void TestRenderLimits::initTestCase()
{
    // The renderer started by this test crashes when asked for a page 2.
    qputenv("SHEAFRENDER_TEST_CRASH_PAGE", "2");
}

QString TestRenderLimits::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

bool TestRenderLimits::waitWhileMeasuring(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QTimer heartbeat;
    heartbeat.setInterval(5);
    connect(&heartbeat, &QTimer::timeout, [this] { m_stalls.turn(); });
    m_stalls.restart();
    heartbeat.start();
    // Blocks between events as the window's own loop does: spinning would
    // take a core the renderer and the machine need.
    while (!done() && clock.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        m_stalls.turn();
    }
    return done();
}

void TestRenderLimits::hostilePagesShowPlaceholdersWithoutStallingTheWindow()
{
    auto service = QSharedPointer<PdfService>::create();
    auto *view = new PageView(service);
    view->resize(500, 500);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view));
    const int limit = RenderClient::PageTimeLimitMs + 8000;

    struct Case
    {
        const char *name;
        QByteArray bytes;
    };
    const QList<Case> cases = {{"huge-image.pdf", hugeImage()},
                               {"branching-fields.pdf", branchingFields()},
                               {"oversized-page.pdf", oversizedPage()}};
    for (const Case &hostile : cases) {
        const QString path = write(hostile.name, hostile.bytes);
        // Reading the document is measured too: it happens away from the window.
        QSignalSpy opened(view, &PageView::opened);
        view->open(path, QString());
        QVERIFY2(waitWhileMeasuring([&opened] { return !opened.isEmpty(); }, limit), hostile.name);
        QVERIFY2(opened.last().at(0).toBool(), hostile.name);
        Page *page = view->pages().first();
        QVERIFY2(waitWhileMeasuring([page] { return page->state() == Page::CannotBeShown; }, limit), hostile.name);
        QVERIFY2(m_stalls.longestMs() < 100, qPrintable(QStringLiteral("%1: the window stood still for %2 ms")
                                                      .arg(hostile.name).arg(m_stalls.longestMs())));
        // The placeholder is painted: grey sheet and text, not memory.
        const QImage shown = page->grab().toImage();
        QCOMPARE(shown.pixelColor(2, 2), QColor(236, 236, 236));
        QCOMPARE(page->accessibleDescription(), QStringLiteral("This page cannot be shown"));
    }
    QDir().mkpath(QStringLiteral(CM_SCREENSHOT_FOLDER));
    view->grab().save(QStringLiteral(CM_SCREENSHOT_FOLDER "/viewer_page_cannot_be_shown.png"));

    // One verdict per page: asked for again anywhere, a page that failed or
    // hung is told at once, without the renderer; a page refused only for
    // the size it was asked at is no verdict on it, and a changed file is
    // judged anew.
    const qint64 rendererBefore = service->renderClient()->rendererProcessId();
    for (const char *name : {"huge-image.pdf", "branching-fields.pdf"}) {
        Cover again;
        again.showFirstPage(service->renderClient(), m_folder.filePath(name), QString(), QSize(300, 300));
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QVERIFY2(again.pageFailed(), name);
    }
    QCOMPARE(service->renderClient()->rendererProcessId(), rendererBefore);
    Cover small;
    small.showFirstPage(service->renderClient(), m_folder.filePath("oversized-page.pdf"), QString(), QSize(300, 300));
    QVERIFY(waitWhileMeasuring([&small] { return !small.isWaitingForPage(); }, limit));
    QVERIFY(!small.pageFailed());
    QVERIFY(service->renderClient()->isUndrawable(m_folder.filePath("branching-fields.pdf"), QString(), 1));
    QVERIFY(!service->renderClient()->isUndrawable(m_folder.filePath("branching-fields.pdf"), "other", 1));
    QVERIFY(!service->renderClient()->isUndrawable(m_folder.filePath("oversized-page.pdf"), QString(), 1));
    FixtureOptions mended;
    QVERIFY(writePdfFixture(m_folder.filePath("branching-fields.pdf"), mended));
    QVERIFY(!service->renderClient()->isUndrawable(m_folder.filePath("branching-fields.pdf"), QString(), 1));

    // An empty viewer says why.
    const QString notes = write("notes.pdf", "minutes of the meeting");
    QVERIFY(!openAndWait(view, notes));
    QCOMPARE(view->emptyReason(), QStringLiteral("This document cannot be shown: it is not a PDF document, or it is damaged."));
    auto *reason = view->findChild<QLabel *>("viewerEmptyReason");
    QVERIFY(reason && reason->isVisible() && reason->text() == view->emptyReason());
    view->grab().save(QStringLiteral(CM_SCREENSHOT_FOLDER "/viewer_empty_reason.png"));

    // The split page's cover of the same kind of document keeps its placeholder.
    Cover cover;
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    cover.showFirstPage(service->renderClient(), m_folder.filePath("huge-image.pdf"), QString(), QSize(300, 300));
    QVERIFY(cover.isWaitingForPage());
    QVERIFY(waitWhileMeasuring([&cover] { return cover.pageFailed(); }, limit));
    QCOMPARE(cover.look(), Cover::Thumbnail);
    QCOMPARE(cover.accessibleDescription(), QStringLiteral("This page cannot be shown"));

    // A renderer that crashes on page 2: page 1 and page 3 are drawn, page 2 says it cannot be.
    FixtureOptions three;
    three.pageCount = 3;
    const QString plain = m_folder.filePath("plain.pdf");
    QVERIFY(writePdfFixture(plain, three));
    QVERIFY(openAndWait(view, plain, QString()));
    const QList<Page *> pages = view->pages();
    QVERIFY(waitWhileMeasuring([&] { return pages.at(0)->state() == Page::Shown; }, limit));
    for (int index : {1, 2}) {
        view->scrollArea()->ensureWidgetVisible(pages.at(index), 0, 0);
        const Page::State expected = index == 1 ? Page::CannotBeShown : Page::Shown;
        QVERIFY2(waitWhileMeasuring([&] { return pages.at(index)->state() == expected; }, limit),
                 qPrintable(QStringLiteral("page %1").arg(index + 1)));
    }
    QVERIFY(m_stalls.longestMs() < 100);
    qInfo("longest time the window stood still: %lld ms", m_stalls.longestMs());
    const QImage third = pages.at(2)->grab().toImage();
    QCOMPARE(third.pixelColor(2, 2), QColor(Qt::white));

    // A document not read within the time limit counts as unreadable, in
    // the viewer and on the split page alike; with time it opens.
    FixtureOptions many;
    many.pageCount = 3000;
    const QString slow = m_folder.filePath("slow.pdf");
    QVERIFY(writePdfFixture(slow, many));
    auto *viewReader = view->findChild<InformationReader *>();
    viewReader->setTimeLimit(1);
    QSignalSpy opened(view, &PageView::opened);
    view->open(slow, QString());
    QVERIFY(waitWhileMeasuring([&opened] { return !opened.isEmpty(); }, limit));
    QVERIFY(!opened.last().at(0).toBool());
    QVERIFY(view->pages().isEmpty());
    QCOMPARE(view->emptyReason(), QStringLiteral("This document cannot be shown: reading it took too long."));
    viewReader->setTimeLimit(InformationReader::DefaultTimeLimitMs);
    QVERIFY(openAndWait(view, slow));
    QCOMPARE(view->pages().size(), 3000);

    Split split;
    split.findChild<InformationReader *>()->setTimeLimit(1);
    QSignalSpy unusable(&split, &Split::documentUnusable);
    split.setFile(slow);
    QVERIFY(waitWhileMeasuring([&unusable] { return !unusable.isEmpty(); }, limit));
    QCOMPARE(unusable.last().at(1).toInt(), int(Split::Unreadable));
    QCOMPARE(unusable.last().at(2).toInt(), int(PdfEngine::TookTooLong));
    QVERIFY(!split.isFileSet());
    QCOMPARE(OutcomeText::unreadableReason(PdfEngine::TookTooLong), QStringLiteral("reading it took too long"));
    // The merge list's loader waits the same way on its own thread.
    QCOMPARE(InformationReader::read({slow, QString()}, 1).engineError, int(PdfEngine::TookTooLong));
    QCOMPARE(InformationReader::read({slow, QString()}).info.pageCount, 3000);
    QVERIFY2(m_stalls.longestMs() < 100, qPrintable(QString::number(m_stalls.longestMs())));

    // Closing the window ends the renderer.
    const qint64 renderer = service->renderClient()->rendererProcessId();
    QVERIFY(processExists(renderer));
    delete view;
    service.reset();
    QVERIFY(!processExists(renderer));
}

CM_APPLICATION_TEST_MAIN(TestRenderLimits)
#include "test_renderlimits.moc"
