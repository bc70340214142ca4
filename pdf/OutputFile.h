#pragma once

#include "pdf/FileStamp.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Writing the engine's output files. A finished file appears under its name
// whole or not at all; a failure throws EngineFailure with WriteFailed.
namespace OutputFile {

// Fills a file open for writing; returns the bytes written, throws when it cannot.
using ContentWriter = std::function<qint64(int fd)>;

// Writes into an unnamed file in the target's folder that gets the target's
// name only when complete: a failed save never leaves a half-written file,
// and a process killed mid-save (a cancelled job) leaves nothing at all. A
// replaced file keeps its permissions.
void writeAtomically(const QString &fileName, const ContentWriter &writeContent);

// A working copy (a decrypted source, extracted pages) is written in place,
// so that a caller reusing one scratch path does not create and delete a
// file per piece; a failed write removes it. Returns the written file's stamp.
FileStamp writeInPlace(const QString &fileName, const ContentWriter &writeContent);

// The bytes, atomically.
void writeBytes(const QByteArray &bytes, const QString &fileName);

// Writes all bytes to a descriptor, or throws.
void writeAll(int fd, const char *data, qint64 size);

} // namespace OutputFile
