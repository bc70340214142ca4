#include "protocol/CutPlan.h"

#include "protocol/PartNames.h"

#include <algorithm>

namespace {

enum class Role { Content, Separator, BackSide };

struct Classified
{
    Role role = Role::Content;
    QString code;
};

// A blank even page after a page that is not blank is the back of a sheet
// printed on one side.
bool isBackSide(const PageFactsList &facts, int index)
{
    return index % 2 == 1 && facts.at(index).blank && !facts.at(index - 1).blank;
}

QList<Classified> classify(const PageFactsList &facts, const CutOptions &options)
{
    QList<Classified> pages;
    pages.reserve(facts.size());
    for (int i = 0; i < facts.size(); ++i) {
        const PageFacts &page = facts.at(i);
        Classified one;
        switch (options.way) {
        case CutOptions::Way::AtBlank:
            if (options.duplex && isBackSide(facts, i))
                one.role = Role::BackSide;
            else if (page.blank)
                one.role = Role::Separator;
            break;
        case CutOptions::Way::AtText:
            if (page.phraseFound)
                one.role = Role::Separator;
            break;
        case CutOptions::Way::AtCode:
            one.code = CutPlan::matchingCode(page, options.codePrefix);
            if (!one.code.isEmpty())
                one.role = Role::Separator;
            break;
        }
        pages.append(one);
    }
    return pages;
}

// Builds the parts page by page.
class PartBuilder
{
public:
    explicit PartBuilder(FoundCuts &cuts) : m_cuts(cuts) {}

    void add(int page) { appendPage(m_pages, page); }
    void setCode(const QString &code) { m_code = code; }
    // An empty part is no part: a separator at either end cuts nothing off.
    void close()
    {
        if (!m_pages.isEmpty()) {
            m_cuts.parts.append({m_pages, QString()});
            m_cuts.codes.append(m_code);
        }
        m_pages.clear();
        m_code.clear();
    }

private:
    FoundCuts &m_cuts;
    PageRangeList m_pages;
    QString m_code;
};

bool anyContent(const QList<Classified> &pages, int from, int to)
{
    for (int i = from; i < to; ++i) {
        if (pages.at(i).role == Role::Content)
            return true;
    }
    return false;
}

} // namespace

CutOptions CutOptions::defaultsFor(Way way)
{
    CutOptions options;
    options.way = way;
    options.leaveOut = way != Way::AtText;
    return options;
}

namespace CutPlan {

QString matchingCode(const PageFacts &facts, const QString &prefix)
{
    for (const QString &code : facts.codes) {
        if (code.startsWith(prefix))
            return code;
    }
    return QString();
}

FoundCuts cut(const PageFactsList &facts, const CutOptions &options)
{
    const QList<Classified> pages = classify(facts, options);
    FoundCuts cuts;
    PartBuilder part(cuts);
    const bool runsAreOne = options.way == CutOptions::Way::AtBlank;
    for (int i = 0; i < pages.size(); ++i) {
        const int page = i + 1;
        if (pages.at(i).role == Role::Content) {
            part.add(page);
            continue;
        }
        if (pages.at(i).role == Role::BackSide)
            continue;
        // The separator and, at blank pages, the blank pages right after it.
        int last = i;
        while (runsAreOne && last + 1 < pages.size() && pages.at(last + 1).role == Role::Separator)
            ++last;
        // Blank pages kept at either end of the stack belong to the part
        // beside them; a page with a phrase or a code may be a part alone.
        const bool before = options.side == CutOptions::Side::Before;
        if (runsAreOne && (before ? !anyContent(pages, last + 1, pages.size()) : !anyContent(pages, 0, i))) {
            for (int p = i; p <= last && !options.leaveOut; ++p)
                part.add(p + 1);
            i = last;
            continue;
        }
        if (before)
            part.close();
        part.setCode(pages.at(i).code);
        if (!options.leaveOut) {
            for (int p = i; p <= last; ++p)
                part.add(p + 1);
        }
        if (!before)
            part.close();
        i = last;
    }
    part.close();

    int inParts = 0;
    for (const SplitPart &one : cuts.parts)
        inParts += pageCountOf(one.pages);
    cuts.leftOutPages = facts.size() - inParts;
    return cuts;
}

int unreadableCount(const PageFactsList &facts)
{
    return int(std::count_if(facts.cbegin(), facts.cend(), [](const PageFacts &page) { return !page.read; }));
}

int withoutTextCount(const PageFactsList &facts)
{
    return int(std::count_if(facts.cbegin(), facts.cend(), [](const PageFacts &page) { return !page.hasText; }));
}

PageFactsQuery queryFor(const CutOptions &options, const QString &phrase, const QString &nameTemplate,
                        const BlankOptions &blankOptions)
{
    PageFactsQuery query;
    query.blank = options.way == CutOptions::Way::AtBlank;
    query.blankOptions = blankOptions;
    query.text = options.way == CutOptions::Way::AtText || PartNames::usesFirstLine(nameTemplate);
    if (options.way == CutOptions::Way::AtText)
        query.phrase = phrase;
    query.codes = options.way == CutOptions::Way::AtCode;
    return query;
}

} // namespace CutPlan
