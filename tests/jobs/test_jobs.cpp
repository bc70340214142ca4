#include "tests/app/AppTestMain.h"

#include "app/MainView.h"
#include "dialogs/MessageView.h"
#include "app/TabWidget.h"
#include "common/FileUtils.h"
#include "jobs/AdvancedSettings.h"
#include "jobs/Merge.h"
#include "jobs/MergeLauncher.h"
#include "jobs/SessionFolder.h"
#include "jobs/Split.h"
#include "jobs/SplitLauncher.h"
#include "jobs/MergeModel.h"
#include "jobs/PageRanges.h"
#include "tests/preview/GuiTestHelpers.h"
#include "tests/support/PdfFixtures.h"
#include "widgets/Button.h"
#include "protocol/JobErrors.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>

// The split and merge jobs with the real worker program on generated
// documents: what each mode produces, progress, cancel, the merge of ranges
// and protected documents, failures without an answer from the worker, and
// the session folders in the cache.
class TestJobs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void splitModesProduceTheirFiles();
    void splitRequestFollowsDocumentAndSettings();
    void cancelEndsARunningSplit();
    void mergeTakesRangesAndProtectedDocuments();
    void workerWithoutAnswerIsAFailure();
    void runningMergeOutlivesTheSplitCleanUp();
    void mainWindowHandsDocumentsToTheJobs();
    void longNamesFitTheNameLimitInEveryMode();
    void closingTheWindowAsksAndStopsTheJobs();

private:
    QString fixture(const QString &name, int pages, const QString &password = {});
    QString script(const QString &name, const QByteArray &body);
    static QStringList cacheEntries();
    static bool workerRunsIn(const QString &sessionFolder);
    static MergeModelItem row(const QString &path, int pages, const PageRangeList &ranges = {},
                              const QString &password = {});
    QImage save(QWidget *widget, const QString &name);

    ScratchFolder m_scratch;
};

void TestJobs::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    QVERIFY(QFileInfo(Application::workerPath()).isExecutable());
}

void TestJobs::cleanup()
{
    Application::setWorkerPath(binPath("sheafrun"));
}

QString TestJobs::fixture(const QString &name, int pages, const QString &password)
{
    const QString path = m_scratch.filePath(name);
    FixtureOptions options;
    options.pageCount = pages;
    options.userPassword = password;
    return writePdfFixture(path, options) ? path : QString();
}

QString TestJobs::script(const QString &name, const QByteArray &body)
{
    const QString path = m_scratch.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write("#!/bin/sh\n" + body + "\n");
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    return path;
}

