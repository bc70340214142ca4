#include "pdf/LibraryMessages.h"

#include "common/Logger.h"

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDFLogger.hh>

#include <memory>
#include <mutex>
#include <string>

namespace LibraryMessages {

namespace {

// qpdf reports damaged files on stderr by default; its messages belong in
// the debug log instead.
class LogPipeline : public Pipeline
{
public:
    LogPipeline() : Pipeline("debug log", nullptr) {}

    void write(unsigned char const *data, size_t length) override
    {
        thread_local std::string pending;
        pending.append(reinterpret_cast<const char *>(data), length);
        for (size_t newline = pending.find('\n'); newline != std::string::npos;
             newline = pending.find('\n')) {
            const std::string line = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            if (!line.empty())
                Logger::instance().log(QStringLiteral("PDF library: ") + QString::fromStdString(line));
        }
    }

    void finish() override {}
};

} // namespace

void routeToLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        auto pipeline = std::make_shared<LogPipeline>();
        auto logger = QPDFLogger::defaultLogger();
        logger->setInfo(pipeline);
        logger->setWarn(pipeline);
        logger->setError(pipeline);
    });
}

} // namespace LibraryMessages
