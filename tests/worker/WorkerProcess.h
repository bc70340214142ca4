#pragma once

#include "tests/support/TestEnv.h"
#include "protocol/JobFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

// Runs the built sheafrun as the GUI does and collects what it leaves behind.
struct WorkerRun
{
    bool finished = false;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int exitCode = -1;
    QStringList outputLines;   // standard output, one entry per line
    QString errorText;         // standard error
};

inline WorkerRun runWorker(const QStringList &arguments, int timeoutMs = 120000)
{
    WorkerRun run;
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(binPath("sheafrun"), arguments);
    run.finished = process.waitForFinished(timeoutMs);
    run.exitStatus = process.exitStatus();
    run.exitCode = process.exitCode();
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    run.outputLines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.errorText = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The cache folder a worker started from a test uses for temporaries without
// a session folder (the test harness gives every test its own TMPDIR).
inline QString workerCacheFolder()
{
    return QDir::tempPath() + QStringLiteral("/.Tessaly Cleavemark/cache");
}

// Every file below the folder, as paths relative to it.
inline QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline SplitResponse readSplitResponse(const QString &path)
{
    QJsonObject object;
    readResponseData(path, object);
    return SplitResponse::fromJson(object);
}

inline MergeResponse readMergeResponse(const QString &path)
{
    QJsonObject object;
    readResponseData(path, object);
    return MergeResponse::fromJson(object);
}

// The texts a generated document's pages carry: "Page 1" ... "Page N".
inline QStringList pageList(int first, int last)
{
    QStringList texts;
    for (int page = first; page <= last; ++page)
        texts.append(QStringLiteral("Page %1").arg(page));
    return texts;
}

inline QStringList fileNames(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths)
        names.append(QFileInfo(path).fileName());
    return names;
}

inline MergeItem mergeItem(const QString &path, int order, const PageRangeList &ranges = {}, bool reverse = false)
{
    MergeItem item;
    item.fullPath = path;
    item.order = order;
    item.pageRanges = ranges;
    item.reversePages = reverse;
    return item;
}

// Whether qpdf finds the file's structure sound.
inline bool passesCheck(const QString &path)
{
    QProcess check;
    check.start("qpdf", {"--check", path});
    return check.waitForFinished(60000) && check.exitCode() == 0;
}
