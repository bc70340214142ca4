#ifndef CLEAVEMARK_WORKER_FAILURECAUSE_H
#define CLEAVEMARK_WORKER_FAILURECAUSE_H

#include <QString>

// A JobCause for the PDF engine's error code after a document could not be
// read (opened, decrypted, its pages extracted).
int readFailureCause(int engineCode);

// A JobCause for the PDF engine's error code after a file in folder could
// not be written: a full disk, a folder that is missing or read-only, or
// some other failure.
int writeFailureCause(int engineCode, const QString &folder);

// After a step that reads a document and writes a file into folder: the
// read cause when the code tells one, else the write cause.
int readOrWriteFailureCause(int engineCode, const QString &folder);

#endif
