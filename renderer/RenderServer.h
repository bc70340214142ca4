#pragma once

#include "pdf/RenderProtocol.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <memory>

class PageRenderer;
class ScanPages;

// The renderer's loop: reads page requests from one descriptor and answers
// each on another, until the input ends. The document of the last request
// stays open for the next, since the viewer asks for page after page of one,
// and while no request waits the page after the last one is drawn ahead.
// It also tells what finding cuts asks of a page (PageFactsReader).
class RenderServer
{
public:
    RenderServer(int input, int output);
    ~RenderServer();

    // Returns when the desktop program closes the input.
    void run();

private:
    // The page after the one last asked for, drawn while the desktop
    // program had nothing to ask.
    struct AheadPage
    {
        QString path;
        QByteArray password;
        int page = 0;
        QSize pixels;
        QImage image;
    };

    bool readMore(QByteArray &buffer);
    bool inputWaiting() const;
    void drawAhead(const RenderProtocol::Request &answered);
    QImage takeAhead(const RenderProtocol::Request &request);
    void answer(const RenderProtocol::Request &request);
    void answerFacts(const RenderProtocol::Request &request);
    PageRenderer *rendererFor(const QString &path, const QByteArray &password);
    void writeAll(const char *data, qint64 size);

    int m_input;
    int m_output;
    std::unique_ptr<PageRenderer> m_renderer;
    std::unique_ptr<ScanPages> m_scans;   // the same document, for finding cuts
    QString m_path;
    QByteArray m_password;
    AheadPage m_ahead;
};
