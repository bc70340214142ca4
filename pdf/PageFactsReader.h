#pragma once

#include "pdf/PageFacts.h"

class PageRenderer;
class ScanPages;

// Finds out, in the renderer program, what finding cuts asks about a page:
// whether it is blank, its text, its codes. Every drawing shares one time
// limit; a page that cannot be drawn or read within it is unreadable.
namespace PageFactsReader {

// Blank pages are judged drawn this small: enough to see a millimetre,
// little enough to be quick on a page that is one large scanned image.
inline constexpr double BlankDpi = 60.0;
// Codes are read from the page drawn this fine: a narrow bar of a printed
// barcode is about a third of a millimetre.
inline constexpr double CodeDpi = 200.0;

// A page that is one scanned image is judged blank from its image alone
// when scans can tell (ScanPages); the renderer draws every other page.
PageFacts read(PageRenderer &renderer, const ScanPages *scans, int page, const PageFactsQuery &query,
               int timeLimitMs);

// True when the words of phrase stand in text in that order, whole, in
// any case, whatever spaces or line breaks lie between them.
bool containsPhrase(const QString &text, const QString &phrase);

// The first line of the text that holds more than spaces, its spaces
// made single, at most maxLength characters.
QString firstLine(const QString &text, int maxLength = 80);

} // namespace PageFactsReader
