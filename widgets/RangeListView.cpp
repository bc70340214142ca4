#include "widgets/RangeListView.h"

#include "widgets/RangeItemView.h"
#include "widgets/FlowLayout.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Lets the new tag be laid out before the view scrolls to it.
const int scrollDelayMs = 100;

} // namespace

RangeListView::RangeListView(QWidget *parent)
    : QFrame(parent)
{
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollPageItems"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The tags' remove buttons are the stops; the area scrolls to them.
    m_scrollArea->setFocusPolicy(Qt::NoFocus);
    auto *bar = new QScrollBar(Qt::Vertical, m_scrollArea);
    bar->setObjectName(QStringLiteral("scrollBarPageItems"));
    m_scrollArea->setVerticalScrollBar(bar);

    m_content = new QWidget;
    m_layout = new FlowLayout(m_content);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_scrollArea->setWidget(m_content);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scrollArea);
}

bool RangeListView::isEmpty() const
{
    return m_layout->count() == 0;
}

QList<RangeItemView *> RangeListView::items() const
{
    QList<RangeItemView *> tags;
    for (int i = 0; i < m_layout->count(); ++i) {
        if (auto *tag = qobject_cast<RangeItemView *>(m_layout->itemAt(i)->widget()))
            tags.append(tag);
    }
    return tags;
}

bool RangeListView::contains(QPair<int, int> range) const
{
    const QList<RangeItemView *> tags = items();
    return std::any_of(tags.begin(), tags.end(),
                       [range](const RangeItemView *tag) { return tag->range() == range; });
}

void RangeListView::add(int from, int to)
{
    add(qMakePair(from, to));
}

void RangeListView::add(QPair<int, int> range)
{
    if (contains(range))
        return;
    auto *tag = new RangeItemView(range, m_content);
    tag->show();
    connect(tag, &RangeItemView::onRemove, this, &RangeListView::onRemovedItem);
    connect(tag, &RangeItemView::removed, this, &RangeListView::removedItem);
    m_layout->addWidget(tag);
    updateContentSize();
    emit changed();
    QTimer::singleShot(scrollDelayMs, this, &RangeListView::scrollDown);
}

void RangeListView::clear()
{
    while (QLayoutItem *item = m_layout->takeAt(0)) {
        if (QWidget *tag = item->widget()) {
            tag->hide();
            tag->deleteLater();
        }
        delete item;
    }
    updateContentSize();
    emit changed();
}

void RangeListView::onRemovedItem()
{
    // The tag deletes itself later; it leaves the layout now so that the
    // list already counts as empty when its last tag goes.
    if (auto *tag = qobject_cast<QWidget *>(sender()))
        m_layout->removeWidget(tag);
    updateContentSize();
    emit changed();
}

void RangeListView::scrollDown()
{
    QScrollBar *bar = m_scrollArea->verticalScrollBar();
    bar->setValue(bar->maximum());
}

void RangeListView::updateContentSize()
{
    m_layout->invalidate();
    m_content->resize(m_layout->sizeHint());
    m_content->updateGeometry();
}
