#ifndef CLEAVEMARK_APP_TABWIDGET_H
#define CLEAVEMARK_APP_TABWIDGET_H

#include "widgets/Button.h"

#include <QMap>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QStackedLayout;

// A checkable tab button that knows the index of its page.
class TabButton : public Button
{
    Q_OBJECT

public:
    TabButton(int index, QWidget *parent = nullptr);
    int index() const { return m_index; }

signals:
    void clicked(int index);
    // Left or Right pressed on the tab: the neighbour's page is asked for.
    void stepRequested(int step);

protected:
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_index;
};

// Pages in a stack with a row of tab buttons above them. The row sits on the
// label "labelTabBarHide", which the style sheet keeps hidden; the label is
// renamed "labelTabBar" for good once a page with a tab button was shown.
class TabWidget : public QWidget
{
    Q_OBJECT

public:
    explicit TabWidget(QWidget *parent = nullptr);

    // Adds page under index; button may be null (a page without a tab).
    void addTab(QWidget *page, int index, TabButton *button = nullptr);
    int currentIndex() const;
    int count() const;
    QWidget *page(int index) const;
    TabButton *tabButton(int index) const { return m_buttons.value(index); }
    QLabel *tabBar() const { return m_tabBar; }
    // The row of the tab buttons; widgets added here land right of the tabs.
    QHBoxLayout *tabBarLayout() const { return m_tabBarLayout; }

    // The page after (step 1) or before (step -1) the current one among the
    // pages with a tab, wrapping around; from a page without a tab, the
    // first or the last of them.
    int neighbourIndex(int step) const;

public slots:
    void setCurrentIndex(int index);
    void tabButtonClicked(int index);
    // Shows the neighbour page; its tab takes the focus when a tab had it.
    void step(int step);

signals:
    void currentIndexChanged(int index);

private:
    void revealTabBar();

    QLabel *m_tabBar = nullptr;
    QHBoxLayout *m_tabBarLayout = nullptr;
    QStackedLayout *m_pages = nullptr;
    QMap<int, TabButton *> m_buttons;
    QMap<int, QWidget *> m_pageByIndex;
    int m_current = -1;
};

#endif
