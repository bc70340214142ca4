#include "tests/support/TestGroup.h"
#include "tests/support/PdfFixtures.h"
#include "tests/support/PdfStructure.h"
#include "tests/support/TestEnv.h"
#include "tests/worker/WorkerProcess.h"
#include "worker/HeapPages.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QCryptographicHash>
#include <QFileInfo>
#include <QtTest>

// How small the worker's outputs are: what merged documents have in common
// is stored once, and the "optimise" choice recompresses and redraws
// photographs, while pages, text and interactive parts stay as they were.
class SheafrunLeanTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void mergeStoresWhatDocumentsShareOnce();
    void losslessSplitShrinksWithoutChangingPages();
    void imagesModeRedrawsPhotosAndLeavesMasksAlone();
    void optimisingKeepsFormsBookmarksLinksAndLabels();
    void heapRegionInUseIsAdvisedForHugePages();

private:
    MergeResponse runMerge(MergeRequest request);
    SplitResponse runSplit(SplitRequest request);

    QScopedPointer<ScratchFolder> m_scratch;
    QString m_session;
};

namespace {

// Bytes that look like a font program to a counter: deterministic, and not
// compressible, as real font programs nearly are.
std::string fontProgram()
{
    std::string bytes(24000, '\0');
    quint32 state = 2463534242u;
    for (char &byte : bytes) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        byte = char(state & 0xff);
    }
    return bytes;
}

// An RGB image: a smooth gradient with some grain, as in a photograph.
std::string photoPixels(int width, int height, int grain, quint32 seed = 1)
{
    std::string pixels(size_t(width) * size_t(height) * 3, '\0');
    quint32 state = seed;
    size_t i = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            const int noise = grain ? int(state >> 24) % (2 * grain + 1) - grain : 0;
            pixels[i++] = char(qBound(0, 255 * x / width + noise, 255));
            pixels[i++] = char(qBound(0, 255 * y / height + noise, 255));
            pixels[i++] = char(qBound(0, 128 + noise, 255));
        }
    }
    return pixels;
}

QPDFObjectHandle imageStream(QPDF &pdf, int width, int height, const std::string &pixels,
                             const char *colorSpace = "/DeviceRGB")
{
    auto image = QPDFObjectHandle::newStream(&pdf, pixels);
    auto dict = image.getDict();
    dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(width));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(height));
    dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName(colorSpace));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    return image;
}

// A TrueType font with its program embedded (the glyphs are not needed to
// count it, nor to read the text, which the encoding gives).
QPDFObjectHandle embeddedFont(QPDF &pdf)
{
    auto program = QPDFObjectHandle::newStream(&pdf, fontProgram());
    program.getDict().replaceKey("/Length1", QPDFObjectHandle::newInteger(24000));
    auto descriptor = QPDFObjectHandle::parse(
        "<< /Type /FontDescriptor /FontName /Lean /Flags 32 /FontBBox [0 -200 1000 900] /ItalicAngle 0"
        " /Ascent 900 /Descent -200 /CapHeight 700 /StemV 80 >>");
    descriptor.replaceKey("/FontFile2", program);
    auto font = QPDFObjectHandle::parse("<< /Type /Font /Subtype /TrueType /BaseFont /Lean /FirstChar 32"
                                        " /LastChar 126 /Encoding /WinAnsiEncoding >>");
    auto widths = QPDFObjectHandle::newArray();
    for (int c = 32; c <= 126; ++c)
        widths.appendItem(QPDFObjectHandle::newInteger(500));
    font.replaceKey("/Widths", widths);
    font.replaceKey("/FontDescriptor", pdf.makeIndirectObject(descriptor));
    return pdf.makeIndirectObject(font);
}

QPDFObjectHandle addPage(QPDF &pdf, const std::string &content, QPDFObjectHandle resources)
{
    auto page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] >>");
    page.replaceKey("/Resources", resources);
    page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content));
    QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
    return page;
}

bool writeDocument(QPDF &pdf, const QString &path, bool compress)
{
    QPDFWriter writer(pdf, path.toLocal8Bit().constData());
    writer.setCompressStreams(compress);
    writer.setStaticID(true);
    writer.write();
    return QFileInfo::exists(path);
}

