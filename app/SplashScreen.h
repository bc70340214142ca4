#ifndef CLEAVEMARK_APP_SPLASHSCREEN_H
#define CLEAVEMARK_APP_SPLASHSCREEN_H

#include <QColor>
#include <QSplashScreen>

// The start-up picture with a progress message in its upper area and the
// version in its bottom-right corner.
class SplashScreen : public QSplashScreen
{
    Q_OBJECT

public:
    explicit SplashScreen(const QPixmap &pixmap = QPixmap());

    void setVersion(const QString &version);
    QString version() const { return m_version; }
    QString messageText() const { return m_message; }

    // Shows "Loading." .. "Loading..." for seconds, blocking the caller
    // (at most one step when seconds is 0).
    void runAnimation(int seconds);

    static QRect messageArea();

public slots:
    void showMessage(const QString &message, int alignment = Qt::AlignLeft | Qt::AlignTop,
                     const QColor &color = Qt::white);

protected:
    void drawContents(QPainter *painter) override;

private:
    void repaintNow();

    QString m_message;
    QString m_version;
    QColor m_color = Qt::white;
    int m_alignment = Qt::AlignLeft | Qt::AlignTop;
};

#endif
