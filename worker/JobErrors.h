#ifndef CLEAVEMARK_WORKER_JOBERRORS_H
#define CLEAVEMARK_WORKER_JOBERRORS_H

// The error code of a finished job, as the desktop program reports it:
//
//   0                 success
//   1 .. 7            the engine's own codes, from the worker's response or its
//                     exit code: SplitEngine::ErrorCode, MergeEngine::ErrorCode
//   other non-zero    the worker ended some other way; a worker killed by a
//                     signal (a cancel, a crash) reports the signal's number
//   200, 201          the codes below, which no worker ever produces: the
//                     desktop program sets them when the worker gave no answer
//
// The PDF engine's codes (PdfEngine::ErrorCode, 401 and up) stay inside the
// worker and never reach a job's result.
namespace JobError {

enum Code {
    WorkerNotStarted = 200,   // the worker program is missing or could not be run
    NoResponse = 201          // the worker exited with 0 but left no readable response
};

} // namespace JobError

#endif
