#pragma once

#include "pdf/PageFacts.h"

#include <QHash>
#include <QObject>
#include <QString>

class RenderClient;

// Finds what finding cuts needs to know about every page of a document, in
// a renderer program of its own (so pages being shown are not kept waiting),
// page after page, and tells how far it got. The caller decides where the
// cuts go (CutPlan).
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
    bool isRunning() const { return !m_waiting.isEmpty(); }

signals:
    void progressed(int pagesDone, int pageCount);
    // One entry a page, in page order.
    void finished(const PageFactsList &facts);

private:
    void pageRead(int id, const PageFacts &facts);

    RenderClient *m_client;
    QHash<int, int> m_waiting;   // request id -> page index
    PageFactsList m_facts;
    int m_done = 0;
};
