#include "pdf/ContentCheck.h"

#include "pdf/QpdfDocuments.h"

#include <qpdf/Pl_Discard.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <exception>
#include <vector>

namespace {

bool decodes(QPDFObjectHandle stream)
{
    if (!stream.isStream())
        return false;
    Pl_Discard discard;
    bool attempted = false;
    try {
        return stream.pipeStreamData(&discard, &attempted, 0, qpdf_dl_generalized, true, false);
    } catch (const std::exception &) {
        return false;
    }
}

bool hasDamagedContent(QPDFPageObjectHelper &page)
{
    QPDFObjectHandle contents = page.getObjectHandle().getKey("/Contents");
    if (contents.isNull())
        return false;   // a blank page
    if (!contents.isArray())
        return !decodes(contents);
    for (int i = 0; i < contents.getArrayNItems(); ++i) {
        if (!decodes(contents.getArrayItem(i)))
            return true;
    }
    return false;
}

} // namespace

QList<int> ContentCheck::pagesWithDamagedContent(QPDF &pdf)
{
    QList<int> damaged;
    std::vector<QPDFPageObjectHelper> pages = QpdfDocuments::allPages(pdf);
    for (size_t i = 0; i < pages.size(); ++i) {
        if (hasDamagedContent(pages[i]))
            damaged.append(int(i) + 1);
    }
    return damaged;
}
