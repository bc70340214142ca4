#ifndef CLEAVEMARK_APP_INTERRUPTEDSPLITSQUESTION_H
#define CLEAVEMARK_APP_INTERRUPTEDSPLITSQUESTION_H

#include <QCoreApplication>

class QWidget;
struct InterruptedSplit;

// At start, tells of each split that an earlier run of the program left
// unfinished (its worker killed, or the program itself ended), with what
// it had written, and does what the user answers: open the folder, remove
// the files, or keep them. Asked once: the split is forgotten afterwards.
class InterruptedSplitsQuestion
{
    Q_DECLARE_TR_FUNCTIONS(InterruptedSplitsQuestion)

public:
    enum Answer { Keep = 0, OpenFolder = 1, RemoveThem = 2 };

    static void askAll(QWidget *parent);
    static Answer ask(const InterruptedSplit &split, QWidget *parent);
};

#endif
