#ifndef CLEAVEMARK_PROTOCOL_CUTPLAN_H
#define CLEAVEMARK_PROTOCOL_CUTPLAN_H

#include "pdf/PageFacts.h"
#include "protocol/JobFiles.h"

#include <QList>
#include <QString>
#include <QStringList>

// Where a document is cut, from what was found out about its pages
// (CutFinder): at blank pages, at pages whose text holds a phrase, or at
// pages with a code. The page that marks a cut is its separator.
struct CutOptions
{
    enum class Way { AtBlank, AtText, AtCode };
    enum class Side { Before, After };   // the separator begins the next part, or ends the one before

    Way way = Way::AtBlank;
    Side side = Side::Before;
    bool leaveOut = true;   // separators go in no part
    bool duplex = false;    // at blank pages: a blank back of a sheet is left out without a cut
    QString codePrefix;     // at codes: only codes that begin with it count

    // What each way does unless told otherwise: blank pages and code pages
    // are left out, pages with the phrase are kept.
    static CutOptions defaultsFor(Way way);
};

struct FoundCuts
{
    QList<SplitPart> parts;   // in page order, none empty, names empty
    // For each part, the code of the separator that marks it off (the one
    // it begins after or at, or, cut after, the one it ends with); empty
    // where there is none.
    QStringList codes;
    int leftOutPages = 0;    // pages in no part
};

namespace CutPlan {

FoundCuts cut(const PageFactsList &facts, const CutOptions &options);

// The first code on the page that begins with prefix; empty when none does.
QString matchingCode(const PageFacts &facts, const QString &prefix);

// Pages that could not be read within the renderer's limits.
int unreadableCount(const PageFactsList &facts);
// Pages without a text layer (or that could not be read).
int withoutTextCount(const PageFactsList &facts);

// What the renderer is asked of each page for the options and a name
// template; the text is read too when the template names parts after it.
PageFactsQuery queryFor(const CutOptions &options, const QString &phrase, const QString &nameTemplate,
                        const BlankOptions &blankOptions = {});

} // namespace CutPlan

#endif
