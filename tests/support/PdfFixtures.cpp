#include "tests/support/PdfFixtures.h"

#include "tests/support/PdfStructure.h"

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <exception>
#include <memory>

namespace {

QPDFObjectHandle rectangleArray(const QRectF &box)
{
    auto array = QPDFObjectHandle::newArray();
    array.appendItem(QPDFObjectHandle::newReal(box.left(), 2));
    array.appendItem(QPDFObjectHandle::newReal(box.top(), 2));
    array.appendItem(QPDFObjectHandle::newReal(box.right(), 2));
    array.appendItem(QPDFObjectHandle::newReal(box.bottom(), 2));
    return array;
}

QPDFObjectHandle helveticaFont(QPDF &pdf)
{
    return pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica "
                                "/Encoding /WinAnsiEncoding >>"));
}

// An 8-bit grey image stream of this width; data holds its rows.
QPDFObjectHandle grayImage(QPDF &pdf, int width, const std::string &data)
{
    auto image = QPDFObjectHandle::newStream(&pdf, data);
    auto dict = image.getDict();
    dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
    dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Image"));
    dict.replaceKey("/Width", QPDFObjectHandle::newInteger(width));
    dict.replaceKey("/Height", QPDFObjectHandle::newInteger(int(data.size() / size_t(width))));
    dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceGray"));
    dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
    return image;
}

// A grey image of the requested size in bytes; its data is a repeating
// ramp, so it shrinks a lot when compressed.
QPDFObjectHandle paddingImage(QPDF &pdf, int bytes)
{
    const int width = 256;
    const int height = (bytes + width - 1) / width;
    std::string data(size_t(width) * size_t(height), '\0');
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = char(i % 256);
    return grayImage(pdf, width, data);
}

// A grey image of about the requested size in bytes whose data is noise, as
// in a scanned page: compression does not shrink it.
QPDFObjectHandle noiseImage(QPDF &pdf, int bytes, quint32 seed)
{
    const int width = 400;
    const int height = std::max(1, bytes / width);
    std::string data(size_t(width) * size_t(height), '\0');
    quint32 state = seed * 2654435761u + 1;
    for (char &byte : data) {
        state = state * 1664525u + 1013904223u;
        byte = char(state >> 24);
    }
    return grayImage(pdf, width, data);
}

std::string pageContent(int pageNumber, bool drawsImage, const QSizeF &fullPageImage = {})
{
    std::string content;
    if (!fullPageImage.isEmpty())
        content += "q " + std::to_string(qRound(fullPageImage.width())) + " 0 0 "
                   + std::to_string(qRound(fullPageImage.height())) + " 0 0 cm /Scan Do Q\n";
    content += "BT /F1 24 Tf 72 700 Td (Page " + std::to_string(pageNumber) + ") Tj ET\n";
    if (drawsImage)
        content += "q 200 0 0 100 72 400 cm /Im1 Do Q\n";
    return content;
}

QPDFObjectHandle resourcesDictionary(QPDFObjectHandle font, QPDFObjectHandle image)
{
    auto fonts = QPDFObjectHandle::newDictionary();
    fonts.replaceKey("/F1", font);
    auto resources = QPDFObjectHandle::newDictionary();
    resources.replaceKey("/Font", fonts);
    if (!image.isNull()) {
        auto xobjects = QPDFObjectHandle::newDictionary();
        xobjects.replaceKey("/Im1", image);
        resources.replaceKey("/XObject", xobjects);
    }
    return resources;
}

