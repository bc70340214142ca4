#ifndef CLEAVEMARK_MERGE_MERGEMODELITEM_H
#define CLEAVEMARK_MERGE_MERGEMODELITEM_H

#include "worker/JobFiles.h"

#include <QList>
#include <QMetaType>
#include <QString>
#include <QUuid>

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

    bool needsPassword() const { return hasPassword && password.isEmpty(); }
    bool hasNoPages() const { return pageCount == 0; }
};

using MergeItemList = QList<MergeModelItem>;

Q_DECLARE_METATYPE(MergeModelItem)
Q_DECLARE_METATYPE(MergeItemList)

#endif
