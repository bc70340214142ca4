#include "pdf/Destinations.h"

#include <qpdf/QPDFNameTreeObjectHelper.hh>

#include <algorithm>
#include <iterator>
#include <vector>

namespace Destinations {

void PageMap::add(QPDFObjectHandle sourcePage, QPDFObjectHandle copiedPage)
{
    m_copies.emplace(sourcePage.getObjGen(), copiedPage);
}

QPDFObjectHandle PageMap::copyOf(QPDFObjectHandle sourcePage) const
{
    if (!sourcePage.isIndirect())
        return QPDFObjectHandle::newNull();
    const auto it = m_copies.find(sourcePage.getObjGen());
    return it == m_copies.end() ? QPDFObjectHandle::newNull() : it->second;
}

namespace {

// A named destination's value is the array itself or a dictionary holding it.
QPDFObjectHandle explicitArray(QPDFObjectHandle value)
{
    if (value.isDictionary())
        value = value.getKey("/D");
    return value.isArray() ? value : QPDFObjectHandle::newNull();
}

QPDFObjectHandle namesDestsTree(QPDF &pdf)
{
    auto names = pdf.getRoot().getKey("/Names");
    return names.isDictionary() ? names.getKey("/Dests") : QPDFObjectHandle::newNull();
}

// A name tree of the entries, sorted as the tree helper sorts its keys,
// built bottom-up: leaves of up to Fanout names, then nodes of up to Fanout
// kids, each with the first and last name beneath it.
QPDFObjectHandle nameTree(QPDF &target, const std::map<std::string, QPDFObjectHandle> &entries)
{
    constexpr size_t Fanout = 64;
    struct Node
    {
        QPDFObjectHandle object;
        std::string first;
        std::string last;
    };
    std::vector<Node> level;
    auto names = QPDFObjectHandle::newArray();
    std::string first;
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (names.getArrayNItems() == 0)
            first = it->first;
        names.appendItem(QPDFObjectHandle::newUnicodeString(it->first));
        names.appendItem(it->second);
        if (size_t(names.getArrayNItems()) == 2 * Fanout || std::next(it) == entries.end()) {
            level.push_back({QPDFObjectHandle::newDictionary({{"/Names", names}}), first, it->first});
            names = QPDFObjectHandle::newArray();
        }
    }
    if (level.empty())
        level.push_back({QPDFObjectHandle::newDictionary({{"/Names", names}}), {}, {}});
    while (level.size() > 1) {
        std::vector<Node> parents;
        for (size_t start = 0; start < level.size(); start += Fanout) {
            auto kids = QPDFObjectHandle::newArray();
            const size_t end = std::min(level.size(), start + Fanout);
            for (size_t i = start; i < end; ++i) {
                level[i].object.replaceKey("/Limits",
                                           QPDFObjectHandle::newArray({QPDFObjectHandle::newUnicodeString(level[i].first),
                                                                       QPDFObjectHandle::newUnicodeString(level[i].last)}));
                kids.appendItem(target.makeIndirectObject(level[i].object));
            }
            parents.push_back({QPDFObjectHandle::newDictionary({{"/Kids", kids}}), level[start].first,
                               level[end - 1].last});
        }
        level = std::move(parents);
    }
    return target.makeIndirectObject(level.front().object);
}

} // namespace

NamedDestinations::NamedDestinations(QPDF &pdf)
{
    auto dests = pdf.getRoot().getKey("/Dests");
    if (dests.isDictionary()) {
        for (const auto &key : dests.getKeys()) {
            auto array = explicitArray(dests.getKey(key));
            if (!array.isNull())
                m_destinations[key.substr(1)] = array;
        }
    }
    auto tree = namesDestsTree(pdf);
    if (tree.isDictionary()) {
        for (const auto &entry : QPDFNameTreeObjectHelper(tree, pdf)) {
            auto array = explicitArray(entry.second);
            if (!array.isNull())
                m_destinations[entry.first] = array;
        }
    }
}

QPDFObjectHandle NamedDestinations::find(const std::string &name) const
{
    const auto it = m_destinations.find(name);
    return it == m_destinations.end() ? QPDFObjectHandle::newNull() : it->second;
}

bool NamedDestinations::documentHasAny(QPDF &pdf)
{
    return pdf.getRoot().getKey("/Dests").isDictionary() || namesDestsTree(pdf).isDictionary();
}

std::string NamedDestinations::nameOf(QPDFObjectHandle destination)
{
    if (destination.isName())
        return destination.getName().substr(1);
    if (destination.isString())
        return destination.getUTF8Value();
    return std::string();
}

void TargetNames::readOnce(QPDF &target)
{
    if (m_read)
        return;
    m_read = true;
    auto tree = namesDestsTree(target);
    if (tree.isDictionary()) {
        for (const auto &entry : QPDFNameTreeObjectHelper(tree, target))
            m_entries.emplace(entry.first, entry.second);
    }
}

