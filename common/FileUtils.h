#ifndef CLEAVEMARK_COMMON_FILEUTILS_H
#define CLEAVEMARK_COMMON_FILEUTILS_H

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

class QMimeData;

// The "cache" folder inside the user's private base folder
// QDir::tempPath() + "/." + applicationName, created with mode 0700. When that
// base already exists but is not a real folder owned by the user (a symbolic
// link, a file, someone else's folder), it is refused with an ERROR line in
// the log and the user's own cache location (~/.cache/<applicationName>) is
// the base instead. Empty only when no private base can be made at all.
QString cacheFolder();

// True when the folder exists afterwards (created with its parents if needed).
bool ensureFolder(const QString &path);

// folder + "/" + name in native separators, or, when that exists,
// folder + "/(n)" + name with the smallest n = 1, 2, ... that is free;
// paths in alsoTaken count as taken although nothing is there yet.
QString uniqueFileName(const QString &folder, const QString &name, const QSet<QString> &alsoTaken = {});

// A fresh name of 32 hexadecimal digits.
QString randomName();

// Removes the folder and everything inside it; true when it is gone.
// Symbolic links, the folder's own path included, are removed as links,
// never followed.
bool removeFolder(const QString &path);

// Deletes each file; failures are ignored.
void removeFiles(const QStringList &paths);

// Whether the program takes path for a PDF document: an existing regular
// file whose name ends in ".pdf" (any case). The one test every way of
// adding documents applies (drops, file lists, the command line).
bool isPdfFile(const QString &path);

// The local files named by the payload's URLs that are PDF documents
// (isPdfFile), in payload order.
QStringList pdfFilesFromMimeData(const QMimeData *mimeData);

// Writes the file atomically with mode 0600 (readable by the user only).
bool writePrivateFile(const QString &path, const QByteArray &data);

// Writes every byte to the descriptor, through interrupted and partial
// writes. False when it takes no more; errno tells why (ENOSPC when a write
// took nothing).
bool writeFully(int fd, const char *data, qint64 size);

#endif
