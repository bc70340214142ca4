#include "pdf/RenderClient.h"

#include "common/Logger.h"

#include <QDataStream>
#include <QProcess>
#include <QTimer>

#include <utility>

namespace {

// Pages in the renderer's input at once: one being drawn, one waiting.
constexpr int PagesInFlight = 2;

void log(const QString &message)
{
    Logger::instance().log(message);
}

} // namespace

RenderClient::RenderClient(const QString &rendererPath, QObject *parent)
    : QObject(parent)
    , m_rendererPath(rendererPath)
    , m_pageTimer(new QTimer(this))
{
    m_pageTimer->setSingleShot(true);
    m_pageTimer->setInterval(PageTimeLimitMs);
    connect(m_pageTimer, &QTimer::timeout, this, &RenderClient::pageTookTooLong);
}

RenderClient::~RenderClient()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->closeWriteChannel();
        if (!m_process->waitForFinished(200)) {
            m_process->kill();
            m_process->waitForFinished(1000);
        }
    }
}

int RenderClient::request(const QString &path, const QString &password, int page, const QSize &pixels)
{
    RenderProtocol::Request request;
    request.path = path;
    request.password = password.toUtf8();
    request.page = page;
    request.pixels = pixels;
    return queue(request);
}

int RenderClient::requestFacts(const QString &path, const QString &password, int page,
                               const PageFactsQuery &query)
{
    RenderProtocol::Request request;
    request.path = path;
    request.password = password.toUtf8();
    request.page = page;
    request.wantsFacts = true;
    request.facts = query;
    return queue(request);
}

int RenderClient::queue(const RenderProtocol::Request &request)
{
    Pending pending;
    pending.request = request;
    pending.request.id = m_nextId++;
    if (m_nextId == 0)
        m_nextId = 1;
    m_waiting.append(pending);
    // Sent from the event loop, so that a caller asking for many pages at
    // once can still cancel some before they go.
    QTimer::singleShot(0, this, &RenderClient::sendWaiting);
    return int(pending.request.id);
}

void RenderClient::cancel(int id)
{
    for (int i = 0; i < m_waiting.size(); ++i) {
        if (int(m_waiting.at(i).request.id) == id) {
            m_waiting.removeAt(i);
            return;
        }
    }
    for (Pending &pending : m_sent) {
        if (int(pending.request.id) == id)
            pending.canceled = true;
    }
}

qint64 RenderClient::rendererProcessId() const
{
    return m_process ? m_process->processId() : 0;
}

bool RenderClient::isIdle() const
{
    return m_waiting.isEmpty() && m_sent.isEmpty();
}

bool RenderClient::isUndrawable(const QString &path, const QString &password, int page) const
{
    return m_verdicts.isUndrawable(path, password, page);
}

void RenderClient::sendWaiting()
{
    tellKnownFailures();
    while (!m_waiting.isEmpty() && m_sent.size() < PagesInFlight) {
        if (!ensureRenderer()) {
            // Without a renderer no page can be shown.
            const QList<Pending> failed = m_waiting;
            m_waiting.clear();
            for (const Pending &pending : failed)
                deliver(pending, QImage(), QByteArray());
            return;
        }
        const Pending pending = m_waiting.takeFirst();
        m_process->write(RenderProtocol::encode(pending.request));
        m_sent.append(pending);
        if (m_sent.size() == 1)
            startPageTimer();
    }
}

void RenderClient::tellKnownFailures()
{
    QList<Pending> known;
    for (int i = m_waiting.size() - 1; i >= 0; --i) {
        Pending &pending = m_waiting[i];
        if (pending.checkedVerdicts == m_verdictCount)
            continue;
        pending.checkedVerdicts = m_verdictCount;
        const RenderProtocol::Request &request = pending.request;
        if (m_verdicts.isUndrawable(request.path, QString::fromUtf8(request.password), request.page))
            known.prepend(m_waiting.takeAt(i));
    }
    for (const Pending &pending : qAsConst(known))
        deliver(pending, QImage(), QByteArray());
}

// Whoever asks for the page again is told at once; a page refused for the
// size it was asked at is no verdict on the page.
void RenderClient::pageFailed(const Pending &pending)
{
    const RenderProtocol::Request &request = pending.request;
    if (!RenderProtocol::isDrawableSize(request.pixels))
        return;
    m_verdicts.rememberUndrawable(request.path, QString::fromUtf8(request.password), request.page);
    ++m_verdictCount;
}

