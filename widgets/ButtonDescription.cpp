#include "widgets/ButtonDescription.h"

#include <QFontMetrics>
#include <QStylePainter>

ButtonDescription::ButtonDescription(QWidget *parent)
    : Button(parent)
{
}

void ButtonDescription::setDescription(const QString &description)
{
    if (description == m_description)
        return;
    m_description = description;
    updateGeometry();
    update();
}

QColor ButtonDescription::stateDescriptionColor() const
{
    return pickColor(m_colorDescriptionNormal, m_colorDescriptionHover, m_colorDescriptionPressed,
                     m_colorDescriptionChecked, m_colorDescriptionDisabled);
}

QFont ButtonDescription::descriptionFont() const
{
    QFont small = font();
    if (small.pixelSize() > 0)
        small.setPixelSize(qMax(8, small.pixelSize() * 4 / 5));
    else
        small.setPointSizeF(qMax(6.0, small.pointSizeF() * 0.8));
    return small;
}

void ButtonDescription::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const QPixmap icon = stateIcon();
    QRect area = drawAllButText(painter, icon);
    area.setLeft(area.left() + m_textPadding);
    const QFont small = descriptionFont();
    const int descriptionHeight = m_description.isEmpty() ? 0 : QFontMetrics(small).height();
    const int textHeight = fontMetrics().height();
    const int top = area.top() + (area.height() - descriptionHeight - textHeight) / 2;
    const int horizontal = icon.isNull() ? Qt::AlignHCenter : Qt::AlignLeft;

    if (descriptionHeight > 0) {
        painter.setFont(small);
        painter.setPen(stateDescriptionColor());
        painter.drawText(QRect(area.left(), top, area.width(), descriptionHeight),
                         horizontal | Qt::AlignVCenter, m_description);
    }
    painter.setFont(font());
    painter.setPen(stateTextColor());
    painter.drawText(QRect(area.left(), top + descriptionHeight, area.width(), textHeight),
                     horizontal | Qt::AlignVCenter | Qt::TextShowMnemonic, text());
}

QSize ButtonDescription::sizeHint() const
{
    const QSize base = Button::sizeHint();
    const QFontMetrics small(descriptionFont());
    const int extraWidth = qMax(0, small.horizontalAdvance(m_description)
                                       - fontMetrics().horizontalAdvance(text()));
    const int extraHeight = m_description.isEmpty() ? 0 : small.height();
    return {base.width() + extraWidth + m_textPadding, base.height() + extraHeight};
}
