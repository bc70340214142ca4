#include "pdf/InformationReader.h"

#include "common/Logger.h"
#include "pdf/ChildProcess.h"
#include "pdf/InformationProtocol.h"
#include "pdf/PdfService.h"
#include "pdf/RenderProtocol.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// Shared by the reader and its thread; whichever ends last frees it.
struct PendingRead
{
    InformationRequest request;
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    InformationResult result;
    std::chrono::milliseconds took{0};   // how long the read ran
    QObject *receiver = nullptr;   // told when finished; null once nobody waits
    int timeLimitMs = InformationReader::DefaultTimeLimitMs;
    std::atomic<bool> abandoned{false};   // nobody waits: the read may end
};

namespace {

std::atomic<int> readersReading{0};

const QEvent::Type ReadFinishedEvent = QEvent::Type(QEvent::registerEventType());

InformationResult failedRead(const QString &path, int engineError)
{
    InformationResult result;
    result.info.path = path;
    result.error = AddCannotOpen;
    result.engineError = engineError;
    return result;
}

// A little longer than the reader's own limit: the program is ended when
// the reader has given up on it, and at the latest then.
constexpr int HelperGraceMs = 1000;

// In the renderer program: what parsing the document costs in memory stays
// there and goes with it, and a document that takes too long is ended with
// the program instead of running on in a thread of the window's.
InformationResult readInHelper(const PendingRead &read)
{
    const InformationRequest &request = read.request;
    QElapsedTimer clock;
    clock.start();
    const ChildProcess::Result run = ChildProcess::run(
        RenderProtocol::rendererProgram(), {QString::fromLatin1(InformationProtocol::informArgument)},
        InformationProtocol::encode(request),
        [&read, &clock] { return read.abandoned || clock.elapsed() > read.timeLimitMs + HelperGraceMs; });
    InformationResult result;
    switch (run.end) {
    case ChildProcess::End::NotStarted:
        // The system had no room for another process.
        Logger::instance().log(QStringLiteral("Document reader did not start:%1").arg(request.path));
        return failedRead(request.path, PdfEngine::OutOfMemory);
    case ChildProcess::End::Stopped:
        return failedRead(request.path, PdfEngine::TookTooLong);
    case ChildProcess::End::Exited:
        if (run.exitCode == 0 && InformationProtocol::decode(run.output, result))
            return result;
        break;
    case ChildProcess::End::Crashed:
        break;
    }
    Logger::instance().log(QStringLiteral("Document reader ended without an answer:%1").arg(request.path));
    // The program ends like this on a document that makes the PDF library crash.
    return failedRead(request.path, PdfEngine::FileDamaged);
}

InformationResult readNow(const PendingRead &read)
{
    if (!QFileInfo(RenderProtocol::rendererProgram()).isExecutable())
        return InformationReader::readInThisProcess(read.request);
    return readInHelper(read);
}


void finish(PendingRead &read, InformationResult result, std::chrono::milliseconds took)
{
    std::lock_guard<std::mutex> lock(read.mutex);
    read.result = std::move(result);
    read.took = took;
    read.finished = true;
    read.done.notify_all();
    if (read.receiver)
        QCoreApplication::postEvent(read.receiver, new QEvent(ReadFinishedEvent));
}

// False when no thread could be made; the read is then finished as failed.
bool startThread(const std::shared_ptr<PendingRead> &read)
{
    try {
        std::thread([read] {
            const auto start = std::chrono::steady_clock::now();
            InformationResult result = readNow(*read);
            const auto took = std::chrono::steady_clock::now() - start;
            finish(*read, std::move(result), std::chrono::duration_cast<std::chrono::milliseconds>(took));
        }).detach();
        return true;
    } catch (const std::system_error &) {
        finish(*read, failedRead(read->request.path, PdfEngine::OutOfMemory), {});
        return false;
    }
}

void logTookTooLong(const QString &path)
{
    Logger::instance().log(QStringLiteral("Reading took too long:%1").arg(path), LogError);
}

} // namespace

InformationReader::InformationReader(QObject *parent) : QObject(parent), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(DefaultTimeLimitMs);
    connect(m_timer, &QTimer::timeout, this, &InformationReader::timeLimitReached);
}

InformationReader::~InformationReader()
{
    forget();
}

void InformationReader::setTimeLimit(int milliseconds)
{
    m_timer->setInterval(milliseconds);
}

void InformationReader::start(const InformationRequest &request)
{
    forget();
    m_read = std::make_shared<PendingRead>();
    m_read->request = request;
    m_read->receiver = this;
    m_read->timeLimitMs = m_timer->interval();
    ++readersReading;
    startThread(m_read);
    m_timer->start();
}

int InformationReader::readingCount()
{
    return readersReading;
}

void InformationReader::cancel()
{
    forget();
}

// In the renderer program, which reads for the window, and in the window
// itself when the renderer program is not there to read it.
InformationResult InformationReader::readInThisProcess(const InformationRequest &request)
{
    InformationWorker reader(QSharedPointer<PdfService>::create(), request.path, request.password);
    reader.setReadOutline(request.readOutline);
    reader.setReadPageSizes(request.readPageSizes);
    reader.run();
    InformationResult result;
    result.info = reader.info();
    result.error = reader.error();
    result.engineError = reader.engineError();
    result.engineErrorDetail = reader.engineErrorDetail();
    return result;
}

InformationResult InformationReader::read(const InformationRequest &request, int timeLimitMs)
{
    auto read = std::make_shared<PendingRead>();
    read->request = request;
    read->timeLimitMs = timeLimitMs;
    startThread(read);
    std::unique_lock<std::mutex> lock(read->mutex);
    if (read->done.wait_for(lock, std::chrono::milliseconds(timeLimitMs), [&] { return read->finished; }))
        return read->result;
    read->abandoned = true;
    logTookTooLong(request.path);
    return failedRead(request.path, PdfEngine::TookTooLong);
}

InformationResult InformationReader::readAnswering(const InformationRequest &request)
{
    InformationReader reader;
    QEventLoop loop;
    InformationResult result;
    connect(&reader, &InformationReader::finished, &loop, [&](const InformationResult &read) {
        result = read;
        loop.quit();
    });
    reader.start(request);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return result;
}

// Events of a forgotten read may still arrive; only the current one counts.
// A read that ran longer than the limit counts as too long even when its
// answer came before the timer did: the window may have been busy.
void InformationReader::customEvent(QEvent *event)
{
    if (event->type() != ReadFinishedEvent || !m_read)
        return;
    InformationResult result;
    std::chrono::milliseconds took;
    {
        std::lock_guard<std::mutex> lock(m_read->mutex);
        if (!m_read->finished)
            return;
        result = m_read->result;
        took = m_read->took;
    }
    if (took.count() > m_timer->interval()) {
        timeLimitReached();
        return;
    }
    forget();
    emit finished(result);
}

void InformationReader::timeLimitReached()
{
    if (!m_read)
        return;
    const QString path = m_read->request.path;
    forget();
    logTookTooLong(path);
    emit finished(failedRead(path, PdfEngine::TookTooLong));
}

void InformationReader::forget()
{
    m_timer->stop();
    const std::shared_ptr<PendingRead> read = std::move(m_read);
    if (!read)
        return;
    --readersReading;
    read->abandoned = true;
    std::lock_guard<std::mutex> lock(read->mutex);
    read->receiver = nullptr;
}