QStringList TestJobs::cacheEntries()
{
    return QDir(cacheFolder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// True while some process has the folder's request on its command line.
bool TestJobs::workerRunsIn(const QString &sessionFolder)
{
    const QStringList processes = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &pid : processes) {
        QFile commandLine("/proc/" + pid + "/cmdline");
        if (commandLine.open(QIODevice::ReadOnly) && commandLine.readAll().contains(sessionFolder.toUtf8()))
            return true;
    }
    return false;
}

MergeModelItem TestJobs::row(const QString &path, int pages, const PageRangeList &ranges,
                             const QString &password)
{
    MergeModelItem item;
    item.path = path;
    item.fileName = QFileInfo(path).fileName();
    item.pageCount = pages;
    item.pageRanges = ranges;
    item.password = password;
    item.hasPassword = !password.isEmpty();
    item.hasSecurity = !password.isEmpty();
    return item;
}

QImage TestJobs::save(QWidget *widget, const QString &name)
{
    QCoreApplication::processEvents();
    const QImage image = widget->grab().toImage();
    const QString folder = QStringLiteral(CM_SCREENSHOT_FOLDER);
    QDir().mkpath(folder);
    image.save(folder + "/" + name + ".png");
    return image;
}

void TestJobs::splitModesProduceTheirFiles()
{
    const QString source = fixture("report.pdf", 10);
    // What an earlier program run left in the cache.
    QVERIFY(QDir(cacheFolder()).mkpath("leftover/inner"));
    QFile stray(cacheFolder() + "/stray.tmp");
    QVERIFY(stray.open(QIODevice::WriteOnly));
    stray.close();

    Split split;

    split.setPdfService(Application::instance()->pdfService());
    split.setFile(source);
    waitForReading();
    QVERIFY(split.isLoaded());
    QCOMPARE(split.pageCount(), 10);
    QCOMPARE(split.displayName(), QString("report"));
    QCOMPARE(split.firstPageSize(), QSize(612, 792));

    QStringList events;
    QList<double> progress;
    QStringList files;
    connect(&split, &Split::started, this, [&] { events << "started"; });
    connect(&split, &Split::progressChanged, this, [&](double p) { progress << p; });
    connect(&split, &Split::complete, this, [&] { events << "complete"; });
    connect(&split, &Split::finished, this, [&](const QStringList &f) { events << "finished"; files = f; });
    connect(&split, &Split::splitFailed, this, [&](int code) { events << QString("failed %1").arg(code); });

    auto page = [](int k) { return QString("Page %1").arg(k); };
    struct Case { int mode; QList<QStringList> outputs; };
    const QList<Case> cases = {
        {Split::SinglePages, {{page(1)}, {page(2)}, {page(3)}, {page(4)}, {page(5)}, {page(6)},
                              {page(7)}, {page(8)}, {page(9)}, {page(10)}}},
        // A start page of 0 starts at page 1.
        {Split::GroupsOfPages, {{page(1), page(2), page(3), page(4)},
                                {page(5), page(6), page(7), page(8)}, {page(9), page(10)}}},
        {Split::RemovePages, {{page(1), page(3), page(4), page(6), page(7), page(8), page(9), page(10)}}},
        {Split::ByRanges, {{page(7), page(8), page(9)}, {page(2)}}},
    };
    split.setStartPage(0);
    split.setGroupSize(4);
    split.addRidPage(5);
    split.addRidPage(2);
    split.addRidPage(2);
    split.ranges()->addRange(7, 9);
    split.ranges()->addRange(2, 2);
    split.settings()->setTitle("Quarterly");
    split.settings()->setPermPrinting(false);

    for (const Case &c : cases) {
        events.clear();
        progress.clear();
        files.clear();
        const QString out = m_scratch.filePath(QString("out%1").arg(c.mode));
        QVERIFY(QDir().mkpath(out));
        split.setOutDirectory(out);
        split.setMode(c.mode);
        split.run();
        QVERIFY(split.isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(events.contains("complete"), 60000);
        QCOMPARE(events, QStringList({"started", "complete", "finished"}));
        QVERIFY(!split.isRunning());
        // Cutting reports a step per range; removing pages reports nothing.
        if (c.mode == Split::RemovePages) {
            QVERIFY(progress.isEmpty());
        } else {
            // Lines that arrive together count once: only the newest is passed on.
            QVERIFY(progress.size() <= c.outputs.size() + 1);
            QCOMPARE(progress.last(), 100.0);
            QVERIFY(std::is_sorted(progress.begin(), progress.end()));
        }

        QCOMPARE(files.size(), c.outputs.size());
        for (int i = 0; i < files.size(); ++i) {
            QCOMPARE(QFileInfo(files.at(i)).absolutePath(), out);
            QCOMPARE(pageTexts(files.at(i)), c.outputs.at(i));
        }
        QCOMPARE(fixtureInfo(files.first(), "/Title"), QString("Quarterly"));
        QVERIFY(!inspectSecurity(files.first()).allowsPrint);
        // Of all sessions only this run's folder stays in the cache.
        QCOMPARE(cacheEntries(), QStringList({split.launcher()->sessionId()}));
    }
    QCOMPARE(QFileInfo(split.launcher()->files().first()).fileName(), QString("report_p7-9.pdf"));

    // Loading the document again starts from fresh choices.
    split.setFile(source);
    waitForReading();
    QVERIFY(split.ridPages()->isEmpty());
    QVERIFY(split.ranges()->isEmpty());
    QCOMPARE(split.settings()->title(), QString());
    QVERIFY(split.settings()->permPrinting());
}

void TestJobs::splitRequestFollowsDocumentAndSettings()
{
    Split split;
    split.setPdfService(Application::instance()->pdfService());
    QSignalSpy loaded(&split, &Split::loadFinished);
    QSignalSpy started(&split, &Split::started);
    QSignalSpy copyDisabled(&split, &Split::contentCopyDisabled);

    // A protected document waits for its password.
    const QString locked = fixture("guarded.pdf", 6, "secret");
    split.setFile(locked);
    waitForReading();
    QCOMPARE(loaded.count(), 1);
    QVERIFY(split.isFileSet());
    QVERIFY(!split.isLoaded());
    QVERIFY(split.firstPageSize().isEmpty());
    split.run();
    QVERIFY(!split.isRunning());
    split.setFile(locked, "secret");
    waitForReading();
    QVERIFY(split.isLoaded());
    QVERIFY(split.hasSecurity());
    QCOMPARE(split.pageCount(), 6);

    Application::settings()->setValue("compress_out_files", true);
    split.settings()->setPasswordEnabled(true);
    split.settings()->setPassword("  out-pw ");
    split.setMode(Split::ByRanges);
    split.ranges()->addRange(5, 6);
    split.ranges()->addRange(9, 9);   // beyond the document: refused by the list
    SplitRequest request = split.buildRequest();
    Application::settings()->remove("compress_out_files");
    QCOMPARE(request.mode, 0);
    QCOMPARE(request.ranges, PageRangeList({{5, 6}}));
    QCOMPARE(request.filePassword, QString("secret"));
    QVERIFY(request.hasSecurity);
    QVERIFY(request.compressFile);
    QCOMPARE(request.password, QString("out-pw"));
    QCOMPARE(request.outPrefix, QString("[BASENAME]_p[PAGE]"));
    QCOMPARE(request.permissions(), QList<bool>({true, true, true, true, true, false, false, true}));
    split.setMode(Split::RemovePages);
    split.addRidPage(3);
    QCOMPARE(split.buildRequest().mode, 1);
    QCOMPARE(split.buildRequest().ranges, PageRangeList({{3, 3}}));

    // Groups that start past the end make nothing to run.
    split.setMode(Split::GroupsOfPages);
    split.setStartPage(7);
    split.run();
    QCOMPARE(started.count(), 0);
    QVERIFY(!split.isRunning());

    // A single page cannot be split; a document closed to extraction says so.
    split.setFile(fixture("single.pdf", 1));
    waitForReading();
    split.setMode(Split::SinglePages);
    split.run();
    QVERIFY(!split.isRunning());
    const QString readOnly = m_scratch.filePath("readonly.pdf");
    FixtureOptions options;
    options.pageCount = 3;
    options.restrictPermissions = true;
    options.ownerPassword = "owner";
    QVERIFY(writePdfFixture(readOnly, options));
    split.setFile(readOnly);
    waitForReading();
    QVERIFY(split.isLoaded());
    split.run();
    QCOMPARE(copyDisabled.count(), 1);
    QVERIFY(!split.isRunning());

    // Sizes keep two significant digits without an exponent.
    QCOMPARE(split.fileSizeText().right(3), QString(" MB"));
    const QString large = m_scratch.filePath("large.pdf");
    QFile sparse(large);
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(123 * 1048576LL));
    sparse.close();
    split.setFile(large);
    waitForReading();
    QCOMPARE(split.fileSizeText(), QString("120 MB"));
    // Written as the program's language writes numbers.
    const QFileInfo readOnlyInfo(readOnly);
    QVERIFY(readOnlyInfo.size() < 1048576);
    split.setFile(readOnly);
    waitForReading();
    QVERIFY(split.fileSizeText().startsWith("0."));
    QLocale::setDefault(QLocale("de"));
    QVERIFY2(split.fileSizeText().startsWith("0,"), qPrintable(split.fileSizeText()));
    QLocale::setDefault(QLocale("en"));

    // A path that names no file is not loaded at all.
    QSignalSpy clean(&split, &Split::clean);
    split.setFile(m_scratch.filePath("absent.pdf"));
    waitForReading();
    QCOMPARE(loaded.count(), 6);   // no loadFinished()
    QVERIFY(!split.isFileSet());
    QCOMPARE(split.pageCount(), -1);
    split.resetState();
    QCOMPARE(clean.count(), 1);
}

void TestJobs::cancelEndsARunningSplit()
{
    const QString source = fixture("long.pdf", 2000);
    const QString out = m_scratch.filePath("cancelled");
    QVERIFY(QDir().mkpath(out));
    Split split;
    split.setPdfService(Application::instance()->pdfService());
    split.setFile(source);
    waitForReading();
    split.setOutDirectory(out);
    QSignalSpy progress(&split, &Split::progressChanged);
    QSignalSpy finished(&split, &Split::finished);
    QSignalSpy failed(&split, &Split::splitFailed);
    QSignalSpy complete(&split, &Split::complete);

    split.run();
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() > 0, 30000);
    QVERIFY(split.isRunning());
    split.cancel();
    QTRY_COMPARE_WITH_TIMEOUT(complete.count(), 1, 30000);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toInt(), int(JobError::Canceled));
    QVERIFY(!split.isRunning());
    QVERIFY(split.launcher()->files().isEmpty());
    QVERIFY(progress.last().at(0).toDouble() < 100.0);

    // A stop (the window closing) has ended the split when it returns, and
    // only complete() tells of it.
    split.run();
    QTRY_VERIFY_WITH_TIMEOUT(progress.count() > 0 && split.isRunning(), 30000);
    split.stop();
    QVERIFY(!split.isRunning());
    QCOMPARE(complete.count(), 2);
    QCOMPARE(finished.count() + failed.count(), 1);
    QVERIFY(split.launcher()->files().isEmpty());
}

