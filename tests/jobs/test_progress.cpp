#include "tests/app/AppTestMain.h"

#include "app/MainView.h"
#include "jobs/ProgressBar.h"
#include "jobs/ProgressControl.h"
#include "jobs/ProgressDialog.h"
#include "jobs/SplitLauncher.h"
#include "pdf/WorkerThread.h"
#include "widgets/Button.h"
#include "widgets/WindowBar.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QThread>

// The progress a job shows: the launcher's reading of the worker's progress
// lines, the progress line with pause and stop, and the "Add files" window,
// fed from other threads as the worker and the loader feed them.
class TestProgress : public QObject
{
    Q_OBJECT

private:
    QImage save(QWidget *widget, const QString &name);

private slots:
    void progressParserTakesNewestCompleteLine();
    void progressWidgetsTakeReportsFromAnyThread();
};

QImage TestProgress::save(QWidget *widget, const QString &name)
{
    QCoreApplication::processEvents();
    const QImage image = widget->grab().toImage();
    const QString folder = QStringLiteral(CM_SCREENSHOT_FOLDER);
    QDir().mkpath(folder);
    image.save(folder + "/" + name + ".png");
    return image;
}

void TestProgress::progressParserTakesNewestCompleteLine()
{
    QByteArray pending = "0\n50\n100\n";
    double value = -1;
    QVERIFY(SplitLauncher::takeLastProgress(pending, value));
    QCOMPARE(value, 100.0);
    QVERIFY(pending.isEmpty());

    // A line cut between two reads waits for its end.
    pending = "12.5\n33.3";
    QVERIFY(SplitLauncher::takeLastProgress(pending, value));
    QCOMPARE(value, 12.5);
    QCOMPARE(pending, QByteArray("33.3"));
    QVERIFY(!SplitLauncher::takeLastProgress(pending, value));
    pending += "333\r\n\n";
    QVERIFY(SplitLauncher::takeLastProgress(pending, value));
    QCOMPARE(value, 33.3333);

    pending = "noise\n";
    QVERIFY(SplitLauncher::takeLastProgress(pending, value));
    QCOMPARE(value, 0.0);
}

void TestProgress::progressWidgetsTakeReportsFromAnyThread()
{
    QWidget host;
    host.setFixedWidth(460);
    auto *control = new ProgressControl(&host);
    control->setGeometry(10, 10, 440, 60);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    QVERIFY(!control->pauseButton()->accessibleName().isEmpty());
    QVERIFY(!control->stopButton()->accessibleName().isEmpty());

    QThread *reporter = QThread::create([control] {
        control->setMaximum(200);
        control->setValue(90);
        control->message("Splitting report.pdf");
    });
    reporter->start();
    QVERIFY(reporter->wait(5000));
    delete reporter;
    QTRY_COMPARE(control->progressBar()->value(), 90);
    QCOMPARE(control->progressBar()->maximum(), 200);
    QCOMPARE(control->messageLabel()->text(), QString("Splitting report.pdf"));
    QCOMPARE(control->progressBar()->filledRect().width(), control->progressBar()->width() * 90 / 200);

    const QString pauseName = control->pauseButton()->accessibleName();
    QTest::mouseClick(control->pauseButton(), Qt::LeftButton);
    QVERIFY(control->isPaused());
    QCOMPARE(control->pauseButton()->property("thePaused").toBool(), true);
    QVERIFY(control->pauseButton()->accessibleName() != pauseName);
    const QImage paused = save(&host, "progress_control_paused");
    QTest::mouseClick(control->pauseButton(), Qt::LeftButton);
    QVERIFY(!control->isPaused());
    QVERIFY(save(&host, "progress_control") != paused);   // play and pause look apart

    QSignalSpy canceled(control, &ProgressControl::canceled);
    QTest::mouseClick(control->stopButton(), Qt::LeftButton);
    QCOMPARE(canceled.count(), 1);
    QVERIFY(control->isCanceled());
    control->reset();
    QVERIFY(!control->isCanceled());
    QCOMPARE(control->progressBar()->value(), 0);
    QCOMPARE(control->progressBar()->maximum(), 100);

    // The "Add files" window shows the loader's newest state.
    MainView owner;
    owner.show();
    ProgressDialog dialog(&owner);
    QSignalSpy dialogCanceled(&dialog, &ProgressDialog::canceled);
    dialog.workerStateChanged(WorkerRunning);
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.isModal());
    QVERIFY(!dialog.progressControl()->pauseButton()->isVisible());
    QCOMPARE(dialog.windowBar()->title(), QString("Add files"));
    reporter = QThread::create([&dialog] {
        dialog.setProgressChanged(3, 4);
        dialog.setMessage("3 out of 4 files. big.pdf");
    });
    reporter->start();
    QVERIFY(reporter->wait(5000));
    delete reporter;
    QTRY_COMPARE(dialog.progressControl()->progressBar()->value(), 75);
    QTRY_COMPARE(dialog.progressControl()->messageLabel()->text(), QString("3 out of 4 files. big.pdf"));
    QVERIFY(qAbs(dialog.geometry().center().x() - owner.frameGeometry().center().x()) <= 1);
    save(&dialog, "progress_dialog");

    QTest::mouseClick(dialog.windowBar()->findChild<QPushButton *>("windowclose"), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QTest::mouseClick(dialog.progressControl()->stopButton(), Qt::LeftButton);
    QCOMPARE(dialogCanceled.count(), 3);
    QVERIFY(dialog.isVisible());   // it goes when the loader has stopped
    dialog.workerStateChanged(WorkerStopped);
    QVERIFY(!dialog.isVisible());
    dialog.workerStateChanged(WorkerRunning);
    QCOMPARE(dialog.progressControl()->progressBar()->value(), 0);
    QCOMPARE(dialog.progressControl()->messageLabel()->text(), QString());
}

CM_APPLICATION_TEST_MAIN(TestProgress)
#include "test_progress.moc"