// Each page of its own stream: real files that do this share nothing.
void addStreamResources(QPDF &pdf, QPDFObjectHandle page, std::string &content,
                        FixtureOptions::StreamResources where)
{
    using Where = FixtureOptions::StreamResources;
    if (where == Where::OnPages || where == Where::OnPageTree) {
        page.removeKey("/Resources");
        if (where == Where::OnPages)
            page.replaceKey("/Resources", QPDFObjectHandle::newStream(&pdf, "junk"));
    } else if (where == Where::OnFormXObjects) {
        auto form = QPDFObjectHandle::newStream(&pdf, "0 0 10 10 re f");
        auto dict = form.getDict();
        dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
        dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
        dict.replaceKey("/BBox", QPDFObjectHandle::parse("[0 0 10 10]"));
        dict.replaceKey("/Resources", QPDFObjectHandle::newStream(&pdf, "junk"));
        auto resources = page.getKey("/Resources").shallowCopy();
        auto xobjects = QPDFObjectHandle::newDictionary();
        xobjects.replaceKey("/Fm1", form);
        resources.replaceKey("/XObject", xobjects);
        page.replaceKey("/Resources", resources);
        content += "/Fm1 Do\n";
    }
}

void addPages(QPDF &pdf, const FixtureOptions &options)
{
    const auto font = helveticaFont(pdf);
    auto image = options.paddingBytes > 0 ? paddingImage(pdf, options.paddingBytes)
                                                : QPDFObjectHandle::newNull();
    auto shared = pdf.makeIndirectObject(resourcesDictionary(font, image));

    QPDFPageDocumentHelper pages(pdf);
    QPDFObjectHandle firstContents;
    for (int k = 1; k <= options.pageCount; ++k) {
        auto page = QPDFObjectHandle::newDictionary();
        page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
        page.replaceKey("/MediaBox", rectangleArray(QRectF(QPointF(0, 0), options.pageSize)));
        if (!options.cropBox.isEmpty())
            page.replaceKey("/CropBox", rectangleArray(options.cropBox));
        if (!options.bleedBox.isEmpty())
            page.replaceKey("/BleedBox", rectangleArray(options.bleedBox));
        const int rotation = options.pageRotations.value(k, options.rotate);
        if (rotation != 0)
            page.replaceKey("/Rotate", QPDFObjectHandle::newInteger(rotation));

        const bool drawsImage = k == 1 && !image.isNull();
        if (options.sharedResources)
            page.replaceKey("/Resources", shared);
        else
            page.replaceKey("/Resources",
                            resourcesDictionary(font, drawsImage ? image : QPDFObjectHandle::newNull()));
        QSizeF scan;
        if (options.pageImageBytes > 0) {
            // A page of its own image needs resources of its own, too.
            auto resources = page.getKey("/Resources").shallowCopy();
            auto xobjects = resources.getKey("/XObject").isDictionary()
                                ? resources.getKey("/XObject").shallowCopy()
                                : QPDFObjectHandle::newDictionary();
            xobjects.replaceKey("/Scan", noiseImage(pdf, options.pageImageBytes, quint32(k)));
            resources.replaceKey("/XObject", xobjects);
            page.replaceKey("/Resources", resources);
            scan = options.pageSize;
        }
        std::string content = options.blankPages.contains(k) ? std::string() : pageContent(k, drawsImage, scan);
        addStreamResources(pdf, page, content, options.streamResources);
        if (options.sharedContents && k > 1) {
            page.replaceKey("/Contents", firstContents);
            pages.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
            continue;
        }
        auto contents = QPDFObjectHandle::newStream(&pdf, content);
        firstContents = contents;
        if (options.damagedContentPages.contains(k))
            contents.replaceStreamData("this is no Flate data " + std::to_string(k),
                                       QPDFObjectHandle::newName("/FlateDecode"), QPDFObjectHandle::newNull());
        page.replaceKey("/Contents", contents);
        pages.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
    }
    if (options.streamResources == FixtureOptions::StreamResources::OnPageTree)
        pdf.getRoot().getKey("/Pages").replaceKey("/Resources", QPDFObjectHandle::newStream(&pdf, "junk"));
}

