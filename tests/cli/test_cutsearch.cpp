// cleavemark split --at-blank, --at-text and --at-code on scanned stacks
// made here: pages of text, noisy grey scans, blank sheets with specks, a
// tint and a scanner's dark edge, a near-blank page with a short stroke,
// separator pages with a phrase, QR codes made with qrencode. Each page is
// as wide as its number says, so the pages of every output can be told.

#include "tests/support/TestGroup.h"
#include "tests/cli/CleavemarkRun.h"
#include "pdf/BlankPage.h"
#include "pdf/PageFactsReader.h"
#include "pdf/PageRenderer.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "pdf/ScanPages.h"
#include "tests/support/TestEnv.h"

#include <QDir>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

namespace {

enum class Sheet { Text, Scan, TintedBlank, WhiteBlank, Stroke, Code };

struct Page
{
    Sheet sheet;
    QString text;   // the lines of a text page, the code of a code page
};

constexpr double PageHeight = 800;
constexpr int ScanDpi = 100;

double pageWidth(int page)
{
    return 560 + 3 * page;
}

int pageOfWidth(int width)
{
    return (width - 560) / 3;
}

// Scanned paper: a grey tint with noise, a few specks of half a
// millimetre, and the dark edge of the scanner's lid along one side.
QImage scannedPaper(const QSizeF &points, quint32 seed)
{
    QImage image((points * ScanDpi / 72).toSize(), QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = x < image.width() / 50 ? 40 : 215 + random.bounded(-18, 19);
            line[x] = qRgb(grey, grey, grey - 6);
        }
    }
    QPainter painter(&image);
    for (int speck = 0; speck < 8; ++speck)
        painter.fillRect(random.bounded(image.width() / 10, image.width() * 9 / 10),
                         random.bounded(image.height() / 10, image.height() * 9 / 10), 2, 2, QColor(40, 40, 40));
    return image;
}

void drawScan(QPainter &pdf, const QSizeF &points, int page, Sheet sheet)
{
    QImage image = scannedPaper(points, quint32(page));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (sheet == Sheet::Scan) {
        // Lines of typed words, as a scan of a letter shows them.
        QRandomGenerator random(quint32(page) * 7);
        for (int y = 120; y < image.height() - 150; y += 28) {
            for (int x = 100; x < image.width() - 160;) {
                const int word = random.bounded(20, 90);
                painter.fillRect(x, y, word, 12, QColor(50, 50, 50));
                x += word + 14;
            }
        }
    } else if (sheet == Sheet::Stroke) {
        // A short pen stroke, about a centimetre, half a millimetre wide.
        QPainterPath stroke(QPointF(380, 520));
        stroke.cubicTo(QPointF(392, 505), QPointF(405, 535), QPointF(420, 515));
        painter.setPen(QPen(QColor(70, 70, 90), 2));
        painter.drawPath(stroke);
    }
    painter.end();
    pdf.drawImage(QRectF(QPointF(0, 0), points), image.convertToFormat(QImage::Format_Grayscale8));
}

bool drawCode(QPainter &pdf, const QString &folder, const QString &code)
{
    const QString png = QDir(folder).filePath(code + QStringLiteral(".png"));
    QProcess qrencode;
    qrencode.start(QStringLiteral("qrencode"), {QStringLiteral("-s"), QStringLiteral("10"), QStringLiteral("-o"), png,
                                                code});
    if (!qrencode.waitForFinished(10000) || qrencode.exitCode() != 0)
        return false;
    const QImage image(png);
    // About 35 mm wide, as printed on a separator sheet.
    pdf.drawImage(QRectF(120, 160, 100, 100), image);
    return !image.isNull();
}

