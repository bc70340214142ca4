#include "tests/support/TestGroup.h"
#include "protocol/Progress.h"

#include "common/Logger.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>
#include <QTest>

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace {

// Runs the action with file descriptor 1 pointing into a temporary file and
// returns what was written there, as the GUI would read it from the pipe.
template<typename Action>
QByteArray capturedStdOut(Action action)
{
    QTemporaryFile capture;
    if (!capture.open())
        return "capture failed";
    std::cout.flush();
    std::fflush(stdout);
    const int savedStdOut = ::dup(1);
    ::dup2(capture.handle(), 1);
    action();
    // Nothing is flushed here on purpose: setValue() must have flushed already.
    const QByteArray text = [&] {
        QFile reader(capture.fileName());
        return reader.open(QIODevice::ReadOnly) ? reader.readAll() : QByteArray("read failed");
    }();
    std::cout.flush();
    ::dup2(savedStdOut, 1);
    ::close(savedStdOut);
    return text;
}

} // namespace

class ProgressTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void stdOutPrintsFlushedPercentages_data();
    void stdOutPrintsFlushedPercentages();
    void messageIsUtf8BetweenPositions();
    void nullProgressLogsWholePercent();
};

void ProgressTest::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("cleavemark-progresstest"));
}

void ProgressTest::stdOutPrintsFlushedPercentages_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("three ranges") << 3 << QByteArray("0\n33.3333\n66.6667\n100\n");
    QTest::newRow("eight ranges") << 8 << QByteArray("0\n12.5\n25\n37.5\n50\n62.5\n75\n87.5\n100\n");
    QTest::newRow("no ranges") << 0 << QByteArray("0\n");
}

void ProgressTest::stdOutPrintsFlushedPercentages()
{
    QFETCH(int, maximum);
    QFETCH(QByteArray, expected);

    const QByteArray printed = capturedStdOut([maximum] {
        StdOutProgress progress;
        progress.setMinimum(0);
        progress.setMaximum(maximum);
        for (int value = 0; value <= maximum; ++value)
            progress.setValue(value);
    });
    QCOMPARE(printed, expected);
}

void ProgressTest::messageIsUtf8BetweenPositions()
{
    const QByteArray printed = capturedStdOut([] {
        StdOutProgress progress;
        progress.setMaximum(2);
        progress.message(QStringLiteral("Seite "));
        progress.setValue(1);
        progress.message(QStringLiteral("Größe "));
        progress.setValue(2);
    });
    QCOMPARE(printed, QStringLiteral("Seite 50\nGröße 100\n").toUtf8());
}

void ProgressTest::nullProgressLogsWholePercent()
{
    NullProgress progress;
    progress.setMaximum(3);
    progress.setValue(2);
    progress.message(QStringLiteral("Merging part 2"));

    QFile log(Logger::instance().logFilePath());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    QVERIFY2(text.contains(QStringLiteral("] DEBUG: Progress: 66%\n")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("] DEBUG: Merging part 2\n")), qPrintable(text));
}

CM_TEST_GUILESS_MAIN(ProgressTest)

#include "tst_Progress.moc"
