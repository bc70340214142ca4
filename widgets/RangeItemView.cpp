#include "widgets/RangeItemView.h"

#include "widgets/Button.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

RangeItemView::RangeItemView(QPair<int, int> range, QWidget *parent)
    : QFrame(parent)
    , m_range(range)
{
    setObjectName(QStringLiteral("pageitemview"));
    m_label = new QLabel(rangeText(range), this);
    m_remove = new Button(this);
    m_remove->setObjectName(QStringLiteral("deletelabel"));
    m_remove->setCursor(Qt::PointingHandCursor);
    m_remove->setFocusPolicy(Qt::TabFocus);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(5, 5, 5, 5);
    row->setAlignment(Qt::AlignCenter);
    row->addWidget(m_label);
    row->addWidget(m_remove);

    connect(m_remove, &QPushButton::clicked, this, &RangeItemView::buttonRemove);
    retranslate();
}

QString RangeItemView::rangeText(QPair<int, int> range)
{
    if (range.first == range.second)
        return QString::number(range.first);
    return QStringLiteral("%1 - %2").arg(range.first).arg(range.second);
}

QString RangeItemView::text() const
{
    return m_label->text();
}

void RangeItemView::retranslate()
{
    m_remove->setAccessibleName(tr("Remove pages %1").arg(rangeText(m_range)));
}

void RangeItemView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void RangeItemView::buttonRemove()
{
    hide();
    emit onRemove();
    emit removed(m_range);
    deleteLater();
}
