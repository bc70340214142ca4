#include "pdf/BackgroundInformation.h"

#include "pdf/PdfService.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSharedPointer>

#include <memory>
#include <mutex>
#include <thread>

BackgroundInformation readInformationInBackground(const QString &path, const QString &password,
                                                  int timeLimitMs)
{
    // Shared with the thread, which may outlive this call.
    struct Shared
    {
        std::mutex mutex;
        BackgroundInformation result;
    };
    auto shared = std::make_shared<Shared>();
    std::thread([shared, path, password] {
        const auto service = QSharedPointer<PdfService>::create();
        InformationWorker reader(service, path, password);
        reader.setReadOutline(true);
        reader.run();
        std::lock_guard<std::mutex> lock(shared->mutex);
        shared->result = {true, reader.info(), reader.error(), reader.engineError()};
    }).detach();

    const auto finished = [&shared] {
        std::lock_guard<std::mutex> lock(shared->mutex);
        return shared->result.finished;
    };
    QElapsedTimer clock;
    clock.start();
    while (!finished() && clock.elapsed() < timeLimitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    std::lock_guard<std::mutex> lock(shared->mutex);
    return shared->result;
}
