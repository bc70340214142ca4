// sheafrender: draws pages of PDF documents for the desktop program, and
// reads their information (page count, sizes, password need), in a process
// of its own, so that a document that makes the PDF libraries hang, swallow
// memory or crash costs a placeholder instead of the window.

#include "pdf/InformationProtocol.h"
#include "pdf/RenderProtocol.h"
#include "renderer/InformationServer.h"
#include "renderer/RenderServer.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Enough for any page the viewer shows; a document that wants more fails
// its page instead of taking the machine's memory.
constexpr rlim_t MemoryLimit = rlim_t(1) << 30;

void limitMemory()
{
    const struct rlimit limit = {MemoryLimit, MemoryLimit};
    setrlimit(RLIMIT_AS, &limit);
}

// The renderer never outlives the desktop program, even one that crashed.
void endWithParent(pid_t parent)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        _exit(0);
}

const char usage[] = "Usage: sheafrender --serve | --inform\n"
                     "Draws pages of PDF documents (--serve), or reads one document's information\n"
                     "(--inform), for sheafdesk, which starts it and talks to it over its standard\n"
                     "input and output.\n";

} // namespace

int main(int argc, char *argv[])
{
    const bool serve = argc >= 2 && std::strcmp(argv[1], RenderProtocol::serveArgument) == 0;
    const bool inform = argc >= 2 && std::strcmp(argv[1], InformationProtocol::informArgument) == 0;
    if (!serve && !inform) {
        const bool asked = argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
        std::fputs(usage, asked ? stdout : stderr);
        return asked ? 0 : 1;
    }
    const pid_t parent = getppid();
    endWithParent(parent);
    limitMemory();

    QCoreApplication application(argc, argv);
    // Its log lines go to the desktop program's log.
    QCoreApplication::setApplicationName(QStringLiteral("Tessaly Cleavemark"));
    QCoreApplication::setOrganizationName(QStringLiteral("Tessaly"));
    if (inform)
        return answerInformation(STDIN_FILENO, STDOUT_FILENO);

    // A whole page leaves in a few writes instead of dozens.
    fcntl(STDOUT_FILENO, F_SETPIPE_SZ, 1 << 20);
    RenderServer server(STDIN_FILENO, STDOUT_FILENO);
    server.run();
    return 0;
}
