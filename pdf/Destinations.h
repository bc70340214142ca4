#pragma once

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <map>
#include <optional>
#include <string>

// Destinations (of links, bookmarks and named destinations) of pages that
// are copied from one document into another.
namespace Destinations {

// Where each copied page of a source went in the target.
class PageMap
{
public:
    void add(QPDFObjectHandle sourcePage, QPDFObjectHandle copiedPage);
    // The copy of a source page; null when that page was not copied. A page
    // copied twice leads to its first copy.
    QPDFObjectHandle copyOf(QPDFObjectHandle sourcePage) const;
    bool isEmpty() const { return m_copies.empty(); }

private:
    std::map<QPDFObjGen, QPDFObjectHandle> m_copies;
};

// A document's named destinations, from the catalog's /Dests dictionary and
// the /Names tree, each resolved to its explicit destination array.
class NamedDestinations
{
public:
    NamedDestinations() = default;
    explicit NamedDestinations(QPDF &pdf);

    bool isEmpty() const { return m_destinations.empty(); }
    const std::map<std::string, QPDFObjectHandle> &all() const { return m_destinations; }
    QPDFObjectHandle find(const std::string &name) const;   // null when unknown

    static bool documentHasAny(QPDF &pdf);
    // The name a destination refers to by (a name object or a string);
    // empty when it is an explicit destination.
    static std::string nameOf(QPDFObjectHandle destination);

private:
    std::map<std::string, QPDFObjectHandle> m_destinations;
};

// The names of a target's destination tree, kept beside it while documents
// are merged in, and written into the document once before it is written.
// Merging copies of one document gives every name once per copy: looking
// each candidate up in the tree made a merge of twenty copies of a manual
// with a few hundred names take seven times as long as copying its pages,
// and inserting them one by one through the tree helper still took half of
// the whole merge's time.
class TargetNames
{
public:
    // A name the target does not hold yet, now taken: the name itself, else
    // the name with the first free number after it ("intro-2").
    std::string claim(QPDF &target, const std::string &name);
    void add(const std::string &name, QPDFObjectHandle destination);

    // Puts the names into the target's /Names /Dests tree when some were
    // added since the last time.
    void write(QPDF &target);

private:
    void readOnce(QPDF &target);

    bool m_read = false;
    bool m_added = false;
    std::map<std::string, QPDFObjectHandle> m_entries;
    std::map<std::string, int> m_nextNumber;
};

// Turns a source's destinations into destinations of the target.
class Rewriter
{
public:
    Rewriter(const PageMap &pages, const NamedDestinations &names);

    // Adds to the target's names every named destination that leads to a
    // copied page. A name the target already holds (from another document)
    // is given a free one, which the rewritten destinations use.
    void copyNamedDestinations(QPDF &target, TargetNames &targetNames);

    // The destination as it reads in the target: an explicit one leads to
    // the copied page, a named one to the copied name. Null when it leads to
    // a page that was not copied, or is not a destination at all.
    QPDFObjectHandle rewritten(QPDFObjectHandle destination) const;

private:
    const PageMap &m_pages;
    const NamedDestinations &m_names;
    std::map<std::string, std::string> m_copiedNames;   // source name -> name in the target
};

// The page an explicit destination array leads to; null otherwise.
QPDFObjectHandle pageOf(QPDFObjectHandle explicitDestination);

// The destination of a link annotation or bookmark: its /Dest, or the /D of
// a GoTo action. Null when it has neither.
QPDFObjectHandle destinationOf(QPDFObjectHandle linkOrItem);

// True when the annotation or bookmark carries an action other than GoTo
// (a web address, another file, a named action): it leads outside the pages.
bool hasOutsideAction(QPDFObjectHandle linkOrItem);

// A direct copy of an object for a target that is another document, down to
// the given depth; pages and streams in it become null.
QPDFObjectHandle detachedCopy(QPDFObjectHandle object, int depth = 4);

} // namespace Destinations
