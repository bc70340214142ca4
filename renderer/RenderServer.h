#pragma once

#include "pdf/RenderProtocol.h"

#include <QByteArray>
#include <QString>

#include <memory>

class PageRenderer;

// The renderer's loop: reads page requests from one descriptor and answers
// each on another, until the input ends. The document of the last request
// stays open for the next, since the viewer asks for page after page of one.
class RenderServer
{
public:
    RenderServer(int input, int output);
    ~RenderServer();

    // Returns when the desktop program closes the input.
    void run();

private:
    bool readMore(QByteArray &buffer);
    void answer(const RenderProtocol::Request &request);
    PageRenderer *rendererFor(const QString &path, const QByteArray &password);
    void writeAll(const char *data, qint64 size);

    int m_input;
    int m_output;
    std::unique_ptr<PageRenderer> m_renderer;
    QString m_path;
    QByteArray m_password;
};