// Two pages with the document's name as text, drawing one embedded font and
// one image; imageVariant changes the image's last byte.
bool writeLetter(const QString &path, const QString &name, int imageVariant = 0)
{
    QPDF pdf;
    pdf.emptyPDF();
    std::string pixels = photoPixels(96, 96, 0);
    pixels.back() = char(imageVariant);
    auto resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/Font", QPDFObjectHandle::newDictionary());
    resources.getKey("/Font").replaceKey("/F1", embeddedFont(pdf));
    resources.replaceKey("/XObject", QPDFObjectHandle::newDictionary());
    resources.getKey("/XObject").replaceKey("/Im1", imageStream(pdf, 96, 96, pixels));
    for (int page = 1; page <= 2; ++page) {
        const std::string text = QStringLiteral("%1 page %2").arg(name).arg(page).toStdString();
        addPage(pdf, "BT /F1 24 Tf 72 700 Td (" + text + ") Tj ET q 200 0 0 200 72 400 cm /Im1 Do Q",
                pdf.makeIndirectObject(resources));
    }
    return writeDocument(pdf, path, true);
}

struct StreamCensus
{
    int images = 0;
    int fontPrograms = 0;
    QByteArray maskedImagePixels;   // of the image that has a soft mask, decoded
    QByteArray redrawnFilter;     // the filter of the largest image that lost pixels, if one did
    int redrawnWidth = 0;
};

StreamCensus census(const QString &path)
{
    StreamCensus result;
    QPDF pdf;
    pdf.processFile(path.toLocal8Bit().constData());
    for (auto &object : pdf.getAllObjects()) {
        if (!object.isStream())
            continue;
        auto dict = object.getDict();
        if (dict.hasKey("/Length1"))
            ++result.fontPrograms;
        if (!dict.getKey("/Subtype").isNameAndEquals("/Image"))
            continue;
        ++result.images;
        if (dict.hasKey("/SMask")) {
            auto data = object.getStreamData(qpdf_dl_generalized);
            result.maskedImagePixels = QByteArray(reinterpret_cast<const char *>(data->getBuffer()),
                                                int(data->getSize()));
        } else if (dict.getKey("/Filter").isName()) {
            const int width = int(dict.getKey("/Width").getIntValue());
            if (width > result.redrawnWidth && dict.getKey("/Filter").getName() == "/DCTDecode") {
                result.redrawnWidth = width;
                result.redrawnFilter = QByteArray::fromStdString(dict.getKey("/Filter").getName());
            }
        }
    }
    return result;
}

QByteArray toolOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QByteArray("<" + program.toUtf8() + " failed>");
    return process.readAllStandardOutput();
}

// The page drawn at 50 dpi, as the bytes of a PPM image.
QByteArray rendering(const QString &path, int page, const QString &scratch)
{
    const QString prefix = scratch + QStringLiteral("/render");
    toolOutput("pdftoppm", {"-r", "50", "-f", QString::number(page), "-l", QString::number(page), "-singlefile",
                            path, prefix});
    QFile image(prefix + ".ppm");
    const QByteArray bytes = image.open(QIODevice::ReadOnly) ? image.readAll() : QByteArray();
    image.remove();
    return bytes;
}

QByteArray text(const QString &path)
{
    return toolOutput("pdftotext", {path, "-"});
}

} // namespace

void SheafrunLeanTest::init()
{
    m_scratch.reset(new ScratchFolder);
    QVERIFY(m_scratch->isValid());
    m_session = m_scratch->filePath("session");
    QVERIFY(QDir().mkpath(m_session));
}

void SheafrunLeanTest::cleanup()
{
    m_scratch.reset();
}

MergeResponse SheafrunLeanTest::runMerge(MergeRequest request)
{
    request.cachePath = m_session;
    request.sessionId = "job";
    const QString requestPath = m_session + "/job.req";
    QFile::remove(m_session + "/job.resp");
    if (!writeRequestData(request.toJson(), requestPath))
        qWarning("request not written");
    const WorkerRun run = runWorker({"--merge", requestPath});
    MergeResponse response = readMergeResponse(m_session + "/job.resp");
    if (!run.finished || run.exitCode != response.errorCode)
        response.errorCode = -1;
    return response;
}