void TestJobs::mergeTakesRangesAndProtectedDocuments()
{
    const QString plain = fixture("plain.pdf", 5);
    const QString locked = fixture("locked.pdf", 4, "secret");
    const QString target = m_scratch.filePath("joined.pdf");
    auto *merge = new Merge;
    merge->setSaveFileName(target);
    merge->settings()->setTitle("Joined");
    merge->model()->appendItems({row(plain, 5, {{4, 5}, {1, 1}}), row(locked, 4, {}, "secret")});
    QVERIFY(merge->canMerge());

    QStringList events;
    QVariantList result;
    connect(merge, &Merge::started, this, [&] { events << "started"; });
    connect(merge, &Merge::complete, this, [&] { events << "complete"; });
    connect(merge, &Merge::finished, this, [&](int code, const QString &merged, const QString &error) {
        events << "finished";
        result = {code, merged, error};
    });
    merge->run();
    QVERIFY(merge->isRunning());
    QVERIFY(!merge->canMerge());
    QTRY_VERIFY_WITH_TIMEOUT(events.contains("finished"), 60000);
    QCOMPARE(events, QStringList({"started", "complete", "finished"}));
    QCOMPARE(result, QVariantList({0, target, QString()}));
    QCOMPARE(pageTexts(target), QStringList({"Page 4", "Page 5", "Page 1", "Page 1", "Page 2",
                                             "Page 3", "Page 4"}));
    QCOMPARE(fixtureInfo(target, "/Title"), QString("Joined"));
    const QString firstSession = merge->launcher()->sessionFolder();
    QVERIFY(QFileInfo::exists(firstSession));

    // A wrong password fails the merge and names the document; the session
    // of the first run is gone.
    MergeModelItem wrong = merge->model()->item(1);
    wrong.password = "guess";
    merge->model()->setItem(1, wrong);
    merge->setSaveFileName(m_scratch.filePath("never.pdf"));
    events.clear();
    merge->run();
    QTRY_VERIFY_WITH_TIMEOUT(events.contains("finished"), 60000);
    QVERIFY(result.at(0).toInt() != 0);
    QCOMPARE(result.at(1).toString(), QString());
    QCOMPARE(QFileInfo(result.at(2).toString()).fileName(), QString("locked.pdf"));
    QVERIFY(!QFileInfo::exists(m_scratch.filePath("never.pdf")));
    QVERIFY(!QFileInfo::exists(firstSession));

    // Its request holds the passwords: it goes as soon as the run ended, and
    // the last folder goes with the job.
    const QString lastSession = merge->launcher()->sessionFolder();
    QVERIFY(QFileInfo::exists(lastSession));
    QVERIFY(!QFileInfo::exists(lastSession + "/" + merge->launcher()->sessionId() + ".req"));
    delete merge;
    QVERIFY(!QFileInfo::exists(lastSession));
}

