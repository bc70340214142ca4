#include "AppTestMain.h"

#include "dialogs/MessageMerge.h"
#include "dialogs/MessagePassword.h"
#include "dialogs/MessageQuestion.h"
#include "dialogs/MessageSplit.h"
#include "dialogs/MessageView.h"
#include "merge/MergeMessages.h"
#include "widgets/WindowBar.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QDir>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void messageViewResults();
    void longMessageWrapsInsideScreen();
    void splitResultsAndTitleBarCloseIsOk();
    void mergeResults();
    void passwordPromptFlags();
    void dialogsCentreOverParentWindow();
    void leftDragOnMessageMovesDialog();
    void openDialogsFollowLanguageChange();
    // Last: it loads the English translation, which the others do without.
    void longListsScrollAndTheQuestionStaysInSight();

private:
    static QPushButton *button(QWidget *dialog, const QString &text);
    static void closeThroughTitleBar(QWidget *dialog);
};

QPushButton *TestMessages::button(QWidget *dialog, const QString &text)
{
    for (QPushButton *candidate : dialog->findChildren<QPushButton *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

void TestMessages::closeThroughTitleBar(QWidget *dialog)
{
    QTest::mouseClick(dialog->findChild<QPushButton *>("windowclose"), Qt::LeftButton);
}

void TestMessages::messageViewResults()
{
    MessageView ok("Merge failed", "Merge files failed");
    ok.show();
    QCOMPARE(ok.findChild<QLabel *>("windowBarLabel")->text(), QString("Merge failed"));
    QPushButton *okButton = ok.findChild<QPushButton *>("buttonSaveSettings");
    QCOMPARE(okButton->text(), QString("OK"));
    QCOMPARE(okButton->height(), 42);
    QTest::mouseClick(okButton, Qt::LeftButton);
    QVERIFY(!ok.isVisible());
    QCOMPARE(ok.result(), 1);

    MessageView closed("t", "x");
    closed.show();
    closeThroughTitleBar(&closed);
    QVERIFY(!closed.isVisible());
    QCOMPARE(closed.result(), 0);

    MessageView escaped("t", "x");
    escaped.show();
    QTest::keyClick(&escaped, Qt::Key_Escape);
    QCOMPARE(escaped.result(), 0);

    MessageView keypad("t", "x");
    keypad.show();
    QTest::keyClick(&keypad, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!keypad.isVisible());
    QCOMPARE(keypad.result(), 1);
}

void TestMessages::longMessageWrapsInsideScreen()
{
    const QString text = QString("The password for %1 is incorrect")
                             .arg(QString("a-very-long-file-name-").repeated(12) + ".pdf ")
                         + QString("and more words follow here ").repeated(20);
    MessageView message("Can not open file", text);
    message.show();
    QVERIFY(QTest::qWaitForWindowExposed(&message));
    const QLabel *label = message.messageLabel();
    QVERIFY(label->wordWrap());
    QVERIFY(message.width() <= 600);
    QVERIFY(message.width() < QGuiApplication::primaryScreen()->availableGeometry().width());
    QVERIFY(label->height() > 3 * label->fontMetrics().height());
}

// Thirty documents that cannot be merged: the list scrolls (by mouse and by
// keys), every name is in it, and the question below it and the answers
// stay in sight on the screen. A short message shows no scroll bar.
void TestMessages::longListsScrollAndTheQuestionStaysInSight()
{
    // English through its translation, for the plural forms.
    Application::settings()->setValue("Language", "en");
    Application::instance()->applyLanguage();
    MergeItemList rows;
    QList<LeftOutDocument> leftOut;
    for (int i = 1; i <= 30; ++i) {
        MergeModelItem row;
        row.fileName = QString("scan-%1.pdf").arg(i);
        row.loadError = 402;
        rows << row;
        leftOut << LeftOutDocument{row.fileName, LeftOutDocument::Unreadable};
    }
    QWidget window;
    window.resize(800, 600);
    window.show();
    MessageQuestion question("Documents cannot be merged", MergeMessages::unmergeableQuestion(rows), 0, &window);
    question.setClosing(MergeMessages::unmergeableClosing());
    question.addAnswer("REMOVE THEM", 1);
    question.addAnswer("CANCEL", 0, true);
    question.show();
    QVERIFY(QTest::qWaitForWindowExposed(&question));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(question.height() <= 600 && question.height() < screen.height());
    for (const MergeModelItem &row : rows)
        QVERIFY(question.messageLabel()->text().contains(row.fileName + " cannot be read"));
    auto *scroll = question.findChild<QScrollArea *>("messageScroll");
    QVERIFY(scroll && scroll->isVisible());
    QVERIFY(scroll->verticalScrollBar()->maximum() > 0);
    const QRect inDialog = question.rect();
    for (QWidget *shown : QList<QWidget *>{question.closingLabel(), button(&question, "REMOVE THEM"),
                                          button(&question, "CANCEL")}) {
        QVERIFY(shown->isVisible());
        QVERIFY(inDialog.contains(QRect(shown->mapTo(&question, QPoint(0, 0)), shown->size())));
    }
    QCOMPARE(question.closingLabel()->text(), QString("Remove them from the list, or merge the others without them?"));
    QDir().mkpath(CM_SCREENSHOT_FOLDER);
    question.grab().save(CM_SCREENSHOT_FOLDER "/question_long_list.png");
    scroll->setFocus();
    QCOMPARE(scroll->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(scroll, Qt::Key_PageDown);
    QVERIFY(scroll->verticalScrollBar()->value() > 0);

    // The merge result naming the same thirty scrolls too, its buttons in sight.
    MessageMerge result(&window);
    result.setSummary(MergeMessages::summary(40, leftOut));
    result.show();
    QVERIFY(QTest::qWaitForWindowExposed(&result));
    QVERIFY(result.height() <= 600);
    QVERIFY(result.findChild<QScrollArea *>("messageScroll")->verticalScrollBar()->maximum() > 0);
    QVERIFY(button(&result, "OPEN FOLDER")->isVisible());
    // Damaged pages name the first ten and count the rest.
    QList<DamagedPage> damaged;
    for (int page = 1; page <= 12; ++page)
        damaged << DamagedPage{"/in/report.pdf", page};
    QCOMPARE(MergeMessages::damagedPagesText(damaged),
             QString("12 pages carry damaged content from their source: report.pdf page 1, report.pdf page 2, "
                     "report.pdf page 3, report.pdf page 4, report.pdf page 5, report.pdf page 6, report.pdf page 7, "
                     "report.pdf page 8, report.pdf page 9, report.pdf page 10 and 2 more."));

    MessageView brief("Merge failed", "Merge files failed");
    brief.show();
    QVERIFY(QTest::qWaitForWindowExposed(&brief));
    QCOMPARE(brief.findChild<QScrollArea *>("messageScroll")->verticalScrollBar()->maximum(), 0);
    QVERIFY(brief.messageLabel()->height() >= brief.messageLabel()->fontMetrics().height());
}

void TestMessages::splitResultsAndTitleBarCloseIsOk()
{
    const QList<QPair<QString, int>> choices = {{"OK", 0}, {"OPEN", 1}, {"MERGE RESULTS", 2}};
    for (const auto &choice : choices) {
        MessageSplit message(4);
        message.show();
        QVERIFY(message.findChild<QLabel *>("messageText")->text().contains("split in 4 files"));
        QTest::mouseClick(button(&message, choice.first), Qt::LeftButton);
        QVERIFY(!message.isVisible());
        QCOMPARE(message.result(), choice.second);
    }
    MessageSplit closed(2);
    closed.show();
    closeThroughTitleBar(&closed);
    QVERIFY(!closed.isVisible());
    QCOMPARE(closed.result(), int(MessageSplit::Ok));
}

void TestMessages::mergeResults()
{
    MessageMerge open;
    open.show();
    QCOMPARE(open.findChild<QLabel *>("windowBarLabel")->text(), QString("Merge complete"));
    QTest::mouseClick(button(&open, "OPEN FOLDER"), Qt::LeftButton);
    QCOMPARE(open.result(), int(MessageMerge::OpenFolder));

    MessageMerge closed;
    closed.show();
    closeThroughTitleBar(&closed);
    QVERIFY(!closed.isVisible());
    QCOMPARE(closed.result(), int(MessageMerge::Ok));
}

void TestMessages::passwordPromptFlags()
{
    MessagePassword prompt;
    prompt.setMessage("locked.pdf");
    prompt.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prompt));
    QVERIFY(!button(&prompt, "SKIP")->isVisible());
    QVERIFY(!button(&prompt, "SKIP ALL")->isVisible());
    auto *edit = prompt.findChild<QLineEdit *>();
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, "s3cret");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(prompt.result(), int(QDialog::Accepted));
    QCOMPARE(prompt.password(), QString("s3cret"));
    QVERIFY(!prompt.isSkip() && !prompt.isSkipAll());

    MessagePassword skipAll;
    skipAll.setSkipVisible(true);
    skipAll.setSkipAllVisible(true);
    skipAll.show();
    QVERIFY(button(&skipAll, "SKIP")->isVisible());
    QTest::mouseClick(button(&skipAll, "SKIP ALL"), Qt::LeftButton);
    QCOMPARE(skipAll.result(), int(QDialog::Accepted));
    QVERIFY(skipAll.isSkipAll());
    QVERIFY(!skipAll.isSkip());

    MessagePassword closed;
    closed.show();
    closeThroughTitleBar(&closed);
    QCOMPARE(closed.result(), int(QDialog::Rejected));
}

