#pragma once

#include <QList>
#include <QString>

// One bookmark of a generated outline; items follow in reading order, each
// beneath the last item one level above it.
struct FixtureBookmark
{
    int level = 0;   // 0 for a top-level item
    QString title;
    int page = 1;    // 1-based
};

// Gives the PDF file at path an outline of these items (replacing any it
// has) and writes it back; false when the file cannot be read or written.
bool writeOutline(const QString &path, const QList<FixtureBookmark> &items);
