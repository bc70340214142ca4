// Writes the inputs of the worker benchmarks: numbered test documents and the
// request files that sheafrun reads.
//
//   make_fixture pdf <path> <pages>
//   make_fixture plain-pdf <path> <pages>                  (written by hand, not by qpdf; see below)
//   make_fixture image-pdf <path> <pages> <image bytes>   (a full-page image on every page)
//   make_fixture scan-pdf <path> <pages>                   (scanned pages: see writeScanDocument)
//   make_fixture split-request <request> <source> <pages> <out folder> <session folder>
//   make_fixture merge-request [--optimise=lossless|images] <request> <merged file> <session folder> <source>...

#include "tests/support/PdfFixtures.h"
#include "protocol/JobFiles.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace {

int usage()
{
    QTextStream(stderr)
        << "usage: make_fixture pdf <path> <pages>\n"
           "       make_fixture plain-pdf <path> <pages>\n"
           "       make_fixture image-pdf <path> <pages> <image bytes>\n"
           "       make_fixture scan-pdf <path> <pages>\n"
           "       make_fixture split-request <request> <source> <pages> <out folder> <session folder>\n"
           "       make_fixture merge-request [--optimise=lossless|images] <request> <merged file> "
           "<session folder> <source>...\n";
    return 2;
}

bool writeDocument(const QString &path, int pages, int imageBytes = 0)
{
    FixtureOptions options;
    options.pageCount = pages;
    options.sharedResources = true;
    options.pageImageBytes = imageBytes;
    return writePdfFixture(path, options);
}

// A page of text as a word processor lays it out: 40 lines in one font.
QByteArray pageText(int page)
{
    QByteArray text = "BT /F1 11 Tf 13 TL 72 770 Td\n(Page " + QByteArray::number(page) + ") Tj\n";
    for (int line = 1; line < 40; ++line)
        text += "T* (Line " + QByteArray::number(line)
                + " of a plain page, set in one Type 1 font, as many office documents are.) Tj\n";
    return text + "ET\n";
}

// The other kind of document the benchmarks use, written object by object
// without qpdf, the way simple PDF producers do: every page shares one
// resource dictionary that holds one Type 1 font, and has one
// Flate-compressed content stream; classic cross-reference table.
bool writePlainDocument(const QString &path, int pages)
{
    QByteArray pdf = "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n";
    QList<qint64> offsets;
    const auto object = [&](const QByteArray &body) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    const int firstPage = 5;   // catalog, page tree, resources, font come first
    QByteArray kids;
    for (int k = 0; k < pages; ++k)
        kids += QByteArray::number(firstPage + 2 * k) + " 0 R ";
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Kids [ " + kids + "] /Count " + QByteArray::number(pages) + " >>");
    object("<< /Font << /F1 4 0 R >> /ProcSet [ /PDF /Text ] >>");
    object("<< /Type /Font /Subtype /Type1 /BaseFont /Times-Roman /Encoding /WinAnsiEncoding >>");
    for (int k = 0; k < pages; ++k) {
        object("<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 595 842 ] /Resources 3 0 R /Contents "
               + QByteArray::number(firstPage + 2 * k + 1) + " 0 R >>");
        const QByteArray data = qCompress(pageText(k + 1)).mid(4);   // zlib stream without Qt's length
        object("<< /Length " + QByteArray::number(data.size()) + " /Filter /FlateDecode >>\nstream\n" + data
               + "\nendstream");
    }
    const qint64 xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (qint64 offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
           + QByteArray::number(xref) + "\n%%EOF\n";

    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(pdf) == pdf.size();
}

// A sheet scanned at 300 dpi in grey (A4, 2480 x 3508): tinted paper with
// the scanner's noise and a few specks, and, unless blank, lines of words.
QByteArray scannedSheet(int variant, bool blank)
{
    QImage image(2480, 3508, QImage::Format_Grayscale8);
    QRandomGenerator random(quint32(variant) + 1);
    for (int y = 0; y < image.height(); ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            line[x] = uchar(222 + random.bounded(-6, 7));
    }
    QPainter painter(&image);
    for (int speck = 0; speck < 12; ++speck)
        painter.fillRect(random.bounded(200, 2280), random.bounded(200, 3300), 5, 5, QColor(50, 50, 50));
    for (int y = 300; !blank && y < 3200; y += 70) {
        for (int x = 250; x < 2150;) {
            const int word = random.bounded(60, 260);
            painter.fillRect(x, y, word, 34, QColor(40, 40, 40));
            x += word + 40;
        }
    }
    painter.end();
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 75);
    return jpeg;
}

