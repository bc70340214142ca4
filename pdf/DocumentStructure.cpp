#include "pdf/DocumentStructure.h"

#include "common/Logger.h"
#include "pdf/DocumentOutline.h"

#include <qpdf/QPDFMatrix.hh>

#include <QtGlobal>

#include <algorithm>
#include <exception>
#include <new>
#include <set>

namespace DocumentStructure {

namespace {

bool hasFormFields(QPDF &pdf)
{
    auto form = pdf.getRoot().getKey("/AcroForm");
    if (!form.isDictionary())
        return false;
    auto fields = form.getKey("/Fields");
    return fields.isArray() && fields.getArrayNItems() > 0;
}

bool hasAnnotations(const QPDFPageObjectHelper &page)
{
    auto annotations = const_cast<QPDFPageObjectHelper &>(page).getObjectHandle().getKey("/Annots");
    return annotations.isArray() && annotations.getArrayNItems() > 0;
}

QPDFObjectHandle plainNumbering(long long firstNumber)
{
    auto label = QPDFObjectHandle::newDictionary();
    label.replaceKey("/S", QPDFObjectHandle::newName("/D"));
    label.replaceKey("/St", QPDFObjectHandle::newInteger(firstNumber));
    return label;
}

QPDFObjectHandle pageLabelNumbers(QPDF &pdf)
{
    auto labels = pdf.getRoot().getKey("/PageLabels");
    return labels.isDictionary() ? labels.getKey("/Nums") : QPDFObjectHandle::newNull();
}

void setPageLabelNumbers(QPDF &pdf, const std::vector<QPDFObjectHandle> &numbers)
{
    auto labels = QPDFObjectHandle::newDictionary();
    labels.replaceKey("/Nums", QPDFObjectHandle::newArray(numbers));
    pdf.getRoot().replaceKey("/PageLabels", labels);
}

// An object of another document as an object of the target: indirect
// objects through qpdf's copy, which also copies what they refer to.
QPDFObjectHandle copiedInto(QPDF &target, QPDFObjectHandle object)
{
    if (object.isIndirect())
        return target.copyForeignObject(object);
    if (object.isDictionary()) {
        auto copy = QPDFObjectHandle::newDictionary();
        for (auto &[key, value] : object.ditems())
            copy.replaceKey(key, copiedInto(target, value));
        return copy;
    }
    if (object.isArray()) {
        auto copy = QPDFObjectHandle::newArray();
        for (auto &item : object.aitems())
            copy.appendItem(copiedInto(target, item));
        return copy;
    }
    return object;
}

// The defaults of the source's form that its fields rely on and the target's
// form does not have yet: default appearance and resources, and the request
// to build appearances that the file does not carry.
void copyFormDefaults(QPDF &source, QPDF &target)
{
    auto from = source.getRoot().getKey("/AcroForm");
    auto to = target.getRoot().getKey("/AcroForm");
    if (!from.isDictionary() || !to.isDictionary())
        return;
    if (from.getKey("/NeedAppearances").isBool() && from.getKey("/NeedAppearances").getBoolValue())
        to.replaceKey("/NeedAppearances", QPDFObjectHandle::newBool(true));
    if (!to.getKey("/DA").isString() && from.getKey("/DA").isString())
        to.replaceKey("/DA", Destinations::detachedCopy(from.getKey("/DA")));
    if (!to.getKey("/DR").isDictionary() && from.getKey("/DR").isDictionary())
        to.replaceKey("/DR", copiedInto(target, from.getKey("/DR")));
}

bool isWidget(QPDFObjectHandle object)
{
    return object.isDictionary() && object.getKey("/Subtype").isNameAndEquals("/Widget");
}

// Whether a field stays: a widget on a page, or a field with such widgets
// beneath it. Takes the widgets on no page out of its /Kids.
bool keepField(QPDFObjectHandle field, const std::set<QPDFObjGen> &onPages, int depth)
{
    const bool placed = isWidget(field) && onPages.count(field.getObjGen());
    auto kids = field.getKey("/Kids");
    if (!kids.isArray() || depth > 32)
        return placed || !isWidget(field);
    std::vector<QPDFObjectHandle> kept;
    for (auto &kid : kids.aitems()) {
        if (kid.isDictionary() && keepField(kid, onPages, depth + 1))
            kept.push_back(kid);
    }
    if (int(kept.size()) != kids.getArrayNItems())
        field.replaceKey("/Kids", QPDFObjectHandle::newArray(kept));
    return placed || !kept.empty();
}

// A field whose widgets sit on several pages comes along whole when one of
// its pages is copied; the widgets of the pages left behind, and the
// appearances they draw, go again.
void removeWidgetsOffPages(QPDF &pdf)
{
    auto fields = pdf.getRoot().getKey("/AcroForm").getKey("/Fields");
    if (!fields.isArray())
        return;
    std::set<QPDFObjGen> onPages;
    for (QPDFObjectHandle page : pdf.getAllPages()) {
        auto annotations = page.getKey("/Annots");
        if (annotations.isArray()) {
            for (auto &annotation : annotations.aitems())
                onPages.insert(annotation.getObjGen());
        }
    }
    std::vector<QPDFObjectHandle> kept;
    for (auto &field : fields.aitems()) {
        if (field.isDictionary() && keepField(field, onPages, 0))
            kept.push_back(field);
    }
    if (int(kept.size()) != fields.getArrayNItems())
        pdf.getRoot().getKey("/AcroForm").replaceKey("/Fields", QPDFObjectHandle::newArray(kept));
}

bool isLink(QPDFObjectHandle annotation)
{
    return annotation.isDictionary() && annotation.getKey("/Subtype").isNameAndEquals("/Link");
}

// Links of the copied page lead to the copies of their pages; those that
// led to a page not copied go. The copy's annotations match the source's
// one for one, so each copied link is rewritten from its source.
void fixLinks(QPDFObjectHandle source, QPDFObjectHandle copy, const Destinations::Rewriter &rewriter)
{
    auto from = source.getKey("/Annots");
    auto to = copy.getKey("/Annots");
    if (!from.isArray() || !to.isArray() || from.getArrayNItems() != to.getArrayNItems())
        return;
    std::vector<QPDFObjectHandle> kept;
    bool changed = false;
    const int count = to.getArrayNItems();
    for (int i = 0; i < count; ++i) {
        auto original = from.getArrayItem(i);
        auto annotation = to.getArrayItem(i);
        auto destination = isLink(original) ? Destinations::destinationOf(original) : QPDFObjectHandle::newNull();
        if (destination.isNull()) {
            kept.push_back(annotation);
            continue;
        }
        changed = true;
        auto rewritten = rewriter.rewritten(destination);
        if (rewritten.isNull())
            continue;
        if (original.hasKey("/Dest")) {
            annotation.replaceKey("/Dest", rewritten);
        } else {
            auto action = QPDFObjectHandle::newDictionary();
            action.replaceKey("/S", QPDFObjectHandle::newName("/GoTo"));
            action.replaceKey("/D", rewritten);
            annotation.replaceKey("/A", action);
        }
        kept.push_back(annotation);
    }
    if (changed)
        copy.replaceKey("/Annots", QPDFObjectHandle::newArray(kept));
}

QPDFObjectHandle firstPageDestination(QPDFObjectHandle page)
{
    auto destination = QPDFObjectHandle::newArray();
    destination.appendItem(page);
    destination.appendItem(QPDFObjectHandle::newName("/Fit"));
    return destination;
}

// A damaged form, outline or label tree must not cost the pages themselves:
// what cannot be carried over is left out and logged.
template <typename Step>
void bestEffort(const char *what, Step step)
{
    try {
        step();
    } catch (const std::bad_alloc &) {
        throw;
    } catch (const std::exception &e) {
        Logger::instance().log(QStringLiteral("PDF structure: %1 not carried over: %2")
                                   .arg(QLatin1String(what), QString::fromUtf8(e.what())));
    }
}

// qpdf renames a copied form's resources that clash with the target's
// (/Helv becomes /Helv_1) and rewrites the appearance streams' content to
// match only through a token filter, which applies when a stream is
// decoded. Written without recompression a stream is copied as it is, and
// its content would still name /Helv while its resources say /Helv_1, so
// viewers show the field empty. The filtered content is made the stream's
// own data here.
void settleAppearance(QPDFObjectHandle appearance)
{
    if (!appearance.isStream())
        return;
    try {
        auto data = appearance.getStreamData(qpdf_dl_generalized);
        appearance.replaceStreamData(data, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
    } catch (std::exception &) {
        // A stream that cannot be decoded keeps what it had.
    }
}

void settleAppearances(std::vector<QPDFObjectHandle> &annotations)
{
    for (auto &annotation : annotations) {
        auto appearances = annotation.isDictionary() ? annotation.getKey("/AP") : QPDFObjectHandle();
        if (!appearances.isDictionary())
            continue;
        for (const char *kind : {"/N", "/R", "/D"}) {
            auto entry = appearances.getKey(kind);
            if (entry.isStream()) {
                settleAppearance(entry);
            } else if (entry.isDictionary()) {
                for (auto &state : entry.ditems())
                    settleAppearance(state.second);
            }
        }
    }
}

} // namespace

Source::Source(std::shared_ptr<QPDF> pdf) : m_pdf(std::move(pdf))
{
    auto root = m_pdf->getRoot();
    m_hasForm = hasFormFields(*m_pdf);
    m_hasLabels = root.getKey("/PageLabels").isDictionary();
    m_hasOutline = DocumentOutline::hasOutline(*m_pdf);
    m_plain = !m_hasForm && !m_hasLabels && !m_hasOutline
              && !Destinations::NamedDestinations::documentHasAny(*m_pdf);
}

QPDFAcroFormDocumentHelper *Source::forms()
{
    if (!m_hasForm)
        return nullptr;
    if (!m_forms)
        m_forms = std::make_unique<QPDFAcroFormDocumentHelper>(*m_pdf);
    return m_forms.get();
}

QPDFPageLabelDocumentHelper *Source::labels()
{
    if (!m_hasLabels)
        return nullptr;
    if (!m_labels)
        m_labels = std::make_unique<QPDFPageLabelDocumentHelper>(*m_pdf);
    return m_labels.get();
}

const Destinations::NamedDestinations &Source::namedDestinations()
{
    if (!m_names) {
        try {
            m_names.emplace(*m_pdf);
        } catch (const std::bad_alloc &) {
            throw;
        } catch (const std::exception &e) {
            Logger::instance().log(QStringLiteral("PDF structure: named destinations not read: %1")
                                       .arg(QString::fromUtf8(e.what())));
            m_names.emplace();
        }
    }
    return *m_names;
}

int Source::indexOf(QPDFObjectHandle page)
{
    if (m_pageIndex.empty()) {
        int index = 0;
        for (const auto &each : m_pdf->getAllPages())
            m_pageIndex.emplace(each.getObjGen(), index++);
    }
    const auto it = m_pageIndex.find(page.getObjGen());
    return it == m_pageIndex.end() ? -1 : it->second;
}

int Source::pageCount()
{
    return int(m_pdf->getAllPages().size());
}

void Target::startGroup(const std::string &title)
{
    m_pendingGroup = title;
    m_group = QPDFObjectHandle();
    m_lastDocumentItem = QPDFObjectHandle();
}

void Target::pagesRemoved(int firstPage, int count)
{
    if (firstPage == 1)
        m_placeholderPages = std::max(0, m_placeholderPages - count);
    m_forms.reset();
}

QPDFAcroFormDocumentHelper &Target::forms()
{
    if (!m_forms)
        m_forms = std::make_unique<QPDFAcroFormDocumentHelper>(m_pdf);
    return *m_forms;
}

QPDFObjectHandle Target::bookmarkParent(QPDFObjectHandle firstPage)
{
    if (m_bookmarks == Bookmarks::PerDocument && m_pendingGroup) {
        m_group = DocumentOutline::appendItem(m_pdf, DocumentOutline::outlineRoot(m_pdf), *m_pendingGroup,
                                              firstPageDestination(firstPage));
        m_pendingGroup.reset();
    }
    if (m_bookmarks == Bookmarks::PerDocument && m_group.isInitialized())
        return m_group;
    return DocumentOutline::outlineRoot(m_pdf);
}

// The annotations of all copied pages go through qpdf in one pass, so that a
// field with widgets on several of them stays one field; qpdf copies the
// fields, renames those whose names the target holds already, and merges the
// form's resources.
void Target::copyFormFields(Source &from, QPDFAcroFormDocumentHelper &sourceForms,
                            const std::vector<QPDFPageObjectHelper> &sources,
                            const std::vector<QPDFPageObjectHelper> &copies)
{
    auto annotations = QPDFObjectHandle::newArray();
    std::vector<int> counts;
    for (const auto &source : sources) {
        auto pageAnnotations = QPDFPageObjectHelper(source).getObjectHandle().getKey("/Annots");
        int count = 0;
        if (pageAnnotations.isArray()) {
            for (auto &annotation : pageAnnotations.aitems()) {
                annotations.appendItem(annotation);
                ++count;
            }
        }
        counts.push_back(count);
    }
    if (annotations.getArrayNItems() == 0)
        return;
    std::vector<QPDFObjectHandle> newAnnotations;
    std::vector<QPDFObjectHandle> newFields;
    std::set<QPDFObjGen> oldFields;
    // Only resources that meet the target's own can clash and be renamed.
    const bool mayRename = m_pdf.getRoot().getKey("/AcroForm").getKey("/DR").isDictionary();
    forms().transformAnnotations(annotations, newAnnotations, newFields, oldFields, QPDFMatrix(), &from.pdf(),
                                 &sourceForms);
    if (mayRename)
        settleAppearances(newAnnotations);
    // qpdf leaves out what is no annotation at all; pages then take their
    // annotations one by one.
    if (int(newAnnotations.size()) != annotations.getArrayNItems()) {
        for (size_t i = 0; i < copies.size(); ++i)
            forms().fixCopiedAnnotations(copies[i].getObjectHandle(), sources[i].getObjectHandle(), sourceForms);
        return;
    }
    auto next = newAnnotations.begin();
    for (size_t i = 0; i < copies.size(); ++i) {
        if (counts[i] == 0)
            continue;
        QPDFObjectHandle page = copies[i].getObjectHandle();
        page.replaceKey("/Annots", QPDFObjectHandle::newArray({next, next + counts[i]}));
        next += counts[i];
    }
    forms().addAndRenameFormFields(newFields);
}

void Target::settle()
{
    bestEffort("named destinations", [&] { m_names.write(m_pdf); });
}

void Target::carry(Source &from, const std::vector<QPDFPageObjectHelper> &sources,
                   const std::vector<QPDFPageObjectHelper> &copies, int firstIndex)
{
    if (copies.empty() || sources.size() != copies.size())
        return;
    const bool opensGroup = m_bookmarks == Bookmarks::PerDocument && m_pendingGroup;
    const bool targetLabelled = pageLabelNumbers(m_pdf).isArray();
    const bool hasLinks = std::any_of(sources.begin(), sources.end(), hasAnnotations);
    if (from.isPlain() && !opensGroup && !targetLabelled && !hasLinks)
        return;

    Destinations::PageMap pages;
    for (size_t i = 0; i < copies.size(); ++i)
        pages.add(sources[i].getObjectHandle(), copies[i].getObjectHandle());
    Destinations::Rewriter rewriter(pages, from.namedDestinations());
    bestEffort("named destinations", [&] { rewriter.copyNamedDestinations(m_pdf, m_names); });

    if (QPDFAcroFormDocumentHelper *sourceForms = from.forms()) {
        bestEffort("form fields", [&] {
            copyFormFields(from, *sourceForms, sources, copies);
            copyFormDefaults(from.pdf(), m_pdf);
            removeWidgetsOffPages(m_pdf);
            forms().invalidateCache();
        });
    }
    if (hasLinks) {
        bestEffort("links", [&] {
            for (size_t i = 0; i < copies.size(); ++i)
                fixLinks(sources[i].getObjectHandle(), copies[i].getObjectHandle(), rewriter);
        });
    }

    bestEffort("page labels", [&] { carryLabels(from, sources, firstIndex); });

    if (m_bookmarks != Bookmarks::None && (from.hasOutline() || opensGroup)) {
        bestEffort("bookmarks", [&] {
            auto parent = bookmarkParent(copies.front().getObjectHandle());
            const bool wholeDocument = int(sources.size()) == from.pageCount();
            m_lastDocumentItem = DocumentOutline::copyItems(from.pdf(), rewriter, wholeDocument, m_pdf, parent,
                                                            m_lastDocumentItem);
            DocumentOutline::recount(m_pdf);
        });
    }
}

// Pages keep their labels; the pages of an unlabelled document that joins a
// labelled one are numbered as the pages they are.
void Target::carryLabels(Source &from, const std::vector<QPDFPageObjectHelper> &sources, int firstIndex)
{
    QPDFPageLabelDocumentHelper *labels = from.labels();
    auto existing = pageLabelNumbers(m_pdf);
    if (!labels && !existing.isArray())
        return;
    std::vector<QPDFObjectHandle> numbers = existing.isArray() ? existing.getArrayAsVector()
                                                               : std::vector<QPDFObjectHandle>();
    const long long firstNumber = firstIndex + 1 - m_placeholderPages;
    if (labels) {
        if (!existing.isArray() && firstIndex > 0) {
            numbers.push_back(QPDFObjectHandle::newInteger(0));
            numbers.push_back(plainNumbering(1 - m_placeholderPages));
        }
        for (size_t i = 0; i < sources.size(); ++i) {
            const int index = from.indexOf(sources[i].getObjectHandle());
            if (index >= 0)
                labels->getLabelsForPageRange(index, index, firstIndex + int(i), numbers);
        }
    } else {
        numbers.push_back(QPDFObjectHandle::newInteger(firstIndex));
        numbers.push_back(plainNumbering(firstNumber));
    }
    setPageLabelNumbers(m_pdf, numbers);
}

void relabelRemainingPages(QPDF &pdf, const std::vector<bool> &keep)
{
    if (!pageLabelNumbers(pdf).isArray())
        return;
    QPDFPageLabelDocumentHelper labels(pdf);
    std::vector<QPDFObjectHandle> numbers;
    long long next = 0;
    for (size_t i = 0; i < keep.size(); ++i) {
        if (keep[i])
            labels.getLabelsForPageRange(qint64(i), qint64(i), next++, numbers);
    }
    setPageLabelNumbers(pdf, numbers);
}

} // namespace DocumentStructure
