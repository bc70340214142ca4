#include "tests/preview/GuiTestHelpers.h"
#include "AppTestMain.h"

#include "app/AdvancedSettingsView.h"
#include "app/MainView.h"
#include "jobs/Merge.h"
#include "jobs/Split.h"
#include "jobs/MergeLauncher.h"
#include "jobs/MergeModel.h"
#include "jobs/OutcomeText.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/PdfStructure.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

// The output properties from the panel to the files: the user fills the
// panel that the application's jobs open, the real worker splits and
// merges, and the outputs carry what was typed.
class TestOutputProperties : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void splitOutputsCarryThePanelsChoices();
    void mergedOutputCarriesThePanelsChoices();
    void cleanupTestCase();

private:
    QString fixture(const QString &name, int pages);
    bool panelShows(const QSharedPointer<AdvancedSettings> &settings);
    bool panelClosed();
    QCheckBox *box(const QString &name) const;
    QLineEdit *edit(const QString &name) const;
    QPushButton *button(const QString &text) const;
    void typeInto(const QString &field, const QString &text);
    // Runs the split job into the folder; the files it reports.
    QStringList split(const QString &folder);

    ScratchFolder m_scratch;
    MainView *m_view = nullptr;
    AdvancedSettingsView *m_panel = nullptr;
};

