#include "app/SplashScreen.h"

#include <QCoreApplication>
#include <QPainter>
#include <QThread>
#include <QDateTime>

SplashScreen::SplashScreen(const QPixmap &pixmap)
    : QSplashScreen(pixmap)
{
    setObjectName(QStringLiteral("splashScreen"));
}

QRect SplashScreen::messageArea()
{
    return QRect(QPoint(120, 120), QPoint(369, 219));
}

void SplashScreen::setVersion(const QString &version)
{
    m_version = version;
    repaintNow();
}

void SplashScreen::showMessage(const QString &message, int alignment, const QColor &color)
{
    m_message = message;
    m_alignment = alignment;
    m_color = color;
    repaintNow();
}

void SplashScreen::repaintNow()
{
    // The start-up blocks the event loop; paint at once. Messages of later
    // starts stay in their sockets until the main window can take them.
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents
                                    | QEventLoop::ExcludeSocketNotifiers);
}

void SplashScreen::drawContents(QPainter *painter)
{
    painter->setPen(m_color);
    painter->drawText(messageArea(), m_alignment, m_message);
    const QRect corner = rect().adjusted(20, 20, -20, -20);
    painter->drawText(corner, Qt::AlignRight | Qt::AlignBottom, m_version);
}

void SplashScreen::runAnimation(int seconds)
{
    // A full date and time, so that a start just before midnight is not cut short.
    const QDateTime end = QDateTime::currentDateTime().addSecs(seconds);
    int dots = 1;
    while (QDateTime::currentDateTime() <= end) {
        showMessage(tr("Loading%1").arg(QString(dots, QLatin1Char('.'))), Qt::AlignLeft | Qt::AlignTop,
                    Qt::white);
        QThread::msleep(500);
        dots = dots % 3 + 1;
    }
}
