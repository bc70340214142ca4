#include "worker/SplitChecks.h"

#include "protocol/JobErrors.h"

#include <QSet>

namespace SplitChecks {

namespace {

bool partsFit(const QList<SplitPart> &parts, int lowest, int highest)
{
    for (const SplitPart &part : parts) {
        for (const PageRange &range : part.pages) {
            if (qMin(range.from, range.to) < lowest || qMax(range.from, range.to) > highest)
                return false;
        }
    }
    return true;
}

bool rotationsFit(const QList<PageRotation> &rotations, int lowest, int highest)
{
    for (const PageRotation &rotation : rotations) {
        if (rotation.page < lowest || rotation.page > highest)
            return false;
    }
    return true;
}

} // namespace

int requestProblem(const SplitRequest &request)
{
    if (request.mode == SplitRequest::Parts) {
        if (request.parts.isEmpty())
            return SplitErrors::EmptyPart;
        for (const SplitPart &part : request.parts) {
            if (part.pages.isEmpty())
                return SplitErrors::EmptyPart;
        }
        if (!partsFit(request.parts, 1, INT_MAX))
            return SplitErrors::PageOutsideDocument;
    }
    if (!rotationsFit(request.rotations, 1, INT_MAX))
        return SplitErrors::PageOutsideDocument;
    QSet<int> rotated;
    for (const PageRotation &rotation : request.rotations) {
        // 0 and 360 are refused too: a request that turns a page by nothing
        // was not made by anyone who meant it.
        if (rotation.angle != 90 && rotation.angle != 180 && rotation.angle != 270)
            return SplitErrors::UnsupportedRotation;
        if (rotated.contains(rotation.page))
            return SplitErrors::PageRotatedTwice;
        rotated.insert(rotation.page);
    }
    return SplitErrors::NoError;
}

int pageProblem(const SplitRequest &request, int pageCount)
{
    const bool partsInside = request.mode != SplitRequest::Parts || partsFit(request.parts, 1, pageCount);
    return partsInside && rotationsFit(request.rotations, 1, pageCount) ? int(SplitErrors::NoError)
                                                                       : int(SplitErrors::PageOutsideDocument);
}

QString problemText(int errorCode)
{
    switch (errorCode) {
    case SplitErrors::EmptyPart:
        return QStringLiteral("Split refused. A part has no pages");
    case SplitErrors::PageOutsideDocument:
        return QStringLiteral("Split refused. A part or a rotation names a page outside the document");
    case SplitErrors::UnsupportedRotation:
        return QStringLiteral("Split refused. A page turns by 90, 180 or 270 degrees only");
    case SplitErrors::PageRotatedTwice:
        return QStringLiteral("Split refused. A page is rotated twice");
    default:
        return QString();
    }
}

} // namespace SplitChecks
