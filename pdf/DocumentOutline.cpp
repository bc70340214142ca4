#include "pdf/DocumentOutline.h"

#include <qpdf/QPDFOutlineDocumentHelper.hh>

#include <map>
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

// An item kept only for the items beneath it leads where the first of them leads.
void copyDestinationOf(QPDFObjectHandle child, QPDFObjectHandle item)
{
    if (child.hasKey("/Dest"))
        item.replaceKey("/Dest", child.getKey("/Dest").shallowCopy());
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
        else if (!kids.empty())
            copyDestinationOf(QPDFObjectHandle(kids.front()), copy);
        for (const char *key : {"/C", "/F"}) {
            if (source.hasKey(key))
                copy.replaceKey(key, Destinations::detachedCopy(source.getKey(key), 1));
        }
        attachChildren(copy, kids);
        if (!kids.empty())
            copy.replaceKey("/Count", QPDFObjectHandle::newInteger(isClosed(source) ? -1 : 1));
        return copy;
    }

    const Destinations::Rewriter &m_rewriter;
    bool m_wholeDocument;
    QPDF &m_target;
};

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

void copyItems(QPDF &source, const Destinations::Rewriter &rewriter, bool wholeDocument, QPDF &target,
               QPDFObjectHandle parent)
{
    if (!hasOutline(source))
        return;
    QPDFOutlineDocumentHelper outline(source);
    ItemCopier copier(rewriter, wholeDocument, target);
    const auto copies = copier.copy(outline.getTopLevelOutlines());
    if (copies.empty())
        return;
    if (!parent.getKey("/First").isDictionary() && parent.hasKey("/Title"))
        parent.replaceKey("/Count", QPDFObjectHandle::newInteger(1));   // a new parent opens
    attachChildren(parent, copies);
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
