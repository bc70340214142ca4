#ifndef CLEAVEMARK_PDF_DOCUMENTINFORMATION_H
#define CLEAVEMARK_PDF_DOCUMENTINFORMATION_H

#include "pdf/OutlineEntry.h"
#include "pdf/PageRange.h"

#include <QList>
#include <QMetaType>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUuid>

// What the engine reads of one document, and the merge list's row that the
// background loader makes of it; the merge list and the loader both use them.

// What reading one document tells about it.
struct DocumentInformation
{
    QString path;
    QString title;              // "" unless it opened
    bool hasPassword = false;   // needs one, or opened with the non-empty one given
    bool hasSecurity = false;   // encrypted (when it opened)
    QString password;           // the non-empty password it opened with, else ""
    int pageCount = 0;          // 0 unless it opened
    QSize firstPageSize;        // in points, rotation applied; empty unless it opened with pages
    bool locked = false;        // needs a password that was not given
    bool securityItem5 = false; // content may be extracted (when it opened)
    OutlineEntryList outline;   // the bookmarks, when asked for and it opened
    QList<QSize> pageSizes;     // every page's size in points, when asked for and it opened
    QStringList pageLabels;     // with the page sizes, when the document labels its pages
};

// One row of the merge list: a document, what is known of it, and what the
// user chose for it (password, page ranges).
struct MergeModelItem
{
    QString id = QUuid::createUuid().toString();   // the row's identity
    QString path;                                  // full path of the PDF
    QString fileName;                              // shown in the table and prompts
    QString password;                              // empty when none is known
    int pageCount = 0;                             // 0: not known
    bool hasPassword = false;                      // needs a password to open
    bool hasSecurity = false;                      // the document is encrypted
    PageRangeList pageRanges;                      // empty: the whole document
    bool reversePages = false;                     // its pages, after the ranges, backwards
    int loadError = 0;                             // the engine's code when it could not be read
    QString loadErrorDetail;                       // the PDF library's reason for it, when known
    bool reading = false;                          // in the list, its information not yet read

    bool needsPassword() const { return hasPassword && password.isEmpty(); }
    bool hasNoPages() const { return pageCount == 0; }
    // Neither opened nor locked: no PDF, damaged, or gone.
    bool isUnreadable() const { return loadError != 0 && !hasPassword; }
};

using MergeItemList = QList<MergeModelItem>;

Q_DECLARE_METATYPE(MergeModelItem)
Q_DECLARE_METATYPE(MergeItemList)

#endif
