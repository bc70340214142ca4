#include "tests/app/AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"
#include "tests/support/PdfFixtures.h"

#include "app/MainView.h"
#include "jobs/Split.h"
#include "preview/BaseFrame.h"
#include "preview/Cover.h"
#include "preview/DocumentViewer.h"
#include "preview/DropArea.h"
#include "preview/PageView.h"
#include "preview/PreviewWidget.h"
#include "split/SplitView.h"
#include "widgets/Button.h"

#include <QSignalSpy>

// The split page's document panel driven through its widgets on generated
// documents: drops, the thumbnail looks, the password prompt, removing the
// document and previewing it in the viewer.
class TestPreviewWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dropLoadsFirstPdfAndPanelDropReplacesIt();
    void lockedDocumentAsksForPasswordUntilTheRightOne();
    void previewShowsDocumentInViewerAndDeleteEmptiesPanel();
    void iconButtonsHaveAccessibleNames();

private:
    QString fixture(const QString &name, const FixtureOptions &options);

    ScratchFolder m_folder;
    MainView *m_main = nullptr;
    PreviewWidget *m_panel = nullptr;
};

void TestPreviewWidget::initTestCase()
{
    QVERIFY(m_folder.isValid());
    Application::instance()->createPdfService();
}

void TestPreviewWidget::init()
{
    Application::instance()->split()->resetState();
    m_main = new MainView;
    m_main->show();
    m_main->onNavigateToSplit();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_panel = m_main->splitView()->previewWidget();
}

void TestPreviewWidget::cleanup()
{
    delete m_main;
    m_main = nullptr;
}

