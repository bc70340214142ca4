#include "tests/app/AppTestMain.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/TestEnv.h"

#include "app/MainView.h"
#include "jobs/Split.h"
#include "pdf/InformationReader.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// Written by a child process, so that what writing it costs is not counted
// as this process's memory.
bool writeInChild(const QString &path, const FixtureOptions &options)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(writePdfFixture(path, options) ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

// What the window keeps of the documents it reads. Memory is measured, not
// time, so this runs beside other tests.
class TestWindowMemory : public QObject
{
    Q_OBJECT

private slots:
    void windowMemoryStaysBoundedWhileReadingDocuments();

private:
    ScratchFolder m_folder;
};

// The window keeps only the small record of a document it reads: parsing
// one built to be costly (200,000 pages, each an object of its own in object
// streams) happens in the renderer's process, and loading a one-page
// document again and again, each time told that there is nothing to split,
// keeps nothing. Memory only is asserted here; the time is the machine's.
void TestWindowMemory::windowMemoryStaysBoundedWhileReadingDocuments()
{
    FixtureOptions costly;
    costly.pageCount = 200000;
    costly.sharedContents = true;
    costly.objectStreams = true;
    const QString costlyPath = m_folder.filePath("costly.pdf");
    const QString singlePath = m_folder.filePath("single.pdf");
    QVERIFY(writeInChild(costlyPath, costly));
    QVERIFY(writeInChild(singlePath, FixtureOptions()));

    // Every message the window shows is closed as soon as it is up.
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    closer.start(5);
    MainView window;
    window.show();
    Split *split = Application::instance()->split();
    split->findChild<InformationReader *>()->setTimeLimit(120000);
    QSignalSpy unusable(split, &Split::documentUnusable);
    const auto load = [split](const QString &path) {
        QSignalSpy finished(split, &Split::loadFinished);
        split->setFile(path);
        const bool done = finished.wait(120000);
        for (int turn = 0; turn < 5; ++turn)
            QCoreApplication::processEvents();
        return done;
    };
    // The first loads make what the window keeps anyway (fonts, caches, the renderer).
    for (int i = 0; i < 10; ++i)
        QVERIFY(load(singlePath));
    QCOMPARE(unusable.size(), 10);
    QCOMPARE(unusable.last().at(1).toInt(), int(Split::OnePage));

    double before = residentMiB();
    QVERIFY(before > 0);
    QVERIFY(load(costlyPath));
    QCOMPARE(split->pageCount(), costly.pageCount);
    const double costlyGrowth = residentMiB() - before;
    QVERIFY2(costlyGrowth <= 60, qPrintable(QString("reading the costly document: +%1 MiB").arg(costlyGrowth)));

    split->resetState();
    for (int i = 0; i < 10; ++i)
        QVERIFY(load(singlePath));
    before = residentMiB();
    for (int i = 0; i < 200; ++i)
        QVERIFY(load(singlePath));
    const double loadsGrowth = residentMiB() - before;
    QCOMPARE(unusable.size(), 220);
    QVERIFY2(loadsGrowth <= 5, qPrintable(QString("200 one-page loads: +%1 MiB").arg(loadsGrowth)));
    split->resetState();
}

CM_APPLICATION_TEST_MAIN(TestWindowMemory)
#include "test_windowmemory.moc"