std::string TargetNames::claim(QPDF &target, const std::string &name)
{
    readOnce(target);
    if (m_entries.emplace(name, QPDFObjectHandle::newNull()).second)
        return name;
    int &number = m_nextNumber.emplace(name, 2).first->second;
    for (;; ++number) {
        std::string candidate = name + "-" + std::to_string(number);
        if (m_entries.emplace(candidate, QPDFObjectHandle::newNull()).second) {
            ++number;
            return candidate;
        }
    }
}

void TargetNames::add(const std::string &name, QPDFObjectHandle destination)
{
    m_entries[name] = destination;
    m_added = true;
}

void TargetNames::write(QPDF &target)
{
    if (!m_added)
        return;
    m_added = false;
    auto root = target.getRoot();
    auto names = root.getKey("/Names");
    if (!names.isDictionary()) {
        names = QPDFObjectHandle::newDictionary();
        root.replaceKey("/Names", names);
    }
    names.replaceKey("/Dests", nameTree(target, m_entries));
}

Rewriter::Rewriter(const PageMap &pages, const NamedDestinations &names) : m_pages(pages), m_names(names)
{
}

void Rewriter::copyNamedDestinations(QPDF &target, TargetNames &targetNames)
{
    if (m_names.isEmpty())
        return;
    for (const auto &[name, destination] : m_names.all()) {
        auto copied = rewritten(destination);
        if (copied.isNull())
            continue;
        const std::string targetName = targetNames.claim(target, name);
        targetNames.add(targetName, copied);
        m_copiedNames[name] = targetName;
    }
}

QPDFObjectHandle Rewriter::rewritten(QPDFObjectHandle destination) const
{
    if (destination.isDictionary())
        destination = destination.getKey("/D");
    if (destination.isName() || destination.isString()) {
        const auto it = m_copiedNames.find(NamedDestinations::nameOf(destination));
        return it == m_copiedNames.end() ? QPDFObjectHandle::newNull()
                                         : QPDFObjectHandle::newUnicodeString(it->second);
    }
    auto page = m_pages.copyOf(pageOf(destination));
    if (page.isNull())
        return page;
    auto copy = QPDFObjectHandle::newArray();
    copy.appendItem(page);
    const int count = destination.getArrayNItems();
    for (int i = 1; i < count; ++i)
        copy.appendItem(detachedCopy(destination.getArrayItem(i), 1));
    return copy;
}

QPDFObjectHandle pageOf(QPDFObjectHandle explicitDestination)
{
    if (!explicitDestination.isArray() || explicitDestination.getArrayNItems() < 1)
        return QPDFObjectHandle::newNull();
    auto page = explicitDestination.getArrayItem(0);
    return page.isDictionary() ? page : QPDFObjectHandle::newNull();
}

QPDFObjectHandle destinationOf(QPDFObjectHandle linkOrItem)
{
    auto destination = linkOrItem.getKey("/Dest");
    if (!destination.isNull())
        return destination;
    auto action = linkOrItem.getKey("/A");
    if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo"))
        return action.getKey("/D");
    return QPDFObjectHandle::newNull();
}

bool hasOutsideAction(QPDFObjectHandle linkOrItem)
{
    auto action = linkOrItem.getKey("/A");
    return action.isDictionary() && !action.getKey("/S").isNameAndEquals("/GoTo");
}

namespace {

QPDFObjectHandle scalarCopy(QPDFObjectHandle scalar)
{
    if (scalar.isInteger())
        return QPDFObjectHandle::newInteger(scalar.getIntValue());
    if (scalar.isReal())
        return QPDFObjectHandle::newReal(scalar.getRealValue());
    if (scalar.isBool())
        return QPDFObjectHandle::newBool(scalar.getBoolValue());
    if (scalar.isName())
        return QPDFObjectHandle::newName(scalar.getName());
    if (scalar.isString())
        return QPDFObjectHandle::newString(scalar.getStringValue());
    return QPDFObjectHandle::parse(scalar.unparseResolved());
}

} // namespace

QPDFObjectHandle detachedCopy(QPDFObjectHandle object, int depth)
{
    // Even direct objects belong to the document they were read from, so
    // scalars are made anew from their values.
    if (object.isScalar())
        return scalarCopy(object);
    // Pages, streams and deep structures never travel with a destination or
    // action; leaving them out keeps a copy from pulling in other pages.
    if (depth <= 0 || object.isStream() || object.isPageObject() || object.isPagesObject())
        return QPDFObjectHandle::newNull();
    if (object.isArray()) {
        auto copy = QPDFObjectHandle::newArray();
        for (auto &item : object.aitems())
            copy.appendItem(detachedCopy(item, depth - 1));
        return copy;
    }
    if (object.isDictionary()) {
        auto copy = QPDFObjectHandle::newDictionary();
        for (auto &[key, value] : object.ditems())
            copy.replaceKey(key, detachedCopy(value, depth - 1));
        return copy;
    }
    return QPDFObjectHandle::newNull();
}

} // namespace Destinations