void TestJobs::workerWithoutAnswerIsAFailure()
{
    const QString source = fixture("short.pdf", 3);
    Split split;
    split.setPdfService(Application::instance()->pdfService());
    split.setFile(source);
    waitForReading();
    split.setOutDirectory(m_scratch.path());
    Merge merge;
    merge.setSaveFileName(m_scratch.filePath("none.pdf"));
    merge.model()->appendItems({row(source, 3), row(source, 3)});
    QSignalSpy splitStarted(&split, &Split::started);
    QSignalSpy splitComplete(&split, &Split::complete);
    QSignalSpy splitFailed(&split, &Split::splitFailed);
    QSignalSpy mergeFinished(&merge, &Merge::finished);

    auto runBoth = [&](int expectedCode) {
        splitComplete.clear();
        splitFailed.clear();
        mergeFinished.clear();
        split.run();
        merge.run();
        QTRY_COMPARE_WITH_TIMEOUT(splitComplete.count(), 1, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(mergeFinished.count(), 1, 30000);
        QCOMPARE(splitFailed.count(), 1);
        QCOMPARE(splitFailed.at(0).at(0).toInt(), expectedCode);
        QCOMPARE(mergeFinished.at(0).at(0).toInt(), expectedCode);
        QCOMPARE(mergeFinished.at(0).at(1).toString(), QString());
        QVERIFY(!split.isRunning());
        QVERIFY(!merge.isRunning());
        QVERIFY(!SessionFolder::isBusy(split.launcher()->sessionFolder()));
        QVERIFY(!SessionFolder::isBusy(merge.launcher()->sessionFolder()));
    };

    Application::setWorkerPath(m_scratch.filePath("no-such-worker"));
    runBoth(JobError::WorkerNotStarted);
    QCOMPARE(splitStarted.count(), 0);

    Application::setWorkerPath(script("silent-worker", "exit 0"));
    runBoth(JobError::NoResponse);

    // A response that does not decode is no answer either.
    Application::setWorkerPath(script("garbled-worker", "printf 'not-base64' > \"${2%.req}.resp\"\nexit 0"));
    runBoth(JobError::NoResponse);

    // A worker's own failure code passes through unchanged.
    Application::setWorkerPath(script("failing-worker", "exit 4"));
    runBoth(4);

    // A worker ended by a signal reports a crash, not the signal's number
    // (SIGABRT is 6, the split engine's "no range extracted").
    Application::setWorkerPath(script("aborting-worker", "kill -ABRT $$"));
    runBoth(JobError::WorkerCrashed);
}

void TestJobs::runningMergeOutlivesTheSplitCleanUp()
{
    const QString big = fixture("big.pdf", 2000);
    const QString target = m_scratch.filePath("big-merged.pdf");
    Merge merge;
    merge.setSaveFileName(target);
    merge.model()->appendItems({row(big, 2000), row(big, 2000), row(big, 2000)});
    QSignalSpy mergeFinished(&merge, &Merge::finished);
    merge.run();
    QVERIFY(merge.isRunning());
    const QString mergeFolder = merge.launcher()->sessionFolder();
    QVERIFY(SessionFolder::isBusy(mergeFolder));

    // A new split launcher clears the cache on its first run.
    Split split;
    split.setPdfService(Application::instance()->pdfService());
    split.setFile(fixture("small.pdf", 2));
    waitForReading();
    split.setOutDirectory(m_scratch.path());
    QSignalSpy splitComplete(&split, &Split::complete);
    split.run();
    QVERIFY(merge.isRunning());   // the clean-up happened while the merge ran
    QVERIFY(QFileInfo::exists(mergeFolder + "/" + merge.launcher()->sessionId() + ".req"));
    QTRY_COMPARE_WITH_TIMEOUT(splitComplete.count(), 1, 60000);

    // A merge still running when its job goes is ended, and its folder removed.
    QString doomedFolder;
    {
        Merge doomed;
        doomed.setSaveFileName(m_scratch.filePath("doomed.pdf"));
        doomed.model()->appendItems({row(big, 2000), row(big, 2000)});
        doomed.run();
        QVERIFY(doomed.isRunning());
        doomedFolder = doomed.launcher()->sessionFolder();
        QVERIFY(workerRunsIn(doomedFolder));
    }
    QVERIFY(!workerRunsIn(doomedFolder));
    QVERIFY(!QFileInfo::exists(doomedFolder));
    QVERIFY(!QFileInfo::exists(m_scratch.filePath("doomed.pdf")));

    QTRY_COMPARE_WITH_TIMEOUT(mergeFinished.count(), 1, 120000);
    QCOMPARE(mergeFinished.at(0).at(0).toInt(), 0);
    QCOMPARE(fixturePageCount(target), 6000);
}

void TestJobs::mainWindowHandsDocumentsToTheJobs()
{
    auto *app = Application::instance();
    const QString first = fixture("first.pdf", 3);
    const QString second = fixture("second.pdf", 2000);
    MainView view;
    QSignalSpy addFiles(app->merge()->model(), &MergeModel::addFiles);

    // "Open with" one document: the split page takes it.
    view.handleMessage(first);
    QCOMPARE(app->split()->fileName(), first);
    QVERIFY(waitForReading());
    QCOMPARE(app->split()->pageCount(), 3);
    QCOMPARE(view.tabWidget()->currentIndex(), int(MainView::SplitPage));

    // Several: the merge list.
    view.handleMessage(first + "|" + second);
    QCOMPARE(addFiles.count(), 1);
    QCOMPARE(addFiles.at(0).at(0).toStringList(), QStringList({first, second}));
    QCOMPARE(view.tabWidget()->currentIndex(), int(MainView::MergePage));

    // The context menu's list while the split job runs is ignored.
    app->split()->setFile(second);
    waitForReading();
    app->split()->setOutDirectory(m_scratch.filePath("app-split"));
    QDir().mkpath(m_scratch.filePath("app-split"));
    QSignalSpy complete(app->split(), &Split::complete);
    app->split()->run();
    QVERIFY(view.isSplitRunning());
    QFile list(m_scratch.filePath("list.txt"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(first.toUtf8());
    list.close();
    view.handleMessage("-split_add|" + list.fileName());
    QCOMPARE(app->split()->fileName(), second);
    QCOMPARE(view.tabWidget()->currentIndex(), int(MainView::MergePage));
    // The split page tells of the cancel in its own modal message.
    QStringList shown;
    answerNext<MessageView>([&shown](MessageView *message) {
        for (const QLabel *label : message->findChildren<QLabel *>())
            shown << label->text();
        message->close();
    });
    app->split()->cancel();
    QTRY_COMPARE_WITH_TIMEOUT(complete.count(), 1, 30000);
    QVERIFY(!view.isSplitRunning());
    QTRY_VERIFY(shown.contains("Split canceled"));
}

// A document whose name takes 240 characters (252 bytes): every mode and a
// template shorten its part of the output names to the 255-byte limit,
// keeping page label, counter, date and extension, also with the "(n)" of a
// name that is taken.
void TestJobs::longNamesFitTheNameLimitInEveryMode()
{
    const QString base = QString(225, 'r') + QString::fromUtf8("-ÄÖÜäöüß") + "xxxxxxx";
    QCOMPARE(base.size(), 240);
    const QString source = fixture(base + ".pdf", 12);
    QVERIFY(!source.isEmpty());
    Split split;
    split.setPdfService(Application::instance()->pdfService());
    split.setFile(source);
    waitForReading();
    QVERIFY(split.isLoaded());
    split.setGroupSize(5);
    split.addRidPage(1);
    split.ranges()->addRange(2, 3);
    split.ranges()->addRange(11, 12);
    QSignalSpy finished(&split, &Split::finished);
    QSignalSpy failed(&split, &Split::splitFailed);

    const QString date = QDate::currentDate().toString("yyyyMMdd");
    struct Case { int mode; QString templ; QStringList endings; QList<int> pages; };
    const QList<Case> cases = {
        {Split::SinglePages, "", {"_p01.pdf", "_p12.pdf"}, {1, 1}},
        {Split::SinglePages, "", {"_p01.pdf", "_p12.pdf"}, {1, 1}},   // again: "(1)" in front
        {Split::GroupsOfPages, "", {"_p01-05.pdf", "_p06-10.pdf", "_p11-12.pdf"}, {5, 5, 2}},
        {Split::RemovePages, "", {".pdf"}, {11}},
        {Split::ByRanges, "[BASENAME]_part[COUNTER]_[DATENOW]", {"_part1_" + date + ".pdf", "_part2_" + date + ".pdf"},
         {2, 2}},
    };
    const QString out = m_scratch.filePath("long-names");
    QVERIFY(QDir().mkpath(out));
    split.setOutDirectory(out);
    for (const Case &c : cases) {
        finished.clear();
        split.setMode(c.mode);
        split.settings()->setFileNamePrefix(c.templ);
        split.run();
        QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty() || !failed.isEmpty(), 60000);
        QVERIFY2(failed.isEmpty(), qPrintable(QString::number(failed.value(0).value(0).toInt())));
        const QStringList files = finished.first().first().toStringList();
        QVERIFY(files.size() >= c.endings.size());
        for (const QString &file : files) {
            const QString name = QFileInfo(file).fileName();
            QVERIFY2(QFile::encodeName(name).size() <= 255, qPrintable(name));
            QVERIFY2(name.contains(QString(200, 'r')), qPrintable(name));
            QVERIFY(QFileInfo(file).isFile());
        }
        const QString first = QFileInfo(files.first()).fileName();
        QVERIFY2(first.endsWith(c.endings.first()), qPrintable(first));
        QVERIFY2(QFileInfo(files.last()).fileName().endsWith(c.endings.last()), qPrintable(files.last()));
        QCOMPARE(pageTexts(files.first()).size(), c.pages.first());
        QCOMPARE(pageTexts(files.last()).size(), c.pages.last());
        if (c.mode == Split::RemovePages)
            QVERIFY2(first.contains("_edited_" + date + "_"), qPrintable(first));
    }
    // The second single-page run found every name taken and overwrote none.
    QCOMPARE(QDir(out).entryList({"*_p01.pdf"}, QDir::Files).size(), 2);
    QCOMPARE(QDir(out).entryList({"*_p12.pdf"}, QDir::Files).size(), 2);
}

// Closing the window asks while a job runs or the merge list holds
// documents; "CLOSE" stops the split and takes back its pieces, "CANCEL"
// keeps everything as it was.
void TestJobs::closingTheWindowAsksAndStopsTheJobs()
{
    auto *app = Application::instance();
    Application::settings()->setValue("Language", "en");   // for the plural forms
    app->applyLanguage();
    MainView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    const QString out = m_scratch.filePath("closing");
    QVERIFY(QDir().mkpath(out));
    app->merge()->model()->clear();
    app->merge()->model()->appendItems({row(fixture("one.pdf", 2), 2), row(fixture("two.pdf", 3), 3)});
    app->split()->setFile(fixture("closing.pdf", 3000));
    waitForReading();
    app->split()->setOutDirectory(out);
    app->split()->setMode(Split::SinglePages);
    QSignalSpy complete(app->split(), &Split::complete);
    app->split()->run();
    QTRY_VERIFY_WITH_TIMEOUT(QDir(out).entryList(QDir::Files).size() >= 10, 60000);

    DialogAnswers answers({[this](QDialog *dialog) {
                               save(dialog, "close_question_en");
                               DialogAnswers::click("CANCEL")(dialog);
                           },
                           DialogAnswers::click("CLOSE")});
    view.close();
    QTRY_VERIFY(answers.seen().size() == 1);
    QVERIFY(view.isVisible());
    QVERIFY(app->split()->isRunning());
    QCOMPARE(answers.seen().first().title, QString("Close Cleavemark?"));
    QCOMPARE(answers.seen().first().text,
             QString("The running split will be stopped and the files it has written removed.\n"
                     "The merge list of 2 documents will be lost."));
    view.close();
    QVERIFY(answers.allAnswered());
    QVERIFY(!view.isVisible());
    QVERIFY(!app->split()->isRunning());
    QCOMPARE(complete.count(), 1);
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList());
    app->merge()->model()->clear();
}

CM_APPLICATION_TEST_MAIN(TestJobs)
#include "test_jobs.moc"
