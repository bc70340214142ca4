#ifndef CLEAVEMARK_DIALOGS_SIZESUMMARY_H
#define CLEAVEMARK_DIALOGS_SIZESUMMARY_H

#include <QCoreApplication>
#include <QString>

// What a finished job wrote, told in its result message: "3 files, 1.2 MB",
// or with optimising "Merged: 4.1 MB → 0.7 MB". The sizes come formatted in
// the user's locale; the words are translated whenever the text is made.
class SizeSummary
{
    Q_DECLARE_TR_FUNCTIONS(SizeSummary)

public:
    QString written;          // all files written
    QString before;           // the same without optimising; empty when not optimised
    int imagesChanged = 0;
    int imagesLeft = 0;

    bool isEmpty() const { return written.isEmpty(); }
    // For a split of files; for the merged file when files is 0.
    QString text(int files) const;
};

#endif