void applyEncryption(QPDFWriter &writer, const FixtureOptions &options)
{
    const bool encrypted = !options.userPassword.isEmpty() || !options.ownerPassword.isEmpty()
                           || options.restrictPermissions;
    if (!encrypted)
        return;
    const std::string user = options.userPassword.toStdString();
    const std::string owner = options.ownerPassword.isEmpty() ? user : options.ownerPassword.toStdString();
    const bool allow = !options.restrictPermissions;
    writer.setR6EncryptionParameters(user.c_str(), owner.c_str(),
                                     true,   // accessibility
                                     allow,  // extract (copy)
                                     allow,  // assemble
                                     allow,  // annotate
                                     true,   // fill forms
                                     allow,  // modify other
                                     allow ? qpdf_r3p_full : qpdf_r3p_none,
                                     true);
}

// Opens a file for inspection; null when qpdf cannot read it.
std::unique_ptr<QPDF> openQuietly(const QString &path, const QString &password)
{
    auto pdf = std::make_unique<QPDF>();
    pdf->setSuppressWarnings(true);
    try {
        const QByteArray name = path.toLocal8Bit();
        const QByteArray pass = password.toUtf8();
        pdf->processFile(name.constData(), pass.constData());
    } catch (const std::exception &) {
        return nullptr;
    }
    return pdf;
}

} // namespace

bool writePdfFixture(const QString &path, const FixtureOptions &options)
{
    try {
        QPDF pdf;
        pdf.emptyPDF();
        addPages(pdf, options);
        addStructure(pdf, options);
        const QByteArray name = path.toLocal8Bit();
        QPDFWriter writer(pdf, name.constData());
        writer.setCompressStreams(options.compressStreams);
        if (options.objectStreams)
            writer.setObjectStreamMode(qpdf_o_generate);
        writer.setStaticID(options.userPassword.isEmpty() && options.ownerPassword.isEmpty()
                           && !options.restrictPermissions);
        applyEncryption(writer, options);
        writer.write();
        return true;
    } catch (const std::exception &) {
        return false;
    }
}

QStringList pageTexts(const QString &path, const QString &password)
{
    auto pdf = openQuietly(path, password);
    if (!pdf)
        return {};
    static const QRegularExpression pageText(QStringLiteral("\\((Page \\d+)\\)\\s*Tj"));
    QStringList texts;
    std::vector<QPDFPageObjectHelper> pages;
    try {
        pages = QPDFPageDocumentHelper(*pdf).getAllPages();
    } catch (const std::exception &) {
        return {};
    }
    for (auto &page : pages) {
        try {
            Pl_Buffer buffer("page content");
            page.pipeContents(&buffer);
            auto data = buffer.getBufferSharedPointer();
            const QString content = data ? QString::fromLatin1(reinterpret_cast<const char *>(data->getBuffer()),
                                                               int(data->getSize()))
                                         : QString();
            texts << pageText.match(content).captured(1);
        } catch (const std::exception &) {
            texts << QString();
        }
    }
    return texts;
}

QStringList pageImageChecksums(const QString &path)
{
    auto pdf = openQuietly(path, QString());
    if (!pdf)
        return {};
    QStringList checksums;
    try {
        for (auto &page : QPDFPageDocumentHelper(*pdf).getAllPages()) {
            auto scan = page.getAttribute("/Resources", false).getKey("/XObject").getKey("/Scan");
            if (!scan.isStream()) {
                checksums << QString();
                continue;
            }
            auto data = scan.getRawStreamData();
            checksums << QString::fromLatin1(QCryptographicHash::hash(
                QByteArray::fromRawData(reinterpret_cast<const char *>(data->getBuffer()), int(data->getSize())),
                QCryptographicHash::Sha1).toHex());
        }
    } catch (const std::exception &) {
        return {};
    }
    return checksums;
}

int fixturePageCount(const QString &path, const QString &password)
{
    auto pdf = openQuietly(path, password);
    if (!pdf)
        return -1;
    try {
        return int(QPDFPageDocumentHelper(*pdf).getAllPages().size());
    } catch (const std::exception &) {
        return -1;
    }
}

