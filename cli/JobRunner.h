#ifndef CLEAVEMARK_CLI_JOBRUNNER_H
#define CLEAVEMARK_CLI_JOBRUNNER_H

#include <QJsonObject>
#include <QString>
#include <QTemporaryDir>

class ProgressLine;

// Runs one job through the worker program sheafrun, as the window does: a
// session folder of its own, the request file written there, "sheafrun
// --split|--merge <request>", progress read from the worker's standard
// output, the response read from the session folder. The session folder,
// which holds the request and so its passwords, goes with the runner.
//
// Ctrl+C (SIGINT) or SIGTERM during a run stop the worker, and what the
// worker wrote outside its folder is removed, as the window's cancel does.
class JobRunner
{
public:
    enum class Outcome { Finished, NotStarted, Crashed, Interrupted };

    explicit JobRunner(ProgressLine &progress);
    ~JobRunner();

    // Once, at the start of the program: turns Ctrl+C and SIGTERM into a
    // request to stop that the runner and the password prompt notice.
    static void watchInterrupts();
    static bool wasInterrupted();

    bool isValid() const { return m_session.isValid(); }
    QString sessionFolder() const;
    QString sessionId() const { return m_sessionId; }

    // Writes the request and runs the worker until it ends. exitCode is the
    // worker's own when the outcome is Finished.
    Outcome run(const QString &command, const QJsonObject &request, int &exitCode);
    // The worker's response; false when it left none.
    bool readResponse(QJsonObject &response) const;
    // How many files an interrupted run had written and were removed.
    int removedCount() const { return m_removedCount; }

private:
    QString requestPath() const;
    QString responsePath() const;
    void readProgress(const QByteArray &output);

    ProgressLine &m_progress;
    QTemporaryDir m_session;
    QString m_sessionId;
    QByteArray m_pendingOutput;
    int m_removedCount = 0;
};

#endif
