#pragma once

#include "worker/OutputNaming.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// Names of the pieces of a split at bookmarks. The [BOOKMARK] tag of a name
// template stands for the bookmark a piece begins at; it is replaced after
// every other tag.
namespace BookmarkNaming {

// A bookmark title made fit for a file name: "/" becomes "-", line breaks,
// tabs and other control characters become spaces, runs of spaces one, no
// space or dot at either end (a leading dot would hide the file).
QString safeTitle(const QString &title);

// Names that repeat an earlier one get " (2)", " (3)", ... so that no two
// pieces claim the same name.
QStringList numberRepeated(const QStringList &names);

// The piece's file name: "<bookmark>.pdf" for an empty template, else the
// expanded template with [BOOKMARK] and ".pdf". A name longer than maxBytes
// is shortened in the bookmark's part first, then as rangeOutputName
// shortens one.
QString outputName(const QString &templ, const QString &counterLabel, const QString &pageLabel,
                   const QString &baseName, const QDateTime &dateTime, const QString &bookmark,
                   int maxBytes = maxFileNameBytes);

} // namespace BookmarkNaming
