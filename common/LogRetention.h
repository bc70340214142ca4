#ifndef CLEAVEMARK_COMMON_LOGRETENTION_H
#define CLEAVEMARK_COMMON_LOGRETENTION_H

#include <QDate>
#include <QString>
#include <QtGlobal>

// Keeps the log folder small. Each program calls it once at start: the daily
// files ("log_yyyy_MM_dd.txt") dated more than keepDays before today go, and
// while the daily files together hold more than maxBytes, the oldest go
// first. Other files in the folder are never touched.
struct LogRetention
{
    static constexpr int DefaultKeepDays = 14;
    static constexpr qint64 DefaultMaxBytes = 20 * 1024 * 1024;

    int keepDays = DefaultKeepDays;
    qint64 maxBytes = DefaultMaxBytes;

    // Returns the number of files removed.
    int prune(const QString &folder, const QDate &today) const;
};

#endif