SplitResponse SheafrunLeanTest::runSplit(SplitRequest request)
{
    request.sessionPath = m_session;
    request.sessionId = "job";
    const QString requestPath = m_session + "/job.req";
    QFile::remove(m_session + "/job.resp");
    if (!writeRequestData(request.toJson(), requestPath))
        qWarning("request not written");
    const WorkerRun run = runWorker({"--split", requestPath});
    SplitResponse response = readSplitResponse(m_session + "/job.resp");
    if (!run.finished || run.exitCode != response.errorCode)
        response.errorCode = -1;
    return response;
}

// Twenty copies of one letter and a different letter with the same font and
// image keep one font program and one image; a third letter whose image
// differs in its last byte keeps its own. No page looks any different, and
// the file is no larger than qpdf's merge of the same files.
void SheafrunLeanTest::mergeStoresWhatDocumentsShareOnce()
{
    const QString copy = m_scratch->filePath("copy.pdf");
    const QString other = m_scratch->filePath("other.pdf");
    const QString oneByte = m_scratch->filePath("onebyte.pdf");
    QVERIFY(writeLetter(copy, "Copy"));
    QVERIFY(writeLetter(other, "Other"));
    QVERIFY(writeLetter(oneByte, "Odd", 1));
    QCOMPARE(census(copy).images, 1);

    MergeRequest job;
    job.saveFileName = m_scratch->filePath("merged.pdf");
    QStringList inputs;
    for (int k = 0; k < 20; ++k) {
        job.tasks.append(mergeItem(copy, k));
        inputs << copy;
    }
    job.tasks.append(mergeItem(other, 20));
    job.tasks.append(mergeItem(oneByte, 21));
    inputs << other << oneByte;
    const MergeResponse response = runMerge(job);
    QCOMPARE(response.errorCode, 0);

    const QString merged = job.saveFileName;
    QVERIFY(passesCheck(merged));
    QCOMPARE(fixturePageCount(merged), 44);
    const StreamCensus stored = census(merged);
    QCOMPARE(stored.fontPrograms, 1);
    QCOMPARE(stored.images, 2);

    const QByteArray original = rendering(copy, 1, m_scratch->path());
    QVERIFY(original.size() > 1000);
    QCOMPARE(rendering(merged, 1, m_scratch->path()), original);
    QCOMPARE(rendering(merged, 39, m_scratch->path()), original);
    QCOMPARE(rendering(merged, 44, m_scratch->path()), rendering(oneByte, 2, m_scratch->path()));
    QVERIFY(text(merged).contains("Other page 2"));

    QCOMPARE(response.sizes.bytesWritten, QFileInfo(merged).size());
    QVERIFY(!response.sizes.optimised());

    const QString byQpdf = m_scratch->filePath("qpdf.pdf");
    QProcess qpdf;
    qpdf.start("qpdf", QStringList{"--empty", "--pages"} + inputs + QStringList{"--", byQpdf});
    QVERIFY(qpdf.waitForFinished(60000));
    QVERIFY2(QFileInfo(merged).size() <= QFileInfo(byQpdf).size(),
             qPrintable(QStringLiteral("%1 > %2").arg(QFileInfo(merged).size()).arg(QFileInfo(byQpdf).size())));
}

