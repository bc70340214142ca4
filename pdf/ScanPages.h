#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>

class QPDF;

// The pages of a scanned stack as scanners write them: nothing but one JPEG
// image that fills the page. Such a page is drawn small straight from its
// JPEG data, which libjpeg decodes at a half, a quarter or an eighth of its
// size for a fraction of what drawing the whole page costs, since drawing
// it means decoding and scaling every pixel of the scan.
class ScanPages
{
public:
    // Opens the document with qpdf; one it cannot open has no such page.
    ScanPages(const QString &path, const QByteArray &password);
    ~ScanPages();

    struct Drawn
    {
        QImage image;            // grey; null when the page is not such a page
        double dotsPerMm = 0;
    };

    // The 1-based page drawn at minDpi or a little finer.
    Drawn drawSmall(int page, double minDpi) const;

private:
    std::unique_ptr<QPDF> m_pdf;
};
