#include "dialogs/MessageScroll.h"

#include "widgets/FramelessDialog.h"

#include <QFrame>
#include <QLabel>
#include <QResizeEvent>
#include <QScrollBar>
#include <QVBoxLayout>

MessageScroll::MessageScroll(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("messageScroll"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setAutoFillBackground(false);
    // Named for the keyboard focus it takes when the message scrolls.
    setAccessibleName(tr("Message"));
}

MessageScroll *MessageScroll::wrapMessage(FramelessDialog *dialog)
{
    QLabel *message = dialog->messageLabel();
    QVBoxLayout *layout = dialog->frameLayout();
    const int place = layout->indexOf(message);
    layout->removeWidget(message);
    auto *scroll = new MessageScroll(dialog->frame());
    message->setAutoFillBackground(false);
    scroll->setWidget(message);
    layout->insertWidget(place, scroll, 1);
    // Only a message that does not fit takes the keys, for its scroll bar.
    connect(scroll->verticalScrollBar(), &QScrollBar::rangeChanged, scroll, [scroll](int, int maximum) {
        scroll->setFocusPolicy(maximum > 0 ? Qt::StrongFocus : Qt::NoFocus);
    });
    return scroll;
}

bool MessageScroll::hasHeightForWidth() const
{
    return true;
}

int MessageScroll::heightAt(int width) const
{
    const QWidget *content = widget();
    if (!content || content->isHidden())
        return 0;
    const int inner = width - 2 * frameWidth();
    const int height = content->hasHeightForWidth() ? content->heightForWidth(inner) : content->sizeHint().height();
    return qMin(height, TallestMessage) + 2 * frameWidth();
}

int MessageScroll::heightForWidth(int width) const
{
    return heightAt(width);
}

QSize MessageScroll::sizeHint() const
{
    const QWidget *content = widget();
    const int width = content ? content->sizeHint().width() + 2 * frameWidth() : 0;
    return QSize(width, heightAt(this->width() > 1 ? this->width() : width));
}

QSize MessageScroll::minimumSizeHint() const
{
    return QSize(QScrollArea::minimumSizeHint().width(), heightAt(width() > 1 ? width() : sizeHint().width()));
}

// The height the message wants follows the width it got.
void MessageScroll::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    if (event->oldSize().width() != event->size().width())
        updateGeometry();
}
