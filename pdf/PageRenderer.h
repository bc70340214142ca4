#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

namespace Poppler {
class Document;
}

// Draws the pages of one document with poppler.
class PageRenderer
{
public:
    // Opens the document from its bytes, which poppler shares rather than
    // copies, or from the file when no bytes are given; null when poppler
    // cannot open it or the password does not unlock it.
    static std::unique_ptr<PageRenderer> open(const QByteArray &bytes, const QString &fileName,
                                              const QByteArray &password);
    ~PageRenderer();

    // Draws the 1-based page at the resolution into the top-left corner of
    // the image, over white; throws EngineFailure with RenderFailed.
    void render(int page, double dpi, QImage &image);

    // Draws the 1-based page to fill the given size in pixels (a pixel more
    // or less is white); null when it cannot be drawn, when drawing takes
    // longer than the time limit, or, with a descriptor to watch, as soon as
    // there is something to read on it.
    QImage renderAt(int page, const QSize &pixels, int timeLimitMs, int stopWhenReadable = -1);
    int pageCount() const;
    // The size of the 1-based page drawn at the resolution, empty when the
    // page has no size.
    QSize pixelsAt(int page, double dpi) const;
    // The text of the page's text layer in reading order, lines ending in
    // line breaks; empty when it has none.
    QString text(int page) const;

    // poppler reports damaged files on stderr by default; its messages
    // belong in the debug log instead.
    static void routeMessagesToLog();

private:
    explicit PageRenderer(std::unique_ptr<Poppler::Document> document);

    std::unique_ptr<Poppler::Document> m_document;
};
