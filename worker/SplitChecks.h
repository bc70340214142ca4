#pragma once

#include "protocol/JobFiles.h"

// What a split request may ask for, checked before the engine writes
// anything: a request that fails here is refused whole, never written in
// part. Each check gives SplitErrors::NoError or the code of the refusal.
namespace SplitChecks {

// What can be told without the document: parts that hold no pages, angles
// other than 90, 180 and 270, a page rotated twice, a page number below 1.
int requestProblem(const SplitRequest &request);

// Parts or rotations that name a page beyond the document's last.
int pageProblem(const SplitRequest &request, int pageCount);

// The log line that tells why the request was refused.
QString problemText(int errorCode);

} // namespace SplitChecks
