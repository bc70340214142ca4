#pragma once

#include "pdf/PageFacts.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class RenderClient;

// Finds what finding cuts needs to know about every page of a document, in
// renderer programs of its own (so pages being shown are not kept waiting),
// one for each processor up to two, since a scanned page is mostly decoding
// its image; it tells how far it got. The caller decides where the cuts go
// (CutPlan).
class CutFinder : public QObject
{
    Q_OBJECT

public:
    explicit CutFinder(const QString &rendererPath, QObject *parent = nullptr);
    ~CutFinder() override;

    // Begins again, dropping a search under way.
    void start(const QString &path, const QString &password, int pageCount, const PageFactsQuery &query);
    // Stops the search; neither progress nor finished follows.
    void cancel();
    bool isRunning() const { return m_waitingCount > 0; }

signals:
    void progressed(int pagesDone, int pageCount);
    // One entry a page, in page order.
    void finished(const PageFactsList &facts);

private:
    void pageRead(RenderClient *client, int id, const PageFacts &facts);

    QList<RenderClient *> m_clients;
    QHash<RenderClient *, QHash<int, int>> m_waiting;   // request id -> page index, by renderer
    int m_waitingCount = 0;
    PageFactsList m_facts;
    int m_done = 0;
};
