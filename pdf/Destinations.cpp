#include "pdf/Destinations.h"

#include <qpdf/QPDFNameTreeObjectHelper.hh>

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

QPDFNameTreeObjectHelper targetTree(QPDF &target)
{
    auto root = target.getRoot();
    auto names = root.getKey("/Names");
    if (!names.isDictionary()) {
        names = QPDFObjectHandle::newDictionary();
        root.replaceKey("/Names", names);
    }
    auto dests = names.getKey("/Dests");
    if (!dests.isDictionary()) {
        auto tree = QPDFNameTreeObjectHelper::newEmpty(target);
        names.replaceKey("/Dests", tree.getObjectHandle());
        return tree;
    }
    return QPDFNameTreeObjectHelper(dests, target);
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

std::string TargetNames::claim(QPDFNameTreeObjectHelper &tree, const std::string &name)
{
    if (!m_read) {
        for (const auto &entry : tree)
            m_taken.insert(entry.first);
        m_read = true;
    }
    if (m_taken.insert(name).second)
        return name;
    int &number = m_nextNumber.emplace(name, 2).first->second;
    for (;; ++number) {
        std::string candidate = name + "-" + std::to_string(number);
        if (m_taken.insert(candidate).second) {
            ++number;
            return candidate;
        }
    }
}

Rewriter::Rewriter(const PageMap &pages, const NamedDestinations &names) : m_pages(pages), m_names(names)
{
}

void Rewriter::copyNamedDestinations(QPDF &target, TargetNames &targetNames)
{
    if (m_names.isEmpty())
        return;
    std::optional<QPDFNameTreeObjectHelper> tree;
    for (const auto &[name, destination] : m_names.all()) {
        auto copied = rewritten(destination);
        if (copied.isNull())
            continue;
        if (!tree)
            tree.emplace(targetTree(target));
        const std::string targetName = targetNames.claim(*tree, name);
        tree->insert(targetName, copied);
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

QPDFObjectHandle detachedCopy(QPDFObjectHandle object, int depth)
{
    // Even direct objects belong to the document they were read from.
    if (object.isScalar())
        return QPDFObjectHandle::parse(object.unparseResolved());
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
