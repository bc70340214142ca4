#include "preview/Cover.h"

#include "pdf/RenderClient.h"
#include "widgets/Button.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

const QSize coverSize(75, 100);
const QSize thumbnailRoom(70, 95);
const QSize lockSize(30, 39);
const QColor coverPlaceholderColor(232, 232, 232);
const QColor placeholderEdge(200, 200, 200);

} // namespace

Cover::Cover(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("cover"));
    setFixedSize(coverSize);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_label, 0, Qt::AlignCenter);
}

void Cover::setLook(Look look, const QPixmap &pixmap)
{
    m_look = look;
    if (look != Thumbnail)
        forgetRequest();
    switch (look) {
    case Locked:
        m_label->setPixmap(loadStylePixmap(QStringLiteral(":/style/images/lock.png")));
        m_label->setFixedSize(lockSize);
        break;
    case Thumbnail: {
        const qreal ratio = pixmap.devicePixelRatio();
        QPixmap scaled = pixmap.isNull()
            ? QPixmap()
            : pixmap.scaled(thumbnailRoom * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
        m_label->setPixmap(scaled);
        m_label->setFixedSize(scaled.isNull() ? QSize(0, 0) : (QSizeF(scaled.size()) / ratio).toSize());
        break;
    }
    case Empty:
        m_label->clear();
        break;
    }
}

void Cover::showFirstPage(RenderClient *client, const QString &path, const QString &password,
                          const QSize &pagePoints)
{
    const QString page = path + QLatin1Char('\n') + password;
    if (m_look == Thumbnail && page == m_shownPage)
        return;
    forgetRequest();
    m_shownPage = page;
    m_pageFailed = false;
    setAccessibleDescription(QString());
    m_pageSize = pagePoints.isEmpty() ? thumbnailRoom : pagePoints.scaled(thumbnailRoom, Qt::KeepAspectRatio);
    setLook(Thumbnail, placeholder());
    m_shownPage = page;
    if (!client) {
        m_pageFailed = true;
        setAccessibleDescription(tr("This page cannot be shown"));
        return;
    }
    if (m_client != client) {
        if (m_client)
            m_client->disconnect(this);
        m_client = client;
        connect(client, &RenderClient::rendered, this, &Cover::pageRendered);
    }
    m_request = client->request(path, password, 1, m_pageSize * devicePixelRatioF());
}

void Cover::pageRendered(int id, const QImage &image)
{
    if (id == 0 || id != m_request)
        return;
    m_request = 0;
    if (image.isNull()) {
        m_pageFailed = true;
        setAccessibleDescription(tr("This page cannot be shown"));
        return;   // the placeholder stays
    }
    QPixmap page = QPixmap::fromImage(image);
    page.setDevicePixelRatio(devicePixelRatioF());
    const QString shown = m_shownPage;
    setLook(Thumbnail, page);
    m_shownPage = shown;
}

void Cover::forgetRequest()
{
    if (m_request != 0 && m_client)
        m_client->cancel(m_request);
    m_request = 0;
    m_shownPage.clear();
}

// A neutral sheet of the page's shape while the page is drawn, or when it
// cannot be.
QPixmap Cover::placeholder() const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap sheet(m_pageSize * ratio);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(coverPlaceholderColor);
    QPainter painter(&sheet);
    painter.setPen(placeholderEdge);
    painter.drawRect(QRectF(QPointF(0, 0), QSizeF(m_pageSize)).adjusted(0.5, 0.5, -0.5, -0.5));
    return sheet;
}
