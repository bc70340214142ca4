#include "jobs/MarkedSplit.h"

int MarkedPart::pageCount() const
{
    return pageCountOf(pages);
}

MarkedSplit MarkedSplit::fromMarks(const QVector<PageMark> &marks, const PageFactsList &found)
{
    MarkedSplit split;
    MarkedPart part;
    const int pageCount = marks.size();
    for (int page = 1; page <= pageCount; ++page) {
        const PageMark &mark = marks.at(page - 1);
        if (part.first == 0)
            part.first = page;
        part.last = page;
        const PageFacts facts = found.value(page - 1);
        if (part.code.isEmpty() && !facts.codes.isEmpty())
            part.code = facts.codes.first();
        if (mark.leftOut) {
            ++part.leftOut;
        } else {
            if (part.pages.isEmpty())
                part.firstLine = facts.firstLine;
            appendPage(part.pages, page);
            if (mark.rotation != 0) {
                ++part.rotated;
                split.rotations.append({page, mark.rotation});
            }
        }
        if (mark.cutAfter || page == pageCount) {
            if (!part.pages.isEmpty())
                split.parts.append(part);
            part = MarkedPart();
        }
    }
    return split;
}
