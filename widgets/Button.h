#ifndef CLEAVEMARK_WIDGETS_BUTTON_H
#define CLEAVEMARK_WIDGETS_BUTTON_H

#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QSize>

class QStylePainter;

// A push button whose icon and text colour follow its state. The style sheet
// sets the looks as properties, e.g.
//     Button#buttonHelp { qproperty-iconNormal: url(:/style/images/help.png); }
// A state without its own icon or colour falls back to the normal one.
class Button : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString iconNormal MEMBER m_iconNormal NOTIFY lookChanged)
    Q_PROPERTY(QString iconHover MEMBER m_iconHover NOTIFY lookChanged)
    Q_PROPERTY(QString iconPressed MEMBER m_iconPressed NOTIFY lookChanged)
    Q_PROPERTY(QString iconChecked MEMBER m_iconChecked NOTIFY lookChanged)
    Q_PROPERTY(QString iconDisabled MEMBER m_iconDisabled NOTIFY lookChanged)
    Q_PROPERTY(int iconAlignment MEMBER m_iconAlignment NOTIFY lookChanged)
    Q_PROPERTY(QColor colorTextNormal MEMBER m_colorTextNormal NOTIFY lookChanged)
    Q_PROPERTY(QColor colorTextHover MEMBER m_colorTextHover NOTIFY lookChanged)
    Q_PROPERTY(QColor colorTextPressed MEMBER m_colorTextPressed NOTIFY lookChanged)
    Q_PROPERTY(QColor colorTextChecked MEMBER m_colorTextChecked NOTIFY lookChanged)
    Q_PROPERTY(QColor colorTextDisabled MEMBER m_colorTextDisabled NOTIFY lookChanged)
    Q_PROPERTY(int iconPaddingLeft MEMBER m_iconPaddingLeft NOTIFY lookChanged)
    Q_PROPERTY(int iconPaddingRight MEMBER m_iconPaddingRight NOTIFY lookChanged)
    Q_PROPERTY(QString menuIconNormal MEMBER m_menuIconNormal NOTIFY lookChanged)
    Q_PROPERTY(QString menuIconHover MEMBER m_menuIconHover NOTIFY lookChanged)
    Q_PROPERTY(QString menuIconPressed MEMBER m_menuIconPressed NOTIFY lookChanged)
    Q_PROPERTY(QString menuIconChecked MEMBER m_menuIconChecked NOTIFY lookChanged)
    Q_PROPERTY(QString menuIconDisabled MEMBER m_menuIconDisabled NOTIFY lookChanged)
    Q_PROPERTY(QSize menuIconSize MEMBER m_menuIconSize NOTIFY lookChanged)
    Q_PROPERTY(bool wordWrap MEMBER m_wordWrap NOTIFY lookChanged)
    // The ring drawn while the button has keyboard focus (see FocusMark).
    Q_PROPERTY(QColor colorFocus MEMBER m_colorFocus NOTIFY lookChanged)

public:
    enum State { Normal, Hover, Pressed, Checked, Disabled };
    Q_ENUM(State)

    explicit Button(QWidget *parent = nullptr);
    explicit Button(const QString &text, QWidget *parent = nullptr);

    State state() const;
    QPixmap stateIcon() const;
    QPixmap stateMenuIcon() const;
    QColor stateTextColor() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void lookChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

    // Paints everything but the text: the style's bevel, the menu icon and
    // the given icon. Returns the room left for the text.
    QRect drawAllButText(QStylePainter &painter, const QPixmap &icon) const;
    QColor pickColor(const QColor &normal, const QColor &hover, const QColor &pressed,
                     const QColor &checked, const QColor &disabled) const;

private:
    // The rectangle inside the style's borders and padding.
    QRect contentsArea() const;
    // Draws the icon as iconAlignment says and returns the room left for text.
    QRect drawIcon(QPainter &painter, const QRect &area, const QPixmap &icon) const;
    void drawMenuIcon(QPainter &painter, const QRect &area) const;
    int textFlags(const QPixmap &icon) const;
    QPixmap pickPixmap(const QString &normal, const QString &hover, const QString &pressed,
                       const QString &checked, const QString &disabled) const;
    QSize iconRoom() const;
    void drawFocusMark(QPainter &painter) const;

    QString m_iconNormal, m_iconHover, m_iconPressed, m_iconChecked, m_iconDisabled;
    int m_iconAlignment = Qt::AlignCenter;
    QColor m_colorTextNormal, m_colorTextHover, m_colorTextPressed, m_colorTextChecked,
        m_colorTextDisabled;
    int m_iconPaddingLeft = 0;
    int m_iconPaddingRight = 0;
    QString m_menuIconNormal, m_menuIconHover, m_menuIconPressed, m_menuIconChecked,
        m_menuIconDisabled;
    QSize m_menuIconSize;
    bool m_wordWrap = false;
    QColor m_colorFocus;
};

// Loads an image named by the style sheet, through the pixmap cache. On a
// screen of device pixel ratio 2 or more the "@2x" rendering next to the
// image is taken when there is one, so icons stay sharp.
QPixmap loadStylePixmap(const QString &path);

#endif
