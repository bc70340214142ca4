#include "renderer/InformationServer.h"

#include "common/FileUtils.h"
#include "pdf/InformationProtocol.h"
#include "pdf/InformationReader.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>

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

// Tests hold a read back, to see what waits for it and what does not. The
// variable names a gate file that holds the end of the path to hold; the
// read waits while the gate is there, and never longer than a minute, so
// that a test that fails before opening the gate leaves no reader behind.
void delayForTests(const QString &path)
{
    const QString gate = qEnvironmentVariable("SHEAFRENDER_TEST_SLOW_READ");
    if (gate.isEmpty())
        return;
    QFile file(gate);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString held = QString::fromUtf8(file.readAll()).trimmed();
    file.close();
    if (held.isEmpty() || !path.endsWith(held))
        return;
    QElapsedTimer waited;
    waited.start();
    while (QFile::exists(gate) && waited.elapsed() < 60 * 1000)
        ::usleep(20 * 1000);
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
