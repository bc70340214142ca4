#pragma once

#include "pdf/PageVerdicts.h"
#include "pdf/RenderProtocol.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QObject>
#include <QString>

class QProcess;
class QTimer;

// Has pages drawn by the renderer program (sheafrender) and hands them back
// asynchronously, so that no document can stop the window: the caller asks,
// paints a placeholder, and gets the page, or a null image when the page
// cannot be shown (the renderer failed, crashed, or took too long and was
// ended). The renderer is started on the first request and again after it
// ended; it draws one page at a time, with the next already waiting in its
// input so that it never idles between pages. A page the renderer ended on
// is tried once more on a new one before it counts as one that cannot be
// shown: the renderer may have ended on a page it was drawing ahead. A page
// that cannot be shown is remembered (PageVerdicts): asked for again, it is
// answered at once with a null image, without the renderer.
//
// It also asks the renderer for the facts of pages (finding cuts): a page
// that cannot be read in time or that ends the renderer twice is answered
// as unreadable.
class RenderClient : public QObject
{
    Q_OBJECT

public:
    explicit RenderClient(const QString &rendererPath, QObject *parent = nullptr);
    // Ends the renderer and waits for it.
    ~RenderClient() override;

    // Queues a page; returns the request's id, never 0.
    int request(const QString &path, const QString &password, int page, const QSize &pixels);
    // The page is no longer wanted: it is dropped if not yet sent, its
    // answer ignored otherwise.
    void cancel(int id);
    // Queues a question about a page, answered by factsFound; returns the
    // request's id, never 0. Cancelled as a page is.
    int requestFacts(const QString &path, const QString &password, int page, const PageFactsQuery &query);

    // The renderer's process id, 0 while none runs.
    qint64 rendererProcessId() const;
    // Nothing is waiting to be sent or waiting for its answer.
    bool isIdle() const;
    // The page is known not to be drawable: asking for it fails at once.
    bool isUndrawable(const QString &path, const QString &password, int page) const;

    // How long the renderer may take for one page before it is ended.
    static constexpr int PageTimeLimitMs = 3000;

signals:
    // A null image: the page cannot be shown.
    void rendered(int id, const QImage &image);
    void factsFound(int id, const PageFacts &facts);

private:
    struct Pending
    {
        RenderProtocol::Request request;
        bool canceled = false;
        bool retried = false;   // sent again after the renderer ended on it
        int checkedVerdicts = -1;   // the m_verdictCount it was last held against
    };

    int queue(const RenderProtocol::Request &request);
    void deliver(const Pending &answered, const QImage &image, const QByteArray &facts);
    void sendWaiting();
    void tellKnownFailures();
    void pageFailed(const Pending &pending);
    bool ensureRenderer();
    void readReplies();
    void rendererEnded();
    void pageTookTooLong();
    void failFirstSent();
    void startPageTimer();

    QString m_rendererPath;
    QProcess *m_process = nullptr;
    QTimer *m_pageTimer = nullptr;
    QList<Pending> m_waiting;   // not sent yet
    QList<Pending> m_sent;      // sent, answered in this order
    PageVerdicts m_verdicts;
    // How many verdicts have been given: a waiting request is held against
    // them again only when there are new ones, not on every send.
    int m_verdictCount = 0;
    RenderProtocol::ReplyHeader m_header;
    QImage m_image;           // the page being read
    QByteArray m_facts;       // or the facts
    qint64 m_filled = 0;      // bytes of it read so far
    bool m_haveHeader = false;
    quint32 m_nextId = 1;
};
