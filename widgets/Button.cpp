#include "widgets/Button.h"

#include "widgets/FocusMark.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionButton>
#include <QStylePainter>

// "a/b.png" -> "a/b@2x.png"
static QString doubleSizeName(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= name.lastIndexOf(QLatin1Char('/')))
        return QString();
    return name.left(dot) + QStringLiteral("@2x") + name.mid(dot);
}

static QPixmap loadForScreen(const QString &name)
{
    if (qApp && qApp->devicePixelRatio() > 1.0) {
        const QString sharp = doubleSizeName(name);
        if (!sharp.isEmpty() && QFileInfo::exists(sharp)) {
            QPixmap pixmap(sharp);
            pixmap.setDevicePixelRatio(2.0);
            if (!pixmap.isNull())
                return pixmap;
        }
    }
    return QPixmap(name);
}

QPixmap loadStylePixmap(const QString &path)
{
    QString name = path.trimmed();
    // A raw "url(...)" may reach us when the value was quoted oddly.
    if (name.startsWith(QLatin1String("url(")) && name.endsWith(QLatin1Char(')')))
        name = name.mid(4, name.size() - 5).trimmed();
    if (name.size() > 1 && (name.startsWith(QLatin1Char('"')) || name.startsWith(QLatin1Char('\''))))
        name = name.mid(1, name.size() - 2);
    if (name.isEmpty())
        return {};
    QPixmap pixmap;
    const QString key = QStringLiteral("style:%1@%2").arg(name).arg(qApp ? qApp->devicePixelRatio() : 1.0);
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = loadForScreen(name);
        if (!pixmap.isNull())
            QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

static QSize logicalSize(const QPixmap &pixmap)
{
    if (pixmap.isNull())
        return {0, 0};
    return pixmap.size() / pixmap.devicePixelRatio();
}

Button::Button(QWidget *parent)
    : Button(QString(), parent)
{
}

Button::Button(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    setAttribute(Qt::WA_Hover);
    connect(this, &Button::lookChanged, this, [this] {
        updateGeometry();
        update();
    });
}

Button::State Button::state() const
{
    if (!isEnabled())
        return Disabled;
    if (isDown())
        return Pressed;
    if (isCheckable() && isChecked())
        return Checked;
    if (underMouse())
        return Hover;
    return Normal;
}

// The look the style sheet gave for the state; Normal has no look of its own
// here, as every state falls back to it.
template<typename Look>
static Look lookForState(Button::State state, const Look &hover, const Look &pressed,
                         const Look &checked, const Look &disabled)
{
    switch (state) {
    case Button::Hover: return hover;
    case Button::Pressed: return pressed;
    case Button::Checked: return checked;
    case Button::Disabled: return disabled;
    case Button::Normal: break;
    }
    return Look();
}

QPixmap Button::pickPixmap(const QString &normal, const QString &hover, const QString &pressed,
                           const QString &checked, const QString &disabled) const
{
    QPixmap pixmap = loadStylePixmap(lookForState(state(), hover, pressed, checked, disabled));
    return pixmap.isNull() ? loadStylePixmap(normal) : pixmap;
}

QColor Button::pickColor(const QColor &normal, const QColor &hover, const QColor &pressed,
                         const QColor &checked, const QColor &disabled) const
{
    const QColor chosen = lookForState(state(), hover, pressed, checked, disabled);
    if (chosen.isValid())
        return chosen;
    if (normal.isValid())
        return normal;
    return palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                           QPalette::ButtonText);
}

QPixmap Button::stateIcon() const
{
    return pickPixmap(m_iconNormal, m_iconHover, m_iconPressed, m_iconChecked, m_iconDisabled);
}

QPixmap Button::stateMenuIcon() const
{
    return pickPixmap(m_menuIconNormal, m_menuIconHover, m_menuIconPressed, m_menuIconChecked,
                      m_menuIconDisabled);
}

QColor Button::stateTextColor() const
{
    return pickColor(m_colorTextNormal, m_colorTextHover, m_colorTextPressed, m_colorTextChecked,
                     m_colorTextDisabled);
}

bool Button::event(QEvent *event)
{
    // Hover changes the look, so repaint on entering and leaving.
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::EnabledChange:
        update();
        break;
    default:
        break;
    }
    return QPushButton::event(event);
}

QRect Button::contentsArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

int Button::textFlags(const QPixmap &icon) const
{
    int flags = Qt::TextShowMnemonic;
    if (m_wordWrap)
        flags |= Qt::TextWordWrap;
    if ((m_iconAlignment & Qt::AlignLeft) && !icon.isNull())
        return flags | Qt::AlignLeft | Qt::AlignVCenter;
    return flags | Qt::AlignCenter;
}

