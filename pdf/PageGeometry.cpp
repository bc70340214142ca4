#include "pdf/PageGeometry.h"

#include "pdf/EngineFailure.h"
#include "pdf/PdfEngine.h"

namespace PageGeometry {

int normalisedRotation(QPDFObjectHandle rotate)
{
    if (!rotate.isInteger())
        return 0;
    const long long degrees = rotate.getIntValue();
    if (degrees % 90 != 0)
        return 0;   // not a valid rotation; readers show such a page upright
    return int(((degrees % 360) + 360) % 360);
}

namespace {

QPDFObjectHandle pageBoxObject(QPDFPageObjectHelper &page, int box)
{
    switch (box) {
    case PdfEngine::MediaBox: return page.getMediaBox();
    case PdfEngine::CropBox: return page.getCropBox();
    case PdfEngine::BleedBox: return page.getBleedBox();
    case PdfEngine::TrimBox: return page.getTrimBox();
    case PdfEngine::ArtBox: return page.getArtBox();
    }
    throw EngineFailure(PdfEngine::BadArgument, "unknown page box");
}

} // namespace

QRectF pageBox(QPDFPageObjectHelper &page, int box)
{
    QPDFObjectHandle object = pageBoxObject(page, box);
    if (object.isRectangle()) {
        const auto r = object.getArrayAsRectangle();
        const QRectF rect = QRectF(QPointF(r.llx, r.lly), QPointF(r.urx, r.ury)).normalized();
        if (rect.width() > 0 && rect.height() > 0)
            return rect;
    }
    if (box != PdfEngine::MediaBox)
        return pageBox(page, PdfEngine::MediaBox);
    return QRectF(0, 0, 612, 792);
}


} // namespace PageGeometry
