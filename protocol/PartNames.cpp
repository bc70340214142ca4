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

QString nameOf(const QString &nameTemplate, const QString &firstLine, const QString &code)
{
    const bool firstLineUsed = usesFirstLine(nameTemplate);
    const bool codeUsed = usesCode(nameTemplate);
    if ((!firstLineUsed && !codeUsed) || (firstLineUsed && isNameless(firstLine)) || (codeUsed && isNameless(code)))
        return QString();
    // In one pass, so that a tag in the text itself stays text.
    QStringList pieces = nameTemplate.split(firstLineTag);
    for (QString &piece : pieces)
        piece.replace(codeTag, code);
    return pieces.join(firstLine);
}

QString templateForOthers(const QString &nameTemplate)
{
    return usesFirstLine(nameTemplate) || usesCode(nameTemplate) ? SplitPlan::defaultTemplate() : nameTemplate;
}

QString nameParts(const QString &nameTemplate, const PageFactsList &facts, FoundCuts &cuts)
{
    if (!usesFirstLine(nameTemplate) && !usesCode(nameTemplate))
        return nameTemplate;
    for (int k = 0; k < cuts.parts.size(); ++k) {
        SplitPart &part = cuts.parts[k];
        const QString name = nameOf(nameTemplate, facts.value(part.pages.first().from - 1).firstLine,
                                    cuts.codes.value(k));
        if (!name.isEmpty())
            part.name = name;
    }
    return templateForOthers(nameTemplate);
}

} // namespace PartNames
