#pragma once

#include "common/Logger.h"

#include <QString>

// The engines' lines in the worker's log: what each step did and how it ended.
inline void engineLog(const QString &message, LogLevel level = LogDebug)
{
    Logger::instance().log(message, level);
}
