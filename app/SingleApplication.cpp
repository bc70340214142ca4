#include "app/SingleApplication.h"

#include "instance/InstanceMeeting.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QWidget>

namespace {

// The receiving instance answers every complete message with this byte, so
// that the sender knows it was delivered and not just written into a socket.
const char deliveryReceipt = '\x06';

int remainingTime(const QElapsedTimer &timer, int timeout)
{
    return int(qMax<qint64>(1, timeout - timer.elapsed()));
}

} // namespace

SingleApplication::SingleApplication(int &argc, char **argv, const QString &appId)
    : QApplication(argc, argv)
    , m_id(appId.isEmpty() ? QFileInfo(applicationFilePath()).fileName() : appId)
{
    becomeFirstInstance();
}

SingleApplication::~SingleApplication()
{
    if (m_server)
        m_server->close();
    delete m_lock;
}

QString SingleApplication::serverName(const QString &appId)
{
    return InstanceMeeting::serverName(appId);
}

QString SingleApplication::lockFileName(const QString &appId)
{
    return InstanceMeeting::lockFileName(appId);
}

void SingleApplication::becomeFirstInstance()
{
    m_lock = new QLockFile(lockFileName(m_id));
    // A lock is stale only when its owner process is gone, never by age.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_running = m_lock->error() == QLockFile::LockFailedError;
        if (!m_running)
            qWarning("Single instance: cannot create the lock file %s",
                     qPrintable(lockFileName(m_id)));
        return;
    }

    const QString name = serverName(m_id);
    // We own the lock, so a socket file here was left by a crashed instance.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        qWarning("Single instance: cannot listen on %s: %s", qPrintable(name),
                 qPrintable(m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleApplication::onNewConnection);
}

bool SingleApplication::isRunning() const
{
    return m_running;
}

bool SingleApplication::sendMessage(const QString &message, int timeout)
{
    if (!m_running)
        return false;

    QElapsedTimer timer;
    timer.start();
    QLocalSocket socket;
    // The first instance may hold the lock but not listen yet: keep trying.
    for (;;) {
        socket.connectToServer(serverName(m_id));
        if (socket.waitForConnected(remainingTime(timer, timeout)))
            break;
        if (timer.elapsed() >= timeout)
            return false;
        QThread::msleep(50);
    }

    QByteArray frame;
    QDataStream out(&frame, QIODevice::WriteOnly);
    out << message.toUtf8();
    socket.write(frame);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(remainingTime(timer, timeout)))
            return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (timer.elapsed() >= timeout || !socket.waitForReadyRead(remainingTime(timer, timeout)))
            return false;
    }
    return socket.read(1).at(0) == deliveryReceipt;
}

void SingleApplication::onNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readMessage(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            readMessage(socket);
    }
}

void SingleApplication::readMessage(QLocalSocket *socket)
{
    QDataStream in(socket);
    in.startTransaction();
    QByteArray bytes;
    in >> bytes;
    if (!in.commitTransaction())
        return; // the rest of the frame is still on its way

    socket->write(&deliveryReceipt, 1);
    socket->flush();
    const QString message = QString::fromUtf8(bytes);
    if (m_activateOnMessage)
        activateWindow();
    emit messageReceived(message);
}

void SingleApplication::setActivationWindow(QWidget *window, bool activateOnMessage)
{
    m_activationWindow = window;
    m_activateOnMessage = activateOnMessage;
}

QWidget *SingleApplication::activationWindow() const
{
    return m_activationWindow;
}

void SingleApplication::activateWindow()
{
    if (!m_activationWindow)
        return;
    m_activationWindow->setWindowState(m_activationWindow->windowState() & ~Qt::WindowMinimized);
    m_activationWindow->show();
    m_activationWindow->raise();
    m_activationWindow->activateWindow();
}
