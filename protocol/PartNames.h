#ifndef CLEAVEMARK_PROTOCOL_PARTNAMES_H
#define CLEAVEMARK_PROTOCOL_PARTNAMES_H

#include "pdf/PageFacts.h"
#include "protocol/CutPlan.h"

#include <QString>

// Names of parts found by finding cuts, from their pages. Two tags of the
// name template stand for what is on the pages:
//   [FIRSTLINE]  the first line of text on the part's first page
//   [CODE]       the code of the separator that marks the part off
// A part named so carries its name in the request, where the worker fills
// in the other tags and cleans it as it cleans bookmark titles; a part that
// lacks the text or the code gets the usual name instead.
namespace PartNames {

bool usesFirstLine(const QString &nameTemplate);
bool usesCode(const QString &nameTemplate);

// The name of a part whose first page begins with firstLine and whose
// separator carries code; empty when the template needs what the part
// lacks, or names nothing from the pages.
QString nameOf(const QString &nameTemplate, const QString &firstLine, const QString &code);
// The template of the parts that nameOf leaves unnamed: the usual one in
// place of a template that names parts after their pages.
QString templateForOthers(const QString &nameTemplate);

// Names the parts of cuts from facts (one a page, in page order) and
// returns the template for the parts it could not name: the template itself
// when it names nothing from the pages, else the usual one.
QString nameParts(const QString &nameTemplate, const PageFactsList &facts, FoundCuts &cuts);

} // namespace PartNames

#endif
