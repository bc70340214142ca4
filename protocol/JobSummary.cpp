#include "protocol/JobSummary.h"

#include "pdf/PageRangeText.h"

#include <QStringList>

namespace {

QString quoted(const QString &text)
{
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString rangesText(const PageRangeList &ranges)
{
    if (ranges.isEmpty())
        return QStringLiteral("0 ranges");
    return QStringLiteral("%1 ranges (first %2, last %3)")
        .arg(ranges.size())
        .arg(pageRangeText(ranges.first()), pageRangeText(ranges.last()));
}

template<typename List, typename Text>
QString firstAndLast(const List &list, Text text)
{
    if (list.isEmpty())
        return QString();
    return QStringLiteral(" (first %1, last %2)").arg(text(list.first()), text(list.last()));
}

// What the outputs get besides their pages.
QStringList outputFlags(const OutputOptions &options)
{
    QStringList flags;
    if (options.compressFile)
        flags << QStringLiteral("compress");
    if (options.optimise == Optimisation::Lossless)
        flags << QStringLiteral("optimise lossless");
    if (options.optimise == Optimisation::Images)
        flags << QStringLiteral("optimise images above %1 dpi").arg(options.imageDpiLimit);
    if (!options.password.trimmed().isEmpty())
        flags << QStringLiteral("password");
    if (options.permissions().contains(false))
        flags << QStringLiteral("restricted permissions");
    if (!(options.author.isEmpty() && options.title.isEmpty() && options.creator.isEmpty()
          && options.producer.isEmpty()))
        flags << QStringLiteral("properties");
    return flags;
}

QString flagsText(const QStringList &flags)
{
    return QStringLiteral("flags: ") + (flags.isEmpty() ? QStringLiteral("none") : flags.join(QStringLiteral(", ")));
}

} // namespace

QString describeSplitRequest(const SplitRequest &request)
{
    QStringList flags = outputFlags(request);
    if (!request.filePassword.isEmpty())
        flags << QStringLiteral("source password");
    if (request.hasSecurity)
        flags << QStringLiteral("source security");
    if (!request.outPrefix.isEmpty())
        flags << QStringLiteral("name template ") + quoted(request.outPrefix);
    if (request.mode == SplitRequest::Parts)
        flags << QStringLiteral("%1 parts").arg(request.parts.size());
    if (!request.rotations.isEmpty())
        flags << QStringLiteral("%1 rotated pages").arg(request.rotations.size());
    return QStringLiteral("mode %1, source %2, %3 pages, %4, output folder %5, %6")
        .arg(QString::number(request.mode), quoted(request.fileName), QString::number(request.pageCount),
             rangesText(request.ranges), quoted(request.outDirectory), flagsText(flags));
}

QString describeMergeRequest(const MergeRequest &request)
{
    int pages = 0;
    int ranges = 0;
    int locked = 0;
    for (const MergeItem &item : request.tasks) {
        pages += item.pageCount;
        ranges += item.pageRanges.size();
        locked += item.hasPassword || item.hasSecurity ? 1 : 0;
    }
    QStringList flags = outputFlags(request);
    if (locked > 0)
        flags << QStringLiteral("%1 sources with password or security").arg(locked);
    const QString documents = QStringLiteral("%1 documents").arg(request.tasks.size())
        + firstAndLast(request.tasks, [](const MergeItem &item) { return quoted(item.fullPath); });
    return QStringLiteral("%1, %2 pages, %3 ranges, output file %4, %5")
        .arg(documents, QString::number(pages), QString::number(ranges), quoted(request.saveFileName),
             flagsText(flags));
}

QString describeSplitResponse(const SplitResponse &response)
{
    return QStringLiteral("error code %1, %2 files").arg(response.errorCode).arg(response.files.size())
        + firstAndLast(response.files, quoted);
}

QString describeMergeResponse(const MergeResponse &response)
{
    QString text = QStringLiteral("error code %1, %2 files").arg(response.errorCode)
                       .arg(response.mergedFileName.isEmpty() ? 0 : 1);
    if (!response.mergedFileName.isEmpty())
        text += QStringLiteral(", merged file ") + quoted(response.mergedFileName);
    if (!response.errorFileName.isEmpty())
        text += QStringLiteral(", failed on ") + quoted(response.errorFileName);
    if (!response.damagedPages.isEmpty())
        text += QStringLiteral(", %1 pages with damaged content").arg(response.damagedPages.size());
    return text;
}
