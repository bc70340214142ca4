// A tiny program for the single-instance tests:
//   single_instance_probe <app id> <message> [timeout ms]
// The first instance prints "first" and then every message it receives as
// "message:<text>", and quits on the message "quit". A later instance sends
// its message and exits 0 when it was delivered, 1 when not.
#include "app/SingleApplication.h"

#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    if (argc < 3)
        return 2;
    SingleApplication app(argc, argv, QString::fromLocal8Bit(argv[1]));
    const QString message = QString::fromLocal8Bit(argv[2]);
    const int timeout = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 5000;
    if (app.isRunning())
        return app.sendMessage(message, timeout) ? 0 : 1;

    QTextStream out(stdout);
    out << "first" << Qt::endl;
    QObject::connect(&app, &SingleApplication::messageReceived, [&](const QString &received) {
        out << "message:" << received << Qt::endl;
        if (received == QLatin1String("quit"))
            app.quit();
    });
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);
    return app.exec();
}
