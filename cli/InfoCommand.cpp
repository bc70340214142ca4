#include "cli/InfoCommand.h"

#include "cli/CommandLine.h"
#include "cli/ExitCode.h"
#include "cli/InputDocument.h"
#include "cli/JobRunner.h"
#include "cli/Passwords.h"
#include "pdf/DocumentFacts.h"
#include "pdf/OutlinePieces.h"
#include "pdf/PdfService.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>

namespace {

const QString infoCommand = QStringLiteral("info");

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

// Pieces a split at each bookmark level would give, down to the deepest
// level that gives any.
QList<int> bookmarkPieces(const InputDocument &document)
{
    QList<int> counts = OutlinePieces::countsByLevel(document.outline, document.pageCount);
    while (!counts.isEmpty() && counts.last() == 0)
        counts.removeLast();
    return counts;
}

QJsonObject describe(const InputDocument &document, const DocumentFacts &facts)
{
    QJsonObject object{{QStringLiteral("file"), document.path},
                       {QStringLiteral("file_size"), QFileInfo(document.path).size()},
                       {QStringLiteral("readable"), document.isOpen()},
                       {QStringLiteral("encrypted"), document.hasSecurity || document.needsPassword},
                       {QStringLiteral("password_required"), document.needsPassword}};
    if (!document.isOpen()) {
        object.insert(QStringLiteral("error"), document.problemText());
        return object;
    }
    QJsonArray levels;
    const QList<int> pieces = bookmarkPieces(document);
    for (int level = 0; level < pieces.size(); ++level)
        levels.append(QJsonObject{{QStringLiteral("level"), level + 1}, {QStringLiteral("pieces"), pieces.at(level)}});
    object.insert(QStringLiteral("pages"), document.pageCount);
    object.insert(QStringLiteral("page_width"), document.firstPageSize.width());
    object.insert(QStringLiteral("page_height"), document.firstPageSize.height());
    object.insert(QStringLiteral("title"), document.title);
    object.insert(QStringLiteral("author"), facts.author);
    object.insert(QStringLiteral("bookmark_levels"), levels);
    object.insert(QStringLiteral("form_fields"), facts.formFieldCount);
    object.insert(QStringLiteral("page_labels"), facts.hasPageLabels);
    return object;
}

void printText(const QJsonObject &object)
{
    QTextStream out(stdout);
    out.setCodec("UTF-8");
    out << object.value(QStringLiteral("file")).toString() << '\n';
    const auto line = [&out](const QString &name, const QString &value) {
        out << "  " << (name + QLatin1Char(':')).leftJustified(13) << value << '\n';
    };
    if (!object.value(QStringLiteral("readable")).toBool()) {
        line(QStringLiteral("error"), object.value(QStringLiteral("error")).toString());
        return;
    }
    line(QStringLiteral("pages"), QString::number(object.value(QStringLiteral("pages")).toInt()));
    const int width = object.value(QStringLiteral("page_width")).toInt();
    const int height = object.value(QStringLiteral("page_height")).toInt();
    // A document without pages has no first page to measure.
    line(QStringLiteral("page size"), width <= 0 || height <= 0
                                          ? QStringLiteral("none: no pages")
                                          : QStringLiteral("%1 x %2 pt (%3 x %4 mm), page 1")
                                                .arg(width).arg(height)
                                                .arg(qRound(width * 25.4 / 72)).arg(qRound(height * 25.4 / 72)));
    const bool encrypted = object.value(QStringLiteral("encrypted")).toBool();
    line(QStringLiteral("encrypted"), encrypted ? QStringLiteral("yes, %1").arg(
                                                      object.value(QStringLiteral("password_required")).toBool()
                                                          ? QStringLiteral("a password is needed to open it")
                                                          : QStringLiteral("opens without a password"))
                                                : QStringLiteral("no"));
    line(QStringLiteral("title"), object.value(QStringLiteral("title")).toString());
    line(QStringLiteral("author"), object.value(QStringLiteral("author")).toString());
    QStringList levels;
    for (const QJsonValue &level : object.value(QStringLiteral("bookmark_levels")).toArray())
        levels << QStringLiteral("level %1: %2 pieces").arg(level[QStringLiteral("level")].toInt())
                      .arg(level[QStringLiteral("pieces")].toInt());
    line(QStringLiteral("bookmarks"), levels.isEmpty() ? QStringLiteral("none") : levels.join(QStringLiteral(", ")));
    line(QStringLiteral("form fields"), QString::number(object.value(QStringLiteral("form_fields")).toInt()));
    line(QStringLiteral("page labels"), yesNo(object.value(QStringLiteral("page_labels")).toBool()));
    line(QStringLiteral("file size"), QStringLiteral("%1 bytes").arg(object.value(QStringLiteral("file_size")).toDouble(), 0, 'f', 0));
}

} // namespace

int runInfoCommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tell what PDF documents hold: pages, page size, encryption, title,\n"
                                                    "author, bookmarks, form fields, page labels and file size."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The PDF documents."));
    parser.addOptions({
        {QStringLiteral("password-file"), QStringLiteral("Passwords of locked documents, one a line, tried in order."),
         QStringLiteral("F")},
        {QStringLiteral("json"), QStringLiteral("Print the result as JSON: an array, one object per document.")},
    });
    int exitCode = 0;
    if (!CommandLine::parse(parser, infoCommand, arguments, exitCode))
        return exitCode;
    if (parser.positionalArguments().isEmpty())
        return CommandLine::usageError(infoCommand, QStringLiteral("give one or more documents"));
    QString error;
    Passwords passwords;
    if (!CommandLine::readPasswordFiles(parser, passwords, error)) {
        reportError(error);
        return ExitCode::InputUnreadable;
    }

    const auto service = QSharedPointer<PdfService>::create();
    QJsonArray documents;
    for (const QString &path : parser.positionalArguments()) {
        const InputDocument document = InputDocument::open(service, path, passwords);
        if (JobRunner::wasInterrupted())
            return ExitCode::Interrupted;
        const DocumentFacts facts = document.isOpen() ? readDocumentFacts(path, document.password) : DocumentFacts();
        if (!document.isOpen()) {
            reportError(path, document.problemText());
            exitCode = ExitCode::InputUnreadable;
        }
        documents.append(describe(document, facts));
    }
    if (parser.isSet(QStringLiteral("json"))) {
        CommandLine::printJson(documents);
    } else {
        for (int i = 0; i < documents.size(); ++i) {
            if (i > 0)
                std::fputs("\n", stdout);
            std::fflush(stdout);
            printText(documents.at(i).toObject());
        }
    }
    return exitCode;
}
