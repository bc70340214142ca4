#pragma once

#include <QAbstractButton>
#include <QStringList>
#include <QWidget>

// The visible buttons below root that a screen reader could only call
// "button": neither a text nor an accessible name.
inline QStringList unnamedButtons(const QWidget *root)
{
    QStringList names;
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(root->window()) && button->text().isEmpty()
            && button->accessibleName().isEmpty())
            names.append(button->objectName());
    }
    return names;
}
