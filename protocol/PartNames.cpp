#include "protocol/PartNames.h"

#include "protocol/SplitPlan.h"

namespace {

const QString firstLineTag = QStringLiteral("[FIRSTLINE]");
const QString codeTag = QStringLiteral("[CODE]");

// Text that names nothing: what cleaning would leave of it is empty.
bool isNameless(const QString &text)
{
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            return false;
    }
    return true;
}

} // namespace

namespace PartNames {

bool usesFirstLine(const QString &nameTemplate)
{
    return nameTemplate.contains(firstLineTag);
}

bool usesCode(const QString &nameTemplate)
{
    return nameTemplate.contains(codeTag);
}

QString nameParts(const QString &nameTemplate, const PageFactsList &facts, FoundCuts &cuts)
{
    const bool firstLine = usesFirstLine(nameTemplate);
    const bool code = usesCode(nameTemplate);
    if (!firstLine && !code)
        return nameTemplate;
    for (int k = 0; k < cuts.parts.size(); ++k) {
        SplitPart &part = cuts.parts[k];
        const int firstPage = part.pages.first().from;
        const QString line = facts.value(firstPage - 1).firstLine;
        const QString partCode = cuts.codes.value(k);
        if ((firstLine && isNameless(line)) || (code && isNameless(partCode)))
            continue;
        // In one pass, so that a tag in the text itself stays text.
        QStringList pieces = nameTemplate.split(firstLineTag);
        for (QString &piece : pieces)
            piece.replace(codeTag, partCode);
        part.name = pieces.join(line);
    }
    return SplitPlan::defaultTemplate();
}

} // namespace PartNames
