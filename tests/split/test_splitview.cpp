#include "tests/app/AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"
#include "tests/support/PdfFixtures.h"

#include "app/MainView.h"
#include "dialogs/SaveFolderModel.h"
#include "app/TabWidget.h"
#include "jobs/Merge.h"
#include "jobs/ProgressBar.h"
#include "jobs/ProgressControl.h"
#include "jobs/Split.h"
#include "jobs/MergeModel.h"
#include "jobs/PageRanges.h"
#include "widgets/RangeItemView.h"
#include "widgets/RangeListView.h"
#include "preview/DropArea.h"
#include "preview/PreviewWidget.h"
#include "split/SplitView.h"
#include "widgets/Button.h"

#include "common/FileUtils.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>

// The split page driven through its widgets, with the real worker, on
// generated documents whose page k reads "Page k": every mode from the
// choice to the files produced, the checks on the page and range input,
// the output folder rules and what the user is told when a split fails.
class TestSplitView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void outputFolderRules();
    void splitsInEveryModeAndHandsResultsToMerge();
    void pageAndRangeInputIsChecked();
    void failuresSayWhatFailed();
    void documentThatForbidsCopyingIsRefused();
    void unusableDocumentsAndEntriesAreExplained();
    void canceledSplitLeavesNoPieceAndMissingPiecesAreTold();

private:
    QString fixture(const QString &name, int pages, FixtureOptions options = {});
    QString script(const QString &name, const QString &body);
    void load(const QString &path);
    void chooseMode(int mode);
    void chooseFolder(const QString &folder);
    // Presses SPLIT and answers the dialog at the end with the button given.
    SeenDialog runSplit(const QString &answer, QStringList *files = nullptr);
    QStringList textsOf(const QStringList &files);

    ScratchFolder m_folder;
    MainView *m_main = nullptr;
    SplitView *m_view = nullptr;
    QString m_nextFolder;   // what the folder dialog answers
};

void TestSplitView::initTestCase()
{
    QVERIFY(m_folder.isValid());
    Application::instance()->createPdfService();
}

void TestSplitView::init()
{
    Application::setWorkerPath(binPath(QStringLiteral("sheafrun")));
    Application::instance()->split()->resetState();
    // English through its translation, for the plural forms.
    Application::settings()->setValue("Language", "en");
    Application::instance()->applyLanguage();
    m_main = new MainView;
    m_main->show();
    m_main->onNavigateToSplit();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_view = m_main->splitView();
    m_view->setFolderChooser([this](QWidget *, const QString &, const QString &) { return m_nextFolder; });
}

void TestSplitView::cleanup()
{
    delete m_main;
    m_main = nullptr;
}

