#pragma once

#include "pdf/PageFacts.h"

class QImage;

// Whether a page, drawn small, is blank: nothing on it darker than its
// paper but specks, leaving out a border where scanners leave edges and
// shadows. The paper is what most of the page is, so grey or tinted paper
// and the noise of a scan count as paper; a short stroke or one line of
// writing does not.
namespace BlankPage {

// The share of each side left out of the look.
inline constexpr double BorderShare = 0.05;

// image: the page drawn at dotsPerMm pixels a millimetre, in any format.
bool isBlank(const QImage &image, double dotsPerMm, const BlankOptions &options);

} // namespace BlankPage
