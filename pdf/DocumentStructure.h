#pragma once

#include "pdf/Destinations.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// What makes a document navigable and fillable beyond its pages: the
// interactive form, links, named destinations, the outline and the page
// labels. When pages are copied into another document, this carries over
// the part of it that belongs to those pages.
namespace DocumentStructure {

// How a document that receives several documents files their bookmarks.
// The values are those of PdfEngine::BookmarkMode.
enum class Bookmarks { Keep = 0, PerDocument = 1, None = 2 };

// A document whose pages are being copied. Built once per source: a split
// copies from the same source once per range.
class Source
{
public:
    explicit Source(std::shared_ptr<QPDF> pdf);

    // Nothing to carry but what is on the pages; links on pages are still
    // checked page by page, which costs nothing for pages without them.
    bool isPlain() const { return m_plain; }
    QPDF &pdf() const { return *m_pdf; }

    QPDFAcroFormDocumentHelper *forms();
    QPDFPageLabelDocumentHelper *labels();
    const Destinations::NamedDestinations &namedDestinations();
    bool hasOutline() const { return m_hasOutline; }
    int indexOf(QPDFObjectHandle page);   // 0-based, -1 when not a page of the source
    int pageCount();

private:
    std::shared_ptr<QPDF> m_pdf;
    bool m_plain = true;
    bool m_hasForm = false;
    bool m_hasLabels = false;
    bool m_hasOutline = false;
    std::unique_ptr<QPDFAcroFormDocumentHelper> m_forms;
    std::unique_ptr<QPDFPageLabelDocumentHelper> m_labels;
    std::optional<Destinations::NamedDestinations> m_names;
    std::map<QPDFObjGen, int> m_pageIndex;
};

// A document that receives pages, with what it keeps between copies.
class Target
{
public:
    explicit Target(QPDF &pdf) : m_pdf(pdf) {}

    void setBookmarks(Bookmarks mode) { m_bookmarks = mode; }
    // The pages copied next begin another document. With bookmarks per
    // document they open a bookmark of their own with this title, beneath
    // which the bookmarks of the documents copied until the next group go.
    void startGroup(const std::string &title);
    // Leading pages that only hold the place of pages to come (a new
    // document's blank page): page labels count the pages after them.
    void setPlaceholderPages(int count) { m_placeholderPages = count; }
    void pagesRemoved(int firstPage, int count);
    // Writes into the document what is kept beside it between copies (the
    // named destinations): before the document is written.
    void settle();

    // Carries over what belongs to the copied pages: source[i] was copied as
    // copies[i], and the copies start at firstIndex (0-based) in the target.
    void carry(Source &from, const std::vector<QPDFPageObjectHelper> &sources,
               const std::vector<QPDFPageObjectHelper> &copies, int firstIndex);

private:
    void copyFormFields(Source &from, QPDFAcroFormDocumentHelper &sourceForms,
                        const std::vector<QPDFPageObjectHelper> &sources,
                        const std::vector<QPDFPageObjectHelper> &copies);
    void carryLabels(Source &from, const std::vector<QPDFPageObjectHelper> &sources, int firstIndex);
    QPDFObjectHandle bookmarkParent(QPDFObjectHandle firstPage);
    QPDFAcroFormDocumentHelper &forms();

    QPDF &m_pdf;
    Bookmarks m_bookmarks = Bookmarks::Keep;
    std::optional<std::string> m_pendingGroup;
    QPDFObjectHandle m_group;
    QPDFObjectHandle m_lastDocumentItem;   // the bookmark last copied from the current document
    int m_placeholderPages = 0;
    std::unique_ptr<QPDFAcroFormDocumentHelper> m_forms;
    Destinations::TargetNames m_names;
};

// Page labels of a document that lost pages: the remaining pages keep the
// labels they had. keep[i] tells whether old page i stays.
void relabelRemainingPages(QPDF &pdf, const std::vector<bool> &keep);

} // namespace DocumentStructure
