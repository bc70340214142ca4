#pragma once

#include "pdf/Descriptor.h"

#include <qpdf/InputSource.hh>

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>

class QPDF;

// A PDF file as qpdf reads it. qpdf reads its input in many small seeks and
// reads (tens of thousands for a document of a hundred pages), so a file up
// to InMemoryLimit is read into memory whole, once, and parsed from there.
//
// A merged document reads the streams of its sources only when it is
// written. A source whose pages were copied gives its memory back with
// releaseMemory(); the reads that remain go to the open file, a window at a
// time, so that memory stays bounded however many sources a merge has. The
// file stays open: it is the file that was read even if it is renamed or
// removed afterwards.
class SourceFile : public InputSource
{
public:
    static constexpr qint64 InMemoryLimit = 64 * 1024 * 1024;

    // Throws EngineFailure with FileNotFound when the file cannot be read.
    static std::shared_ptr<SourceFile> open(const QString &fileName);

    QByteArray bytes() const { return m_memory; }   // the whole file while in memory, else empty
    void releaseMemory();

    qpdf_offset_t findAndSkipNextEOL() override;
    std::string const &getName() const override { return m_name; }
    qpdf_offset_t tell() override { return m_position; }
    void seek(qpdf_offset_t offset, int whence) override;
    void rewind() override { m_position = 0; }
    size_t read(char *buffer, size_t length) override;
    void unreadCh(char ch) override;

private:
    SourceFile(const QString &fileName, int fd, qint64 size);

    // The bytes from offset (< m_size) on that lie in one piece of memory,
    // and how many there are; reads the window when needed.
    const char *bytesAt(qint64 offset, qint64 &available);
    qint64 readFile(qint64 offset, char *buffer, qint64 length);

    std::string m_name;
    Descriptor m_file;
    qint64 m_size;
    qint64 m_position = 0;
    QByteArray m_memory;   // the whole file, or empty
    QByteArray m_window;   // once memory is released: the piece of the file read last
    qint64 m_windowStart = 0;
};

// A parsed PDF and the file it reads from.
struct OpenedPdf
{
    std::shared_ptr<QPDF> pdf;
    std::shared_ptr<SourceFile> source;
};

// Parses a file; qpdf repairs what it can of a damaged one, with warnings.
// Throws EngineFailure: FileNotFound, PasswordError or FileDamaged.
OpenedPdf openPdf(const QString &fileName, const QString &password);
