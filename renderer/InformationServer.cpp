#include "renderer/InformationServer.h"

#include "pdf/InformationProtocol.h"
#include "pdf/InformationReader.h"

#include <QByteArray>

#include <cerrno>

#include <unistd.h>

namespace {

bool readAll(int input, QByteArray &bytes)
{
    char chunk[4096];
    for (;;) {
        const ssize_t n = ::read(input, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(chunk, int(n));
    }
}

bool writeAll(int output, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qint64 size = bytes.size();
    while (size > 0) {
        const ssize_t n = ::write(output, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

// Tests make a read slow, to see what waits for it and what does not.
void delayForTests(const QString &path)
{
    const QByteArray slow = qgetenv("SHEAFRENDER_TEST_SLOW_READ");
    if (!slow.isEmpty() && path.endsWith(QString::fromLocal8Bit(slow)))
        ::usleep(1500 * 1000);
}

} // namespace

int answerInformation(int input, int output)
{
    QByteArray bytes;
    InformationRequest request;
    if (!readAll(input, bytes) || !InformationProtocol::decode(bytes, request))
        return 1;
    delayForTests(request.path);

    const InformationResult result = InformationReader::readInThisProcess(request);
    return writeAll(output, InformationProtocol::encode(result)) ? 0 : 1;
}
