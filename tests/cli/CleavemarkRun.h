#pragma once

#include "tests/support/TestEnv.h"

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What one run of cleavemark gave back.
struct CleavemarkRun
{
    int exitCode = -1;   // -1 when it crashed or did not end in time
    QStringList lines;   // standard output, one entry a line
    QString errors;      // standard error
    QByteArray output;
};

// Runs the built cleavemark with the arguments, the environment given on top
// of this one, and nothing on its standard input.
inline CleavemarkRun cleavemark(const QStringList &arguments, const QMap<QString, QString> &environment = {},
                                int timeLimitMs = 120000)
{
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (auto it = environment.cbegin(); it != environment.cend(); ++it)
        variables.insert(it.key(), it.value());
    process.setProcessEnvironment(variables);
    process.start(binPath(QStringLiteral("cleavemark")), arguments);
    process.closeWriteChannel();
    CleavemarkRun run;
    if (!process.waitForFinished(timeLimitMs))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.output = process.readAllStandardOutput();
    run.lines = QString::fromUtf8(run.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}
