#include "pdf/CodeReader.h"

#include <QByteArray>
#include <QImage>

#include <zbar.h>

#include <cstring>
#include <memory>

// From C++, zbar's C interface lives in its namespace.
using namespace zbar;

namespace {

struct ScannerDeleter
{
    void operator()(zbar_image_scanner_t *scanner) const { zbar_image_scanner_destroy(scanner); }
};

struct ImageDeleter
{
    void operator()(zbar_image_t *image) const { zbar_image_destroy(image); }
};

// zbar wants grey pixels without padding at the ends of the rows.
QByteArray packedGrey(const QImage &image)
{
    const QImage grey = image.format() == QImage::Format_Grayscale8
                            ? image
                            : image.convertToFormat(QImage::Format_Grayscale8);
    QByteArray pixels(grey.width() * grey.height(), Qt::Uninitialized);
    for (int y = 0; y < grey.height(); ++y)
        std::memcpy(pixels.data() + y * grey.width(), grey.constScanLine(y), size_t(grey.width()));
    return pixels;
}

} // namespace

namespace CodeReader {

QStringList read(const QImage &image)
{
    if (image.isNull())
        return {};
    const QByteArray pixels = packedGrey(image);
    std::unique_ptr<zbar_image_scanner_t, ScannerDeleter> scanner(zbar_image_scanner_create());
    std::unique_ptr<zbar_image_t, ImageDeleter> zbarImage(zbar_image_create());
    if (!scanner || !zbarImage)
        return {};
    zbar_image_scanner_set_config(scanner.get(), ZBAR_NONE, ZBAR_CFG_ENABLE, 1);
    zbar_image_set_format(zbarImage.get(), zbar_fourcc('Y', '8', '0', '0'));
    zbar_image_set_size(zbarImage.get(), unsigned(image.width()), unsigned(image.height()));
    // zbar only reads the pixels; they stay ours.
    zbar_image_set_data(zbarImage.get(), pixels.constData(), unsigned(pixels.size()), nullptr);
    if (zbar_scan_image(scanner.get(), zbarImage.get()) <= 0)
        return {};

    QStringList codes;
    for (const zbar_symbol_t *symbol = zbar_image_first_symbol(zbarImage.get()); symbol;
         symbol = zbar_symbol_next(symbol)) {
        const QString text = QString::fromUtf8(zbar_symbol_get_data(symbol),
                                               int(zbar_symbol_get_data_length(symbol)));
        if (!text.isEmpty())
            codes.append(text);
    }
    return codes;
}

} // namespace CodeReader
