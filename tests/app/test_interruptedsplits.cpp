#include "AppTestMain.h"

#include "app/InterruptedSplitsQuestion.h"
#include "common/FileUtils.h"
#include "protocol/JobFiles.h"
#include "tests/preview/GuiTestHelpers.h"
#include "tests/support/PdfFixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

// A split whose worker was killed part-way leaves pieces behind; the next
// start of the program tells of them, and each answer does what it says.
class TestInterruptedSplits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void eachAnswerDoesWhatItSays();

private:
    // Runs the real worker on a 3,000-page split into single pages in a
    // session folder of the cache, and kills it once it has written some.
    QString killedSplit(const QString &outFolder);

    QTemporaryDir m_scratch;
    QString m_source;
};

void TestInterruptedSplits::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    Application::instance()->applyLanguage();   // English through its translation, for the plurals
    m_source = m_scratch.filePath("stack.pdf");
    FixtureOptions options;
    options.pageCount = 3000;
    QVERIFY(writePdfFixture(m_source, options));
}

QString TestInterruptedSplits::killedSplit(const QString &outFolder)
{
    const QString id = randomName();
    const QString session = cacheFolder() + QLatin1Char('/') + id;
    if (!QDir().mkpath(session) || !QDir().mkpath(outFolder))
        return QString();
    SplitRequest request;
    request.fileName = m_source;
    request.pageCount = 3000;
    for (int page = 1; page <= 3000; ++page)
        request.ranges.append({page, page});
    request.outDirectory = outFolder;
    request.sessionPath = session;
    request.sessionId = id;
    const QString requestPath = session + QLatin1Char('/') + id + QStringLiteral(".req");
    if (!writeRequestData(request.toJson(), requestPath))
        return QString();

    QProcess worker;
    worker.start(binPath("sheafrun"), {"--split", requestPath});
    if (!worker.waitForStarted())
        return QString();
    // Killed as soon as it has written a piece, long before the last.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000 && QDir(outFolder).isEmpty())
        QThread::usleep(500);
    worker.kill();
    worker.waitForFinished();
    return session;
}

void TestInterruptedSplits::eachAnswerDoesWhatItSays()
{
    // A stand-in opener records what it was asked to open.
    QTemporaryDir bin;
    QVERIFY(installFakeOpener(bin.path(), 0));
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");

    const QStringList answers = {"REMOVE THEM", "KEEP", "OPEN FOLDER"};
    for (const QString &answer : answers) {
        const QString out = m_scratch.filePath(QString(answer).replace(' ', '_'));
        const QString session = killedSplit(out);
        QVERIFY(!session.isEmpty());
        const QStringList written = QDir(out).entryList(QDir::Files);
        QVERIFY2(!written.isEmpty() && written.size() < 3000, qPrintable(QString::number(written.size())));

        DialogAnswers dialogs({DialogAnswers::click(answer)});
        InterruptedSplitsQuestion::askAll(nullptr);
        QVERIFY(dialogs.allAnswered());
        const QRegularExpression told(QStringLiteral("^An earlier split of stack\\.pdf was interrupted: (\\d+) files? "
                                                     "(?:was|were) written to (.+)$"));
        const auto match = told.match(dialogs.seen().first().text);
        QVERIFY2(match.hasMatch(), qPrintable(dialogs.seen().first().text));
        // The journal notes a piece before it is written: the one in hand may be missing.
        QVERIFY(qAbs(match.captured(1).toInt() - written.size()) <= 1);
        QCOMPARE(match.captured(2), QDir::toNativeSeparators(out));
        // Told once: the session is gone, whatever the answer.
        QVERIFY(!QFileInfo::exists(session));

        const int left = QDir(out).entryList(QDir::Files).size();
        if (answer == "REMOVE THEM") {
            QCOMPARE(left, 0);
        } else {
            QCOMPARE(left, written.size());
        }
        if (answer == "OPEN FOLDER") {
            QFile asked(bin.filePath("asked"));
            QTRY_VERIFY(asked.exists() && asked.size() > 0);
            QVERIFY(asked.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(asked.readAll()).trimmed(), QUrl::fromLocalFile(out).toString());
        }
    }
    // Nothing is left to tell.
    DialogAnswers none({DialogAnswers::click("KEEP")});
    InterruptedSplitsQuestion::askAll(nullptr);
    QVERIFY(none.seen().isEmpty());
}

CM_APPLICATION_TEST_MAIN(TestInterruptedSplits)
#include "test_interruptedsplits.moc"
