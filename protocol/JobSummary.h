#ifndef CLEAVEMARK_PROTOCOL_JOBSUMMARY_H
#define CLEAVEMARK_PROTOCOL_JOBSUMMARY_H

#include "protocol/JobFiles.h"

#include <QString>

// One log line for a whole request or response, however many ranges,
// documents or files it holds: the counts with the first and the last of
// each list. Passwords are never written, only whether one is set.
//
//   mode 0, source '/in/a.pdf', 12 pages, 12 ranges (first 1, last 12),
//   output folder '/out', flags: compress, password
QString describeSplitRequest(const SplitRequest &request);
QString describeMergeRequest(const MergeRequest &request);
QString describeSplitResponse(const SplitResponse &response);
QString describeMergeResponse(const MergeResponse &response);

#endif
