#include "pdf/ChildProcess.h"

#include "common/FileUtils.h"

#include <QFile>

#include <cerrno>
#include <algorithm>
#include <csignal>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int PollMs = 20;

// Both ends of a pipe, closed on exec and when it goes.
struct Pipe
{
    int read = -1;
    int write = -1;

    Pipe()
    {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) == 0) {
            read = ends[0];
            write = ends[1];
        }
    }
    ~Pipe()
    {
        closeRead();
        closeWrite();
    }
    bool isValid() const { return read >= 0 && write >= 0; }
    void closeRead()
    {
        if (read >= 0)
            ::close(read);
        read = -1;
    }
    void closeWrite()
    {
        if (write >= 0)
            ::close(write);
        write = -1;
    }
};

pid_t spawn(const QByteArray &program, const QList<QByteArray> &arguments, int input, int output)
{
    std::vector<char *> argv;
    QByteArray name = program;
    argv.push_back(name.data());
    QList<QByteArray> copies = arguments;
    for (QByteArray &argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, name.constData(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? pid : -1;
}

} // namespace

ChildProcess::Result ChildProcess::run(const QString &program, const QStringList &arguments,
                                       const QByteArray &input, const std::function<bool()> &shouldStop)
{
    // A program that ends before reading its input would otherwise end the
    // whole process with SIGPIPE; the signal stays with this thread instead.
    sigset_t pipeSignal;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, nullptr);

    Result result;
    Pipe toChild;
    Pipe fromChild;
    if (!toChild.isValid() || !fromChild.isValid())
        return result;
    QList<QByteArray> encoded;
    for (const QString &argument : arguments)
        encoded << QFile::encodeName(argument);
    const pid_t pid = spawn(QFile::encodeName(program), encoded, toChild.read, fromChild.write);
    if (pid < 0)
        return result;
    toChild.closeRead();
    fromChild.closeWrite();
    writeFully(toChild.write, input.constData(), input.size());
    toChild.closeWrite();

    bool stopped = false;
    char chunk[16384];
    for (;;) {
        if (shouldStop()) {
            ::kill(pid, SIGKILL);
            stopped = true;
            break;
        }
        struct pollfd readable = {fromChild.read, POLLIN, 0};
        const int ready = ::poll(&readable, 1, PollMs);
        if (ready < 0 && errno != EINTR)
            break;
        if (ready <= 0)
            continue;
        const ssize_t n = ::read(fromChild.read, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;   // the program closed its output: it is ending
        result.output.append(chunk, int(n));
    }

    // A program that closed its output and lingers is stopped all the same.
    // It usually ends within a millisecond of closing it: the first waits
    // are short, so that no read waits a whole polling period for nothing.
    int status = 0;
    int pauseMs = 1;
    for (;;) {
        const pid_t ended = ::waitpid(pid, &status, WNOHANG);
        if (ended == pid)
            break;
        if (ended < 0 && errno != EINTR) {
            // Reaped elsewhere: what it wrote tells whether it finished.
            status = 0;
            break;
        }
        if (!stopped && shouldStop()) {
            ::kill(pid, SIGKILL);
            stopped = true;
        }
        ::usleep(useconds_t(pauseMs) * 1000);
        pauseMs = std::min(pauseMs * 2, PollMs);
    }
    if (stopped) {
        result.end = End::Stopped;
    } else if (WIFEXITED(status)) {
        result.end = End::Exited;
        result.exitCode = WEXITSTATUS(status);
    } else {
        result.end = End::Crashed;
    }
    return result;
}
