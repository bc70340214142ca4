#pragma once

#include <qpdf/QPDF.hh>

// Redrawing photographs that a page shows at a higher resolution than it
// needs. An image counts at the resolution of its largest appearance on any
// page; above the limit it is resampled to the limit and stored as JPEG,
// and only when that makes it smaller. Images whose pixels mean more than a
// picture (masks, soft masks, indexed colours, 1-bit art, CMYK separations)
// and those in formats this cannot redraw (JBIG2, JPEG 2000, CCITT fax)
// stay exactly as they are.
namespace ImageDownsampling {

struct Counts
{
    int changed = 0;   // images now stored smaller at the limit
    int left = 0;      // images the pages show that stay as they were
};

Counts downsampleImages(QPDF &pdf, int dpiLimit);

} // namespace ImageDownsampling