bool RenderClient::ensureRenderer()
{
    if (m_process)
        return true;
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->setStandardErrorFile(QProcess::nullDevice());
    connect(m_process, &QProcess::readyReadStandardOutput, this, &RenderClient::readReplies);
    connect(m_process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
            &RenderClient::rendererEnded);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            rendererEnded();
    });
    m_process->start(m_rendererPath, {QString::fromLatin1(RenderProtocol::serveArgument)});
    m_haveHeader = false;
    return true;
}

// The pixels go straight from the pipe into the page's image.
void RenderClient::readReplies()
{
    for (;;) {
        if (!m_haveHeader) {
            if (m_process->bytesAvailable() < qint64(sizeof m_header))
                return;
            m_process->read(reinterpret_cast<char *>(&m_header), sizeof m_header);
            m_haveHeader = true;
            m_filled = 0;
            m_image = QImage();
            m_facts.clear();
            if (m_header.status == RenderProtocol::Drawn)
                m_image = QImage(m_header.width, m_header.height, QImage::Format_RGB32);
            if (m_header.status == RenderProtocol::Found)
                m_facts = QByteArray(m_header.factsBytes, Qt::Uninitialized);
        }
        const qint64 bytes = m_header.payloadBytes();
        while (m_filled < bytes) {
            char *target = !m_image.isNull()  ? reinterpret_cast<char *>(m_image.bits()) + m_filled
                           : !m_facts.isEmpty() ? m_facts.data() + m_filled
                                                : nullptr;
            const qint64 read = target ? m_process->read(target, bytes - m_filled)
                                       : m_process->skip(bytes - m_filled);
            if (read <= 0)
                return;
            m_filled += read;
        }
        m_haveHeader = false;
        const QImage image = std::exchange(m_image, QImage());
        const QByteArray facts = std::exchange(m_facts, QByteArray());

        if (m_sent.isEmpty() || m_sent.first().request.id != m_header.id)
            continue;   // cannot happen with a well-behaved renderer
        const Pending answered = m_sent.takeFirst();
        m_pageTimer->stop();
        if (!m_sent.isEmpty())
            startPageTimer();
        if (image.isNull())
            pageFailed(answered);
        if (!answered.canceled)
            deliver(answered, image, facts);
        sendWaiting();
    }
}

void RenderClient::startPageTimer()
{
    m_pageTimer->start();
}

// The page being drawn when the renderer ended is the one that ended it,
// unless it had not begun yet: it goes again once, with the others, to the
// next renderer.
void RenderClient::rendererEnded()
{
    if (!m_process)
        return;
    QProcess *ended = m_process;
    m_process = nullptr;
    ended->disconnect(this);
    ended->deleteLater();
    m_pageTimer->stop();
    if (!m_sent.isEmpty())
        log(QStringLiteral("Page renderer ended while drawing page %1 of '%2'")
                .arg(m_sent.first().request.page).arg(m_sent.first().request.path));
    if (!m_sent.isEmpty() && !m_sent.first().retried)
        m_sent.first().retried = true;
    else
        failFirstSent();
    m_waiting = m_sent + m_waiting;
    m_sent.clear();
    QTimer::singleShot(0, this, &RenderClient::sendWaiting);
}

void RenderClient::pageTookTooLong()
{
    if (!m_process || m_sent.isEmpty())
        return;
    log(QStringLiteral("Page renderer took too long for page %1 of '%2'; ending it")
            .arg(m_sent.first().request.page).arg(m_sent.first().request.path));
    m_process->kill();   // by its process id; rendererEnded follows
}

void RenderClient::failFirstSent()
{
    if (m_sent.isEmpty())
        return;
    const Pending failed = m_sent.takeFirst();
    pageFailed(failed);
    if (!failed.canceled)
        deliver(failed, QImage(), QByteArray());
}

// Empty facts, as an empty image, tell a page that failed.
void RenderClient::deliver(const Pending &answered, const QImage &image, const QByteArray &facts)
{
    if (!answered.request.wantsFacts) {
        emit rendered(int(answered.request.id), image);
        return;
    }
    PageFacts found = PageFacts::unreadable();
    if (!facts.isEmpty()) {
        QDataStream stream(facts);
        stream >> found;
        if (stream.status() != QDataStream::Ok)
            found = PageFacts::unreadable();
    }
    emit factsFound(int(answered.request.id), found);
}
