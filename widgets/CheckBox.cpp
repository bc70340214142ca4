#include "widgets/CheckBox.h"

CheckBox::CheckBox(QWidget *parent)
    : CheckBox(QString(), parent)
{
}

CheckBox::CheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

bool CheckBox::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
