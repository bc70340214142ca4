#include "widgets/DimmingCover.h"

#include <QPainter>
#include <QStyleOption>

DimmingCover::DimmingCover(QWidget *parent)
    : QWidget(parent)
{
    // Never opaque: the widgets below must be painted before us.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(false);
}

void DimmingCover::setOpacity(qreal opacity)
{
    opacity = qBound<qreal>(0, opacity, 1);
    if (qFuzzyCompare(opacity, m_opacity))
        return;
    m_opacity = opacity;
    update();
}

void DimmingCover::paintEvent(QPaintEvent *)
{
    if (m_opacity <= 0)
        return;
    QPainter painter(this);
    painter.setOpacity(m_opacity);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
