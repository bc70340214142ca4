#ifndef CLEAVEMARK_COMMON_CRASHSCREENWATCHER_H
#define CLEAVEMARK_COMMON_CRASHSCREENWATCHER_H

#include <QObject>

class QGuiApplication;
class QScreen;

// Keeps the screen properties of a future crash report current: made after
// the CrashReporter in a program with screens, it describes them at once and
// again whenever one is added, removed or changes its size.
class CrashScreenWatcher : public QObject
{
    Q_OBJECT

public:
    explicit CrashScreenWatcher(QGuiApplication &application, QObject *parent = nullptr);

    // "Screen count: <n>" and one "Screen <i>: <width>x<height>" line per screen.
    static QByteArray screenProperties();

private:
    void watchGeometry(QScreen *screen);
    static void refresh();
};

#endif