void TestMessages::dialogsCentreOverParentWindow()
{
    QWidget window;
    window.setGeometry(100, 80, 700, 500);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    MessageSplit split(3, &window);
    split.show();
    const QPoint centre = split.frameGeometry().center();
    QVERIFY((centre - window.frameGeometry().center()).manhattanLength() <= 2);
    MessageMerge merge(&window);
    merge.show();
    QVERIFY((merge.frameGeometry().center() - window.frameGeometry().center()).manhattanLength() <= 2);
}

void TestMessages::leftDragOnMessageMovesDialog()
{
    MessageView dialog("t", "drag me");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.move(100, 100);
    // The label leaves presses to the dialog; these carry explicit buttons.
    QLabel *message = dialog.messageLabel();
    const auto send = [message](QEvent::Type type, const QPoint &global, Qt::MouseButton button,
                                Qt::MouseButtons buttons) {
        QMouseEvent event(type, message->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
        QApplication::sendEvent(message, &event);
    };
    const QPoint grip = message->mapToGlobal(message->rect().center());

    send(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, grip + QPoint(30, 20), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(130, 120));
    send(QEvent::MouseMove, grip + QPoint(-10, 5), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(90, 105));
    send(QEvent::MouseButtonRelease, grip + QPoint(-10, 5), Qt::LeftButton, Qt::NoButton);
    send(QEvent::MouseMove, grip + QPoint(50, 50), Qt::NoButton, Qt::LeftButton);
    QCOMPARE(dialog.pos(), QPoint(90, 105));

    const QPoint at = message->mapToGlobal(message->rect().center());
    send(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
    send(QEvent::MouseMove, at + QPoint(40, 40), Qt::NoButton, Qt::RightButton);
    QCOMPARE(dialog.pos(), QPoint(90, 105));
}

void TestMessages::openDialogsFollowLanguageChange()
{
    MessageSplit split(2);
    MessagePassword password;
    split.show();
    password.show();
    Application::settings()->setValue("Language", "de");
    Application::instance()->applyLanguage();
    QCoreApplication::processEvents();
    QCOMPARE(split.windowTitle(), QString("Teilung abgeschlossen"));
    QCOMPARE(password.windowTitle(), QString("Passwort eingeben"));

    Application::settings()->remove("Language");
    Application::instance()->applyLanguage();
    QCoreApplication::processEvents();
    QCOMPARE(split.windowTitle(), QString("Split complete"));
    QCOMPARE(password.windowTitle(), QString("Enter password"));
}

CM_APPLICATION_TEST_MAIN(TestMessages)
#include "test_messages.moc"