QRect Button::drawIcon(QPainter &painter, const QRect &area, const QPixmap &icon) const
{
    if (icon.isNull())
        return area;
    const QSize size = logicalSize(icon);
    const int alignment = m_iconAlignment;
    QRect textArea = area;
    QPoint at;
    const int middle = area.top() + (area.height() - size.height()) / 2;

    if (alignment & Qt::AlignLeft) {
        at = QPoint(area.left() + m_iconPaddingLeft, middle);
        textArea.setLeft(at.x() + size.width() + m_iconPaddingRight);
    } else if (alignment & Qt::AlignRight) {
        at = QPoint(area.right() + 1 - m_iconPaddingRight - size.width(), middle);
        textArea.setRight(at.x() - m_iconPaddingLeft - 1);
    } else if ((alignment & Qt::AlignTop) && !text().isEmpty()) {
        // Icon above the text, both centred.
        const int textHeight = fontMetrics().height();
        const int block = size.height() + m_iconPaddingRight + textHeight;
        const int top = area.top() + (area.height() - block) / 2;
        at = QPoint(area.left() + (area.width() - size.width()) / 2, top);
        textArea = QRect(area.left(), top + size.height() + m_iconPaddingRight, area.width(),
                         textHeight);
    } else if (text().isEmpty()) {
        at = QPoint(area.left() + (area.width() - size.width()) / 2, middle);
    } else {
        // Icon and text side by side, centred together.
        const int textWidth = fontMetrics().horizontalAdvance(text());
        const int block = m_iconPaddingLeft + size.width() + m_iconPaddingRight + textWidth;
        const int left = area.left() + qMax(0, (area.width() - block) / 2);
        at = QPoint(left + m_iconPaddingLeft, middle);
        textArea.setLeft(at.x() + size.width() + m_iconPaddingRight);
        textArea.setWidth(qMin(textWidth, area.right() - textArea.left() + 1));
    }
    painter.drawPixmap(at, icon);
    return textArea;
}

void Button::drawMenuIcon(QPainter &painter, const QRect &area) const
{
    if (!menu())
        return;
    const QPixmap icon = stateMenuIcon();
    if (icon.isNull())
        return;
    const QSize size = m_menuIconSize.isValid() ? m_menuIconSize : logicalSize(icon);
    const QRect target(area.right() + 1 - m_iconPaddingRight - size.width(),
                       area.top() + (area.height() - size.height()) / 2, size.width(),
                       size.height());
    painter.drawPixmap(target, icon);
}

QRect Button::drawAllButText(QStylePainter &painter, const QPixmap &icon) const
{
    // The style draws only the panel; icon, text and menu icon are ours.
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    option.features &= ~QStyleOptionButton::HasMenu;
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect area = contentsArea();
    drawMenuIcon(painter, area);
    return drawIcon(painter, area, icon);
}

void Button::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const QPixmap icon = stateIcon();
    const QRect textArea = drawAllButText(painter, icon);
    if (!text().isEmpty()) {
        painter.setPen(stateTextColor());
        painter.drawText(textArea, textFlags(icon), text());
    }
    if (FocusMark::isShown(this))
        drawFocusMark(painter);
}

// A ring in the accent colour with a white line inside it, so that it shows
// on light buttons and on buttons filled with the accent colour alike.
void Button::drawFocusMark(QPainter &painter) const
{
    const QColor ring = m_colorFocus.isValid() ? m_colorFocus : palette().color(QPalette::Highlight);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ring, 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3.5, 3.5);
    painter.restore();
}

QSize Button::iconRoom() const
{
    const QSize size = logicalSize(loadStylePixmap(m_iconNormal));
    if (size.isEmpty())
        return {0, 0};
    return {m_iconPaddingLeft + size.width() + m_iconPaddingRight, size.height()};
}

QSize Button::sizeHint() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QFontMetrics metrics = fontMetrics();
    const QSize icon = iconRoom();
    QSize content(metrics.horizontalAdvance(text()), metrics.height());
    if ((m_iconAlignment & Qt::AlignTop) && !(m_iconAlignment & Qt::AlignHorizontal_Mask))
        content = QSize(qMax(content.width(), icon.width()),
                        content.height() + icon.height() + m_iconPaddingRight);
    else
        content = QSize(content.width() + icon.width(), qMax(content.height(), icon.height()));
    if (menu() && m_menuIconSize.isValid())
        content.rwidth() += m_menuIconSize.width() + m_iconPaddingRight;
    option.text.clear();
    option.icon = QIcon();
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, content, this);
}

QSize Button::minimumSizeHint() const
{
    return m_wordWrap ? QSize(0, 0) : sizeHint();
}
