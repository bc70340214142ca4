#include "common/CrashScreenWatcher.h"

#include "common/CrashReporter.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

CrashScreenWatcher::CrashScreenWatcher(QGuiApplication &application, QObject *parent) : QObject(parent)
{
    for (QScreen *screen : QGuiApplication::screens())
        watchGeometry(screen);
    connect(&application, &QGuiApplication::screenAdded, this, [this](QScreen *screen) {
        watchGeometry(screen);
        refresh();
    });
    // The removed screen may still be listed while the signal is emitted.
    connect(&application, &QGuiApplication::screenRemoved, this,
            [this] { QTimer::singleShot(0, this, &CrashScreenWatcher::refresh); });
    refresh();
}

QByteArray CrashScreenWatcher::screenProperties()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QByteArray text = "Screen count: " + QByteArray::number(screens.size()) + '\n';
    for (int i = 0; i < screens.size(); ++i) {
        const QSize size = screens.at(i)->geometry().size();
        text += "Screen " + QByteArray::number(i) + ": " + QByteArray::number(size.width()) + 'x'
                + QByteArray::number(size.height()) + '\n';
    }
    return text;
}

void CrashScreenWatcher::watchGeometry(QScreen *screen)
{
    connect(screen, &QScreen::geometryChanged, this, &CrashScreenWatcher::refresh);
}

void CrashScreenWatcher::refresh()
{
    CrashReporter::setScreenProperties(screenProperties());
}
