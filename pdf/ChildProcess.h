#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Runs a helper program to its end from a thread that waits for it: the
// input goes to its standard input, which is then closed, and its standard
// output is collected. The program is started with posix_spawn, which does
// not copy the caller's memory map: starting it from a window holding
// hundreds of megabytes costs the window's other threads nothing, where a
// fork would hold them up while the map is copied. A pipe the program closed
// early costs the calling thread no signal.
class ChildProcess
{
public:
    enum class End { Exited, Crashed, Stopped, NotStarted };

    struct Result
    {
        End end = End::NotStarted;
        int exitCode = -1;
        QByteArray output;
    };

    // shouldStop is asked every few milliseconds; when it says so, the
    // program is killed and the result is Stopped.
    static Result run(const QString &program, const QStringList &arguments, const QByteArray &input,
                      const std::function<bool()> &shouldStop);
};
