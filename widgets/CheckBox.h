#ifndef CLEAVEMARK_WIDGETS_CHECKBOX_H
#define CLEAVEMARK_WIDGETS_CHECKBOX_H

#include <QCheckBox>

// A check box that toggles wherever it is clicked, not only on the indicator
// and its text, and shows a pointing hand. Its indicator images come from the
// style sheet ("CheckBox::indicator:checked { image: ... }").
class CheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit CheckBox(QWidget *parent = nullptr);
    explicit CheckBox(const QString &text, QWidget *parent = nullptr);

protected:
    bool hitButton(const QPoint &pos) const override;
};

#endif
