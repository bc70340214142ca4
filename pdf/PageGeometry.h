#pragma once

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <QRectF>

// Page geometry as readers see it: rotation and the page boxes.
namespace PageGeometry {

// 0, 90, 180 or 270; anything else shows upright, as readers show it.
int normalisedRotation(QPDFObjectHandle rotate);

// A page box (PdfEngine::PageBox) in points, normalised; a missing or
// malformed box falls back to the media box, and a missing media box to US
// Letter, as readers do.
QRectF pageBox(QPDFPageObjectHelper &page, int box);

} // namespace PageGeometry