QString TestSplitView::fixture(const QString &name, int pages, FixtureOptions options)
{
    options.pageCount = pages;
    const QString path = m_folder.filePath(name);
    if (!writePdfFixture(path, options))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

QString TestSplitView::script(const QString &name, const QString &body)
{
    const QString path = m_folder.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(("#!/bin/sh\n" + body + "\n").toUtf8());
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

void TestSplitView::load(const QString &path)
{
    dropFiles(m_view->previewWidget()->dropArea(), {path});
}

void TestSplitView::chooseMode(int mode)
{
    QTest::mouseClick(m_view->modeButton(mode), Qt::LeftButton, {}, QPoint(5, 5));
}

void TestSplitView::chooseFolder(const QString &folder)
{
    QDir().mkpath(folder);
    m_nextFolder = folder;
    m_view->saveFolderBox()->setCurrentIndex(SaveFolderModel::ChosenFolder);
    emit m_view->saveFolderBox()->activated(SaveFolderModel::ChosenFolder);
}

SeenDialog TestSplitView::runSplit(const QString &answer, QStringList *files)
{
    QSignalSpy finished(Application::instance()->split(), &Split::finished);
    DialogAnswers answers({DialogAnswers::click(answer)});
    QTest::mouseClick(m_view->splitButton(), Qt::LeftButton);
    if (!QTest::qWaitFor([&] { return answers.allAnswered(); }, 60000))
        return {};
    if (files && !finished.isEmpty())
        *files = finished.first().first().toStringList();
    return answers.seen().value(0);
}

QStringList TestSplitView::textsOf(const QStringList &files)
{
    QStringList texts;
    for (const QString &file : files)
        texts.append(pageTexts(file).join(","));
    return texts;
}

void TestSplitView::outputFolderRules()
{
    const QString document = QDir::cleanPath("/data/reports/report.final.pdf");
    QCOMPARE(SplitView::outputFolder(0, document, "/chosen"), QString("/data/reports/report.final"));
    QCOMPARE(SplitView::outputFolder(1, document, "/chosen"), QString("/data/reports"));
    QCOMPARE(SplitView::outputFolder(2, document, "/chosen"), QString("/chosen"));
    QCOMPARE(SplitView::outputFolder(3, document, "/chosen"), QString());

    // The stored choice is the page's start; a cancelled folder dialog
    // brings back the row chosen before.
    // A stored mode outside the rows (an edited settings file) takes the
    // nearest row, as on the settings page, never no row and no folder.
    auto settings = Application::settings();
    settings->setValue("SaveMode/Mode", 7);
    settings->setValue("SaveMode/Path", "/srv/stored");
    settings.reset();
    m_view->readSettings();
    QCOMPARE(m_view->saveFolderBox()->currentIndex(), 2);
    QCOMPARE(m_view->saveFolderModel()->chosenFolder(), QString("/srv/stored"));
    Application::settings()->setValue("SaveMode/Mode", -1);
    m_view->readSettings();
    QCOMPARE(m_view->saveFolderBox()->currentIndex(), 0);

    Application::settings()->setValue("SaveMode/Mode", 1);
    m_view->readSettings();
    QCOMPARE(m_view->saveFolderBox()->currentIndex(), 1);

    // Arrowing onto "Select folder..." asks nothing; Return asks.
    int asked = 0;
    m_view->setFolderChooser([&](QWidget *, const QString &, const QString &) {
        ++asked;
        return m_folder.filePath("by-keys");
    });
    QComboBox *box = m_view->saveFolderBox();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QCOMPARE(box->currentIndex(), 2);
    QCOMPARE(asked, 0);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(asked, 1);
    QCOMPARE(m_view->saveFolderModel()->chosenFolder(), QDir::toNativeSeparators(m_folder.filePath("by-keys")));
    m_view->setFolderChooser([this](QWidget *, const QString &, const QString &) { return m_nextFolder; });
    m_view->readSettings();
    m_nextFolder.clear();
    m_view->saveFolderBox()->setCurrentIndex(2);
    emit m_view->saveFolderBox()->activated(2);
    QCOMPARE(m_view->saveFolderBox()->currentIndex(), 1);
    chooseFolder(m_folder.filePath("chosen"));
    QCOMPARE(m_view->saveFolderBox()->currentIndex(), 2);
    QCOMPARE(m_view->saveFolderModel()->chosenFolder(), QDir::toNativeSeparators(m_folder.filePath("chosen")));
    Application::settings()->remove("SaveMode");
}

void TestSplitView::splitsInEveryModeAndHandsResultsToMerge()
{
    const QString document = fixture("report.final.pdf", 10);
    load(document);
    Split *split = Application::instance()->split();
    QVERIFY(split->isLoaded());

    // What the page looks like while the worker runs.
    int bottomWhileRunning = -1;
    bool inputsEnabledWhileRunning = true;
    int highestProgress = -1;
    QObject watching;   // the connections end with this function
    connect(split, &Split::started, &watching, [&] {
        bottomWhileRunning = m_view->bottomIndex();
        inputsEnabledWhileRunning = m_view->previewWidget()->isEnabled() || m_view->splitArea()->isEnabled();
    });
    connect(split, &Split::progressChanged, &watching, [&] {
        highestProgress = qMax(highestProgress, m_view->progressControl()->progressBar()->value());
    });

    // Mode 0 into the sub folder named after the document.
    QStringList files;
    SeenDialog result = runSplit("OK", &files);
    QCOMPARE(result.title, QString("Split complete"));
    QVERIFY2(result.text.startsWith("Your document was split into 10 files."), qPrintable(result.text));
    QCOMPARE(bottomWhileRunning, int(SplitView::ProgressIndex));
    QVERIFY(!inputsEnabledWhileRunning);
    QCOMPARE(highestProgress, 100);
    QCOMPARE(m_view->bottomIndex(), int(SplitView::ButtonsIndex));
    QVERIFY(m_view->splitArea()->isEnabled());
    QCOMPARE(files.size(), 10);
    for (int page = 1; page <= 10; ++page) {
        QCOMPARE(QFileInfo(files.at(page - 1)).absolutePath(), m_folder.filePath("report.final"));
        QCOMPARE(pageTexts(files.at(page - 1)), QStringList{QString("Page %1").arg(page)});
    }
    QCOMPARE(Application::instance()->lastSplitFile(), files.last());

    // Mode 1: groups of 3 from page 2 on, into a chosen folder.
    chooseMode(Split::GroupsOfPages);
    QCOMPARE(m_view->currentModePage(), int(Split::GroupsOfPages));
    QCOMPARE(m_view->groupSizeEdit()->text(), QString("3"));
    QCOMPARE(m_view->startPageEdit()->text(), QString("1"));
    m_view->startPageEdit()->setText("2");
    chooseFolder(m_folder.filePath("groups"));
    result = runSplit("OK", &files);
    QVERIFY2(!result.text.contains("(1)name.pdf"), qPrintable(result.text));
    QCOMPARE(textsOf(files), (QStringList{"Page 2,Page 3,Page 4", "Page 5,Page 6,Page 7",
                                          "Page 8,Page 9,Page 10"}));
    for (const QString &file : files)
        QCOMPARE(QFileInfo(file).absolutePath(), m_folder.filePath("groups"));
    // Again into the same folder: the pieces get "(1)" names, and the user is told.
    result = runSplit("OK", &files);
    QVERIFY2(result.text.contains("3 of them got a name such as \"(1)name.pdf\" because a file of the same "
                                  "name was already there."),
             qPrintable(result.text));
    for (const QString &file : files)
        QVERIFY2(QFileInfo(file).fileName().startsWith("(1)"), qPrintable(file));

    // Mode 2: one file without pages 3 and 7.
    chooseMode(Split::RemovePages);
    QVERIFY(!m_view->splitButton()->isEnabled());
    for (const char *page : {"3", "7"}) {
        m_view->ridPageEdit()->setText(page);
        QTest::mouseClick(m_view->addPageButton(), Qt::LeftButton);
    }
    QVERIFY(m_view->splitButton()->isEnabled());
    chooseFolder(m_folder.filePath("removed"));
    result = runSplit("OK", &files);
    QVERIFY(result.text.startsWith("Your document was split into 1 file."));
    QCOMPARE(files.size(), 1);
    QVERIFY(QFileInfo(files.first()).fileName().startsWith("report.final_edited_"));
    QCOMPARE(pageTexts(files.first()),
             (QStringList{"Page 1", "Page 2", "Page 4", "Page 5", "Page 6", "Page 8", "Page 9", "Page 10"}));

    // Mode 3: the ranges as entered; MERGE RESULTS hands them to the merge list.
    chooseMode(Split::ByRanges);
    QVERIFY(!m_view->splitButton()->isEnabled());
    for (const auto &range : {qMakePair(QString("4"), QString("6")), qMakePair(QString("2"), QString("2"))}) {
        m_view->fromEdit()->setText(range.first);
        m_view->toEdit()->setText(range.second);
        QTest::mouseClick(m_view->addRangeButton(), Qt::LeftButton);
    }
    chooseFolder(m_folder.filePath("ranges"));
    QSignalSpy handedToMerge(Application::instance()->merge()->model(), &MergeModel::addFiles);
    runSplit("MERGE RESULTS", &files);
    QCOMPARE(textsOf(files), (QStringList{"Page 4,Page 5,Page 6", "Page 2"}));
    QCOMPARE(handedToMerge.count(), 1);
    QCOMPARE(handedToMerge.first().first().toStringList(), files);
    QCOMPARE(m_main->tabWidget()->currentIndex(), int(MainView::MergePage));
    // The merge page reads them in the background and lists them in order.
    MergeModel *list = Application::instance()->merge()->model();
    QTRY_COMPARE_WITH_TIMEOUT(list->rowCount(), 2, 20000);
    QVERIFY(waitForReading());
    QCOMPARE(list->item(0).path, files.at(0));
    QCOMPARE(list->item(1).path, files.at(1));
    QCOMPARE(list->item(0).pageCount, 3);
    list->clear();
}

void TestSplitView::pageAndRangeInputIsChecked()
{
    load(fixture("ten.pdf", 10));
    Split *split = Application::instance()->split();

    // Groups that cannot be made say why beside their fields, and SPLIT why it waits.
    chooseMode(Split::GroupsOfPages);
    QVERIFY(m_view->splitButton()->isEnabled());
    QVERIFY(!m_view->groupsProblemLabel()->isVisible());
    m_view->startPageEdit()->setText("11");
    QVERIFY(!m_view->splitButton()->isEnabled());
    QVERIFY(m_view->groupsProblemLabel()->isVisible());
    QCOMPARE(m_view->groupsProblemLabel()->text(), QString("The document has only 10 pages."));
    QCOMPARE(m_view->splitButton()->toolTip(), m_view->groupsProblemLabel()->text());
    QVERIFY(m_main->grab().save(QStringLiteral(CM_SCREENSHOT_FOLDER "/split_groups_problem_en.png")));
    m_view->startPageEdit()->setText("10");
    m_view->groupSizeEdit()->setText("0");
    QVERIFY(!m_view->splitButton()->isEnabled());
    QCOMPARE(m_view->groupsProblemLabel()->text(), QString("A group holds at least one page."));
    m_view->groupSizeEdit()->setText("2");
    QVERIFY(m_view->splitButton()->isEnabled());
    QVERIFY(!m_view->groupsProblemLabel()->isVisible());
    QVERIFY(m_view->splitButton()->toolTip().isEmpty());

    chooseMode(Split::ByRanges);
    QVERIFY(m_view->rangeHelp()->isVisible());
    QVERIFY(!m_view->rangeList()->isVisible());
    QVERIFY(!m_view->clearRangesButton()->isVisible());
    // Letters never reach the fields; "From:" also takes the dashes and
    // commas of typed ranges, "To:" a number only.
    QTest::keyClicks(m_view->fromEdit(), "x-1");
    QCOMPARE(m_view->fromEdit()->text(), QString("-1"));
    QTest::keyClicks(m_view->toEdit(), "x-1");
    QCOMPARE(m_view->toEdit()->text(), QString("1"));
    m_view->toEdit()->clear();

    const auto addRange = [&](const QString &from, const QString &to) {
        m_view->fromEdit()->setText(from);
        m_view->toEdit()->setText(to);
        QTest::mouseClick(m_view->addRangeButton(), Qt::LeftButton);
    };
    addRange("4", "2");
    addRange("2", "11");
    addRange("0", "3");
    addRange("", "3");
    QVERIFY(split->ranges()->isEmpty());
    QVERIFY(!m_view->splitButton()->isEnabled());
    QCOMPARE(m_view->toEdit()->text(), QString("3"));   // a refused range keeps the input

    addRange("2", "2");
    QCOMPARE(split->ranges()->ranges(), (PageRangeList{{2, 2}}));
    QVERIFY(m_view->splitButton()->isEnabled());
    QVERIFY(m_view->rangeList()->isVisible());
    QVERIFY(m_view->clearRangesButton()->isVisible());
    QVERIFY(!m_view->rangeHelp()->isVisible());
    QCOMPARE(m_view->rangeList()->items().size(), 1);
    QCOMPARE(m_view->rangeList()->items().first()->text(), QString("2"));
    QVERIFY(m_view->fromEdit()->text().isEmpty());
    QVERIFY(m_view->toEdit()->text().isEmpty());
    addRange("2", "2");
    QCOMPARE(split->ranges()->ranges().size(), 1);

    QTest::mouseClick(m_view->clearRangesButton(), Qt::LeftButton);
    QVERIFY(split->ranges()->isEmpty());
    QVERIFY(m_view->rangeList()->items().isEmpty());
    QVERIFY(m_view->rangeHelp()->isVisible());
    QVERIFY(!m_view->splitButton()->isEnabled());

    // Mode 2: SPLIT waits for a page; a removed tag leaves the list too.
    chooseMode(Split::RemovePages);
    QVERIFY(!m_view->splitButton()->isEnabled());
    m_view->ridPageEdit()->setText("11");
    QTest::mouseClick(m_view->addPageButton(), Qt::LeftButton);
    QVERIFY(split->ridPages()->isEmpty());
    QVERIFY(!m_view->splitButton()->isEnabled());
    m_view->ridPageEdit()->setText("5");
    QTest::mouseClick(m_view->addPageButton(), Qt::LeftButton);
    QCOMPARE(split->ridPages()->ranges(), (PageRangeList{{5, 5}}));
    QVERIFY(m_view->splitButton()->isEnabled());
    QVERIFY(m_view->ridPageEdit()->text().isEmpty());
    QTest::mouseClick(m_view->ridList()->items().first()->removeButton(), Qt::LeftButton);
    QTRY_VERIFY(split->ridPages()->isEmpty());
    QVERIFY(!m_view->splitButton()->isEnabled());
    QTRY_VERIFY(m_view->ridHelp()->isVisible());

    // Mode 0 needs nothing more; a new document empties both lists but
    // keeps the mode.
    m_view->ridPageEdit()->setText("4");
    QTest::mouseClick(m_view->addPageButton(), Qt::LeftButton);
    load(fixture("other.pdf", 6));
    QVERIFY(split->ridPages()->isEmpty());
    QVERIFY(m_view->ridList()->items().isEmpty());
    QCOMPARE(m_view->currentModePage(), int(Split::RemovePages));
    chooseMode(Split::SinglePages);
    QVERIFY(m_view->splitButton()->isEnabled());
}

void TestSplitView::failuresSayWhatFailed()
{
    const QString document = fixture("failing.pdf", 4);
    load(document);
    const auto backToIdle = [&] {
        QCOMPARE(m_view->bottomIndex(), int(SplitView::ButtonsIndex));
        QVERIFY(m_view->splitArea()->isEnabled());
        QVERIFY(m_view->previewWidget()->isEnabled());
    };

    // Stopped by the user: a cancel, not a failure.
    Application::setWorkerPath(script("slow-worker", "echo 25\nexec sleep 30"));
    DialogAnswers stopped({DialogAnswers::click("OK")});
    QTest::mouseClick(m_view->splitButton(), Qt::LeftButton);
    QTRY_COMPARE(m_view->bottomIndex(), int(SplitView::ProgressIndex));
    QTRY_COMPARE(m_view->progressControl()->progressBar()->value(), 25);
    QTest::mouseClick(m_view->progressControl()->stopButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(stopped.allAnswered(), 20000);
    QCOMPARE(stopped.seen().first().title, QString("Split canceled"));
    QCOMPARE(stopped.seen().first().text, QString("The split was stopped before any file was written."));
    backToIdle();

    // The same kill without a stop from the user is a crash, not a cancel.
    Application::setWorkerPath(script("crashing-worker", "kill -9 $$"));
    SeenDialog seen = runSplit("OK");
    QCOMPARE(seen.title, QString("Split failed"));
    QCOMPARE(seen.text, QString("The split program crashed."));
    backToIdle();

    Application::setWorkerPath(m_folder.filePath("no-such-worker"));
    QCOMPARE(runSplit("OK").text, QString("The split program could not be started."));
    backToIdle();

    // The real worker: a file stands where the output folder should be.
    Application::setWorkerPath(binPath(QStringLiteral("sheafrun")));
    QFile blocker(m_folder.filePath("failing"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QCOMPARE(runSplit("OK").text, QString("The pages could not be written to %1: the folder is missing or "
                                          "cannot be written to.").arg(blocker.fileName()));
    backToIdle();

    // The document vanished after it was loaded.
    QVERIFY(QFile::remove(document));
    seen = runSplit("OK");
    QCOMPARE(seen.title, QString("Split failed"));
    QCOMPARE(seen.text, QString("failing.pdf was not found."));
    backToIdle();

    QCOMPARE(SplitView::failureText(2), QString("The document could not be opened: the password is wrong."));
    QCOMPARE(SplitView::failureText(201), QString("The split program ended without telling its result."));
    QCOMPARE(SplitView::failureText(77), QString("The split program stopped unexpectedly (code 77)."));
}

void TestSplitView::documentThatForbidsCopyingIsRefused()
{
    FixtureOptions options;
    options.restrictPermissions = true;
    options.ownerPassword = "owner";
    load(fixture("restricted.pdf", 3, options));
    QVERIFY(Application::instance()->split()->isLoaded());
    QSignalSpy started(Application::instance()->split(), &Split::started);
    const SeenDialog seen = runSplit("OK");
    QCOMPARE(seen.title, QString("Split failed"));
    QCOMPARE(seen.text, QString("Error: this document does not allow its pages to be extracted."));
    QCOMPARE(started.count(), 0);
    QVERIFY(!QDir(m_folder.filePath("restricted")).exists());
}

// A document the page cannot split is named with the reason, SPLIT stays
// off; a page or range that cannot be added says why next to its field, and
// Return in a field adds what it holds.
void TestSplitView::unusableDocumentsAndEntriesAreExplained()
{
    Split *split = Application::instance()->split();
    const auto grab = [](const QString &name) {
        return [name](QDialog *dialog) {
            QDir().mkpath(CM_SCREENSHOT_FOLDER);
            dialog->grab().save(QStringLiteral(CM_SCREENSHOT_FOLDER "/") + name + ".png");
            DialogAnswers::click("OK")(dialog);
        };
    };
    const QString broken = m_folder.filePath("broken.pdf");
    QFile garbage(broken);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("PDF-1.7 but nothing more");
    garbage.close();
    const QString missing = m_folder.filePath("gone/away.pdf");
    // PDF documents that recovery cannot open are told as such, with the library's reason.
    const QString cyclic = m_folder.filePath("cyclic.pdf");
    const QString trailer = m_folder.filePath("trailer.pdf");
    QVERIFY(writeUnopenablePdf(cyclic, UnopenablePdf::CyclicPageTree));
    QVERIFY(writeUnopenablePdf(trailer, UnopenablePdf::LostTrailer));

    DialogAnswers answers({grab("split_unreadable_en"), DialogAnswers::click("OK"), DialogAnswers::click("OK"),
                           grab("split_structure_damaged_en"), DialogAnswers::click("OK")});
    load(broken);
    split->setFile(missing);            // as from the command line
    waitForReading();
    load(fixture("single.pdf", 1));
    load(cyclic);
    load(trailer);
    QTRY_VERIFY(answers.allAnswered());
    QCOMPARE(answers.seen().at(0).title, QString("Cannot split this document"));
    QCOMPARE(answers.seen().at(0).text,
             QString("broken.pdf cannot be opened: it is not a PDF document, or it is damaged."));
    QCOMPARE(answers.seen().at(1).text, QString("%1 does not exist.").arg(missing));
    QCOMPARE(answers.seen().at(2).text, QString("single.pdf has only one page: there is nothing to split."));
    QCOMPARE(answers.seen().at(3).text, QString("cyclic.pdf cannot be opened: its structure is damaged "
                                                "(Loop detected in /Pages structure (getAllPages))."));
    QCOMPARE(answers.seen().at(4).text, QString("trailer.pdf cannot be opened: its structure is damaged "
                                                "(unable to find /Root dictionary)."));
    QVERIFY(!m_view->splitButton()->isEnabled());

    load(fixture("twelve.pdf", 12));
    QVERIFY(m_view->splitButton()->isEnabled());
    chooseMode(Split::RemovePages);
    const auto typeAndReturn = [](QLineEdit *field, const QString &text) {
        field->clear();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    };
    typeAndReturn(m_view->ridPageEdit(), "13");
    QVERIFY(m_view->ridProblemLabel()->isVisible());
    QCOMPARE(m_view->ridProblemLabel()->text(), QString("The document has only 12 pages."));
    typeAndReturn(m_view->ridPageEdit(), "0");
    QCOMPARE(m_view->ridProblemLabel()->text(), QString("Pages start at 1."));
    QDir().mkpath(CM_SCREENSHOT_FOLDER);
    QCoreApplication::processEvents();
    m_main->grab().save(QStringLiteral(CM_SCREENSHOT_FOLDER "/split_page_problem_en.png"));
    typeAndReturn(m_view->ridPageEdit(), "5");
    QVERIFY(!m_view->ridProblemLabel()->isVisible());
    QCOMPARE(split->ridPages()->ranges(), PageRangeList({{5, 5}}));
    // Lists and open ranges, typed key by key; pages listed already are passed over.
    typeAndReturn(m_view->ridPageEdit(), "3-5,7");
    typeAndReturn(m_view->ridPageEdit(), "11-");
    typeAndReturn(m_view->ridPageEdit(), "-1");
    QVERIFY(!m_view->ridProblemLabel()->isVisible());
    QCOMPARE(split->ridPages()->ranges(),
             PageRangeList({{5, 5}, {3, 3}, {4, 4}, {7, 7}, {11, 11}, {12, 12}, {1, 1}}));
    typeAndReturn(m_view->ridPageEdit(), "2-4,6-");
    QCOMPARE(m_view->ridProblemLabel()->text(), QString("At least one page must stay."));
    typeAndReturn(m_view->ridPageEdit(), "4-2");
    QCOMPARE(m_view->ridProblemLabel()->text(), QString("Type pages as 3-5,7 or 8- or -4."));
    QCOMPARE(split->ridPages()->ranges().size(), 7);

    chooseMode(Split::ByRanges);
    typeAndReturn(m_view->fromEdit(), "9");
    QCOMPARE(m_view->window()->focusWidget(), m_view->toEdit());   // Return in "From:" goes on to "To:"
    typeAndReturn(m_view->toEdit(), "7");
    QCOMPARE(m_view->rangeProblemLabel()->text(), QString("The range ends before it starts."));
    QVERIFY(split->ranges()->isEmpty());
    Application::settings()->setValue("Language", "de");
    Application::instance()->applyLanguage();
    typeAndReturn(m_view->toEdit(), "17");
    QCOMPARE(m_view->rangeProblemLabel()->text(), QString("Das Dokument hat nur 12 Seiten."));
    QCoreApplication::processEvents();
    m_main->grab().save(QStringLiteral(CM_SCREENSHOT_FOLDER "/split_page_problem_de.png"));
    DialogAnswers german({grab("split_unreadable_de")});
    load(broken);
    QTRY_VERIFY(german.allAnswered());
    QCOMPARE(german.seen().first().text,
             QString("broken.pdf kann nicht geöffnet werden: es ist kein PDF-Dokument oder es ist beschädigt."));
    Application::settings()->setValue("Language", "en");
    Application::instance()->applyLanguage();
    load(fixture("twelve.pdf", 12));
    chooseMode(Split::ByRanges);
    typeAndReturn(m_view->fromEdit(), "9");
    typeAndReturn(m_view->toEdit(), "12");
    QCOMPARE(split->ranges()->ranges(), PageRangeList({{9, 12}}));
    typeAndReturn(m_view->fromEdit(), "2-4,-1,9-");
    QCOMPARE(split->ranges()->ranges(), PageRangeList({{9, 12}, {2, 4}, {1, 1}}));
    QVERIFY(m_view->fromEdit()->text().isEmpty());
    QVERIFY(m_view->splitButton()->isEnabled());
}

// Stop takes back the pieces the split had written, and the message reads
// as a cancel; outputs the worker reports as not written are told.
void TestSplitView::canceledSplitLeavesNoPieceAndMissingPiecesAreTold()
{
    Split *split = Application::instance()->split();
    load(fixture("long.pdf", 3000));
    const QString output = m_folder.filePath("pieces");
    chooseFolder(output);
    QStringList titles;
    QString text;
    DialogAnswers stopped({[&](QDialog *dialog) {
        dialog->grab().save(QStringLiteral(CM_SCREENSHOT_FOLDER "/split_canceled_en.png"));
        DialogAnswers::click("OK")(dialog);
    }});
    QTest::mouseClick(m_view->splitButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(QDir(output).entryList(QDir::Files).size() >= 20, 60000);
    QTest::mouseClick(m_view->progressControl()->stopButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(stopped.allAnswered(), 20000);
    QCOMPARE(stopped.seen().first().title, QString("Split canceled"));
    QVERIFY(split->removedCount() >= 20);
    QCOMPARE(stopped.seen().first().text, QString("The split was stopped. The %1 files it had written were removed.")
                                              .arg(split->removedCount()));
    QCOMPARE(QDir(output).entryList(QDir::Files | QDir::Hidden), QStringList());
    // No request (it holds the passwords) stays in the cache after the job.
    QDirIterator cache(cacheFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (cache.hasNext())
        QVERIFY2(!cache.next().endsWith(".req"), qPrintable(cache.filePath()));

    // A worker that wrote some pieces and not others, for a full disk.
    const QByteArray answer = QJsonDocument(QJsonObject{{"error_code", 0},
                                                        {"files", QJsonArray{QJsonObject{{"file_name", "/x/a_p1.pdf"}}}},
                                                        {"failed_count", 2}, {"error_cause", 3}})
                                  .toJson().toBase64();
    Application::setWorkerPath(script("partial-worker", "printf '" + answer + "' > \"${2%.req}.resp\""));
    const SeenDialog partial = runSplit("OK");
    QCOMPARE(partial.title, QString("Split complete"));
    QVERIFY2(partial.text.startsWith("2 files could not be written: the disk is full.\n\nYour document was split into 1 file."),
             qPrintable(partial.text));
}

CM_APPLICATION_TEST_MAIN(TestSplitView)
#include "test_splitview.moc"
