#include "pdf/DocumentOutline.h"

#include <qpdf/QPDFOutlineDocumentHelper.hh>

#include <map>
#include <set>
#include <vector>

namespace DocumentOutline {

namespace {

using Items = std::vector<QPDFOutlineObjectHelper>;

// qpdf resolves a named destination but leaves one given as a dictionary as it is.
QPDFObjectHandle destinationArray(QPDFObjectHandle destination)
{
    return destination.isDictionary() ? destination.getKey("/D") : destination;
}

void listItems(const Items &items, int level, const std::map<QPDFObjGen, int> &pageNumbers,
               OutlineEntryList &entries)
{
    for (auto item : items) {
        OutlineEntry entry;
        entry.level = level;
        entry.title = QString::fromStdString(item.getTitle());
        auto page = Destinations::pageOf(destinationArray(item.getDest()));
        if (page.isIndirect()) {
            const auto it = pageNumbers.find(page.getObjGen());
            entry.page = it == pageNumbers.end() ? 0 : it->second;
        }
        entries.append(entry);
        listItems(item.getKids(), level + 1, pageNumbers, entries);
    }
}

bool isClosed(QPDFObjectHandle item)
{
    auto count = item.getKey("/Count");
    return count.isInteger() && count.getIntValue() < 0;
}

// Links the items as the children of parent, after those it already has.
void attachChildren(QPDFObjectHandle parent, const std::vector<QPDFObjectHandle> &children)
{
    if (children.empty())
        return;
    auto previous = parent.getKey("/Last");
    if (!previous.isDictionary())
        parent.replaceKey("/First", children.front());
    for (auto child : children) {
        child.replaceKey("/Parent", parent);
        if (previous.isDictionary()) {
            previous.replaceKey("/Next", child);
            child.replaceKey("/Prev", previous);
        }
        previous = child;
    }
    parent.replaceKey("/Last", children.back());
}

QPDFObjectHandle newItem(QPDF &target, const std::string &title)
{
    auto item = target.makeIndirectObject(QPDFObjectHandle::newDictionary());
    item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(title));
    return item;
}

class ItemCopier
{
public:
    ItemCopier(const Destinations::Rewriter &rewriter, bool wholeDocument, QPDF &target)
        : m_rewriter(rewriter), m_wholeDocument(wholeDocument), m_target(target)
    {
    }

    std::vector<QPDFObjectHandle> copy(const Items &items)
    {
        std::vector<QPDFObjectHandle> copies;
        for (auto item : items) {
            auto copied = copyOne(item);
            if (!copied.isNull())
                copies.push_back(copied);
        }
        return copies;
    }

private:
    QPDFObjectHandle copyOne(QPDFOutlineObjectHelper &item)
    {
        const auto kids = copy(item.getKids());
        auto source = item.getObjectHandle();
        auto destination = m_rewriter.rewritten(item.getDest());
        const bool leadsOutside = m_wholeDocument && Destinations::hasOutsideAction(source);
        if (destination.isNull() && kids.empty() && !leadsOutside)
            return QPDFObjectHandle::newNull();

        auto copy = newItem(m_target, item.getTitle());
        if (!destination.isNull())
            copy.replaceKey("/Dest", destination);
        else if (leadsOutside)
            copy.replaceKey("/A", Destinations::detachedCopy(source.getKey("/A")));
        for (const char *key : {"/C", "/F"}) {
            if (source.hasKey(key))
                copy.replaceKey(key, Destinations::detachedCopy(source.getKey(key), 1));
        }
        attachChildren(copy, kids);
        if (!kids.empty())
            copy.replaceKey("/Count", QPDFObjectHandle::newInteger(isClosed(source) ? -1 : 1));
        if (destination.isNull() && !leadsOutside)
            m_contextOnly.insert(copy.getObjGen());
        return copy;
    }

public:
    // Items kept only for the items beneath them.
    std::set<QPDFObjGen> m_contextOnly;

private:

