#include "renderer/InformationServer.h"

#include "common/FileUtils.h"
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
    const QByteArray answer = InformationProtocol::encode(result);
    return writeFully(output, answer.constData(), answer.size()) ? 0 : 1;
}