bool writeStack(const QString &path, const QList<Page> &pages)
{
    QPdfWriter writer(path);
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF());
    writer.setPageSize(QPageSize(QSizeF(pageWidth(1), PageHeight), QPageSize::Point, QString(),
                                 QPageSize::ExactMatch));
    QPainter painter(&writer);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    for (int k = 1; k <= pages.size(); ++k) {
        const QSizeF points(pageWidth(k), PageHeight);
        if (k > 1) {
            writer.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
            writer.newPage();
        }
        const Page &page = pages.at(k - 1);
        switch (page.sheet) {
        case Sheet::Text: {
            const QStringList lines = page.text.split(QLatin1Char('\n'));
            for (int i = 0; i < lines.size(); ++i)
                painter.drawText(QPointF(72, 100 + 26 * i), lines.at(i));
            break;
        }
        case Sheet::Scan:
        case Sheet::TintedBlank:
        case Sheet::Stroke:
            drawScan(painter, points, k, page.sheet);
            break;
        case Sheet::WhiteBlank:
            break;
        case Sheet::Code:
            if (!drawCode(painter, QFileInfo(path).absolutePath(), page.text))
                return false;
            break;
        }
    }
    return painter.end();
}

// "name.pdf: 1 2 3" for each file in the folder.
QStringList piecesIn(const QString &folder)
{
    const auto service = QSharedPointer<PdfService>::create();
    QStringList pieces;
    for (const QString &name : QDir(folder).entryList(QDir::Files, QDir::Name)) {
        PdfDocument document(service, QDir(folder).filePath(name), QString());
        QStringList pages;
        for (int page = 1; page <= document.pageCount(); ++page)
            pages << QString::number(pageOfWidth(document.pageSize(page).width()));
        pieces << name + QStringLiteral(": ") + pages.join(QLatin1Char(' '));
    }
    return pieces;
}

} // namespace

class CutSearchTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void splitsScannedStacks_data();
    void splitsScannedStacks();
    void scansReadAsTheyAreDrawn();

private:
    ScratchFolder m_scratch;
};

void CutSearchTest::initTestCase()
{
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("qrencode")).isEmpty(),
             "qrencode (scripts/packages.txt) makes the QR codes");
    QVERIFY(writeStack(m_scratch.filePath(QStringLiteral("letters.pdf")),
                       {{Sheet::Text, QStringLiteral("Invoice 48213\nAmount due: 120 EUR")},
                        {Sheet::Scan, {}},
                        {Sheet::TintedBlank, {}},
                        {Sheet::Text, QStringLiteral("Letter to Berlin / Mitte\nDear Sir or Madam,")},
                        {Sheet::Stroke, {}},
                        {Sheet::WhiteBlank, {}},
                        {Sheet::TintedBlank, {}},
                        {Sheet::Text, QStringLiteral("Invoice 48213\nSecond copy")},
                        {Sheet::TintedBlank, {}}}));
    QVERIFY(writeStack(m_scratch.filePath(QStringLiteral("invoices.pdf")),
                       {{Sheet::Text, QStringLiteral("Separator Sheet\nBatch 12")},
                        {Sheet::Text, QStringLiteral("Invoice 100\nWidgets")},
                        {Sheet::Scan, {}},
                        {Sheet::Text, QStringLiteral("SEPARATOR\nsheet")},
                        {Sheet::Text, QStringLiteral("Invoice 200\nGadgets")},
                        {Sheet::Text, QStringLiteral("Separator sheets come in packs of 50")},
                        {Sheet::Text, QStringLiteral("Invoice 300")}}));
    QVERIFY(writeStack(m_scratch.filePath(QStringLiteral("coded.pdf")),
                       {{Sheet::Code, QStringLiteral("INV-48213")},
                        {Sheet::Text, QStringLiteral("Dear customer")},
                        {Sheet::Scan, {}},
                        {Sheet::Code, QStringLiteral("INV-48214")},
                        {Sheet::Text, QStringLiteral("Second letter")},
                        {Sheet::Code, QStringLiteral("XYZ-1")},
                        {Sheet::Text, QStringLiteral("Third letter")}}));
}

