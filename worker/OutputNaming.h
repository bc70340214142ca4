#ifndef CLEAVEMARK_WORKER_OUTPUTNAMING_H
#define CLEAVEMARK_WORKER_OUTPUTNAMING_H

#include <QDateTime>
#include <QString>

// Names of the files a split produces.
//
// A template's tags are replaced in this order, matching case exactly, and
// text inserted by one step takes part in the later steps:
//   [COUNTER]  the counter label          [DATENOW]  the job's date, yyyyMMdd
//   [PAGE]     the page label             [TIMENOW]  the job's time, hhmmss
//   [BASENAME] the source's base name     [UNIQUE]   one braced UUID per expansion
QString expandTemplate(const QString &templ, const QString &counterLabel, const QString &pageLabel,
                       const QString &baseName, const QDateTime &dateTime);

// "7" or "3-9", each number left-padded with "0" to pageWidth digits.
QString pageLabel(int from, int to, int pageWidth);

// k left-padded with "0" to counterWidth digits.
QString counterLabel(int k, int counterWidth);

// Decimal digits of n; 0 for 0, so that no padding applies.
int digitCount(int n);

// The source's file name without its last extension ("a.b" for "a.b.pdf").
QString baseNameOf(const QString &sourcePath);

// The longest file name, in bytes of its encoded form, that the file
// systems we write to take.
constexpr int maxFileNameBytes = 255;

// The bytes the name takes on disk.
int fileNameBytes(const QString &name);

// The name of one range's output: "<base>_p<page label>.pdf" for an empty
// template, else the expanded template followed by ".pdf". A name that would
// be longer than maxBytes is shortened in the base name's part, so that the
// page label, counter, date and extension stay; a template too long even
// without the base name is cut at the end of its text, before ".pdf".
QString rangeOutputName(const QString &templ, const QString &counterLabel, const QString &pageLabel,
                        const QString &baseName, const QDateTime &dateTime,
                        int maxBytes = maxFileNameBytes);

// The single output of the page-removal mode: "<base>_edited_yyyyMMdd_hhmmss.pdf",
// its base name shortened like rangeOutputName's.
QString editedOutputName(const QString &baseName, const QDateTime &dateTime,
                         int maxBytes = maxFileNameBytes);

// False for a name that would not stay a plain file name inside the output
// folder: empty, containing "/" or a NUL character, or "." or "..".
bool isUsableFileName(const QString &name);

#endif
