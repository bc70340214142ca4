#include "app/MainView.h"

#include "app/AdvancedSettingsView.h"
#include "app/Application.h"
#include "app/MainViewGeometry.h"
#include "app/SettingsView.h"
#include "app/TabWidget.h"
#include "jobs/Merge.h"
#include "jobs/Split.h"
#include "jobs/MergeModel.h"
#include "merge/MergeView.h"
#include "merge/PageRangesView.h"
#include "split/SplitView.h"
#include "widgets/AccessibleRole.h"
#include "widgets/DimmingCover.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QSequentialAnimationGroup>

// The main window's side panels (settings, output properties, page ranges):
// how they are placed, slid in and out over the dimming cover, and how the
// keyboard focus stays inside the open one.

using namespace MainViewGeometry;

namespace {

const double coverOpacity = 0.6;
const int coverDuration = 100;
const int panelDuration = 300;

bool takesTabFocus(const QWidget *widget, const QWidget *container)
{
    return widget != container && container->isAncestorOf(widget) && widget->isVisible()
           && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy();
}

// The next (or previous) widget that Tab reaches inside container, going
// round within it; null when nothing there takes focus.
QWidget *nextFocusIn(QWidget *container, QWidget *from, bool next)
{
    QWidget *start = from && container->isAncestorOf(from) ? from : container;
    QWidget *widget = start;
    do {
        widget = next ? widget->nextInFocusChain() : widget->previousInFocusChain();
        if (takesTabFocus(widget, container))
            return widget;
    } while (widget != start);
    return nullptr;
}

} // namespace

void MainView::createPanels()
{
    m_cover = new DimmingCover(m_content);
    m_cover->setObjectName(QStringLiteral("backgroundSettingsView"));
    m_cover->setFixedSize(contentSize);
    m_cover->hide();

    m_settingsView = new SettingsView(m_content);
    placePanel(m_settingsView, m_settingsView->languageBox());
}

// A side panel waits hidden beside the content, under the cover, until it
// slides in.
void MainView::placePanel(QWidget *panel, QWidget *firstField)
{
    m_firstFields.insert(panel, firstField);
    // Announced as a dialog; its controls, not the panel, take the focus
    // (setting the panel's focus policy would set its focus proxy's).
    AccessibleRole::set(panel, QAccessible::Dialog);
    panel->setGeometry(panelHiddenGeometry());
    panel->hide();
    panel->stackUnder(m_cover);
}

bool MainView::focusNextPrevChild(bool next)
{
    if (!m_openPanel)
        return QFrame::focusNextPrevChild(next);
    if (QWidget *target = nextFocusIn(m_openPanel, QApplication::focusWidget(), next))
        target->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void MainView::onShowSettings()
{
    slideIn(m_settingsView);
}

void MainView::onHideSettings()
{
    slideOut(m_settingsView);
}

QRect MainView::panelShownGeometry()
{
    return QRect(QPoint(contentSize.width() - panelSize.width(), 0), panelSize);
}

QRect MainView::panelHiddenGeometry()
{
    // Left edge 21 pixels beyond the window's right edge.
    return QRect(QPoint(contentSize.width() + 21, 0), panelSize);
}

void MainView::runSlide(QWidget *panel, QAbstractAnimation *animation)
{
    if (QAbstractAnimation *running = m_slides.value(panel))
        running->stop();
    m_slides.insert(panel, animation);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void MainView::slideIn(QWidget *panel)
{
    m_cover->setGeometry(QRect(QPoint(0, 0), contentSize));
    m_cover->setOpacity(0);
    m_cover->show();
    m_cover->raise();
    panel->setGeometry(panelHiddenGeometry());
    if (!m_openPanel)
        m_focusBeforePanel = QApplication::focusWidget();
    m_openPanel = panel;
    AccessibleRole::setModal(panel, true);
    panel->show();
    panel->raise();

    auto *fade = new QPropertyAnimation(m_cover, "opacity");
    fade->setDuration(coverDuration);
    fade->setStartValue(0.0);
    fade->setEndValue(coverOpacity);
    auto *move = new QPropertyAnimation(panel, "geometry");
    move->setDuration(panelDuration);
    move->setStartValue(panelHiddenGeometry());
    move->setEndValue(panelShownGeometry());
    auto *slide = new QSequentialAnimationGroup(this);
    slide->addAnimation(fade);
    slide->addAnimation(move);
    runSlide(panel, slide);
    if (QWidget *first = m_firstFields.value(panel))
        first->setFocus(Qt::OtherFocusReason);
}

void MainView::slideOut(QWidget *panel)
{
    AccessibleRole::setModal(panel, false);
    if (m_openPanel == panel) {
        m_openPanel = nullptr;
        if (m_focusBeforePanel && m_focusBeforePanel->isVisible())
            m_focusBeforePanel->setFocus(Qt::OtherFocusReason);
        else if (QWidget *first = nextFocusIn(m_tabs, m_tabs, true))
            first->setFocus(Qt::OtherFocusReason);
    }
    auto *move = new QPropertyAnimation(panel, "geometry");
    move->setDuration(panelDuration);
    move->setStartValue(panel->geometry());
    move->setEndValue(panelHiddenGeometry());
    connect(move, &QAbstractAnimation::finished, panel, &QWidget::hide);
    auto *fade = new QPropertyAnimation(m_cover, "opacity");
    fade->setDuration(coverDuration);
    fade->setStartValue(m_cover->opacity());
    fade->setEndValue(0.0);
    connect(fade, &QAbstractAnimation::finished, m_cover, &QWidget::hide);
    auto *slide = new QSequentialAnimationGroup(this);
    slide->addAnimation(move);
    slide->addAnimation(fade);
    runSlide(panel, slide);
}

void MainView::createAdvancedSettingsPanel()
{
    m_advancedSettingsView = new AdvancedSettingsView(m_content);
    placePanel(m_advancedSettingsView, m_advancedSettingsView->firstField());
    connect(m_advancedSettingsView, &AdvancedSettingsView::onHideWindow, this,
            &MainView::onHideAdvancedSettings);
    if (auto *app = Application::instance()) {
        connect(app->split(), &Split::editAdvancedSettings, this,
                &MainView::onShowAdvancedSettings);
        connect(app->merge(), &Merge::editAdvancedSettings, this,
                &MainView::onShowAdvancedSettings);
    }
}

void MainView::onShowAdvancedSettings(const QSharedPointer<AdvancedSettings> &settings)
{
    m_advancedSettingsView->setSettings(settings);
    slideIn(m_advancedSettingsView);
}

void MainView::onHideAdvancedSettings()
{
    m_splitView->updateResetNote();
    m_mergeView->updateOrderNote();
    slideOut(m_advancedSettingsView);
}

void MainView::createPageRangesPanel()
{
    m_pageRangesView = new PageRangesView(m_content);
    placePanel(m_pageRangesView, m_pageRangesView->fromEdit());
}

void MainView::onEditPageRanges(const QString &id, const PageRangeList &ranges, int totalPages)
{
    const auto *app = Application::instance();
    const bool reversed = app && app->merge() && app->merge()->model()->isReversed(id);
    m_pageRangesView->open(id, ranges, totalPages, reversed);
    slideIn(m_pageRangesView);
}

void MainView::onHidePageRanges()
{
    slideOut(m_pageRangesView);
}
