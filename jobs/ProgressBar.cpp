#include "jobs/ProgressBar.h"

#include <QPainter>
#include <QStyleOptionProgressBar>

ProgressBar::ProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
}

QRect ProgressBar::filledRect() const
{
    const qint64 span = qint64(maximum()) - minimum();
    if (span <= 0)
        return QRect();
    const qint64 done = qBound<qint64>(0, qint64(value()) - minimum(), span);
    return QRect(0, 0, int(width() * done / span), height());
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    option.textVisible = false;   // drawn below, in two colours
    style()->drawControl(QStyle::CE_ProgressBar, &option, &painter, this);
    if (!isTextVisible())
        return;

    const QString label = text();
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, label);
    painter.setClipRect(filledRect());
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(rect(), Qt::AlignCenter, label);
}
