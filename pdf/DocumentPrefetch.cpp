#include "pdf/DocumentPrefetch.h"

#include <utility>

DocumentPrefetch::~DocumentPrefetch()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closing = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

void DocumentPrefetch::start(const QString &absolutePath, const QString &password)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_requested && absolutePath == m_path && password == m_password)
        return;
    // One document at a time: the one asked for before is finished first.
    m_changed.wait(lock, [this] { return !m_requested || m_done; });
    m_path = absolutePath;
    m_password = password;
    m_opened = {};
    m_failure = nullptr;
    m_requested = true;
    m_done = false;
    if (!m_thread.joinable())
        m_thread = std::thread([this] { work(); });
    lock.unlock();
    m_changed.notify_all();
}

std::optional<OpenedPdf> DocumentPrefetch::take(const QString &absolutePath, const QString &password)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_requested || absolutePath != m_path || password != m_password)
        return std::nullopt;
    m_changed.wait(lock, [this] { return m_done; });
    m_requested = false;
    OpenedPdf opened = std::move(m_opened);
    m_opened = {};
    if (const std::exception_ptr failure = std::exchange(m_failure, nullptr))
        std::rethrow_exception(failure);
    return opened;
}

void DocumentPrefetch::work()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_closing || (m_requested && !m_done); });
        if (m_closing)
            return;
        const QString path = m_path;
        const QString password = m_password;
        lock.unlock();
        OpenedPdf opened;
        std::exception_ptr failure;
        try {
            opened = openPdf(path, password);
        } catch (...) {
            failure = std::current_exception();
        }
        lock.lock();
        m_opened = std::move(opened);
        m_failure = failure;
        m_done = true;
        m_changed.notify_all();
    }
}