// A stack of scanned sheets, one full-page JPEG image a page, every eighth
// sheet blank; eight sheets drawn once, each page a copy of its own, so
// that every page is decoded and read from the file as a real scan is.
bool writeScanDocument(const QString &path, int pages)
{
    constexpr int Variants = 8;
    QList<QByteArray> sheets;
    for (int variant = 0; variant < Variants; ++variant)
        sheets.append(scannedSheet(variant, variant == 0));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QList<qint64> offsets;
    const auto object = [&](const QByteArray &head, const QByteArray &stream = QByteArray()) {
        offsets.append(file.pos());
        QByteArray body = QByteArray::number(offsets.size()) + " 0 obj\n" + head;
        if (!stream.isNull())
            body += "\nstream\n" + stream + "\nendstream";
        file.write(body + "\nendobj\n");
    };
    file.write("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    const int firstPage = 4;   // catalog, page tree, the one content stream come first
    QByteArray kids;
    for (int k = 0; k < pages; ++k)
        kids += QByteArray::number(firstPage + 2 * k) + " 0 R ";
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Kids [ " + kids + "] /Count " + QByteArray::number(pages) + " >>");
    const QByteArray content = "q 595 0 0 842 0 0 cm /Scan Do Q\n";
    object("<< /Length " + QByteArray::number(content.size()) + " >>", content);
    for (int k = 0; k < pages; ++k) {
        object("<< /Type /Page /Parent 2 0 R /MediaBox [ 0 0 595 842 ] /Contents 3 0 R /Resources << /XObject << "
               "/Scan " + QByteArray::number(firstPage + 2 * k + 1) + " 0 R >> >> >>");
        const QByteArray &sheet = sheets.at(k % Variants);
        object("<< /Type /XObject /Subtype /Image /Width 2480 /Height 3508 /ColorSpace /DeviceGray "
               "/BitsPerComponent 8 /Filter /DCTDecode /Length " + QByteArray::number(sheet.size()) + " >>",
               sheet);
    }
    const qint64 xref = file.pos();
    QByteArray tail = "xref\n0 " + QByteArray::number(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (qint64 offset : offsets)
        tail += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    tail += "trailer\n<< /Size " + QByteArray::number(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
            + QByteArray::number(xref) + "\n%%EOF\n";
    return file.write(tail) == tail.size() && file.flush();
}

// Single pages, no properties, no compression: the plain cut.
bool writeSplitRequest(const QStringList &args)
{
    SplitRequest request;
    request.mode = 0;
    request.fileName = QFileInfo(args.at(1)).absoluteFilePath();
    request.pageCount = args.at(2).toInt();
    for (int page = 1; page <= request.pageCount; ++page)
        request.ranges.append({page, page});
    request.outDirectory = QFileInfo(args.at(3)).absoluteFilePath();
    request.sessionPath = QFileInfo(args.at(4)).absoluteFilePath();
    request.sessionId = QStringLiteral("bench");
    return writeRequestData(request.toJson(), args.at(0));
}

bool writeMergeRequest(QStringList args)
{
    MergeRequest request;
    const QString optimise = QStringLiteral("--optimise=");
    if (args.first().startsWith(optimise)) {
        const QString mode = args.takeFirst().mid(optimise.size());
        request.optimise = mode == QLatin1String("images") ? Optimisation::Images
                           : mode == QLatin1String("lossless") ? Optimisation::Lossless
                                                               : Optimisation::None;
    }
    request.saveFileName = QFileInfo(args.at(1)).absoluteFilePath();
    request.cachePath = QFileInfo(args.at(2)).absoluteFilePath();
    request.sessionId = QStringLiteral("bench");
    for (int i = 3; i < args.size(); ++i) {
        MergeItem item;
        item.fullPath = QFileInfo(args.at(i)).absoluteFilePath();
        item.order = i - 3;
        request.tasks.append(item);
    }
    return writeRequestData(request.toJson(), args.at(0));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();

    bool ok = false;
    if (command == QLatin1String("pdf") && args.size() == 2)
        ok = writeDocument(args.at(0), args.at(1).toInt());
    else if (command == QLatin1String("plain-pdf") && args.size() == 2)
        ok = writePlainDocument(args.at(0), args.at(1).toInt());
    else if (command == QLatin1String("image-pdf") && args.size() == 3)
        ok = writeDocument(args.at(0), args.at(1).toInt(), args.at(2).toInt());
    else if (command == QLatin1String("scan-pdf") && args.size() == 2)
        ok = writeScanDocument(args.at(0), args.at(1).toInt());
    else if (command == QLatin1String("split-request") && args.size() == 5)
        ok = writeSplitRequest(args);
    else if (command == QLatin1String("merge-request") && args.size() >= 4)
        ok = writeMergeRequest(args);
    else
        return usage();

    if (!ok)
        QTextStream(stderr) << "make_fixture: " << command << " failed\n";
    return ok ? 0 : 1;
}
