#include "pdf/PageFactsReader.h"

#include "pdf/BlankPage.h"
#include "pdf/CodeReader.h"
#include "pdf/PageRenderer.h"
#include "pdf/ScanPages.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRegularExpression>

#include <cmath>

namespace {

// A page larger than A4 is drawn coarser for its codes rather than past
// this many pixels, which zbar would take too long over.
constexpr qint64 LargestCodePixels = qint64(4000) * 4000;

QSize codePixels(PageRenderer &renderer, int page)
{
    QSize pixels = renderer.pixelsAt(page, PageFactsReader::CodeDpi);
    const qint64 count = qint64(pixels.width()) * pixels.height();
    if (count > LargestCodePixels) {
        const double scale = std::sqrt(double(LargestCodePixels) / double(count));
        pixels = QSize(qMax(1, int(pixels.width() * scale)), qMax(1, int(pixels.height() * scale)));
    }
    return pixels;
}

} // namespace

namespace PageFactsReader {

PageFacts read(PageRenderer &renderer, const ScanPages *scans, int page, const PageFactsQuery &query,
               int timeLimitMs)
{
    QElapsedTimer clock;
    clock.start();
    const auto timeLeft = [&] { return int(timeLimitMs - clock.elapsed()); };
    PageFacts facts;

    if (query.blank) {
        const ScanPages::Drawn scan = scans ? scans->drawSmall(page, BlankDpi) : ScanPages::Drawn();
        if (!scan.image.isNull()) {
            facts.blank = BlankPage::isBlank(scan.image, scan.dotsPerMm, query.blankOptions);
        } else {
            const QImage image = renderer.renderAt(page, renderer.pixelsAt(page, BlankDpi), timeLeft());
            if (image.isNull())
                return PageFacts::unreadable();
            facts.blank = BlankPage::isBlank(image, BlankDpi / 25.4, query.blankOptions);
        }
    }
    if (query.text) {
        const QString text = renderer.text(page);
        facts.hasText = !text.trimmed().isEmpty();
        facts.firstLine = firstLine(text);
        facts.phraseFound = !query.phrase.isEmpty() && containsPhrase(text, query.phrase);
    }
    if (query.codes) {
        const QImage image = renderer.renderAt(page, codePixels(renderer, page), timeLeft());
        if (image.isNull())
            return PageFacts::unreadable();
        facts.codes = CodeReader::read(image);
    }
    if (timeLeft() < 0)
        return PageFacts::unreadable();
    return facts;
}

bool containsPhrase(const QString &text, const QString &phrase)
{
    const QStringList words = phrase.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return false;
    QStringList escaped;
    for (const QString &word : words)
        escaped << QRegularExpression::escape(word);
    // Not \b: a phrase may begin or end with a sign that is no word character.
    const QRegularExpression pattern(QStringLiteral("(?<![\\w])") + escaped.join(QStringLiteral("\\s+"))
                                         + QStringLiteral("(?![\\w])"),
                                     QRegularExpression::CaseInsensitiveOption
                                         | QRegularExpression::UseUnicodePropertiesOption);
    return pattern.match(text).hasMatch();
}

QString firstLine(const QString &text, int maxLength)
{
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("[\\n\\r\\x{2028}\\x{2029}]")));
    for (const QString &line : lines) {
        QString simple = line.simplified();
        if (simple.isEmpty())
            continue;
        if (simple.size() > maxLength) {
            // Never half of a character that takes two.
            const bool splitsPair = simple.at(maxLength - 1).isHighSurrogate();
            simple = simple.left(splitsPair ? maxLength - 1 : maxLength).trimmed();
        }
        return simple;
    }
    return QString();
}

} // namespace PageFactsReader
