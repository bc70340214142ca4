#pragma once

#include <QStringList>

class QImage;

// Reads the barcodes and QR codes on a page drawn at a resolution that
// codes need, with zbar; in the order zbar finds them.
namespace CodeReader {

QStringList read(const QImage &image);

} // namespace CodeReader