void CutSearchTest::splitsScannedStacks_data()
{
    QTest::addColumn<QString>("stack");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("crashPage");   // the renderer ends itself on this page
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<QString>("told");        // on standard error

    QTest::newRow("blank pages, named by their first lines")
        << "letters" << QStringList{"--at-blank", "--name", "[FIRSTLINE]"} << ""
        << QStringList{"Invoice 48213 (2).pdf: 8", "Invoice 48213.pdf: 1 2", "Letter to Berlin - Mitte.pdf: 4 5"}
        << "3 parts found, 4 pages left out";
    QTest::newRow("blank pages kept, cut after them")
        << "letters" << QStringList{"--at-blank", "--keep-blank", "--cut-after"} << ""
        << QStringList{"letters_p1-3.pdf: 1 2 3", "letters_p4-7.pdf: 4 5 6 7", "letters_p8-9.pdf: 8 9"}
        << "3 parts found";
    QTest::newRow("a page the renderer cannot read is not blank")
        << "letters" << QStringList{"--at-blank"} << "3"
        << QStringList{"letters_p1-5.pdf: 1 2 3 4 5", "letters_p8.pdf: 8"}
        << "2 parts found, 3 pages left out, 1 page that could not be read, taken as not blank, without text or code";
    QTest::newRow("a phrase, whole words in any case, separators left out")
        << "invoices" << QStringList{"--at-text", "separator sheet", "--drop-separator", "--name", "[FIRSTLINE]"}
        << "" << QStringList{"Invoice 100.pdf: 2 3", "Invoice 200.pdf: 5 6 7"}
        << "2 parts found, 2 pages left out, 1 page without text";
    QTest::newRow("codes with a prefix, named with the other tags too")
        << "coded" << QStringList{"--at-code=INV-", "--name", "[CODE] of [BASENAME]"} << ""
        << QStringList{"INV-48213 of coded.pdf: 2 3", "INV-48214 of coded.pdf: 5 6 7"} << "2 parts found, 2 pages left out";
    QTest::newRow("every code") << "coded" << QStringList{"--at-code"} << ""
                                << QStringList{"coded_p2-3.pdf: 2 3", "coded_p5.pdf: 5", "coded_p7.pdf: 7"}
                                << "3 parts found, 3 pages left out";
}

void CutSearchTest::splitsScannedStacks()
{
    QFETCH(QString, stack);
    QFETCH(QStringList, options);
    QFETCH(QString, crashPage);

    const QString out = m_scratch.filePath(QString::fromLatin1(QTest::currentDataTag()).left(20));
    QVERIFY(QDir().mkpath(out));
    QMap<QString, QString> environment;
    if (!crashPage.isEmpty())
        environment.insert(QStringLiteral("SHEAFRENDER_TEST_CRASH_PAGE"), crashPage);
    const CleavemarkRun run =
        cleavemark(QStringList{"split", m_scratch.filePath(stack + ".pdf"), "-o", out} + options, environment, 60000);
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    QTEST(piecesIn(out), "pieces");
    QFETCH(QString, told);
    QVERIFY2(run.errors.contains(": " + told + "\n"), qPrintable(run.errors));
}

// A page that is one scanned image is judged from its JPEG data without
// drawing it; the verdict must be the one the drawn page gives.
void CutSearchTest::scansReadAsTheyAreDrawn()
{
    const QString path = m_scratch.filePath(QStringLiteral("letters.pdf"));
    const ScanPages scans(path, QByteArray());
    const auto renderer = PageRenderer::open(QByteArray(), path, QByteArray());
    QVERIFY(renderer);
    QStringList verdicts;
    for (int page = 1; page <= renderer->pageCount(); ++page) {
        const ScanPages::Drawn scan = scans.drawSmall(page, PageFactsReader::BlankDpi);
        const QImage drawn = renderer->renderAt(page, renderer->pixelsAt(page, PageFactsReader::BlankDpi), 5000);
        const bool blank = BlankPage::isBlank(drawn, PageFactsReader::BlankDpi / 25.4, BlankOptions());
        if (!scan.image.isNull())
            QCOMPARE(BlankPage::isBlank(scan.image, scan.dotsPerMm, BlankOptions()), blank);
        verdicts << QStringLiteral("%1%2").arg(scan.image.isNull() ? "drawn" : "scan", blank ? " blank" : "");
    }
    QCOMPARE(verdicts, QStringList({"drawn", "scan", "scan blank", "drawn", "scan", "drawn blank", "scan blank",
                                    "drawn", "scan blank"}));
}

CM_TEST_MAIN(CutSearchTest)
#include "test_cutsearch.moc"
