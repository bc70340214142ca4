#include "preview/ThumbnailGrid.h"

#include "preview/ThumbnailDelegate.h"
#include "preview/ThumbnailLoader.h"
#include "preview/ThumbnailModel.h"

#include <QAccessible>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace {

// How long the view must rest before thumbnails are asked for: holding
// Page Down or End through thousands of pages asks for none of those
// passed by.
const int requestDelayMs = 30;

} // namespace

ThumbnailGrid::ThumbnailGrid(ThumbnailModel *model, ThumbnailLoader *loader, QWidget *parent)
    : QListView(parent)
    , m_model(model)
    , m_loader(loader)
    , m_delegate(new ThumbnailDelegate(this))
    , m_requestTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("thumbnailGrid"));
    setViewMode(QListView::ListMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFrameShape(QFrame::NoFrame);
    setItemDelegate(m_delegate);
    setModel(model);
    m_requestTimer->setSingleShot(true);
    m_requestTimer->setInterval(requestDelayMs);
    connect(m_requestTimer, &QTimer::timeout, this, &ThumbnailGrid::requestThumbnails);
    connect(model, &QAbstractItemModel::modelReset, m_requestTimer, qOverload<>(&QTimer::start));
    connect(model, &ThumbnailModel::pageMarksChanged, this, &ThumbnailGrid::announceMarks);
    connect(verticalScrollBar(), &QScrollBar::rangeChanged, m_requestTimer, qOverload<>(&QTimer::start));
    setThumbnailSide(m_delegate->thumbnailSide());
}

int ThumbnailGrid::thumbnailSide() const
{
    return m_delegate->thumbnailSide();
}

void ThumbnailGrid::setThumbnailSide(int side)
{
    side = qBound(int(SmallestSide), side, int(LargestSide));
    m_delegate->setThumbnailSide(side);
    m_loader->setThumbnailSize(side, devicePixelRatioF());
    verticalScrollBar()->setSingleStep(side / 4);
    // The items' size is asked again only when the layout is redone.
    const int current = currentPage();
    scheduleDelayedItemsLayout();
    doItemsLayout();
    if (current > 0)
        scrollTo(m_model->index(current - 1), QAbstractItemView::EnsureVisible);
    m_requestTimer->start();
}

bool ThumbnailGrid::stepThumbnailSide(int steps)
{
    const int side = qBound(int(SmallestSide), thumbnailSide() + steps * SideStep, int(LargestSide));
    if (side == thumbnailSide())
        return false;
    setThumbnailSide(side);
    return true;
}

QList<int> ThumbnailGrid::selectedPages() const
{
    QList<int> pages;
    const QModelIndexList rows = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    for (const QModelIndex &row : rows)
        pages.append(row.row() + 1);
    std::sort(pages.begin(), pages.end());
    if (pages.isEmpty() && currentPage() > 0)
        pages.append(currentPage());
    return pages;
}

int ThumbnailGrid::currentPage() const
{
    return currentIndex().isValid() ? currentIndex().row() + 1 : 0;
}

void ThumbnailGrid::setCurrentPage(int page)
{
    const QModelIndex index = m_model->index(page - 1);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QPair<int, int> ThumbnailGrid::pagesInView() const
{
    const int count = m_model->rowCount();
    if (count == 0)
        return {0, 0};
    const QRect shown = viewport()->rect();
    const QSize item = m_delegate->sizeHint(viewOptions(), QModelIndex());
    const int columns = qMax(1, shown.width() / qMax(1, item.width()));
    const int firstRow = qMax(0, verticalOffset() / qMax(1, item.height()));
    const int lastRow = (verticalOffset() + shown.height()) / qMax(1, item.height());
    return {qMin(count, firstRow * columns + 1), qMin(count, (lastRow + 1) * columns)};
}

// The pages in view first, then a screen below and one above.
void ThumbnailGrid::requestThumbnails()
{
    const QPair<int, int> inView = pagesInView();
    if (inView.first == 0)
        return;
    // The window may have moved to a screen of another pixel ratio.
    m_loader->setThumbnailSize(thumbnailSide(), devicePixelRatioF());
    const int screen = inView.second - inView.first + 1;
    QList<int> pages;
    for (int page = inView.first; page <= inView.second; ++page)
        pages.append(page);
    for (int page = inView.second + 1; page <= inView.second + screen; ++page)
        pages.append(page);
    for (int page = inView.first - 1; page >= qMax(1, inView.first - screen); --page)
        pages.append(page);
    m_loader->request(pages);
}

void ThumbnailGrid::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            stepThumbnailSide(steps);
        event->accept();
        return;
    }
    QListView::wheelEvent(event);
}

void ThumbnailGrid::resizeEvent(QResizeEvent *event)
{
    QListView::resizeEvent(event);
    m_requestTimer->start();
}

void ThumbnailGrid::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    m_requestTimer->start();
}

void ThumbnailGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QListView::currentChanged(current, previous);
    emit currentPageChanged(current.isValid() ? current.row() + 1 : 0);
}

// A screen reader hears the marks of a page change as they are set.
void ThumbnailGrid::announceMarks(int row)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}
