#include "split/SplitMessages.h"

#include "jobs/OutcomeText.h"
#include "jobs/Split.h"
#include "protocol/JobErrors.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString withCause(const QString &sentence, int cause, const QString &causeDetail = QString())
{
    const QString because = OutcomeText::causeText(cause, causeDetail);
    return because.isEmpty() ? sentence + QLatin1Char('.') : sentence + QStringLiteral(": ") + because + QLatin1Char('.');
}

} // namespace

QString SplitMessages::failureText(int errorCode, int cause, const QString &fileName, const QString &folder,
                                  const QString &causeDetail)
{
    const QString name = QFileInfo(fileName).fileName();
    const QString where = QDir::toNativeSeparators(folder);
    switch (errorCode) {
    case SplitErrors::SourceNotFound:
    case SplitErrors::EditedSourceNotFound:
        return name.isEmpty() ? tr("The document to split was not found.")
                              : tr("%1 was not found.").arg(name);
    case SplitErrors::DecryptionFailed:
        return name.isEmpty() ? tr("The document could not be opened: the password is wrong.")
                              : withCause(tr("%1 could not be opened").arg(name),
                                          cause ? cause : int(JobCause::Password), causeDetail);
    case SplitErrors::EditedFileNotSaved:
    case SplitErrors::PagesNotExtracted:
    case SplitErrors::NoRangeExtracted:
        if (where.isEmpty() || cause == JobCause::Unknown)
            return tr("The pages could not be written to the output folder.");
        if (cause == JobCause::Password || cause == JobCause::Unreadable || cause == JobCause::StructureDamaged)
            return withCause(tr("The pages of %1 could not be read").arg(name), cause, causeDetail);
        return withCause(tr("The pages could not be written to %1").arg(where), cause);
    case SplitErrors::NoBookmarksAtLevel:
        return tr("The document has no bookmarks at the chosen level.");
    case SplitErrors::NoSizeLimit:
        return tr("Enter the largest file size the pieces may have.");
    case SplitErrors::EmptyPart:
        return tr("A part has no pages. Give every part at least one page.");
    case SplitErrors::PageOutsideDocument:
        return name.isEmpty() ? tr("A part or a rotation names a page that the document does not have.")
                              : tr("A part or a rotation names a page that %1 does not have.").arg(name);
    case SplitErrors::UnsupportedRotation:
        return tr("Pages can only be turned by 90, 180 or 270 degrees.");
    case SplitErrors::PageRotatedTwice:
        return tr("A page was given two rotations. Give each page one.");
    case JobError::WorkerNotStarted:
        return tr("The split program could not be started.");
    case JobError::NoResponse:
        return tr("The split program ended without telling its result.");
    case JobError::WorkerCrashed:
        return tr("The split program crashed.");
    case JobError::Canceled:
        return tr("Split canceled");
    default:
        return tr("The split program stopped unexpectedly (code %1).").arg(errorCode);
    }
}

QString SplitMessages::canceledText(int removedCount)
{
    if (removedCount == 0)
        return tr("The split was stopped before any file was written.");
    return tr("The split was stopped. The %n file(s) it had written were removed.", "", removedCount);
}

QString SplitMessages::missingText(int failedCount, int cause)
{
    return withCause(tr("%n file(s) could not be written", "", failedCount), cause);
}

QString SplitMessages::unusableText(const QString &path, int problem, int engineCode, const QString &engineDetail)
{
    const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
    switch (problem) {
    case Split::Missing:
        return tr("%1 does not exist.").arg(QDir::toNativeSeparators(path));
    case Split::Unreadable:
        return tr("%1 cannot be opened: %2.").arg(name, OutcomeText::unreadableReason(engineCode, engineDetail));
    case Split::NoPages:
        return tr("%1 has no pages: there is nothing to split.").arg(name);
    default:
        return tr("%1 has only one page: there is nothing to split.").arg(name);
    }
}

QString SplitMessages::pageProblem(int page, int pageCount, bool listed, bool lastPageLeft)
{
    if (page < 1)
        return tr("Pages start at 1.");
    if (page > pageCount)
        return tr("The document has only %n page(s).", "", pageCount);
    if (listed)
        return tr("Page %1 is already in the list.").arg(page);
    if (lastPageLeft)
        return tr("At least one page must stay.");
    return QString();
}

QString SplitMessages::typedPagesProblem(RangeTextError error, const QString &text, int pageCount)
{
    static const QRegularExpression pageZero(QStringLiteral("(^|\\D)0+(\\D|$)"));
    switch (error) {
    case RangeTextError::None:
        return QString();
    case RangeTextError::OutOfRange:
        return text.contains(pageZero) ? tr("Pages start at 1.")
                                       : tr("The document has only %n page(s).", "", pageCount);
    case RangeTextError::Syntax:
        break;
    }
    return tr("Type pages as 3-5,7 or 8- or -4.");
}

QString SplitMessages::groupProblem(int size, int startPage, int pageCount)
{
    if (size < 1)
        return tr("A group holds at least one page.");
    return pageProblem(startPage, pageCount, false, false);
}

QString SplitMessages::rangeProblem(int from, int to, int pageCount, bool listed)
{
    if (from < 1 || to < 1)
        return tr("Pages start at 1.");
    if (from > pageCount || to > pageCount)
        return tr("The document has only %n page(s).", "", pageCount);
    if (to < from)
        return tr("The range ends before it starts.");
    if (listed)
        return tr("This range is already in the list.");
    return QString();
}
