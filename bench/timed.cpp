// Runs a command and writes what it cost into a file, one line:
//   <wall seconds> <user seconds> <system seconds> <peak resident KiB>
// with microsecond resolution (GNU time prints hundredths only, too coarse
// for runs of a few tenths of a second). The command keeps the standard
// streams; the exit code is the command's.
//
//   timed <result file> <command> [arguments...]

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double seconds(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

double now()
{
    timespec time;
    clock_gettime(CLOCK_MONOTONIC, &time);
    return double(time.tv_sec) + double(time.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: timed <result file> <command> [arguments...]\n");
        return 2;
    }
    const double start = now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::fprintf(stderr, "timed: cannot run %s: %s\n", argv[2], std::strerror(errno));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            std::perror("wait4");
            return 2;
        }
    }
    const double wall = now() - start;

    FILE *result = std::fopen(argv[1], "w");
    if (!result) {
        std::perror(argv[1]);
        return 2;
    }
    std::fprintf(result, "%.6f %.6f %.6f %ld\n", wall, seconds(usage.ru_utime), seconds(usage.ru_stime),
                 usage.ru_maxrss);
    std::fclose(result);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
