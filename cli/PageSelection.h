#ifndef CLEAVEMARK_CLI_PAGESELECTION_H
#define CLEAVEMARK_CLI_PAGESELECTION_H

#include "pdf/PageRange.h"
#include "protocol/JobFiles.h"

#include <QString>

// Pages as a user types them on the command line: a comma-separated list of
// "n", "a-b", "a-" (to the last page), "-b" (from the first), where a page
// number may also be "z" (the last page) or "rN" (the N-th page from the
// end, "r1" being the last). "1-3,5,8-" on 10 pages is 1-3, 5-5, 8-10.
namespace PageSelection {

// The ranges in the order typed; false, with the reason in error, when the
// text is malformed, a range runs backwards or names a page outside 1..pageCount.
bool parse(const QString &text, int pageCount, PageRangeList &ranges, QString &error);

// Parts of a split, separated by ";", each a list as parse reads it:
// "1-4;5,7-9;10-" is three parts. False, with the reason in error, when a
// part is empty or its list does not parse.
bool parseParts(const QString &text, int pageCount, QList<PageRangeList> &parts, QString &error);

// Turns as "PAGES:ANGLE", comma-separated, where PAGES is a page or a range
// as parse reads them and ANGLE 90, 180 or 270 degrees clockwise:
// "2:90,5-6:180". False, with the reason in error, for anything else or a
// page named twice.
bool parseRotations(const QString &text, int pageCount, QList<PageRotation> &rotations, QString &error);

// A size: bytes, or with the suffix k, M or G (1024, 1024², 1024³), also
// with a fraction: "500k", "5M", "1.5G". False for anything else or 0.
bool parseSize(const QString &text, qint64 &bytes);

} // namespace PageSelection

#endif