// A document written without compression, each page with its own copy of
// one image: one piece of all its pages, optimised, is at least three times
// smaller than the source and reads and looks the same. The response tells
// the size before, which is what the piece takes without optimising.
void SheafrunLeanTest::losslessSplitShrinksWithoutChangingPages()
{
    const QString source = m_scratch->filePath("plain.pdf");
    {
        QPDF pdf;
        pdf.emptyPDF();
        const std::string pixels = photoPixels(160, 160, 0);
        for (int page = 1; page <= 3; ++page) {
            auto resources = QPDFObjectHandle::parse("<< /Font << /F1 << /Type /Font /Subtype /Type1"
                                                     " /BaseFont /Helvetica /Encoding /WinAnsiEncoding >> >> >>");
            resources.replaceKey("/XObject", QPDFObjectHandle::newDictionary());
            resources.getKey("/XObject").replaceKey("/Im1", imageStream(pdf, 160, 160, pixels));
            std::string content = "q 300 0 0 300 150 60 cm /Im1 Do Q\n";
            for (int line = 0; line < 40; ++line)
                content += "BT /F1 9 Tf 72 " + std::to_string(760 - line * 8) + " Td (Line "
                           + std::to_string(line) + " of page " + std::to_string(page) + ") Tj ET\n";
            addPage(pdf, content, resources);
        }
        QVERIFY(writeDocument(pdf, source, false));
    }
    QCOMPARE(census(source).images, 3);

    SplitRequest job;
    job.fileName = source;
    job.pageCount = 3;
    job.ranges = {{1, 3}};
    job.outPrefix = "plain_[COUNTER]";
    job.outDirectory = m_scratch->filePath("plain");
    const SplitResponse plain = runSplit(job);
    QCOMPARE(plain.errorCode, 0);
    QCOMPARE(plain.files.size(), 1);
    QCOMPARE(census(plain.files.first()).images, 1);

    job.optimise = Optimisation::Lossless;
    job.outDirectory = m_scratch->filePath("lean");
    const SplitResponse lean = runSplit(job);
    QCOMPARE(lean.errorCode, 0);
    QCOMPARE(lean.files.size(), 1);
    const QString piece = lean.files.first();
    QVERIFY(passesCheck(piece));
    const qint64 size = QFileInfo(piece).size();
    QVERIFY2(size * 3 <= QFileInfo(source).size(),
             qPrintable(QStringLiteral("%1 from %2").arg(size).arg(QFileInfo(source).size())));
    QVERIFY(size <= QFileInfo(plain.files.first()).size());
    QCOMPARE(lean.sizes.bytesWritten, size);
    QCOMPARE(lean.sizes.bytesBefore, QFileInfo(plain.files.first()).size());

    QCOMPARE(text(piece), text(source));
    for (int page = 1; page <= 3; ++page)
        QCOMPARE(rendering(piece, page, m_scratch->path()), rendering(source, page, m_scratch->path()));
}

// A 600 dpi photograph is redrawn at 150 dpi as JPEG and the file takes at
// most half; an image with a soft mask, also drawn at 600 dpi, keeps every
// pixel (lossless recompression may store them differently).
void SheafrunLeanTest::imagesModeRedrawsPhotosAndLeavesMasksAlone()
{
    const QString source = m_scratch->filePath("photos.pdf");
    {
        QPDF pdf;
        pdf.emptyPDF();
        auto photo = imageStream(pdf, 1200, 1200, photoPixels(1200, 1200, 24));
        auto masked = imageStream(pdf, 600, 600, photoPixels(600, 600, 24, 7));
        std::string mask(600 * 600, '\xff');
        std::fill(mask.begin(), mask.begin() + 600 * 300, '\x40');
        masked.getDict().replaceKey("/SMask", imageStream(pdf, 600, 600, mask, "/DeviceGray"));
        auto resources = QPDFObjectHandle::newDictionary();
        resources.replaceKey("/XObject", QPDFObjectHandle::newDictionary());
        resources.getKey("/XObject").replaceKey("/Photo", photo);
        resources.getKey("/XObject").replaceKey("/Masked", masked);
        resources.replaceKey("/Font", QPDFObjectHandle::parse("<< /F1 << /Type /Font /Subtype /Type1"
                                                              " /BaseFont /Helvetica >> >>"));
        addPage(pdf, "q 144 0 0 144 72 500 cm /Photo Do Q q 72 0 0 72 300 500 cm /Masked Do Q"
                     " BT /F1 12 Tf 72 300 Td (Holiday) Tj ET", resources);
        QVERIFY(writeDocument(pdf, source, true));
    }
    const QByteArray maskedBefore = census(source).maskedImagePixels;
    QVERIFY(!maskedBefore.isEmpty());

    MergeRequest job;
    job.saveFileName = m_scratch->filePath("photos-lean.pdf");
    job.tasks = {mergeItem(source, 0)};
    job.optimise = Optimisation::Images;
    const MergeResponse response = runMerge(job);
    QCOMPARE(response.errorCode, 0);

    const QString lean = job.saveFileName;
    QVERIFY(passesCheck(lean));
    QVERIFY2(QFileInfo(lean).size() * 2 <= QFileInfo(source).size(),
             qPrintable(QStringLiteral("%1 from %2").arg(QFileInfo(lean).size()).arg(QFileInfo(source).size())));
    const StreamCensus stored = census(lean);
    QCOMPARE(stored.redrawnFilter, QByteArray("/DCTDecode"));
    QCOMPARE(stored.redrawnWidth, 300);
    QVERIFY(stored.maskedImagePixels == maskedBefore);
    QCOMPARE(response.sizes.imagesChanged, 1);
    QCOMPARE(response.sizes.imagesLeft, 1);
    QCOMPARE(response.sizes.bytesWritten, QFileInfo(lean).size());
    QVERIFY(response.sizes.bytesBefore > 2 * response.sizes.bytesWritten);
    QCOMPARE(text(lean), text(source));
}

