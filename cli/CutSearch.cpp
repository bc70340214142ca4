#include "cli/CutSearch.h"

#include "cli/ExitCode.h"
#include "cli/JobRunner.h"
#include "cli/ProgressLine.h"
#include "pdf/CutFinder.h"
#include "pdf/RenderProtocol.h"
#include "protocol/CutPlan.h"
#include "protocol/PartNames.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <cstdio>

namespace {

const QString atBlank = QStringLiteral("at-blank");
const QString atText = QStringLiteral("at-text");
const QString atCode = QStringLiteral("at-code");
const QString codePrefix = QStringLiteral("code-prefix");

// How often the search looks at Ctrl+C.
constexpr int PollIntervalMs = 50;

QString plural(int count, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? one : many);
}

bool readBlankOptions(const QCommandLineParser &parser, BlankOptions &blank, QString &error)
{
    bool ok = true;
    if (parser.isSet(QStringLiteral("blank-speck"))) {
        blank.speckMm = parser.value(QStringLiteral("blank-speck")).toDouble(&ok);
        if (!ok || !(blank.speckMm > 0 && blank.speckMm <= 20)) {
            error = QStringLiteral("--blank-speck takes a size in millimetres, above 0 and at most 20");
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("blank-darkness"))) {
        const int percent = parser.value(QStringLiteral("blank-darkness")).toInt(&ok);
        if (!ok || percent < 1 || percent > 100) {
            error = QStringLiteral("--blank-darkness takes a percentage, 1-100");
            return false;
        }
        blank.darkness = qRound(percent * 2.55);
    }
    return true;
}

CutOptions cutOptions(const QCommandLineParser &parser)
{
    const CutOptions::Way way = parser.isSet(atBlank) ? CutOptions::Way::AtBlank
                                : parser.isSet(atText) ? CutOptions::Way::AtText
                                                       : CutOptions::Way::AtCode;
    CutOptions options = CutOptions::defaultsFor(way);
    if (parser.isSet(QStringLiteral("cut-after")))
        options.side = CutOptions::Side::After;
    if (parser.isSet(QStringLiteral("keep-blank")) || parser.isSet(QStringLiteral("keep-separator")))
        options.leaveOut = false;
    if (parser.isSet(QStringLiteral("drop-separator")))
        options.leaveOut = true;
    options.duplex = parser.isSet(QStringLiteral("duplex"));
    options.codePrefix = parser.value(codePrefix);
    return options;
}

// Has the renderer look at every page; false when Ctrl+C stopped it.
bool readPages(const QString &source, const QString &password, int pageCount, const PageFactsQuery &query,
               bool quiet, PageFactsList &facts)
{
    ProgressLine progress(!quiet, pageCount);
    CutFinder finder(RenderProtocol::rendererProgram());
    QEventLoop loop;
    QObject::connect(&finder, &CutFinder::progressed, &loop, [&](int done, int total) {
        progress.setPercentage(100.0 * done / qMax(1, total));
    });
    QObject::connect(&finder, &CutFinder::finished, &loop, [&](const PageFactsList &found) {
        facts = found;
        loop.quit();
    });
    QTimer interrupts;
    QObject::connect(&interrupts, &QTimer::timeout, &loop, [&] {
        progress.tick();
        if (JobRunner::wasInterrupted()) {
            finder.cancel();
            loop.quit();
        }
    });
    interrupts.start(PollIntervalMs);
    finder.start(source, password, pageCount, query);
    if (finder.isRunning())
        loop.exec();
    progress.clear();
    return !JobRunner::wasInterrupted();
}

// What was found, on standard error: the parts, the pages left out, and
// the pages that could not be looked at as asked.
void tell(const QString &source, const FoundCuts &cuts, const PageFactsList &facts, const CutOptions &options)
{
    const auto pages = [](int count, const char *what) {
        return plural(count, QStringLiteral("page"), QStringLiteral("pages")) + QLatin1String(what);
    };
    QStringList found{plural(cuts.parts.size(), QStringLiteral("part"), QStringLiteral("parts")) + " found"};
    if (cuts.leftOutPages > 0)
        found << pages(cuts.leftOutPages, " left out");
    const int withoutText = CutPlan::withoutTextCount(facts);
    if (options.way == CutOptions::Way::AtText && withoutText > 0)
        found << pages(withoutText, " without text");
    const int unreadable = CutPlan::unreadableCount(facts);
    if (unreadable > 0)
        found << pages(unreadable, " that could not be read, taken as not blank, without text or code");
    std::fprintf(stderr, "cleavemark: %s: %s\n", qUtf8Printable(source),
                 qUtf8Printable(found.join(QStringLiteral(", "))));
}

} // namespace

