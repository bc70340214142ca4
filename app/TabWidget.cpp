#include "app/TabWidget.h"

#include "widgets/AccessibleRole.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedLayout>
#include <QStyle>
#include <QVBoxLayout>

TabButton::TabButton(int index, QWidget *parent)
    : Button(parent)
    , m_index(index)
{
    setCheckable(true);
    setMinimumWidth(89);
    // Tab reaches the tabs; a click on one leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    AccessibleRole::set(this, QAccessible::PageTab);
    connect(this, &QPushButton::clicked, this, [this] { emit clicked(m_index); });
}

void TabButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        emit stepRequested(-1);
        break;
    case Qt::Key_Right:
        emit stepRequested(1);
        break;
    default:
        Button::keyPressEvent(event);
        break;
    }
}

void TabButton::nextCheckState()
{
    // Checking is the tab widget's business: a click only asks for the page.
}

TabWidget::TabWidget(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("tabWidget"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_tabBar = new QLabel(this);
    m_tabBar->setObjectName(QStringLiteral("labelTabBarHide"));
    AccessibleRole::set(m_tabBar, QAccessible::PageTabList);
    m_tabBarLayout = new QHBoxLayout(m_tabBar);
    m_tabBarLayout->setAlignment(Qt::AlignTop);
    m_tabBarLayout->setSpacing(0);
    m_tabBarLayout->setContentsMargins(0, 0, 0, 0);
    m_tabBarLayout->addStretch();
    layout->addWidget(m_tabBar);
    // Folded away, the tabs must not be reached by Tab either.
    m_tabBar->hide();

    m_pages = new QStackedLayout;
    layout->addLayout(m_pages);
}

void TabWidget::addTab(QWidget *page, int index, TabButton *button)
{
    m_pages->addWidget(page);
    m_pageByIndex.insert(index, page);
    if (!button)
        return;
    m_buttons.insert(index, button);
    // Before the stretch, after the tabs already there.
    m_tabBarLayout->insertWidget(m_buttons.size() - 1, button);
    connect(button, &TabButton::clicked, this, &TabWidget::tabButtonClicked);
    connect(button, &TabButton::stepRequested, this, &TabWidget::step);
}

int TabWidget::neighbourIndex(int step) const
{
    const QList<int> tabbed = m_buttons.keys();
    if (tabbed.isEmpty())
        return m_current;
    const int at = tabbed.indexOf(m_current);
    if (at < 0)
        return step > 0 ? tabbed.first() : tabbed.last();
    const int count = tabbed.size();
    return tabbed.at(((at + step) % count + count) % count);
}

void TabWidget::step(int step)
{
    const bool tabHadFocus = qobject_cast<TabButton *>(focusWidget()) != nullptr;
    setCurrentIndex(neighbourIndex(step));
    if (tabHadFocus) {
        if (TabButton *button = m_buttons.value(m_current))
            button->setFocus(Qt::TabFocusReason);
    }
}

int TabWidget::count() const
{
    return m_pages->count();
}

int TabWidget::currentIndex() const
{
    return m_current;
}

QWidget *TabWidget::page(int index) const
{
    return m_pageByIndex.value(index);
}

void TabWidget::tabButtonClicked(int index)
{
    setCurrentIndex(index);
}

void TabWidget::revealTabBar()
{
    if (m_tabBar->objectName() == QLatin1String("labelTabBar"))
        return;
    m_tabBar->setObjectName(QStringLiteral("labelTabBar"));
    m_tabBar->style()->unpolish(m_tabBar);
    m_tabBar->style()->polish(m_tabBar);
    m_tabBar->show();
    m_tabBar->update();
}

void TabWidget::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || !m_pageByIndex.contains(index))
        return;
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it)
        it.value()->setChecked(it.key() == index);
    if (TabButton *button = m_buttons.value(index)) {
        button->raise();
        revealTabBar();
    }
    m_pages->setCurrentWidget(m_pageByIndex.value(index));
    m_current = index;
    emit currentIndexChanged(index);
}
