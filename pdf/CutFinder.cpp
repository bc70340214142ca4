#include "pdf/CutFinder.h"

#include "pdf/RenderClient.h"

CutFinder::CutFinder(const QString &rendererPath, QObject *parent)
    : QObject(parent)
    , m_client(new RenderClient(rendererPath, this))
{
    connect(m_client, &RenderClient::factsFound, this, &CutFinder::pageRead);
}

CutFinder::~CutFinder() = default;

void CutFinder::start(const QString &path, const QString &password, int pageCount, const PageFactsQuery &query)
{
    cancel();
    m_facts = PageFactsList();
    m_facts.reserve(pageCount);
    for (int page = 1; page <= pageCount; ++page) {
        m_facts.append(PageFacts::unreadable());
        m_waiting.insert(m_client->requestFacts(path, password, page, query), page - 1);
    }
    m_done = 0;
    if (pageCount <= 0)
        emit finished(m_facts);
}

void CutFinder::cancel()
{
    for (auto it = m_waiting.cbegin(); it != m_waiting.cend(); ++it)
        m_client->cancel(it.key());
    m_waiting.clear();
}

void CutFinder::pageRead(int id, const PageFacts &facts)
{
    const auto found = m_waiting.find(id);
    if (found == m_waiting.end())
        return;
    m_facts[found.value()] = facts;
    m_waiting.erase(found);
    ++m_done;
    emit progressed(m_done, m_facts.size());
    if (m_waiting.isEmpty())
        emit finished(m_facts);
}