namespace CutSearch {

QStringList withCodePrefix(const QStringList &arguments)
{
    QStringList result;
    const QString withValue = QStringLiteral("--") + atCode + QLatin1Char('=');
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            return result + arguments.mid(i);
        if (argument.startsWith(withValue))
            result << QStringLiteral("--") + atCode << QStringLiteral("--") + codePrefix
                   << argument.mid(withValue.size());
        else
            result << argument;
    }
    return result;
}

void addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {atBlank, QStringLiteral("One file per part between blank pages, which are left out.")},
        {QStringLiteral("keep-blank"), QStringLiteral("With --at-blank: keep the blank pages in the parts.")},
        {QStringLiteral("duplex"), QStringLiteral("With --at-blank: a blank back of a sheet is left out "
                                                  "without a cut.")},
        {QStringLiteral("blank-speck"), QStringLiteral("With --at-blank: marks smaller than this many "
                                                       "millimetres are specks (default 1)."),
         QStringLiteral("MM")},
        {QStringLiteral("blank-darkness"), QStringLiteral("With --at-blank: how much darker than the paper a "
                                                          "mark is, in percent (default 25)."),
         QStringLiteral("PERCENT")},
        {atText, QStringLiteral("A new part at each page whose text holds the phrase (whole words, any "
                                "case)."),
         QStringLiteral("PHRASE")},
        {atCode, QStringLiteral("A new part at each page with a barcode or QR code; --at-code=PREFIX: "
                                "only codes that begin with PREFIX. The code pages are left out.")},
        {codePrefix, QStringLiteral("With --at-code: only codes that begin with PREFIX."), QStringLiteral("PREFIX")},
        {QStringLiteral("cut-after"), QStringLiteral("The page that marks a cut ends a part, instead of "
                                                     "beginning the next.")},
        {QStringLiteral("keep-separator"), QStringLiteral("Keep the pages that mark the cuts in the parts.")},
        {QStringLiteral("drop-separator"), QStringLiteral("Leave the pages that mark the cuts out.")},
    });
}

QStringList ways()
{
    return {atBlank, atText, atCode};
}

bool isChosen(const QCommandLineParser &parser)
{
    return parser.isSet(atBlank) || parser.isSet(atText) || parser.isSet(atCode);
}

bool checkOptions(const QCommandLineParser &parser, QString &error)
{
    const struct
    {
        QString option;
        QStringList ways;
    } belongings[] = {
        {QStringLiteral("keep-blank"), {atBlank}},
        {QStringLiteral("duplex"), {atBlank}},
        {QStringLiteral("blank-speck"), {atBlank}},
        {QStringLiteral("blank-darkness"), {atBlank}},
        {codePrefix, {atCode}},
        {QStringLiteral("cut-after"), ways()},
        {QStringLiteral("keep-separator"), ways()},
        {QStringLiteral("drop-separator"), ways()},
    };
    for (const auto &belonging : belongings) {
        if (!parser.isSet(belonging.option))
            continue;
        bool chosen = false;
        for (const QString &way : belonging.ways)
            chosen = chosen || parser.isSet(way);
        if (!chosen) {
            error = QStringLiteral("--%1 goes with --%2")
                        .arg(belonging.option, belonging.ways.join(QStringLiteral(", --")));
            return false;
        }
    }
    if (parser.isSet(QStringLiteral("drop-separator"))
        && (parser.isSet(QStringLiteral("keep-separator")) || parser.isSet(QStringLiteral("keep-blank")))) {
        error = QStringLiteral("keep the pages that mark the cuts or leave them out, not both");
        return false;
    }
    if (parser.isSet(atText) && parser.value(atText).trimmed().isEmpty()) {
        error = QStringLiteral("--at-text takes a phrase to look for");
        return false;
    }
    BlankOptions blank;
    return readBlankOptions(parser, blank, error);
}

int findParts(const QCommandLineParser &parser, SplitRequest &request)
{
    const QString source = request.fileName;
    const CutOptions options = cutOptions(parser);
    BlankOptions blank;
    QString error;
    readBlankOptions(parser, blank, error);   // checked before
    const QString nameTemplate = request.outPrefix;
    const PageFactsQuery query = CutPlan::queryFor(options, parser.value(atText), nameTemplate, blank);
    const bool quiet = parser.isSet(QStringLiteral("quiet"));
    PageFactsList facts;
    if (!readPages(source, request.filePassword, request.pageCount, query, quiet, facts)) {
        reportError(QStringLiteral("interrupted while looking for cuts; nothing was written"));
        return ExitCode::Interrupted;
    }

    FoundCuts cuts = CutPlan::cut(facts, options);
    tell(source, cuts, facts, options);
    if (cuts.parts.isEmpty()) {
        reportError(source, QStringLiteral("every page would be left out: there is nothing to split"));
        return ExitCode::InputUnreadable;
    }
    request.outPrefix = PartNames::nameParts(nameTemplate, facts, cuts);
    request.mode = SplitRequest::Parts;
    request.parts = cuts.parts;
    return ExitCode::Done;
}

} // namespace CutSearch