    const Destinations::Rewriter &m_rewriter;
    bool m_wholeDocument;
    QPDF &m_target;
};

std::vector<QPDFObjectHandle> childrenOf(QPDFObjectHandle item)
{
    std::vector<QPDFObjectHandle> children;
    for (auto child = item.getKey("/First"); child.isDictionary() && children.size() < 100000;
         child = child.getKey("/Next"))
        children.push_back(child);
    return children;
}

bool sameTitle(QPDFObjectHandle a, QPDFObjectHandle b)
{
    return a.getKey("/Title").isString() && b.getKey("/Title").isString()
           && a.getKey("/Title").getUTF8Value() == b.getKey("/Title").getUTF8Value();
}

// Moves the items beneath incoming (a copy kept only for them) beneath
// existing; one that continues existing's last item in turn joins that.
void join(QPDFObjectHandle existing, QPDFObjectHandle incoming, const std::set<QPDFObjGen> &contextOnly)
{
    auto children = childrenOf(incoming);
    auto last = existing.getKey("/Last");
    if (!children.empty() && contextOnly.count(children.front().getObjGen()) && last.isDictionary()
        && sameTitle(last, children.front())) {
        join(last, children.front(), contextOnly);
        children.erase(children.begin());
    }
    for (auto child : children) {
        child.removeKey("/Prev");
        child.removeKey("/Next");
    }
    attachChildren(existing, children);
}

// The number of items shown below an item when it is open; sets the /Count
// of the item's descendants on the way.
int recountBelow(QPDFObjectHandle item, int depth)
{
    int visible = 0;
    if (depth > 100)
        return visible;
    for (auto child = item.getKey("/First"); child.isDictionary(); child = child.getKey("/Next")) {
        const int below = recountBelow(child, depth + 1);
        const bool hasChildren = child.getKey("/First").isDictionary();
        if (hasChildren)
            child.replaceKey("/Count", QPDFObjectHandle::newInteger(isClosed(child) ? -below : below));
        else
            child.removeKey("/Count");
        visible += 1 + (hasChildren && !isClosed(child) ? below : 0);
    }
    return visible;
}

} // namespace

bool hasOutline(QPDF &pdf)
{
    auto outlines = pdf.getRoot().getKey("/Outlines");
    return outlines.isDictionary() && outlines.getKey("/First").isDictionary();
}

OutlineEntryList entries(QPDF &pdf)
{
    OutlineEntryList list;
    if (!hasOutline(pdf))
        return list;
    std::map<QPDFObjGen, int> pageNumbers;
    int number = 0;
    for (const auto &page : pdf.getAllPages())
        pageNumbers.emplace(page.getObjGen(), ++number);
    QPDFOutlineDocumentHelper outline(pdf);
    listItems(outline.getTopLevelOutlines(), 0, pageNumbers, list);
    return list;
}

QPDFObjectHandle outlineRoot(QPDF &target)
{
    auto root = target.getRoot();
    auto outlines = root.getKey("/Outlines");
    if (!outlines.isDictionary()) {
        outlines = target.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
        root.replaceKey("/Outlines", outlines);
    }
    return outlines;
}

QPDFObjectHandle appendItem(QPDF &target, QPDFObjectHandle parent, const std::string &title,
                            QPDFObjectHandle destination)
{
    auto item = newItem(target, title);
    if (!destination.isNull())
        item.replaceKey("/Dest", destination);
    attachChildren(parent, {item});
    return item;
}

QPDFObjectHandle copyItems(QPDF &source, const Destinations::Rewriter &rewriter, bool wholeDocument,
                           QPDF &target, QPDFObjectHandle parent, QPDFObjectHandle continued)
{
    if (!hasOutline(source))
        return parent.getKey("/Last");
    QPDFOutlineDocumentHelper outline(source);
    ItemCopier copier(rewriter, wholeDocument, target);
    auto copies = copier.copy(outline.getTopLevelOutlines());
    if (!copies.empty() && continued.isInitialized() && continued.isDictionary()
        && parent.getKey("/Last").isDictionary() && parent.getKey("/Last").getObjGen() == continued.getObjGen()
        && copier.m_contextOnly.count(copies.front().getObjGen()) && sameTitle(continued, copies.front())) {
        join(continued, copies.front(), copier.m_contextOnly);
        copies.erase(copies.begin());
    }
    if (!copies.empty() && !parent.getKey("/First").isDictionary() && parent.hasKey("/Title"))
        parent.replaceKey("/Count", QPDFObjectHandle::newInteger(1));   // a new parent opens
    attachChildren(parent, copies);
    return parent.getKey("/Last");
}

void recount(QPDF &target)
{
    auto outlines = target.getRoot().getKey("/Outlines");
    if (!outlines.isDictionary())
        return;
    const int visible = recountBelow(outlines, 0);
    if (visible > 0)
        outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(visible));
    else
        target.getRoot().removeKey("/Outlines");
}

} // namespace DocumentOutline
