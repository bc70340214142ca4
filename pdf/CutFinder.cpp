#include "pdf/CutFinder.h"

#include "pdf/RenderClient.h"

#include <QThread>

namespace {

constexpr int MostRenderers = 2;

} // namespace

CutFinder::CutFinder(const QString &rendererPath, QObject *parent) : QObject(parent)
{
    const int renderers = qBound(1, QThread::idealThreadCount(), MostRenderers);
    for (int k = 0; k < renderers; ++k) {
        auto *client = new RenderClient(rendererPath, this);
        connect(client, &RenderClient::factsFound, this,
                [this, client](int id, const PageFacts &facts) { pageRead(client, id, facts); });
        m_clients.append(client);
    }
}

CutFinder::~CutFinder() = default;

// Each renderer gets every other page, so that both keep busy to the end.
void CutFinder::start(const QString &path, const QString &password, int pageCount, const PageFactsQuery &query)
{
    cancel();
    m_facts = PageFactsList();
    m_facts.reserve(pageCount);
    for (int page = 1; page <= pageCount; ++page) {
        RenderClient *client = m_clients.at((page - 1) % m_clients.size());
        m_facts.append(PageFacts::unreadable());
        m_waiting[client].insert(client->requestFacts(path, password, page, query), page - 1);
    }
    m_waitingCount = pageCount;
    m_done = 0;
    if (pageCount <= 0)
        emit finished(m_facts);
}

void CutFinder::cancel()
{
    for (auto client = m_waiting.cbegin(); client != m_waiting.cend(); ++client) {
        for (auto it = client.value().cbegin(); it != client.value().cend(); ++it)
            client.key()->cancel(it.key());
    }
    m_waiting.clear();
    m_waitingCount = 0;
}

void CutFinder::pageRead(RenderClient *client, int id, const PageFacts &facts)
{
    QHash<int, int> &waiting = m_waiting[client];
    const auto found = waiting.find(id);
    if (found == waiting.end())
        return;
    m_facts[found.value()] = facts;
    waiting.erase(found);
    --m_waitingCount;
    ++m_done;
    emit progressed(m_done, m_facts.size());
    if (m_waitingCount == 0)
        emit finished(m_facts);
}
