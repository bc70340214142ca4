// The rendering half of PdfEngine: linked only by the desktop program, so
// that the worker starts without poppler and Qt's GUI module.

#include "pdf/PdfEngine.h"

#include "pdf/EngineFailure.h"
#include "pdf/PageRenderer.h"

#include <QImage>

#include <mutex>

namespace {

std::shared_ptr<PageRenderer> openRenderer(const QByteArray &bytes, const QString &fileName,
                                           const QByteArray &password)
{
    static std::once_flag once;
    std::call_once(once, [] { PageRenderer::routeMessagesToLog(); });
    return PageRenderer::open(bytes, fileName, password);
}

} // namespace

int PdfEngine::RenderPageToImage(double dpi, int page, QImage &image)
{
    return guardedCall([&] {
        if (image.isNull() || dpi <= 0)
            throw EngineFailure(BadArgument, "no image to draw into");
        const RenderSource source = selectedRenderSource(page);
        std::shared_ptr<PageRenderer> &renderer = selectedRenderer();
        if (!renderer && !source.fileName.isEmpty())
            renderer = openRenderer(source.bytes, source.fileName, source.password);
        if (!renderer)
            renderer = openRenderer(selectedInMemoryCopy(), QString(), QByteArray());
        if (!renderer)
            throw EngineFailure(RenderFailed, "renderer cannot open the document");
        renderer->render(page, dpi, image);
        return 1;
    });
}
