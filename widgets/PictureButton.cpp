#include "widgets/PictureButton.h"

#include <QPainter>
#include <QStyleOption>

PictureButton::PictureButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    updateGeometry();
    update();
}

QRect PictureButton::pictureRect() const
{
    const QRect area = contentsRect();
    if (m_picture.isNull() || area.isEmpty())
        return {};
    const QSize size = (m_picture.size() / m_picture.devicePixelRatio())
                           .scaled(area.size(), Qt::KeepAspectRatio);
    return QRect(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2, size.width(), size.height());
}

QSize PictureButton::sizeHint() const
{
    const QMargins margins = contentsMargins();
    const QSize picture = m_picture.isNull() ? QSize(32, 32)
                                             : m_picture.size() / m_picture.devicePixelRatio();
    return picture + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    if (isDown())
        option.state |= QStyle::State_Sunken;
    // Lets "PictureButton:hover { border: ... }" in the style sheet frame it.
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (!isEnabled())
            painter.setOpacity(0.4);
        painter.drawPixmap(pictureRect(), m_picture);
    }
}
