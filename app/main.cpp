#include "app/Application.h"
#include "app/InterruptedSplitsQuestion.h"
#include "app/MainView.h"
#include "app/SplashScreen.h"
#include "instance/CommandMessage.h"
#include "common/CrashReportUploader.h"
#include "common/CrashReporter.h"
#include "common/CrashScreenWatcher.h"
#include "common/LogRetention.h"
#include "common/Logger.h"

#include <QDate>
#include <QMessageBox>
#include <QPixmapCache>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const int messageTimeout = 5000;
const int pixmapCacheKilobytes = 102400;
const int splashSecondsWithoutArguments = 3;

void installCrashReporterOrSay(const CrashReporter &reporter)
{
    if (reporter.isInstalled())
        return;
    // The one message of the program that is a system message box.
    QMessageBox::critical(nullptr, QStringLiteral("Load crash reporter error"),
                          reporter.errorText());
}

void sendPendingCrashReports(QObject *parent)
{
    auto *uploader = new CrashReportUploader(parent);
    QObject::connect(uploader, &CrashReportUploader::finished, uploader, &QObject::deleteLater);
    uploader->start();
}

int runFirstInstance(Application &app, const QString &message)
{
    QPixmapCache::setCacheLimit(pixmapCacheKilobytes);
    const QPixmap splashImage(QStringLiteral(":/style/images/splash.png"));
    auto splash = std::make_unique<SplashScreen>(splashImage);
    splash->setVersion(app.displayVersion());
    splash->show();
    splash->runAnimation(message.isEmpty() ? splashSecondsWithoutArguments : 0);
    app.createPdfService();

    auto view = std::make_unique<MainView>();
    view->show();
    splash->finish(view.get());

    app.setActivationWindow(view.get(), true);
    view->handleMessage(message);
    // Once the window is up: what an earlier run left unfinished.
    QTimer::singleShot(0, view.get(), [window = view.get()] { InterruptedSplitsQuestion::askAll(window); });
    QObject::connect(&app, &SingleApplication::messageReceived, view.get(),
                     &MainView::handleMessage);
    sendPendingCrashReports(&app);
    return app.exec();
}

// --help and --version are answered before the application object exists:
// that one needs a display, which a terminal or a package build may not have.
bool answeredWithoutDisplay(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::printf("Usage: sheafdesk [FILE.pdf...]\n"
                        "\n"
                        "The Cleavemark window: split PDF documents and merge them.\n"
                        "Documents named are opened in the running window, or in a new one.\n"
                        "\n"
                        "  -h, --help   Show this help and exit.\n"
                        "  --version    Show the version and exit.\n"
                        "\n"
                        "To split and merge from the shell, see cleavemark(1).\n");
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("sheafdesk %s\n", CLEAVEMARK_VERSION);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answeredWithoutDisplay(argc, argv))
        return 0;
    qputenv("QT_AUTO_SCREEN_SCALE_FACTOR", "1");
    Application app(argc, argv);
    LogRetention().prune(Logger::instance().logFolder(), QDate::currentDate());

    CrashReporter crashReporter(QStringLiteral("Cleavemark"), app.applicationVersion());
    installCrashReporterOrSay(crashReporter);
    CrashScreenWatcher crashScreens(app);

    const QString message = CommandMessage::build(app.arguments());
    Logger::instance().log(QStringLiteral("Input args:'%1'").arg(message));

    if (app.isRunning())
        return app.sendMessage(message, messageTimeout) ? 0 : 1;
    return runFirstInstance(app, message);
}
