#pragma once

#include "pdf/SourceFile.h"

#include <QString>

#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

// Parses the document that will be loaded next on a thread of its own,
// while the caller still copies pages out of the one before: a merge of
// many documents spends a quarter of its time parsing them. The parsed
// document is handed over whole; until then the thread alone touches it.
// One thread serves every document, so that what the caller frees of a
// parsed document goes back to the heap that thread allocates from.
class DocumentPrefetch
{
public:
    DocumentPrefetch() = default;
    ~DocumentPrefetch();

    DocumentPrefetch(const DocumentPrefetch &) = delete;
    DocumentPrefetch &operator=(const DocumentPrefetch &) = delete;

    // Drops a document parsed earlier for another path and not taken.
    void start(const QString &absolutePath, const QString &password);
    // The document parsed for this path and password, waiting for it if
    // need be; empty when none was started for them. Throws what parsing
    // threw, as openPdf would have.
    std::optional<OpenedPdf> take(const QString &absolutePath, const QString &password);

private:
    void work();

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    QString m_path;
    QString m_password;
    bool m_requested = false;   // a document is asked for or being parsed
    bool m_done = false;        // ... and is parsed, or failed
    bool m_closing = false;
    OpenedPdf m_opened;
    std::exception_ptr m_failure;
};
