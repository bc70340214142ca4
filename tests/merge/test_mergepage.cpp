#include "../app/AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"

#include "app/AdvancedSettingsView.h"
#include "app/MainView.h"
#include "dialogs/MessageMerge.h"
#include "dialogs/MessagePassword.h"
#include "dialogs/MessageView.h"
#include "app/TabWidget.h"
#include "jobs/AdvancedSettings.h"
#include "jobs/Merge.h"
#include "jobs/ProgressControl.h"
#include "jobs/MergeModel.h"
#include "merge/MergeTableView.h"
#include "merge/MergeView.h"
#include "merge/PageRangesView.h"
#include "widgets/CheckBox.h"
#include "widgets/RangeListView.h"
#include "preview/DocumentViewer.h"
#include "preview/DropArea.h"
#include "tests/support/PdfFixtures.h"
#include "widgets/WindowBar.h"

#include "common/FileUtils.h"

#include <QCheckBox>
#include <QDirIterator>
#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedLayout>
#include <QUrl>

// The merge page in the real main window: documents come in through the file
// dialog and drops, are reordered, get passwords and page ranges, and are
// merged by the real worker; the result is read back page by page.
class TestMergePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void buildAndMergeThroughThePage();
    void buttonsHeaderAndDropAreaFollowTheList();
    void scannedFrontsAndBacksMergeAlternately();
    void leftOutDocumentsAreAskedAboutAndNamed();
    void handOversKeepTheirOrderWhateverTheReadsTake();

private:
    void clickCell(int row, int column);
    void dragRow(int from, int onto, const QString &screenshot = {});
    void hoverDrag(int from, int over, const QString &screenshot);
    void dropFiles(QWidget *target, const QStringList &paths);
    void addThroughDialog(const QStringList &names);
    QString runMerge(const QString &name);
    QStringList rowNames() const;
    int rowOf(const QString &fileName) const;
    void editRanges(int row, const QList<QPair<QString, QString>> &ranges, bool forAll);
    void saveScreenshot(QWidget *widget, const QString &name);

    template<typename T> T *child(const QString &name) const
    {
        return m_page->findChild<T *>(name);
    }

    ScratchFolder m_scratch;
    QString m_sources;
    QString m_output;
    MainView *m_window = nullptr;
    MergeView *m_page = nullptr;
    MergeTableView *m_table = nullptr;
    MergeModel *m_model = nullptr;
};

void TestMergePage::initTestCase()
{
    auto *app = Application::instance();
    if (!app->pdfService())
        app->createPdfService();
    Application::setWorkerPath(binPath("sheafrun"));
    QVERIFY(m_scratch.isValid());
    m_sources = m_scratch.filePath("in");
    m_output = m_scratch.filePath("out");
    QVERIFY(QDir().mkpath(m_sources));
    QVERIFY(QDir().mkpath(m_output));
    auto fixture = [this](const QString &name, int pages, const QString &password = {}) {
        FixtureOptions options;
        options.pageCount = pages;
        options.userPassword = password;
        return writePdfFixture(QDir(m_sources).filePath(name), options);
    };
    QVERIFY(fixture("a.pdf", 3));
    QVERIFY(fixture("b.pdf", 5));
    QVERIFY(fixture("secret.pdf", 2, "pw"));
    QVERIFY(fixture("c.PDF", 4));
    QFile unreadable(QDir(m_sources).filePath("unreadable.pdf"));
    QVERIFY(unreadable.open(QIODevice::WriteOnly));
    unreadable.write("%PDF-1.4 cut off here");
    QFile notes(QDir(m_sources).filePath("notes.txt"));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a document");
}

void TestMergePage::init()
{
    Application::settings()->clear();
    Application::settings()->setValue("last_select_folder", m_sources);
    // English through its translation, for the plural forms.
    Application::settings()->setValue("Language", "en");
    Application::instance()->applyLanguage();
    m_window = new MainView;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->onNavigateToMerge();
    m_page = m_window->mergeView();
    m_table = m_page->table();
    m_model = Application::instance()->merge()->model();
    QVERIFY(m_model->isEmpty());
}

void TestMergePage::cleanup()
{
    m_model->clear();
    delete m_window;
}

void TestMergePage::saveScreenshot(QWidget *widget, const QString &name)
{
    QDir().mkpath(CM_SCREENSHOT_FOLDER);
    QVERIFY(widget->grab().save(QStringLiteral(CM_SCREENSHOT_FOLDER "/") + name + ".png"));
}

QStringList TestMergePage::rowNames() const
{
    QStringList names;
    for (int row = 0; row < m_model->rowCount(); ++row)
        names.append(m_model->index(row, MergeModel::FileNameColumn).data().toString());
    return names;
}