void TestOutputProperties::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    QVERIFY(QFileInfo(Application::workerPath()).isExecutable());
    Application::settings()->setValue("check_updates", false);
    m_view = new MainView;
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    m_panel = m_view->advancedSettingsView();

    // The pages answer a finished job with their result dialogs; this test
    // reads the files, so it closes every dialog that comes up.
    auto *closer = new QTimer(this);
    connect(closer, &QTimer::timeout, this, [] {
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    closer->start(20);
}

void TestOutputProperties::cleanupTestCase()
{
    delete m_view;
    Application::settings()->remove("check_updates");
}

QString TestOutputProperties::fixture(const QString &name, int pages)
{
    const QString path = m_scratch.filePath(name);
    FixtureOptions options;
    options.pageCount = pages;
    return writePdfFixture(path, options) ? path : QString();
}

bool TestOutputProperties::panelShows(const QSharedPointer<AdvancedSettings> &settings)
{
    return QTest::qWaitFor([&] {
        return m_panel->settings() == settings
               && m_panel->geometry() == MainView::panelShownGeometry();
    });
}

bool TestOutputProperties::panelClosed()
{
    return QTest::qWaitFor([this] { return !m_panel->isVisible(); });
}

QCheckBox *TestOutputProperties::box(const QString &name) const
{
    for (QCheckBox *candidate : m_panel->findChildren<QCheckBox *>()) {
        if (candidate->text() == name || candidate->accessibleName() == name)
            return candidate;
    }
    return nullptr;
}

QLineEdit *TestOutputProperties::edit(const QString &name) const
{
    for (QLineEdit *candidate : m_panel->findChildren<QLineEdit *>()) {
        if (candidate->accessibleName() == name)
            return candidate;
    }
    return nullptr;
}

QPushButton *TestOutputProperties::button(const QString &text) const
{
    for (QPushButton *candidate : m_panel->findChildren<QPushButton *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

void TestOutputProperties::typeInto(const QString &field, const QString &text)
{
    edit(field)->clear();
    QTest::keyClicks(edit(field), text);
}

QStringList TestOutputProperties::split(const QString &folder)
{
    Split *job = Application::instance()->split();
    QStringList files;
    bool complete = false;
    const auto finished = connect(job, &Split::finished, this, [&](const QStringList &f) { files = f; });
    const auto completed = connect(job, &Split::complete, this, [&] { complete = true; });
    job->setOutDirectory(folder);
    job->setMode(Split::SinglePages);
    job->run();
    if (!QTest::qWaitFor([&] { return complete; }, 60000))
        files = QStringList{"the split did not end"};
    disconnect(finished);
    disconnect(completed);
    return files;
}

void TestOutputProperties::splitOutputsCarryThePanelsChoices()
{
    Split *job = Application::instance()->split();
    job->setFile(fixture("report.pdf", 3));
    waitForReading();
    QVERIFY(job->isLoaded());

    // The split page's "Advanced Settings" asks the job, the job asks the window.
    job->editSettings();
    QVERIFY(panelShows(job->settings()));
    QVERIFY(edit("Filename Prefix:")->isVisible());
    QVERIFY(!m_panel->bookmarksBox()->isVisible());   // a split files no bookmarks of several documents
    typeInto("Title:", "Quarterly report");
    typeInto("Author:", "Bea Writer");
    QTest::mouseClick(box("Printing"), Qt::LeftButton);
    QTest::mouseClick(box("Copying"), Qt::LeftButton);
    QTest::mouseClick(box("Password:"), Qt::LeftButton);
    typeInto("Password:", "  open sesame ");
    typeInto("Filename Prefix:", "part ");
    QTest::mouseClick(button("COUNTER"), Qt::LeftButton);
    QTest::keyClicks(edit("Filename Prefix:"), " of ");
    QTest::mouseClick(button("BASENAME"), Qt::LeftButton);
    QTest::mouseClick(button("SAVE SETTINGS"), Qt::LeftButton);
    QVERIFY(panelClosed());

    const QString first = m_scratch.filePath("first");
    QVERIFY(QDir().mkpath(first));
    const QStringList files = split(first);
    QCOMPARE(files.size(), 3);
    for (int k = 1; k <= 3; ++k) {
        const QString file = files.at(k - 1);
        QCOMPARE(QFileInfo(file).fileName(), QString("part %1 of report.pdf").arg(k));
        QCOMPARE(pageTexts(file, "open sesame"), QStringList{QString("Page %1").arg(k)});
        QCOMPARE(fixtureInfo(file, "/Title", "open sesame"), QString("Quarterly report"));
        QCOMPARE(fixtureInfo(file, "/Author", "open sesame"), QString("Bea Writer"));
        const FixtureSecurity security = inspectSecurity(file, "open sesame");
        QVERIFY(security.encrypted);
        QVERIFY(security.userPasswordOk);
        QVERIFY(!security.allowsPrint);
        QVERIFY(!security.allowsPrintFull);
        QVERIFY(!security.allowsCopy);
        QVERIFY(security.allowsModify);
        QVERIFY(!inspectSecurity(file).opened);   // the trimmed password, nothing else
    }

    // Unchecking the box keeps the typed password out of the next split; a
    // cancelled edit changes nothing.
    job->editSettings();
    QVERIFY(panelShows(job->settings()));
    QCOMPARE(edit("Password:")->text(), QString("open sesame"));
    QTest::mouseClick(box("Password:"), Qt::LeftButton);
    QTest::mouseClick(box("Printing"), Qt::LeftButton);
    QTest::mouseClick(button("SAVE SETTINGS"), Qt::LeftButton);
    QVERIFY(panelClosed());
    job->editSettings();
    QVERIFY(panelShows(job->settings()));
    typeInto("Title:", "Never used");
    QTest::mouseClick(button("CANCEL"), Qt::LeftButton);
    QVERIFY(panelClosed());

    const QString second = m_scratch.filePath("second");
    QVERIFY(QDir().mkpath(second));
    const QStringList open = split(second);
    QCOMPARE(open.size(), 3);
    QCOMPARE(QFileInfo(open.at(2)).fileName(), QString("part 3 of report.pdf"));
    // No password opens it; copying stays forbidden, which encrypts it
    // with empty passwords, and printing is allowed again.
    const FixtureSecurity security = inspectSecurity(open.at(0));
    QVERIFY(security.opened);
    QVERIFY(security.encrypted);
    QVERIFY(!security.allowsCopy);
    QVERIFY(security.allowsPrint);
    QCOMPARE(pageTexts(open.at(0)), QStringList{"Page 1"});
    QCOMPARE(fixtureInfo(open.at(0), "/Title"), QString("Quarterly report"));
}

void TestOutputProperties::mergedOutputCarriesThePanelsChoices()
{
    Merge *job = Application::instance()->merge();
    job->editSettings();
    QVERIFY(panelShows(job->settings()));
    QVERIFY(!edit("Filename Prefix:")->isVisible());
    for (Button *tag : m_panel->tagButtons())
        QVERIFY(!tag->isVisible());
    typeInto("Title:", "Merged binder");
    typeInto("Author:", "Cy Editor");
    QTest::mouseClick(box("Editing"), Qt::LeftButton);
    QTest::mouseClick(box("Password:"), Qt::LeftButton);
    typeInto("Password:", "m3rge");
    QTest::mouseClick(button("SAVE SETTINGS"), Qt::LeftButton);
    QVERIFY(panelClosed());

    auto row = [](const QString &path, int pages) {
        MergeModelItem item;
        item.path = path;
        item.fileName = QFileInfo(path).fileName();
        item.pageCount = pages;
        return item;
    };
    job->model()->clear();
    job->model()->appendItems({row(fixture("a.pdf", 2), 2), row(fixture("b.pdf", 1), 1)});
    const QString target = m_scratch.filePath("binder.pdf");
    job->setSaveFileName(target);
    int code = -1;
    QString merged;
    connect(job, &Merge::finished, this, [&](int c, const QString &file) { code = c; merged = file; });
    job->run();
    QVERIFY(QTest::qWaitFor([&] { return code != -1; }, 60000));
    QCOMPARE(code, 0);
    QCOMPARE(QFileInfo(merged).absoluteFilePath(), QFileInfo(target).absoluteFilePath());

    QCOMPARE(pageTexts(target, "m3rge"), QStringList({"Page 1", "Page 2", "Page 1"}));
    QCOMPARE(fixtureInfo(target, "/Title", "m3rge"), QString("Merged binder"));
    QCOMPARE(fixtureInfo(target, "/Author", "m3rge"), QString("Cy Editor"));
    const FixtureSecurity security = inspectSecurity(target, "m3rge");
    QVERIFY(security.encrypted);
    QVERIFY(security.userPasswordOk);
    QVERIFY(!security.allowsModify);
    QVERIFY(security.allowsPrint);
    QVERIFY(security.allowsCopy);
    QVERIFY(!inspectSecurity(target).opened);

    // The merge job keeps its record between runs.
    job->editSettings();
    QVERIFY(panelShows(job->settings()));
    QCOMPARE(edit("Title:")->text(), QString("Merged binder"));
    QVERIFY(!box("Editing")->isChecked());
    QCOMPARE(m_panel->bookmarksBox()->currentText(), QString("Keep each document's bookmarks"));

    // One bookmark per document, chosen by keys: the box follows the author
    // field in the tab order. Each document's bookmark carries its title, or
    // its file name when it has none, with its own bookmarks beneath.
    QTest::mouseClick(box("Password:"), Qt::LeftButton);
    m_view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_view));
    edit("Author:")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_panel->bookmarksBox());
    QTest::keyClick(m_panel->bookmarksBox(), Qt::Key_Down);
    QCOMPARE(m_panel->bookmarksBox()->currentText(), QString("One per document, with its bookmarks beneath"));
    // Optimising, the panel's last choice, is reached by keys from the page order.
    QCOMPARE(m_panel->optimiseBox()->currentText(), QString("Off"));
    m_panel->alternateBox()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), m_panel->optimiseBox());
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(m_panel->optimiseBox(), Qt::Key_Down);
    QCOMPARE(m_panel->optimiseBox()->currentText(), QString("Lossless, photos at 150 dpi"));
    QTest::mouseClick(button("SAVE SETTINGS"), Qt::LeftButton);
    QVERIFY(panelClosed());

    FixtureOptions handbook;
    handbook.pageCount = 6;
    handbook.outline = true;
    handbook.title = "Handbook";
    const QString withBookmarks = m_scratch.filePath("handbook.pdf");
    QVERIFY(writePdfFixture(withBookmarks, handbook));
    job->model()->clear();
    MergeModelItem ranged = row(withBookmarks, 6);
    ranged.pageRanges = {{4, 5}};
    job->model()->appendItems({ranged, row(fixture("c.pdf", 1), 1)});
    code = -1;
    job->run();
    QVERIFY(QTest::qWaitFor([&] { return code != -1; }, 60000));
    QCOMPARE(code, 0);
    QCOMPARE(outlineLines(target), QStringList({"Handbook -> 1", "  Part B -> 1 [closed]", "    B.1 -> 2",
                                                "c.pdf -> 3"}));

    // The request asked for it, and the result tells the size before and after.
    QCOMPARE(job->launcher()->request().optimise, Optimisation::Images);
    QCOMPARE(job->launcher()->request().imageDpiLimit, 150);
    const OutputSizes sizes = job->outputSizes();
    QCOMPARE(sizes.bytesWritten, QFileInfo(target).size());
    QVERIFY(sizes.optimised());
    const QString told = OutcomeText::sizeSummary(sizes).text(0);
    QVERIFY2(told.startsWith("Merged: ") && told.contains(" → "), qPrintable(told));
}

CM_APPLICATION_TEST_MAIN(TestOutputProperties)
#include "test_outputproperties.moc"
