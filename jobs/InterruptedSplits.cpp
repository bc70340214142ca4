#include "jobs/InterruptedSplits.h"

#include "common/FileUtils.h"
#include "jobs/SessionFolder.h"
#include "protocol/OutputJournal.h"

#include <QDir>
#include <QFileInfo>

QList<InterruptedSplit> InterruptedSplit::find()
{
    QList<InterruptedSplit> found;
    const QString cache = cacheFolder();
    if (cache.isEmpty())
        return found;
    const QFileInfoList sessions = QDir(cache).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Time);
    for (const QFileInfo &session : sessions) {
        const QString path = session.absoluteFilePath();
        const QString journal = OutputJournal::pathFor(path, session.fileName());
        if (session.isSymLink() || !QFileInfo::exists(journal) || SessionFolder::isBusy(path))
            continue;
        const OutputJournal::Contents contents = OutputJournal::read(journal);
        InterruptedSplit split{path, journal, contents.source, contents.files, QString()};
        if (split.files.isEmpty()) {
            // Nothing was left behind: nothing to ask about.
            split.forget();
            continue;
        }
        split.folder = QFileInfo(split.files.first()).absolutePath();
        found.append(split);
    }
    return found;
}

int InterruptedSplit::removeFiles() const
{
    return OutputJournal::undo(journal);
}

void InterruptedSplit::forget() const
{
    removeFolder(session);
}