QString TestPreviewWidget::fixture(const QString &name, const FixtureOptions &options)
{
    const QString path = m_folder.filePath(name);
    if (!writePdfFixture(path, options))
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

void TestPreviewWidget::dropLoadsFirstPdfAndPanelDropReplacesIt()
{
    FixtureOptions ten;
    ten.pageCount = 10;
    const QString first = fixture("annual report.pdf", ten);
    FixtureOptions three;
    three.pageCount = 3;
    const QString second = fixture("second.PDF", three);
    const QString text = m_folder.filePath("notes.txt");
    QFile(text).open(QIODevice::WriteOnly);

    QCOMPARE(m_panel->currentPage(), int(PreviewWidget::DropPage));
    QCOMPARE(m_panel->height(), 123);

    // Only PDF files count; nothing else changes anything.
    dropFiles(m_panel->dropArea(), {text});
    QCOMPARE(m_panel->currentPage(), int(PreviewWidget::DropPage));

    dropFiles(m_panel->dropArea(), {first, second});
    Split *split = Application::instance()->split();
    QCOMPARE(split->fileName(), first);
    QCOMPARE(m_panel->currentPage(), int(PreviewWidget::InformationPage));
    QCOMPARE(m_panel->titleLabel()->text(), QString("annual report"));
    QCOMPARE(m_panel->fileNameLabel()->toolTip(), first);
    QVERIFY(m_panel->fileNameLabel()->text().endsWith("annual report.pdf"));
    QVERIFY(m_panel->fileNameLabel()->fontMetrics().horizontalAdvance(m_panel->fileNameLabel()->text()) <= 530);
    QCOMPARE(m_panel->pagesLabel()->text(), QString("Pages: 10"));
    QCOMPARE(m_panel->cover()->look(), Cover::Thumbnail);
    // The first page fitted into 70 x 95 with its proportions kept.
    QCOMPARE(m_panel->cover()->label()->size(), QSize(70, 90));
    QVERIFY(!m_panel->passwordButton()->isVisible());
    QVERIFY(!m_panel->passwordLabel()->isVisible());
    QVERIFY(m_main->splitView()->splitButton()->isEnabled());

    // A drop on the shown document replaces it; a text file does not.
    dropFiles(m_panel->informationPanel(), {text});
    QCOMPARE(split->fileName(), first);
    dropFiles(m_panel->informationPanel(), {second, first});
    QCOMPARE(split->fileName(), second);
    QCOMPARE(m_panel->pagesLabel()->text(), QString("Pages: 3"));

    // A file that is no PDF document at all leaves the page empty.
    const QString broken = m_folder.filePath("broken.pdf");
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a document");
    file.close();
    DialogAnswers told({DialogAnswers::click("OK")});
    dropFiles(m_panel->informationPanel(), {broken});
    QTRY_VERIFY(told.allAnswered());
    QVERIFY(told.seen().first().text.startsWith("broken.pdf cannot be opened: "));
    QCOMPARE(m_panel->currentPage(), int(PreviewWidget::DropPage));
    QVERIFY(!m_main->splitView()->splitButton()->isEnabled());
}

void TestPreviewWidget::lockedDocumentAsksForPasswordUntilTheRightOne()
{
    FixtureOptions options;
    options.pageCount = 4;
    options.userPassword = "secret";
    const QString path = fixture("locked.final.pdf", options);

    dropFiles(m_panel->dropArea(), {path});
    QCOMPARE(m_panel->currentPage(), int(PreviewWidget::InformationPage));
    QCOMPARE(m_panel->cover()->look(), Cover::Locked);
    QCOMPARE(m_panel->cover()->label()->size(), QSize(30, 39));
    QVERIFY(m_panel->passwordButton()->isVisible());
    QCOMPARE(m_panel->passwordButton()->text(), QString("enter password"));
    QVERIFY(m_panel->passwordLabel()->isVisible());
    QVERIFY(!m_main->splitView()->splitButton()->isEnabled());

    // Preview asks the viewer for nothing while the document is locked.
    QSignalSpy previews(m_main->splitView(), &SplitView::preview);
    QTest::mouseClick(m_panel->previewButton(), Qt::LeftButton);
    QCOMPARE(previews.count(), 0);

    // A wrong password: the prompt names the document, then the message.
    DialogAnswers wrong({DialogAnswers::type("guess", "OK"), DialogAnswers::click("OK")});
    QTest::mouseClick(m_panel->passwordButton(), Qt::LeftButton);
    QVERIFY(waitForReading());
    QTRY_VERIFY(wrong.allAnswered());
    QCOMPARE(wrong.seen().at(0).text, QString("locked.final"));
    QCOMPARE(wrong.seen().at(1).title, QString("Can not open file"));
    QCOMPARE(wrong.seen().at(1).text, QString("The password for locked.final is incorrect"));
    QCOMPARE(m_panel->cover()->look(), Cover::Locked);
    QVERIFY(m_panel->passwordButton()->isVisible());

    // An empty password changes nothing and says nothing.
    DialogAnswers empty({DialogAnswers::type("   ", "OK")});
    QTest::mouseClick(m_panel->passwordButton(), Qt::LeftButton);
    QCOMPARE(empty.seen().size(), 1);
    QCOMPARE(m_panel->cover()->look(), Cover::Locked);

    DialogAnswers right({DialogAnswers::type("secret", "OK")});
    QTest::mouseClick(m_panel->passwordButton(), Qt::LeftButton);
    QVERIFY(waitForReading());
    QCOMPARE(right.seen().size(), 1);
    Split *split = Application::instance()->split();
    QVERIFY(split->isLoaded());
    QCOMPARE(split->password(), QString("secret"));
    QCOMPARE(m_panel->cover()->look(), Cover::Thumbnail);
    QCOMPARE(m_panel->pagesLabel()->text(), QString("Pages: 4"));
    QVERIFY(!m_panel->passwordButton()->isVisible());
    QVERIFY(!m_panel->passwordLabel()->isVisible());
    QVERIFY(m_main->splitView()->splitButton()->isEnabled());

    QTest::mouseClick(m_panel->previewButton(), Qt::LeftButton);
    QCOMPARE(previews.count(), 1);
    QCOMPARE(previews.at(0).at(1).toString(), QString("secret"));
    QTRY_COMPARE(m_main->documentViewer()->pageView()->pages().size(), 4);
}

void TestPreviewWidget::previewShowsDocumentInViewerAndDeleteEmptiesPanel()
{
    FixtureOptions options;
    options.pageCount = 5;
    const QString path = fixture("five.pdf", options);
    dropFiles(m_panel->dropArea(), {path});

    QTest::mouseClick(m_panel->previewButton(), Qt::LeftButton);
    DocumentViewer *viewer = m_main->documentViewer();
    QVERIFY(QTest::qWaitForWindowExposed(viewer));
    QCOMPARE(viewer->fileName(), path);
    QTRY_COMPARE(viewer->pageView()->pages().size(), 5);

    QTest::mouseClick(m_panel->deleteButton(), Qt::LeftButton);
    QCOMPARE(m_panel->currentPage(), int(PreviewWidget::DropPage));
    QVERIFY(Application::instance()->split()->fileName().isEmpty());
    QVERIFY(!m_main->splitView()->splitButton()->isEnabled());
    // The panel reads as before the first document.
    QCOMPARE(m_panel->titleLabel()->text(), QString("Title"));
    QCOMPARE(m_panel->fileNameLabel()->text(), QString("File name:"));
}

void TestPreviewWidget::iconButtonsHaveAccessibleNames()
{
    QCOMPARE(unnamedButtons(m_main->splitView()), QStringList());
    QCOMPARE(unnamedButtons(m_main->documentViewer()), QStringList());
    QCOMPARE(unnamedButtons(m_main).join(","), QString());
}

CM_APPLICATION_TEST_MAIN(TestPreviewWidget)
#include "test_previewwidget.moc"
