#include "tests/support/TestGroup.h"
#include "protocol/CutPlan.h"
#include "protocol/PartNames.h"
#include "protocol/SplitPlan.h"
#include "pdf/PageRangeText.h"

#include <QTest>

namespace {

// A stack told one letter a page: c a page of text ("Line k" its first
// line), n a page without text, b a blank page, t a page with the phrase,
// u a page that could not be read, A, B and X pages with the codes
// "INV-1", "INV-2" and "XYZ-9".
PageFactsList stack(const QString &letters)
{
    PageFactsList facts;
    for (int i = 0; i < letters.size(); ++i) {
        const QChar letter = letters.at(i);
        PageFacts page = letter == QLatin1Char('u') ? PageFacts::unreadable() : PageFacts();
        page.blank = letter == QLatin1Char('b');
        page.hasText = letter == QLatin1Char('c') || letter == QLatin1Char('t');
        page.firstLine = page.hasText ? QStringLiteral("Line %1").arg(i + 1) : QString();
        page.phraseFound = letter == QLatin1Char('t');
        if (letter == QLatin1Char('A'))
            page.codes = QStringList{QStringLiteral("INV-1")};
        if (letter == QLatin1Char('B'))
            page.codes = QStringList{QStringLiteral("ignored"), QStringLiteral("INV-2")};
        if (letter == QLatin1Char('X'))
            page.codes = QStringList{QStringLiteral("XYZ-9")};
        facts.append(page);
    }
    return facts;
}

// "1-2;4,6": the parts, their ranges joined by ",".
QString partsText(const QList<SplitPart> &parts)
{
    QStringList texts;
    for (const SplitPart &part : parts)
        texts << pageRangeListText(part.pages);
    return texts.join(QLatin1Char(';'));
}

} // namespace

class CutPlanTest : public QObject
{
    Q_OBJECT

private slots:
    void partsAndNames_data();
    void partsAndNames();
};

void CutPlanTest::partsAndNames_data()
{
    QTest::addColumn<QString>("pages");
    QTest::addColumn<int>("way");
    // k: keep separators, d: drop them, a: cut after, 2: duplex, p: only codes beginning "INV-"
    QTest::addColumn<QString>("choices");
    QTest::addColumn<QString>("nameTemplate");
    QTest::addColumn<QString>("parts");
    QTest::addColumn<int>("leftOut");
    QTest::addColumn<QString>("names");   // ";"-joined, "" for a part the template names

    const int blank = int(CutOptions::Way::AtBlank);
    const int text = int(CutOptions::Way::AtText);
    const int code = int(CutOptions::Way::AtCode);
    const QString usual = SplitPlan::defaultTemplate();
    QTest::newRow("blank pages left out, a run one cut, named by first lines")
        << "ccbcbbnc" << blank << "" << "[FIRSTLINE]" << "1-2;4;7-8" << 3 << "Line 1;Line 4;";
    QTest::newRow("blank pages at both ends cut nothing off") << "bbccb" << blank << "" << usual << "3-4" << 3 << "";
    QTest::newRow("blank pages kept begin the next part")
        << "ccbcbbc" << blank << "k" << usual << "1-2;3-4;5-7" << 0 << ";;";
    QTest::newRow("blank pages kept end the part before")
        << "ccbcbbc" << blank << "ka" << usual << "1-3;4-6;7" << 0 << ";;";
    QTest::newRow("blank pages kept at the end join the last part")
        << "bccbb" << blank << "k" << usual << "1-5" << 0 << "";
    QTest::newRow("blank pages kept at the start join the first part")
        << "bbcbcb" << blank << "ka" << usual << "1-4;5-6" << 0 << ";";
    QTest::newRow("duplex: blank backs left out without a cut, a blank sheet cuts")
        << "cbcbbbcc" << blank << "2" << usual << "1,3;7-8" << 4 << ";";
    QTest::newRow("every page blank") << "bbb" << blank << "" << usual << "" << 3 << "";
    QTest::newRow("an unreadable page is not blank")
        << "cbuc" << blank << "" << "[FIRSTLINE]" << "1;3-4" << 1 << "Line 1;";
    QTest::newRow("phrase pages kept begin parts, each its own cut")
        << "tcctt" << text << "" << "[FIRSTLINE]" << "1-3;4;5" << 0 << "Line 1;Line 4;Line 5";
    QTest::newRow("phrase pages dropped, cut after") << "ctcctn" << text << "da" << usual << "1;3-4;6" << 2 << ";;";
    QTest::newRow("code pages left out, every code")
        << "AccBcXc" << code << "" << "[CODE] [FIRSTLINE]" << "2-3;5;7" << 3
        << "INV-1 Line 2;ignored Line 5;XYZ-9 Line 7";
    QTest::newRow("code pages with a prefix") << "AccBnXc" << code << "p" << "[CODE]" << "2-3;5-7" << 2
                                              << "INV-1;INV-2";
    QTest::newRow("code pages kept, cut after: the code that ends the part")
        << "ccAcB" << code << "kap" << "[CODE]" << "1-3;4-5" << 0 << "INV-1;INV-2";
    QTest::newRow("a part without its code takes the usual name")
        << "ccAc" << code << "" << "[CODE]" << "1-2;4" << 1 << ";INV-1";
}

void CutPlanTest::partsAndNames()
{
    QFETCH(QString, pages);
    QFETCH(int, way);
    QFETCH(QString, choices);
    QFETCH(QString, nameTemplate);

    CutOptions options = CutOptions::defaultsFor(CutOptions::Way(way));
    if (choices.contains(QLatin1Char('k')))
        options.leaveOut = false;
    if (choices.contains(QLatin1Char('d')))
        options.leaveOut = true;
    if (choices.contains(QLatin1Char('a')))
        options.side = CutOptions::Side::After;
    options.duplex = choices.contains(QLatin1Char('2'));
    if (choices.contains(QLatin1Char('p')))
        options.codePrefix = QStringLiteral("INV-");

    const PageFactsList facts = stack(pages);
    FoundCuts cuts = CutPlan::cut(facts, options);
    QTEST(partsText(cuts.parts), "parts");
    QTEST(cuts.leftOutPages, "leftOut");
    QCOMPARE(cuts.codes.size(), cuts.parts.size());

    // The parts not named from their pages get the usual name.
    QCOMPARE(PartNames::nameParts(nameTemplate, facts, cuts), SplitPlan::defaultTemplate());
    QStringList names;
    for (const SplitPart &part : cuts.parts)
        names << part.name;
    QTEST(names.join(QLatin1Char(';')), "names");

    // Only what the way and the names need is asked of the renderer.
    const PageFactsQuery query = CutPlan::queryFor(options, QStringLiteral("phrase"), nameTemplate);
    QCOMPARE(query.blank, options.way == CutOptions::Way::AtBlank);
    QCOMPARE(query.codes, options.way == CutOptions::Way::AtCode);
    QCOMPARE(query.text, options.way == CutOptions::Way::AtText || nameTemplate.contains(QLatin1String("[FIRSTLINE]")));
    QCOMPARE(query.phrase.isEmpty(), options.way != CutOptions::Way::AtText);
}

CM_TEST_GUILESS_MAIN(CutPlanTest)
#include "tst_CutPlan.moc"
