#include "tests/support/TestGroup.h"
#include "worker/OutputNaming.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QDateTime jobTime(QDate(2026, 3, 4), QTime(17, 5, 9));

QString expand(const QString &templ, const QString &baseName = QStringLiteral("report"))
{
    return expandTemplate(templ, QStringLiteral("07"), QStringLiteral("3-9"), baseName, jobTime);
}

} // namespace

class OutputNamingTest : public QObject
{
    Q_OBJECT

private slots:
    void tagsAreReplaced_data();
    void tagsAreReplaced();
    void insertedTextTakesPartInLaterSteps();
    void uniqueIsOneBracedUuidPerExpansion();
    void labelsArePadded();
    void fixedNames();
    void usableFileNames_data();
    void usableFileNames();
};

void OutputNamingTest::tagsAreReplaced_data()
{
    QTest::addColumn<QString>("templ");
    QTest::addColumn<QString>("expected");

    QTest::newRow("default template") << "[BASENAME]_p[PAGE]" << "report_p3-9";
    QTest::newRow("every tag") << "[COUNTER]|[PAGE]|[BASENAME]|[DATENOW]|[TIMENOW]"
                               << "07|3-9|report|20260304|170509";
    QTest::newRow("repeated tag") << "[PAGE][PAGE]" << "3-93-9";
    QTest::newRow("lower case stays") << "[basename]_[Page]" << "[basename]_[Page]";
    QTest::newRow("no tags") << "fixed" << "fixed";
    QTest::newRow("colon stays") << "a:[COUNTER]" << "a:07";
}

void OutputNamingTest::tagsAreReplaced()
{
    QFETCH(QString, templ);
    QFETCH(QString, expected);
    QCOMPARE(expand(templ), expected);
}

void OutputNamingTest::insertedTextTakesPartInLaterSteps()
{
    // The base name goes in before the date step, after the counter step.
    QCOMPARE(expand(QStringLiteral("[BASENAME]"), QStringLiteral("r-[DATENOW]-[COUNTER]")),
             QStringLiteral("r-20260304-[COUNTER]"));
}

void OutputNamingTest::uniqueIsOneBracedUuidPerExpansion()
{
    const QRegularExpression braced(
        QStringLiteral("^\\{[0-9a-f]{8}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{4}-[0-9a-f]{12}\\}$"));
    const QString first = expand(QStringLiteral("[UNIQUE]"));
    const QString second = expand(QStringLiteral("[UNIQUE]"));
    QVERIFY2(braced.match(first).hasMatch(), qPrintable(first));
    QVERIFY(first != second);

    const QStringList halves = expand(QStringLiteral("[UNIQUE]+[UNIQUE]")).split(QLatin1Char('+'));
    QCOMPARE(halves.size(), 2);
    QCOMPARE(halves.at(0), halves.at(1));
}

void OutputNamingTest::labelsArePadded()
{
    QCOMPARE(digitCount(0), 0);
    QCOMPARE(digitCount(9), 1);
    QCOMPARE(digitCount(10), 2);
    QCOMPARE(digitCount(1000), 4);

    QCOMPARE(pageLabel(4, 4, digitCount(120)), QStringLiteral("004"));
    QCOMPARE(pageLabel(7, 12, digitCount(12)), QStringLiteral("07-12"));
    QCOMPARE(pageLabel(7, 12, digitCount(0)), QStringLiteral("7-12"));
    QCOMPARE(counterLabel(3, digitCount(9)), QStringLiteral("3"));

    // The first output of a twelve-range split.
    QCOMPARE(expandTemplate(QStringLiteral("part [COUNTER] of [BASENAME]"), counterLabel(1, digitCount(12)),
                            QString(), QStringLiteral("report"), jobTime),
             QStringLiteral("part 01 of report"));
}

void OutputNamingTest::fixedNames()
{
    const QString base = baseNameOf(QStringLiteral("/home/u/a.b.pdf"));
    QCOMPARE(base, QStringLiteral("a.b"));
    const QString builtIn = rangeOutputName(QString(), QStringLiteral("1"), QStringLiteral("02-05"), base, jobTime);
    QCOMPARE(builtIn, QStringLiteral("a.b_p02-05.pdf"));
    QCOMPARE(rangeOutputName(QStringLiteral("[BASENAME]_p[PAGE]"), QStringLiteral("1"), QStringLiteral("02-05"),
                             base, jobTime),
             builtIn);
    QCOMPARE(editedOutputName(base, jobTime), QStringLiteral("a.b_edited_20260304_170509.pdf"));
}

void OutputNamingTest::usableFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("usable");

    QTest::newRow("plain") << "report_p1.pdf" << true;
    QTest::newRow("colon") << "a:b.pdf" << true;
    QTest::newRow("leading dots") << "..a.pdf" << true;
    QTest::newRow("slash") << "../../etc/x.pdf" << false;
    QTest::newRow("sub folder") << "sub/x.pdf" << false;
    QTest::newRow("dot") << "." << false;
    QTest::newRow("dot dot") << ".." << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("nul") << QStringLiteral("a") + QChar(0) + QStringLiteral("b.pdf") << false;
}

void OutputNamingTest::usableFileNames()
{
    QFETCH(QString, name);
    QFETCH(bool, usable);
    QCOMPARE(isUsableFileName(name), usable);
}

CM_TEST_APPLESS_MAIN(OutputNamingTest)

#include "tst_OutputNaming.moc"
