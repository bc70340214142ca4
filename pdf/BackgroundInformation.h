#pragma once

#include "pdf/DocumentInformation.h"
#include "pdf/InformationWorker.h"

#include <QString>

// What reading a document's information on a thread of its own found.
struct BackgroundInformation
{
    bool finished = false;        // false: it took longer than allowed
    DocumentInformation info;
    AddErrors error = AddCannotOpen;
    int engineError = 0;
};

// Reads a document's information (outline included) on a thread of its own,
// with a PDF service of its own, while the caller's event loop goes on
// painting the window; user input waits until it is done. A document that
// takes longer than the time limit is left to its thread and reported
// unfinished.
BackgroundInformation readInformationInBackground(const QString &path, const QString &password,
                                                  int timeLimitMs);
