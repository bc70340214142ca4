#ifndef CLEAVEMARK_WIDGETS_BUTTONDESCRIPTION_H
#define CLEAVEMARK_WIDGETS_BUTTONDESCRIPTION_H

#include "widgets/Button.h"

// A Button with a smaller description line above its text, e.g.
//     Last split:
//     Open folder
// The description takes its own state colours from the style sheet.
class ButtonDescription : public Button
{
    Q_OBJECT
    Q_PROPERTY(QString description READ description WRITE setDescription)
    Q_PROPERTY(QColor colorDescriptionNormal MEMBER m_colorDescriptionNormal NOTIFY lookChanged)
    Q_PROPERTY(QColor colorDescriptionHover MEMBER m_colorDescriptionHover NOTIFY lookChanged)
    Q_PROPERTY(QColor colorDescriptionPressed MEMBER m_colorDescriptionPressed NOTIFY lookChanged)
    Q_PROPERTY(QColor colorDescriptionChecked MEMBER m_colorDescriptionChecked NOTIFY lookChanged)
    Q_PROPERTY(QColor colorDescriptionDisabled MEMBER m_colorDescriptionDisabled NOTIFY lookChanged)
    Q_PROPERTY(int textPadding MEMBER m_textPadding NOTIFY lookChanged)

public:
    explicit ButtonDescription(QWidget *parent = nullptr);

    QString description() const { return m_description; }
    void setDescription(const QString &description);
    QColor stateDescriptionColor() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont descriptionFont() const;

    QString m_description;
    QColor m_colorDescriptionNormal, m_colorDescriptionHover, m_colorDescriptionPressed,
        m_colorDescriptionChecked, m_colorDescriptionDisabled;
    int m_textPadding = 0;
};

#endif
