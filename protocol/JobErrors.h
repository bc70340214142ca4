#ifndef CLEAVEMARK_PROTOCOL_JOBERRORS_H
#define CLEAVEMARK_PROTOCOL_JOBERRORS_H

// The error code of a finished job, as the desktop program reports it:
//
//   0                 success
//   1 .. 12           the engine's own codes, from the worker's response or its
//                     exit code: SplitErrors::ErrorCode, MergeErrors::ErrorCode
//   other non-zero    the worker exited with some other code of its own
//   200 .. 203        the codes below, which no worker ever produces: the
//                     desktop program sets them when the worker gave no
//                     answer or was ended by a signal. A signal's number is
//                     never passed on as the code: SIGABRT (6) would read as
//                     the split engine's "no range extracted".
//
// The PDF engine's codes (PdfEngine::ErrorCode, 401 and up) stay inside the
// worker and never reach a job's result.

// The split engine's codes (SplitEngine has them as its own).
struct SplitErrors
{
    enum ErrorCode {
        NoError = 0,
        SourceNotFound = 1,            // mode 0
        DecryptionFailed = 2,          // mode 0, nothing could be extracted
        EditedSourceNotFound = 3,      // mode 1
        EditedFileNotSaved = 4,        // mode 1
        PagesNotExtracted = 5,         // mode 1
        NoRangeExtracted = 6,          // modes 0, 2, 3
        NoBookmarksAtLevel = 7,        // mode 2: no bookmark of the level leads to a page
        NoSizeLimit = 8,               // mode 3: no size limit above 0
        // A request the engine refuses before it writes anything:
        EmptyPart = 9,                 // mode 4: no parts, or a part without pages
        PageOutsideDocument = 10,      // a part or a rotation names a page the document lacks
        UnsupportedRotation = 11,      // a rotation's angle is not 90, 180 or 270
        PageRotatedTwice = 12          // two rotations name the same page
    };
};

// The merge engine's codes (MergeEngine has them as its own).
struct MergeErrors
{
    enum ErrorCode {
        NoError = 0,
        NothingToMerge = 1,       // no items, or no save file name
        AppendFailed = 2,
        PropertiesNotSet = 3,
        SaveFailed = 4,
        DecryptionFailed = 5,
        RangesNotCut = 6,         // also: the finished document has no pages
        CompressionFailed = 7
    };
};

namespace JobError {

enum Code {
    WorkerNotStarted = 200,   // the worker program is missing or could not be run
    NoResponse = 201,         // the worker exited with 0 but left no readable response
    WorkerCrashed = 202,      // the worker was ended by a signal nobody asked for
    Canceled = 203            // the user stopped the job; the launcher killed the worker
};

} // namespace JobError

// Why a job, or a part of it, failed, as far as the worker can tell; it
// travels in the response's "error_cause" beside the error code, so that the
// desktop program can say what the user can do about it.
namespace JobCause {

enum Cause {
    Unknown = 0,        // not told apart from other failures
    WriteFailed = 1,    // the output could not be written, for no reason known
    NotWritable = 2,    // the output folder is missing or may not be written to
    DiskFull = 3,       // no space left where the output goes
    Password = 4,       // the document's password is missing or wrong
    Unreadable = 5,     // the document is no PDF, is damaged, or went away
    UnusableName = 6,   // the output name cannot be a file name (e.g. "/" in a template)
    StructureDamaged = 7 // a PDF document whose structure recovery could not rebuild; "error_detail" says why
};

} // namespace JobCause

#endif
