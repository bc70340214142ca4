#ifndef CLEAVEMARK_APP_SINGLEAPPLICATION_H
#define CLEAVEMARK_APP_SINGLEAPPLICATION_H

#include <QApplication>
#include <QPointer>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// An application of which one instance runs per user and application id.
//
// The first instance holds a lock file and listens on a local socket; a later
// one finds the lock taken, hands its message to the first through the socket
// and exits. A lock or socket left behind by a crashed instance is recovered:
// the lock file knows its owner's process id, and a stale socket is removed
// before listening.
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    SingleApplication(int &argc, char **argv, const QString &appId = QString());
    ~SingleApplication() override;

    // True when another instance was already running at construction.
    bool isRunning() const;
    QString id() const { return m_id; }

    // Sends message to the running instance; true once it confirmed receipt.
    bool sendMessage(const QString &message, int timeout = 5000);

    // The window that is raised, restored and activated on every message
    // when activateOnMessage is set.
    void setActivationWindow(QWidget *window, bool activateOnMessage = true);
    QWidget *activationWindow() const;

    // Where the instances of appId meet; unique per user.
    static QString serverName(const QString &appId);
    static QString lockFileName(const QString &appId);

public slots:
    void activateWindow();

signals:
    void messageReceived(const QString &message);

private:
    void becomeFirstInstance();
    void onNewConnection();
    void readMessage(QLocalSocket *socket);

    QString m_id;
    QLockFile *m_lock = nullptr;
    QLocalServer *m_server = nullptr;
    bool m_running = false;
    QPointer<QWidget> m_activationWindow;
    bool m_activateOnMessage = false;
};

#endif