FixtureSecurity inspectSecurity(const QString &path, const QString &password)
{
    FixtureSecurity security;
    auto pdf = openQuietly(path, password);
    if (!pdf) {
        // qpdf refuses a wrong password but still tells us the file is encrypted.
        QPDF probe;
        probe.setSuppressWarnings(true);
        try {
            probe.processFile(path.toLocal8Bit().constData(), "\x01wrong\x01");
        } catch (const QPDFExc &e) {
            security.encrypted = e.getErrorCode() == qpdf_e_password;
        } catch (const std::exception &) {
        }
        return security;
    }
    security.opened = true;
    int R = 0, P = 0, V = 0;
    QPDF::encryption_method_e streams = QPDF::e_none, strings = QPDF::e_none, files = QPDF::e_none;
    security.encrypted = pdf->isEncrypted(R, P, V, streams, strings, files);
    security.aes256 = security.encrypted && streams == QPDF::e_aesv3 && strings == QPDF::e_aesv3;
    security.allowsPrint = pdf->allowPrintLowRes();
    security.allowsPrintFull = pdf->allowPrintHighRes();
    security.allowsCopy = pdf->allowExtractAll();
    security.allowsModify = pdf->allowModifyOther();
    security.allowsAnnotate = pdf->allowModifyAnnotation();
    security.allowsFillForms = pdf->allowModifyForm();
    security.allowsAccessibility = pdf->allowAccessibility();
    security.allowsAssemble = pdf->allowModifyAssembly();
    security.userPasswordOk = pdf->userPasswordMatched();
    security.ownerPasswordOk = pdf->ownerPasswordMatched();
    return security;
}

QString fixtureInfo(const QString &path, const QString &key, const QString &password)
{
    auto pdf = openQuietly(path, password);
    if (!pdf)
        return {};
    try {
        auto info = pdf->getTrailer().getKey("/Info");
        if (!info.isDictionary() || !info.hasKey(key.toStdString()))
            return {};
        auto value = info.getKey(key.toStdString());
        if (!value.isString())
            return {};
        return QString::fromStdString(value.getUTF8Value());
    } catch (const std::exception &) {
        return {};
    }
}

QString fixtureFileId(const QString &path, const QString &password)
{
    auto pdf = openQuietly(path, password);
    if (!pdf)
        return {};
    try {
        auto id = pdf->getTrailer().getKey("/ID");
        if (!id.isArray() || id.getArrayNItems() != 2)
            return {};
        QStringList parts;
        for (int i = 0; i < 2; ++i) {
            const std::string bytes = id.getArrayItem(i).getStringValue();
            parts << QByteArray(bytes.data(), int(bytes.size())).toHex();
        }
        return parts.join(QLatin1Char('-'));
    } catch (const std::exception &) {
        return {};
    }
}

int fixturePageRotation(const QString &path, int page, const QString &password)
{
    auto pdf = openQuietly(path, password);
    if (!pdf)
        return -1;
    try {
        auto pages = QPDFPageDocumentHelper(*pdf).getAllPages();
        if (page < 1 || page > int(pages.size()))
            return -1;
        auto rotate = pages[size_t(page - 1)].getAttribute("/Rotate", false);
        return rotate.isInteger() ? rotate.getIntValueAsInt() : 0;
    } catch (const std::exception &) {
        return -1;
    }
}

QByteArray pdfOf(const QList<QByteArray> &objects)
{
    QByteArray pdf("%PDF-1.7\n");
    QList<int> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets.append(pdf.size());
        pdf += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const int xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
           + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

bool writeUnopenablePdf(const QString &path, UnopenablePdf kind)
{
    const QList<QByteArray> objects{
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] >>",
        "<< /Type /Pages /Parent 2 0 R /Kids [2 0 R] /Count 1 >>",
    };
    QByteArray pdf = pdfOf(objects);
    if (kind == UnopenablePdf::LostTrailer) {
        // The same objects, then a table that cannot be read and a trailer without /Root.
        pdf.truncate(pdf.indexOf("xref\n"));
        pdf += "xref\n0 5\ngarbage\ntrailer\n<< /Size " + QByteArray::number(objects.size() + 1)
               + " >>\nstartxref\n99999\n%%EOF\n";
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size();
}