int TestMergePage::rowOf(const QString &fileName) const
{
    return rowNames().indexOf(fileName);
}

void TestMergePage::clickCell(int row, int column)
{
    const QRect cell = m_table->visualRect(m_model->index(row, column));
    QVERIFY(!cell.isEmpty());
    QTest::mouseClick(m_table->viewport(), Qt::LeftButton, {}, cell.center());
}

void TestMergePage::dragRow(int from, int onto, const QString &screenshot)
{
    QScopedPointer<QMimeData> data(m_table->rowDragData(from));
    const QPoint target = m_table->visualRect(m_model->index(onto, 1)).center();
    QDragEnterEvent enter(target, Qt::MoveAction, data.data(), Qt::LeftButton, {});
    QApplication::sendEvent(m_table->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(target, Qt::MoveAction, data.data(), Qt::LeftButton, {});
    QApplication::sendEvent(m_table->viewport(), &move);
    QVERIFY(move.isAccepted());
    QCOMPARE(m_table->dropIndex().row(), onto);
    if (!screenshot.isEmpty())
        saveScreenshot(m_page, screenshot);
    QDropEvent drop(target, Qt::MoveAction, data.data(), Qt::LeftButton, {});
    QApplication::sendEvent(m_table->viewport(), &drop);
    QVERIFY(!m_table->dropIndex().isValid());
}

void TestMergePage::hoverDrag(int from, int over, const QString &screenshot)
{
    QScopedPointer<QMimeData> data(m_table->rowDragData(from));
    const QPoint target = m_table->visualRect(m_model->index(over, 1)).center();
    QDragEnterEvent enter(target, Qt::MoveAction, data.data(), Qt::LeftButton, {});
    QApplication::sendEvent(m_table->viewport(), &enter);
    QDragMoveEvent move(target, Qt::MoveAction, data.data(), Qt::LeftButton, {});
    QApplication::sendEvent(m_table->viewport(), &move);
    QCOMPARE(m_table->dropIndex().row(), over);
    QVERIFY(m_table->itemDelegate()->isDragging());
    saveScreenshot(m_page, screenshot);
    QDragLeaveEvent leave;
    QApplication::sendEvent(m_table->viewport(), &leave);
    QVERIFY(!m_table->dropIndex().isValid());
    QVERIFY(!m_table->itemDelegate()->isDragging());
}

void TestMergePage::dropFiles(QWidget *target, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls.append(QUrl::fromLocalFile(path));
    data.setUrls(urls);
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDragMoveEvent move(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &move);
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
}

void TestMergePage::addThroughDialog(const QStringList &names)
{
    QString title;
    QString folder;
    answerNext<QFileDialog>([&](QFileDialog *dialog) {
        title = dialog->windowTitle();
        folder = dialog->directory().absolutePath();
        QStringList quoted;
        for (const QString &name : names)
            quoted.append('"' + name + '"');
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(quoted.join(' '));
        static_cast<QDialog *>(dialog)->accept();
    });
    const int before = m_model->rowCount();
    QTest::mouseClick(child<QPushButton>("buttonTableAdd"), Qt::LeftButton);
    QCOMPARE(title, QString("Select one or more files to open"));
    QCOMPARE(folder, m_sources);
    QTRY_COMPARE(m_model->rowCount(), before + names.size());
    QVERIFY(waitForReading());
}

void TestMergePage::editRanges(int row, const QList<QPair<QString, QString>> &ranges, bool forAll)
{
    PageRangesView *editor = m_window->pageRangesView();
    clickCell(row, MergeModel::PagesColumn);
    QTRY_VERIFY(editor->isVisible());
    QCOMPARE(editor->documentId(), m_model->item(row).id);
    QCheckBox *applyToAll = nullptr;
    for (QCheckBox *box : editor->findChildren<QCheckBox *>())
        applyToAll = box != editor->reverseBox() ? box : applyToAll;
    applyToAll->setChecked(forAll);
    const QList<QLineEdit *> edits = editor->findChildren<QLineEdit *>("inputEdit");
    for (const auto &range : ranges) {
        edits[0]->clear();
        edits[1]->clear();
        QTest::keyClicks(edits[0], range.first);
        QTest::keyClicks(edits[1], range.second);
        QTest::mouseClick(editor->findChild<QPushButton *>("buttonAddRange"), Qt::LeftButton);
    }
    QTest::mouseClick(editor->findChild<QPushButton *>("buttonSaveSettings"), Qt::LeftButton);
    QTest::mouseClick(editor->findChild<QPushButton *>("buttonCancel"), Qt::LeftButton);
    QTRY_VERIFY(!editor->isVisible());
}

QString TestMergePage::runMerge(const QString &name)
{
    auto *nameEdit = m_page->findChildren<QLineEdit *>("cleanEdit").at(1);
    nameEdit->clear();
    QTest::keyClicks(nameEdit, name);
    // The merge-complete dialog gives the result; any other dialog is a failure.
    QString result;
    answerNext<QDialog>([&](QDialog *dialog) {
        if (auto *done = qobject_cast<MessageMerge *>(dialog)) {
            result = Application::instance()->lastMergeFile();
            QTest::mouseClick(buttonWithText(done, "OK"), Qt::LeftButton);
        } else if (auto *message = qobject_cast<MessageView *>(dialog)) {
            result = "<failed> " + message->messageLabel()->text();
            message->reject();
        } else {
            result = "<unexpected dialog>";
            dialog->reject();
        }
    });
    QTest::mouseClick(child<QPushButton>("buttonMerge"), Qt::LeftButton);
    if (!QTest::qWaitFor([&]() { return !result.isEmpty(); }, 60000))
        return QStringLiteral("<no dialog>");
    return result;
}

// Fronts of a stack in one document, the backs scanned last page first in
// another: the backs are reversed in the page-range editor, "Alternate
// pages" is chosen in the merge's Advanced Settings, and the real worker
// puts each back behind its front.
void TestMergePage::scannedFrontsAndBacksMergeAlternately()
{
    answerNext<QFileDialog>([this](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(m_output);
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::mouseClick(child<QPushButton>("buttonOpenFolder"), Qt::LeftButton);
    addThroughDialog({"a.pdf", "b.pdf"});

    PageRangesView *editor = m_window->pageRangesView();
    clickCell(1, MergeModel::PagesColumn);
    QTRY_VERIFY(editor->isVisible());
    QVERIFY(!editor->reverseBox()->isChecked());
    QVERIFY(!editor->findChild<QPushButton *>("buttonSaveSettings")->isEnabled());
    QTest::mouseClick(editor->reverseBox(), Qt::LeftButton);
    QVERIFY(editor->findChild<QPushButton *>("buttonSaveSettings")->isEnabled());
    QVERIFY(editor->findChild<QLabel *>("reversePagesHint")->isVisible());
    saveScreenshot(editor, "merge_reverse_pages");
    QTest::mouseClick(editor->findChild<QPushButton *>("buttonSaveSettings"), Qt::LeftButton);
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!editor->isVisible());
    QCOMPARE(m_model->index(1, MergeModel::PagesColumn).data().toString(), QString("5-1"));
    QCOMPARE(m_model->index(0, MergeModel::PagesColumn).data().toString(), QString("All (3)"));
    // Opened again, the editor shows the choice; taking it back is a change to confirm.
    clickCell(1, MergeModel::PagesColumn);
    QTRY_VERIFY(editor->isVisible());
    QVERIFY(editor->reverseBox()->isChecked());
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!editor->isVisible());

    AdvancedSettingsView *panel = m_window->advancedSettingsView();
    QTest::mouseClick(child<QPushButton>("buttonAdvancedSettings"), Qt::LeftButton);
    QTRY_VERIFY(panel->isVisible());
    QVERIFY(panel->alternateBox()->isVisible());
    QVERIFY(!panel->alternateBox()->isChecked());
    QVERIFY(!panel->fileNameEdit()->isVisible());
    QTest::mouseClick(panel->alternateBox(), Qt::LeftButton);
    saveScreenshot(panel, "merge_alternate_pages");
    QTest::mouseClick(buttonWithText(panel, "SAVE SETTINGS"), Qt::LeftButton);
    QTRY_VERIFY(!panel->isVisible());
    const auto settings = Application::instance()->merge()->settings();
    QVERIFY(settings->alternatePages());
    // The choice stays in sight on the page while it is on.
    QLabel *orderNote = child<QLabel>("mergeOrderNote");
    QVERIFY(orderNote->isVisible());
    QCOMPARE(orderNote->text(), QString("Pages alternate between documents"));
    saveScreenshot(m_page, "merge_alternate_note");

    const QString merged = runMerge("duplex");
    QCOMPARE(merged, QDir(m_output).filePath("duplex.pdf"));
    QCOMPARE(pageTexts(merged), QStringList({"Page 1", "Page 5", "Page 2", "Page 4", "Page 3", "Page 3",
                                             "Page 2", "Page 1"}));

    // Clear all starts the next merge afresh: one document after the other.
    DialogAnswers clearAnswers({DialogAnswers::click("CLEAR LIST")});
    QTest::mouseClick(child<QPushButton>("buttonClearAll"), Qt::LeftButton);
    QTRY_VERIFY(m_model->isEmpty());
    QVERIFY(!settings->alternatePages());
    QVERIFY(!orderNote->isVisible());
}

void TestMergePage::buildAndMergeThroughThePage()
{
    QCOMPARE(unnamedButtons(m_page), QStringList());
    QVERIFY(m_table->dropArea()->isVisible());
    QVERIFY(!child<QPushButton>("buttonMerge")->isEnabled());
    QCOMPARE(child<QLabel>("labelTotalPages")->text(), QString("0 pages in total"));

    // The output folder: chosen in the folder dialog and remembered.
    answerNext<QFileDialog>([this](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(m_output);
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::mouseClick(child<QPushButton>("buttonOpenFolder"), Qt::LeftButton);
    QCOMPARE(m_page->outputFolder(), m_output);
    QCOMPARE(m_page->findChildren<QLineEdit *>("cleanEdit").at(0)->text(), m_output);
    QCOMPARE(Application::settings()->value("merge_last_save_folder").toString(), m_output);

    // Three documents through the dialog, then a drop of a PDF and a text file.
    addThroughDialog({"a.pdf", "b.pdf", "secret.pdf"});
    QVERIFY(!m_table->dropArea()->isVisible());
    dropFiles(m_table->viewport(),
              {QDir(m_sources).filePath("c.PDF"), QDir(m_sources).filePath("notes.txt")});
    QTRY_COMPARE(m_model->rowCount(), 4);
    QVERIFY(waitForReading());
    QCOMPARE(rowNames().last(), QString("c.PDF"));
    QCOMPARE(child<QLabel>("labelTotalPages")->text(), QString("12 pages in total"));
    QVERIFY(child<QPushButton>("buttonMerge")->isEnabled());
    // An empty name is told beside the field, and by MERGE, which waits for one.
    auto *nameEdit = m_page->findChildren<QLineEdit *>("cleanEdit").at(1);
    const QString proposed = nameEdit->text();
    nameEdit->clear();
    QVERIFY(!child<QPushButton>("buttonMerge")->isEnabled());
    QVERIFY(m_page->nameProblemLabel()->isVisible());
    QCOMPARE(child<QPushButton>("buttonMerge")->toolTip(), QString("Enter a name for the merged file."));
    nameEdit->setText(proposed);
    QVERIFY(child<QPushButton>("buttonMerge")->isEnabled());
    QVERIFY(!m_page->nameProblemLabel()->isVisible());

    // Preview: nothing for the protected document without its password.
    QSignalSpy previews(m_page, &MergeView::preview);
    clickCell(rowOf("secret.pdf"), MergeModel::PreviewColumn);
    QCOMPARE(previews.size(), 0);
    clickCell(rowOf("a.pdf"), MergeModel::PreviewColumn);
    QCOMPARE(previews.size(), 1);
    QCOMPARE(previews[0][0].toString(), QDir(m_sources).filePath("a.pdf"));
    QTRY_VERIFY(m_window->documentViewer()->isVisible());
    m_window->documentViewer()->hide();

    // Ranges for b; the editor closes again.
    editRanges(rowOf("b.pdf"), {{"4", "5"}}, false);
    QCOMPARE(m_model->index(rowOf("b.pdf"), MergeModel::PagesColumn).data().toString(),
             QString("4-5"));

    // Reorder: a down by the button, then c dragged onto the first row.
    QVERIFY(!child<QPushButton>("buttonMoveDown")->isEnabled());
    clickCell(rowOf("a.pdf"), MergeModel::FileNameColumn);
    QVERIFY(child<QPushButton>("buttonMoveDown")->isEnabled());
    QTest::mouseClick(child<QPushButton>("buttonMoveDown"), Qt::LeftButton);
    QCOMPARE(rowNames(), QStringList({"b.pdf", "a.pdf", "secret.pdf", "c.PDF"}));
    QCOMPARE(m_table->currentIndex().row(), 1);
    hoverDrag(0, 2, "merge_page_rows");
    QCOMPARE(rowNames(), QStringList({"b.pdf", "a.pdf", "secret.pdf", "c.PDF"}));
    dragRow(3, 0);
    QCOMPARE(rowNames(), QStringList({"c.PDF", "b.pdf", "a.pdf", "secret.pdf"}));
    QCOMPARE(m_table->currentIndex().row(), 0);
    dragRow(0, 1);   // onto the row just below: no change
    QCOMPARE(rowNames(), QStringList({"c.PDF", "b.pdf", "a.pdf", "secret.pdf"}));

    // The password from the Pages cell: a wrong one first, then the right one.
    const int secret = rowOf("secret.pdf");
    QSignalSpy editorOpened(m_page, &MergeView::editPageRanges);
    QString wrongTitle;
    QString wrongText;
    answerNext<MessagePassword>([&](MessagePassword *prompt) {
        QTest::keyClicks(prompt->findChild<QLineEdit *>(), "nope");
        answerNext<MessageView>([&](MessageView *message) {
            wrongTitle = message->windowBar()->findChild<QLabel *>("windowBarLabel")->text();
            wrongText = message->messageLabel()->text();
            message->accept();
        });
        QTest::mouseClick(buttonWithText(prompt, "OK"), Qt::LeftButton);
    });
    clickCell(secret, MergeModel::PagesColumn);
    QCOMPARE(wrongTitle, QString("Cannot open file"));
    QCOMPARE(wrongText, QString("The password for secret.pdf is incorrect"));
    QCOMPARE(editorOpened.size(), 0);
    QVERIFY(m_model->item(secret).needsPassword());
    answerNext<MessagePassword>([&](MessagePassword *prompt) {
        QTest::keyClicks(prompt->findChild<QLineEdit *>(), "pw");
        QTest::mouseClick(buttonWithText(prompt, "OK"), Qt::LeftButton);
    });
    clickCell(secret, MergeModel::PagesColumn);
    QCOMPARE(m_model->item(secret).password, QString("pw"));
    QCOMPARE(m_model->item(secret).pageCount, 2);
    QCOMPARE(child<QLabel>("labelTotalPages")->text(), QString("11 pages in total"));

    // With the password known the editor opens; Escape leaves without saving.
    PageRangesView *editor = m_window->pageRangesView();
    QCOMPARE(editorOpened.size(), 1);
    QCOMPARE(editorOpened[0][2].toInt(), 2);
    QTRY_VERIFY(editor->isVisible());
    QTest::keyClicks(editor->findChildren<QLineEdit *>("inputEdit").at(0), "1");
    QTest::keyClicks(editor->findChildren<QLineEdit *>("inputEdit").at(1), "1");
    QTest::mouseClick(editor->findChild<QPushButton *>("buttonAddRange"), Qt::LeftButton);
    QCOMPARE(editor->rangeList()->items().size(), 1);
    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_VERIFY(!editor->isVisible());
    QCOMPARE(m_model->index(secret, MergeModel::PagesColumn).data().toString(), QString("All (2)"));

    // Pages 2-3 of every document that has them; b then opens on those and
    // gets 4-5 as well.
    editRanges(0, {{"2", "3"}}, true);
    QCOMPARE(m_model->index(secret, MergeModel::PagesColumn).data().toString(), QString("All (2)"));
    editRanges(rowOf("b.pdf"), {{"4", "5"}}, false);
    QCOMPARE(m_model->index(rowOf("b.pdf"), MergeModel::PagesColumn).data().toString(),
             QString("2-3, 4-5"));
    QCOMPARE(child<QLabel>("labelTotalPages")->text(), QString("10 pages in total"));

    // "report.PDF" keeps its name; the page shows the progress line meanwhile.
    QStringList duringMerge;
    connect(Application::instance()->merge(), &Merge::started, m_page, [&]() {
        duringMerge << QString::number(m_page->findChild<QStackedLayout *>()->currentIndex())
                    << QString::number(m_page->findChild<QWidget *>("tableBox")->isEnabled());
        saveScreenshot(m_page, "merge_page_merging");
    }, Qt::QueuedConnection);
    const QString merged = runMerge("report.PDF");
    QCOMPARE(merged, QDir::toNativeSeparators(QDir(m_output).filePath("report.PDF")));
    QCOMPARE(duringMerge, QStringList({"1", "0"}));
    QCOMPARE(pageTexts(merged),
             QStringList({"Page 2", "Page 3",                       // c
                          "Page 2", "Page 3", "Page 4", "Page 5",   // b
                          "Page 2", "Page 3",                       // a
                          "Page 1", "Page 2"}));                    // secret
    QTRY_VERIFY(m_page->findChild<QWidget *>("tableBox")->isEnabled());
    QCOMPARE(m_page->findChild<QStackedLayout *>()->currentIndex(), 0);
    QVERIFY(QRegularExpression("^Merged-\\d{8}-\\d{6}$")
                .match(m_page->findChildren<QLineEdit *>("cleanEdit").at(1)->text())
                .hasMatch());
    QCOMPARE(m_model->rowCount(), 4);   // the list stays for another merge

    // ".pdf" is added once; an existing name gets a counter in front.
    QCOMPARE(runMerge("report"), QDir(m_output).filePath("report.pdf"));
    QCOMPARE(runMerge("report.pdf"), QDir(m_output).filePath("(1)report.pdf"));
    QCOMPARE(pageTexts(QDir(m_output).filePath("(1)report.pdf")).size(), 10);

    // A source that went away: the merge fails and nothing is written.
    const QString gone = QDir(m_sources).filePath("a.pdf");
    QVERIFY(QFile::rename(gone, gone + ".away"));
    const QString failure = runMerge("broken");
    QVERIFY(QFile::rename(gone + ".away", gone));
    QCOMPARE(failure, QString("<failed> a.pdf could not be merged: the document cannot be read."));
    // The name the user typed stays for another try.
    QCOMPARE(m_page->findChildren<QLineEdit *>("cleanEdit").at(1)->text(), QString("broken"));
    QVERIFY(!QFile::exists(QDir(m_output).filePath("broken.pdf")));
    QCOMPARE(QDir(m_output).entryList(QDir::Files).size(), 3);
}

void TestMergePage::buttonsHeaderAndDropAreaFollowTheList()
{
    auto *merge = child<QPushButton>("buttonMerge");
    auto *nameEdit = m_page->findChildren<QLineEdit *>("cleanEdit").at(1);

    // The name field takes words separated by spaces, nothing else.
    nameEdit->clear();
    QTest::keyClicks(nameEdit, " two/ words");
    QCOMPARE(nameEdit->text(), QString("two words"));

    // The drop area takes only the PDF file; one row cannot be merged.
    dropFiles(m_table->dropArea(),
              {QDir(m_sources).filePath("c.PDF"), QDir(m_sources).filePath("notes.txt")});
    QTRY_COMPARE(m_model->rowCount(), 1);
    QVERIFY(waitForReading());
    QVERIFY(!merge->isEnabled());
    addThroughDialog({"b.pdf", "a.pdf"});
    // MERGE waits for a folder that exists, and says so.
    if (!QFileInfo(m_page->outputFolder()).isDir()) {
        QVERIFY(!merge->isEnabled());
        QCOMPARE(merge->toolTip(), QString("Choose a folder to save to."));
        answerNext<QFileDialog>([this](QFileDialog *dialog) {
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText(m_output);
            static_cast<QDialog *>(dialog)->accept();
        });
        QTest::mouseClick(child<QPushButton>("buttonOpenFolder"), Qt::LeftButton);
    }
    QVERIFY(merge->isEnabled());
    QVERIFY(merge->toolTip().isEmpty());

    // "Filename" sorts both ways and shows its arrow; other headers do not sort.
    QHeaderView *header = m_table->horizontalHeader();
    auto clickHeader = [header](int section) {
        const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    clickHeader(1);
    QVERIFY(header->isSortIndicatorShown());
    const QStringList firstOrder = rowNames();
    clickHeader(1);
    QStringList reversed = firstOrder;
    std::reverse(reversed.begin(), reversed.end());
    QCOMPARE(rowNames(), reversed);
    QVERIFY(rowNames() == QStringList({"c.PDF", "b.pdf", "a.pdf"})
            || rowNames() == QStringList({"a.pdf", "b.pdf", "c.PDF"}));
    clickHeader(2);
    QVERIFY(!header->isSortIndicatorShown());
    QCOMPARE(rowNames(), reversed);

    // Removing rows: the merge button and then the drop area follow.
    clickCell(0, MergeModel::RemoveColumn);
    QCOMPARE(m_model->rowCount(), 2);
    QVERIFY(merge->isEnabled());
    clickCell(0, MergeModel::RemoveColumn);
    QVERIFY(!merge->isEnabled());
    QVERIFY(!m_table->dropArea()->isVisible());
    clickCell(0, MergeModel::RemoveColumn);
    QVERIFY(m_model->isEmpty());
    QVERIFY(m_table->dropArea()->isVisible());

    // Clear all empties a full list as well.
    addThroughDialog({"a.pdf", "b.pdf"});
    clickCell(0, MergeModel::FileNameColumn);
    QVERIFY(child<QPushButton>("buttonMoveUp")->isEnabled());
    DialogAnswers clearAnswers({DialogAnswers::click("CANCEL"), DialogAnswers::click("CLEAR LIST")});
    QTest::mouseClick(child<QPushButton>("buttonClearAll"), Qt::LeftButton);
    QCOMPARE(m_model->rowCount(), 2);   // nothing goes unasked
    QTest::mouseClick(child<QPushButton>("buttonClearAll"), Qt::LeftButton);
    QVERIFY(clearAnswers.allAnswered());
    QCOMPARE(clearAnswers.seen().first().text, QString("Remove all 2 documents from the merge list?"));
    QVERIFY(m_model->isEmpty());
    QVERIFY(m_table->dropArea()->isVisible());
    QVERIFY(!child<QPushButton>("buttonMoveUp")->isEnabled());
    QCOMPARE(child<QLabel>("labelTotalPages")->text(), QString("0 pages in total"));
}

// An unreadable, a skipped and two good documents: the row says it cannot
// be read, MERGE asks before leaving it out, and the result names both
// documents left out; the output holds the good ones' pages. The cache keeps
// no request after the job.
void TestMergePage::leftOutDocumentsAreAskedAboutAndNamed()
{
    answerNext<QFileDialog>([this](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(m_output);
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::mouseClick(child<QPushButton>("buttonOpenFolder"), Qt::LeftButton);
    addThroughDialog({"a.pdf", "unreadable.pdf", "secret.pdf", "b.pdf"});
    const int unreadable = rowOf("unreadable.pdf");
    const QModelIndex state = m_model->index(unreadable, MergeModel::PasswordColumn);
    QCOMPARE(state.data(MergeModel::StateRole).toInt(), int(MergeModel::Unreadable));
    QCOMPARE(state.data(Qt::ToolTipRole).toString(),
             QString("unreadable.pdf cannot be read: its structure is damaged "
                     "(unable to find trailer dictionary while recovering damaged file)."));
    QCOMPARE(state.data(Qt::AccessibleTextRole).toString(), QString("Cannot be read"));
    QCOMPARE(m_model->index(rowOf("secret.pdf"), 0).data(MergeModel::StateRole).toInt(),
             int(MergeModel::NeedsPassword));
    QCOMPARE(m_model->index(rowOf("a.pdf"), 0).data(MergeModel::StateRole).toInt(), int(MergeModel::Ready));
    saveScreenshot(m_page, "merge_row_unreadable_en");

    const auto shoot = [this](const QString &name, const QString &answer) {
        return [this, name, answer](QDialog *dialog) {
            saveScreenshot(dialog, name);
            DialogAnswers::click(answer)(dialog);
        };
    };
    auto *nameEdit = m_page->findChildren<QLineEdit *>("cleanEdit").at(1);
    nameEdit->setText("joined");
    DialogAnswers answers({DialogAnswers::click("CANCEL"), shoot("merge_question_en", "MERGE WITHOUT THEM"),
                           DialogAnswers::click("SKIP"), shoot("merge_left_out_en", "OK")});
    QTest::mouseClick(child<QPushButton>("buttonMerge"), Qt::LeftButton);
    QCOMPARE(answers.seen().size(), 1);   // canceled: nothing started
    QVERIFY(!Application::instance()->merge()->isRunning());
    QTest::mouseClick(child<QPushButton>("buttonMerge"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(answers.allAnswered(), 60000);
    const QString question = "1 document cannot be merged:\nunreadable.pdf cannot be read: its structure is damaged "
                             "(unable to find trailer dictionary while recovering damaged file).\n\nRemove them "
                             "from the list, or merge the others without them?";
    QCOMPARE(answers.seen().at(1).title, QString("Documents cannot be merged"));
    QCOMPARE(answers.seen().at(1).text, question);
    QCOMPARE(answers.seen().at(3).title, QString("Merge complete"));
    const QString merged = QDir(m_output).filePath("joined.pdf");
    QCOMPARE(answers.seen().at(3).text,
             QString("2 of 4 documents merged; left out: unreadable.pdf (cannot be read), secret.pdf (skipped). "
                     "You can open the folder to view the result\n\nMerged: %1")
                 .arg(QLocale().formattedDataSize(QFileInfo(merged).size(), 1, QLocale::DataSizeSIFormat)));
    QCOMPARE(pageTexts(merged).size(), 3 + 5);
    QCOMPARE(m_model->rowCount(), 4);

    // In German, REMOVE takes the row out of the list before the merge.
    Application::settings()->setValue("Language", "de");
    Application::instance()->applyLanguage();
    saveScreenshot(m_page, "merge_row_unreadable_de");
    nameEdit->setText("joined");
    DialogAnswers german({shoot("merge_question_de", "ENTFERNEN"), DialogAnswers::click("ÜBERSPRINGEN"),
                          shoot("merge_left_out_de", "OK")});
    QTest::mouseClick(child<QPushButton>("buttonMerge"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(german.allAnswered(), 60000);
    // The size's number follows the user's locale, its words the program's language.
    QCOMPARE(german.seen().at(2).text,
             QString("2 von 3 Dokumenten zusammengeführt; ausgelassen: secret.pdf (übersprungen). "
                     "Sie können den Ordner öffnen, um das Ergebnis anzusehen\n\n"
                     "Sie wurde als (1)joined.pdf gespeichert, weil bereits eine Datei namens joined.pdf "
                     "vorhanden war.\n\nZusammengeführt: %1")
                 .arg(QLocale().formattedDataSize(QFileInfo(QDir(m_output).filePath("(1)joined.pdf")).size(), 1,
                                                  QLocale::DataSizeSIFormat)));
    QCOMPARE(rowOf("unreadable.pdf"), -1);
    QCOMPARE(pageTexts(QDir(m_output).filePath("(1)joined.pdf")).size(), 8);

    // The requests (they hold the passwords) are gone with their jobs.
    QDirIterator cache(cacheFolder(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (cache.hasNext())
        QVERIFY2(!cache.next().endsWith(".req"), qPrintable(cache.filePath()));
}

// Three hand-overs in quick succession, the first holding a document whose
// read is held back until the others are read: every row
// takes its place at once and says it is being read, the list keeps the
// order given, and the merged pages follow it. A page whose content does not
// decode is merged as it is and named in the result.
void TestMergePage::handOversKeepTheirOrderWhateverTheReadsTake()
{
    answerNext<QFileDialog>([this](QFileDialog *dialog) {
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(m_output);
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::mouseClick(child<QPushButton>("buttonOpenFolder"), Qt::LeftButton);
    const auto source = [this](const QString &name) { return QDir(m_sources).filePath(name); };
    FixtureOptions two;
    two.pageCount = 2;
    QVERIFY(writePdfFixture(source("slow.pdf"), two));
    two.damagedContentPages = {2};
    QVERIFY(writePdfFixture(source("damaged.pdf"), two));
    QStringList filled;
    // The lambda holds this function's locals: it must go with them.
    QObject listening;
    connect(m_model, &QAbstractItemModel::dataChanged, &listening, [&](const QModelIndex &topLeft) {
        if (topLeft.data(MergeModel::StateRole).toInt() != MergeModel::Reading)
            filled << topLeft.siblingAtColumn(MergeModel::FileNameColumn).data().toString();
    });

    // As the file manager's context menu hands files over: a list file each.
    int handOvers = 0;
    const auto handOver = [&](const QStringList &files) {
        const QString list = m_scratch.filePath(QString("hand-over-%1.txt").arg(++handOvers));
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(files.join('\n').toUtf8());
        file.close();
        m_window->handleMessage("-merge_add|" + list);
    };
    // slow.pdf is read only once the gate file is gone.
    const QString gate = m_scratch.filePath("slow-read-gate");
    QFile gateFile(gate);
    QVERIFY(gateFile.open(QIODevice::WriteOnly) && gateFile.write("slow.pdf") == 8);
    gateFile.close();
    const auto openGate = [&gate] {
        qunsetenv("SHEAFRENDER_TEST_SLOW_READ");
        QFile::remove(gate);
    };
    const auto openGateOnFailure = qScopeGuard(openGate);
    qputenv("SHEAFRENDER_TEST_SLOW_READ", QFile::encodeName(gate));
    handOver({source("slow.pdf")});
    handOver({source("a.pdf"), source("notes.txt"), source("b.pdf")});
    handOver({source("damaged.pdf")});
    const QStringList given{"slow.pdf", "a.pdf", "b.pdf", "damaged.pdf"};
    QCOMPARE(rowNames(), given);
    const QModelIndex first = m_model->index(0, MergeModel::PasswordColumn);
    QCOMPARE(first.data(MergeModel::StateRole).toInt(), int(MergeModel::Reading));
    QCOMPARE(first.data(Qt::AccessibleTextRole).toString(), QString("Reading…"));
    QCOMPARE(m_model->index(0, MergeModel::TotalColumn).data().toString(), QString("?"));
    QCOMPARE(m_page->mergeBlocker(), QString("Wait until every document in the list is read."));
    saveScreenshot(m_page, "merge_rows_reading_en");
    const auto othersRead = [&filled] {
        return filled.contains("a.pdf") && filled.contains("b.pdf") && filled.contains("damaged.pdf");
    };
    QTRY_VERIFY_WITH_TIMEOUT(othersRead(), InformationReader::DefaultTimeLimitMs / 2);
    openGate();
    QVERIFY(waitForReading());
    QVERIFY2(filled.last() == "slow.pdf", qPrintable("read in the order " + filled.join(", ")));
    QCOMPARE(rowNames(), given);
    QCOMPARE(child<QLabel>("labelTotalPages")->text(), QString("12 pages in total"));
    QCOMPARE(m_page->mergeBlocker(), QString());

    m_page->findChildren<QLineEdit *>("cleanEdit").at(1)->setText("in order");
    DialogAnswers answers({DialogAnswers::click("OK")});
    QTest::mouseClick(child<QPushButton>("buttonMerge"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(answers.allAnswered(), 60000);
    QCOMPARE(answers.seen().first().title, QString("Merge complete"));
    QVERIFY2(answers.seen().first().text.contains(
                 "\n\n1 page carries damaged content from its source: damaged.pdf page 2.\n\n"),
             qPrintable(answers.seen().first().text));
    QCOMPARE(pageTexts(QDir(m_output).filePath("in order.pdf")),
             (QStringList{"Page 1", "Page 2", "Page 1", "Page 2", "Page 3", "Page 1", "Page 2", "Page 3", "Page 4",
                          "Page 5", "Page 1", ""}));
}

CM_APPLICATION_TEST_MAIN(TestMergePage)
#include "test_mergepage.moc"
