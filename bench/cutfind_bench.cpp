// Finds what cutting a stack needs to know about every page of a document,
// as cleavemark split --at-blank / --at-text does, without splitting: the
// pages go through the renderer program found beside this one. Prints what
// it found, one line, so that a run that read nothing does not pass for a
// fast one.
//
//   cutfind_bench <document> blank
//   cutfind_bench <document> text <phrase>

#include "pdf/CutFinder.h"
#include "pdf/PdfDocument.h"
#include "pdf/PdfService.h"
#include "pdf/RenderProtocol.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const bool blank = args.size() == 2 && args.at(1) == QLatin1String("blank");
    const bool text = args.size() == 3 && args.at(1) == QLatin1String("text");
    if (!blank && !text) {
        QTextStream(stderr) << "usage: cutfind_bench <document> blank | text <phrase>\n";
        return 2;
    }
    const QString path = QFileInfo(args.at(0)).absoluteFilePath();
    int pageCount = 0;
    {
        PdfDocument document(QSharedPointer<PdfService>::create(), path, QString());
        pageCount = document.isLoaded() ? document.pageCount() : 0;
    }
    if (pageCount <= 0) {
        QTextStream(stderr) << "cutfind_bench: cannot read " << path << "\n";
        return 1;
    }

    PageFactsQuery query;
    query.blank = blank;
    query.text = text;
    query.phrase = text ? args.at(2) : QString();
    CutFinder finder(RenderProtocol::rendererProgram());
    PageFactsList facts;
    QObject::connect(&finder, &CutFinder::finished, &application, [&](const PageFactsList &found) {
        facts = found;
        QCoreApplication::quit();
    });
    finder.start(path, QString(), pageCount, query);
    QCoreApplication::exec();

    const auto count = [&](auto test) { return int(std::count_if(facts.cbegin(), facts.cend(), test)); };
    QTextStream(stdout) << pageCount << " pages: " << count([](const PageFacts &f) { return f.blank; }) << " blank, "
                        << count([](const PageFacts &f) { return f.phraseFound; }) << " with the phrase, "
                        << count([](const PageFacts &f) { return !f.hasText; }) << " without text, "
                        << count([](const PageFacts &f) { return !f.read; }) << " unreadable\n";
    return 0;
}
