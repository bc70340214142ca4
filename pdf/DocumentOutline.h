#pragma once

#include "pdf/Destinations.h"
#include "pdf/OutlineEntry.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <string>

// A document's outline (its bookmarks): listing it, and copying the part of
// it that leads into copied pages over to another document.
namespace DocumentOutline {

bool hasOutline(QPDF &pdf);

// Every item in reading order, with its level, title and the page it leads to.
OutlineEntryList entries(QPDF &pdf);

// The target's outline root, created when it has none.
QPDFObjectHandle outlineRoot(QPDF &target);

// Appends a new item leading to the destination under parent (the outline
// root or an item); returns it. Call recount once the outline is complete.
QPDFObjectHandle appendItem(QPDF &target, QPDFObjectHandle parent, const std::string &title,
                            QPDFObjectHandle destination);

// Copies under parent every item of the source's outline that leads to a
// copied page, with the items above it, each leading to the copied page.
// An item whose page was not copied but that has copied items beneath it
// stays for them, leading nowhere. Items that lead outside
// the document (a web address) stay only when the whole document is copied.
//
// continued is the item last copied from another part of the same document,
// or null: a first copied item that stays only for the items beneath it and
// bears the same title continues it, and its items join it, so that pieces
// of one chapter sit beneath one bookmark. Returns the last item under parent.
QPDFObjectHandle copyItems(QPDF &source, const Destinations::Rewriter &rewriter, bool wholeDocument,
                           QPDF &target, QPDFObjectHandle parent, QPDFObjectHandle continued);

// Sets the /Count of every item from the items below it, keeping open items
// open and closed ones closed.
void recount(QPDF &target);

} // namespace DocumentOutline
