#include "merge/MergeMessages.h"

#include "jobs/OutcomeText.h"
#include "protocol/JobErrors.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

QString MergeMessages::unmergeableQuestion(const MergeItemList &rows)
{
    QStringList lines;
    for (const MergeModelItem &row : rows)
        lines << MergeModel::problemText(row);
    return tr("%n document(s) cannot be merged:", "", rows.size()) + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}

QString MergeMessages::unmergeableClosing()
{
    return tr("Remove them from the list, or merge the others without them?");
}

QString MergeMessages::leftOutList(const QList<LeftOutDocument> &leftOut)
{
    QStringList parts;
    for (const LeftOutDocument &document : leftOut) {
        switch (document.reason) {
        case LeftOutDocument::Skipped:
            parts << tr("%1 (skipped)").arg(document.fileName);
            break;
        case LeftOutDocument::Unreadable:
            parts << tr("%1 (cannot be read)").arg(document.fileName);
            break;
        case LeftOutDocument::NoPages:
            parts << tr("%1 (no pages)").arg(document.fileName);
            break;
        }
    }
    return parts.join(QStringLiteral(", "));
}

QString MergeMessages::summary(int documentCount, const QList<LeftOutDocument> &leftOut)
{
    const int merged = documentCount - leftOut.size();
    return tr("%1 of %n document(s) merged; left out: %2.", "", documentCount)
        .arg(merged)
        .arg(leftOutList(leftOut));
}

QString MergeMessages::damagedPagesText(const QList<DamagedPage> &pages)
{
    constexpr int NamedPages = 10;
    QStringList named;
    for (int i = 0; i < pages.size() && i < NamedPages; ++i)
        named << tr("%1 page %2").arg(QFileInfo(pages.at(i).fileName).fileName()).arg(pages.at(i).page);
    QString list = named.join(QStringLiteral(", "));
    if (pages.size() > NamedPages)
        list = tr("%1 and %n more", "", int(pages.size()) - NamedPages).arg(list);
    return tr("%n page(s) carry damaged content from their source: %1.", "", int(pages.size())).arg(list);
}

QString MergeMessages::nothingMergedText(const QList<LeftOutDocument> &leftOut)
{
    return tr("Nothing was merged; left out: %1.").arg(leftOutList(leftOut));
}

QString MergeMessages::failureText(int errorCode, int cause, const QString &errorFileName,
                                   const QString &saveFileName, const QString &causeDetail)
{
    const QString document = QFileInfo(errorFileName).fileName();
    const QString because = OutcomeText::causeText(cause, causeDetail);
    if (errorCode == MergeErrors::SaveFailed || (document.isEmpty() && !because.isEmpty())) {
        const QString folder = QDir::toNativeSeparators(QFileInfo(saveFileName).absolutePath());
        const QString sentence = tr("%1 could not be written to %2").arg(QFileInfo(saveFileName).fileName(), folder);
        return because.isEmpty() ? sentence + QLatin1Char('.') : sentence + QStringLiteral(": ") + because + QLatin1Char('.');
    }
    if (!document.isEmpty()) {
        const QString sentence = tr("%1 could not be merged").arg(document);
        return because.isEmpty() ? sentence + QLatin1Char('.') : sentence + QStringLiteral(": ") + because + QLatin1Char('.');
    }
    switch (errorCode) {
    case JobError::WorkerNotStarted:
        return tr("The merge program could not be started.");
    case JobError::NoResponse:
        return tr("The merge program ended without telling its result.");
    case JobError::WorkerCrashed:
        return tr("The merge program crashed.");
    default:
        return tr("Merge files failed (code %1).").arg(errorCode);
    }
}

QString MergeMessages::clearQuestion(int rowCount)
{
    return tr("Remove all %n document(s) from the merge list?", "", rowCount);
}
