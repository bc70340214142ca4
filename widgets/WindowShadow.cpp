#include "widgets/WindowShadow.h"

#include <QGuiApplication>
#include <QWidget>
#include <QX11Info>

namespace WindowShadow {

bool isAvailable()
{
    // Wayland always composites; the off-screen platform keeps alpha.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true;
    return QX11Info::isCompositingManagerRunning();
}

QMargins prepare(QWidget *window, QWidget *backdrop)
{
    if (!isAvailable()) {
        backdrop->setProperty("opaque", true);
        return QMargins();
    }
    window->setAttribute(Qt::WA_TranslucentBackground);
    return QMargins(Margin, Margin, Margin, Margin);
}

} // namespace WindowShadow
