#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// One bookmark of a document's outline, in the order a reader lists them
// (each item before its children).
struct OutlineEntry
{
    int level = 0;   // 0 for a top-level item, 1 for its children, ...
    QString title;
    int page = 0;    // 1-based page it leads to; 0 when it leads to no page of the document
};
using OutlineEntryList = QList<OutlineEntry>;

inline bool operator==(const OutlineEntry &a, const OutlineEntry &b)
{
    return a.level == b.level && a.title == b.title && a.page == b.page;
}

Q_DECLARE_METATYPE(OutlineEntry)