// Sharing identical objects must not touch what stands for one thing
// each: the form's fields, the bookmarks, links and page labels come out of
// an optimised merge as they come out of a plain one.
void SheafrunLeanTest::optimisingKeepsFormsBookmarksLinksAndLabels()
{
    FixtureOptions options;
    options.pageCount = 6;
    options.form = true;
    options.outline = true;
    options.pageLabels = true;
    options.sharedResources = false;
    const QString source = m_scratch->filePath("structured.pdf");
    QVERIFY(writePdfFixture(source, options));

    MergeRequest job;
    job.tasks = {mergeItem(source, 0), mergeItem(source, 1)};
    job.saveFileName = m_scratch->filePath("plain.pdf");
    QCOMPARE(runMerge(job).errorCode, 0);
    job.saveFileName = m_scratch->filePath("lean.pdf");
    job.optimise = Optimisation::Lossless;
    QCOMPARE(runMerge(job).errorCode, 0);

    const QString plain = m_scratch->filePath("plain.pdf");
    const QString lean = job.saveFileName;
    QVERIFY(passesCheck(lean));
    QCOMPARE(pageTexts(lean), pageTexts(plain));
    QCOMPARE(pageTexts(lean).size(), 12);
    QVERIFY(!formFields(plain).isEmpty());
    QCOMPARE(formFields(lean), formFields(plain));
    QCOMPARE(widgetsOffPages(lean), 0);
    QVERIFY(!outlineLines(plain).isEmpty());
    QCOMPARE(outlineLines(lean), outlineLines(plain));
    QCOMPARE(pageLabelTexts(lean), pageLabelTexts(plain));
    QCOMPARE(linkTargets(lean, 7), linkTargets(plain, 7));
    QCOMPARE(namedDestinations(lean), namedDestinations(plain));
}

// The worker's speed on large merges rests on the kernel being asked for huge
// pages where the heap lives; the flag the kernel keeps shows it was asked.
void SheafrunLeanTest::heapRegionInUseIsAdvisedForHugePages()
{
    QFile setting(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled"));
    if (!setting.open(QIODevice::ReadOnly) || setting.readAll().contains("[never]"))
        QSKIP("this kernel gives no transparent huge pages");

    QVERIFY(HeapPages::adviseCurrentRegion());

    std::unique_ptr<char[]> block(new char[64]);
    const quintptr address = reinterpret_cast<quintptr>(block.get());
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    QVERIFY(smaps.open(QIODevice::ReadOnly | QIODevice::Text));
    bool inRegion = false;
    QByteArray flags;
    // Files in /proc tell no size, so they are read whole, not line by line.
    for (const QByteArray &line : smaps.readAll().split('\n')) {
        const int dash = line.indexOf('-');
        const int space = line.indexOf(' ');
        if (dash > 0 && space > dash && !line.left(space).contains(':')) {
            const quintptr start = line.left(dash).toULongLong(nullptr, 16);
            const quintptr end = line.mid(dash + 1, space - dash - 1).toULongLong(nullptr, 16);
            inRegion = start <= address && address < end;
        } else if (inRegion && line.startsWith("VmFlags:")) {
            flags = line;
            break;
        }
    }
    QVERIFY2(!flags.isEmpty(), "no mapping holds a fresh allocation");
    QVERIFY2(flags.contains(" hg"), flags.constData());
}

CM_TEST_GUILESS_MAIN(SheafrunLeanTest)
#include "tst_sheafrun_lean.moc"
