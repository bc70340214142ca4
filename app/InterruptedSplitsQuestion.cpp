#include "app/InterruptedSplitsQuestion.h"

#include "dialogs/FileManager.h"
#include "dialogs/MessageQuestion.h"
#include "jobs/InterruptedSplits.h"

#include <QDir>
#include <QFileInfo>

void InterruptedSplitsQuestion::askAll(QWidget *parent)
{
    const QList<InterruptedSplit> splits = InterruptedSplit::find();
    for (const InterruptedSplit &split : splits) {
        switch (ask(split, parent)) {
        case OpenFolder:
            FileManager::openFolderAndSelect(split.files.last(), parent);
            break;
        case RemoveThem:
            split.removeFiles();
            break;
        case Keep:
            break;
        }
        split.forget();
    }
}

InterruptedSplitsQuestion::Answer InterruptedSplitsQuestion::ask(const InterruptedSplit &split, QWidget *parent)
{
    const QString source = split.source.isEmpty() ? tr("a document") : QFileInfo(split.source).fileName();
    const QString text = tr("An earlier split of %1 was interrupted: %n file(s) were written to %2", "",
                            split.files.size())
                             .arg(source, QDir::toNativeSeparators(split.folder));
    // Closing the question keeps the files: nothing goes that was not chosen.
    MessageQuestion question(tr("Interrupted split"), text, Keep, parent);
    question.addAnswer(tr("OPEN FOLDER"), OpenFolder);
    question.addAnswer(tr("REMOVE THEM"), RemoveThem);
    question.addAnswer(tr("KEEP"), Keep, true);
    return Answer(question.exec());
}
