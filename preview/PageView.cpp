#include "preview/PageView.h"

#include "jobs/OutcomeText.h"
#include "pdf/FileStamp.h"
#include "pdf/InformationReader.h"
#include "pdf/PdfService.h"
#include "preview/Page.h"
#include "preview/ViewedDocument.h"

#include <QLabel>
#include <QPixmapCache>
#include <QWheelEvent>

#include <algorithm>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

PageView::PageView(QSharedPointer<PdfService> service, QWidget *parent)
    : QFrame(parent)
    , m_service(std::move(service))
    , m_reader(new InformationReader(this))
{
    connect(m_reader, &InformationReader::finished, this, &PageView::informationRead);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("scrollAreaPages"));
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->verticalScrollBar()->setObjectName(QStringLiteral("scrollDocVertical"));
    m_scrollArea->horizontalScrollBar()->setObjectName(QStringLiteral("scrollDocHorizontal"));
    layout->addWidget(m_scrollArea);
    m_scrollArea->setAccessibleName(tr("Pages"));
    m_scrollArea->setWidget(newContent());
    connect(m_scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, &PageView::cancelHiddenRenderings);
    connect(m_scrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        const int page = currentPage();
        if (page != m_lastCurrentPage)
            emit currentPageChanged(m_lastCurrentPage = page);
    });
    m_scrollArea->viewport()->installEventFilter(this);
}

// The pages stop waiting for their drawings while the renderer is surely
// still there.
PageView::~PageView()
{
    m_pages.clear();
    delete m_scrollArea->takeWidget();
}

void PageView::open(const QString &fileName, const QString &password)
{
    // The same file, unchanged since it was read: its pages and renderings stay.
    if (!m_fileName.isEmpty() && fileName == m_fileName && FileStamp::of(fileName) == m_fileStamp) {
        scrollToTop();
        emit opened(true);
        return;
    }

    clear();
    if (!m_service) {
        emit opened(false);
        return;
    }
    m_reader->start({fileName, password, false, true});
}

// A document that still needs a password shows nothing either.
void PageView::informationRead(const InformationResult &result)
{
    const QList<QSize> sizes = result.info.pageSizes;
    if (result.error != AddNoError || sizes.isEmpty()) {
        showEmptyReason(result);
        emit opened(false);
        return;
    }
    const DocumentInformation &info = result.info;
    m_document.reset(new ViewedDocument(m_service->renderClient(), info.path, info.password, sizes));
    m_document->setPageLabels(info.pageLabels);
    m_fileName = info.path;
    m_fileStamp = FileStamp::of(info.path);
    // Behind the thumbnails, ten thousand pages would be laid out for
    // nobody: they are when the view is shown.
    if (isHidden() && testAttribute(Qt::WA_WState_ExplicitShowHide))
        m_pagesPending = true;
    else
        showPages(int(sizes.size()));
    emit opened(true);
}

void PageView::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    if (m_pagesPending && m_document) {
        m_pagesPending = false;
        showPages(m_document->pageCount());
    }
}

// An empty view always says why.
void PageView::showEmptyReason(const InformationResult &result)
{
    QString reason;
    if (result.error == AddPasswordRequired)
        reason = tr("This document cannot be shown: it needs a password.");
    else if (result.error == AddNoError)
        reason = tr("This document has no pages to show.");
    else
        reason = tr("This document cannot be shown: %1.")
                     .arg(OutcomeText::unreadableReason(result.error == AddFileNotFound ? int(PdfEngine::FileNotFound)
                                                                                       : result.engineError,
                                                    result.engineErrorDetail));
    m_emptyReason = reason;
    // In the middle of the empty view, where the pages would be.
    QWidget *content = newContent();
    m_pagesLayout->setAlignment(Qt::AlignCenter);
    auto *note = new QLabel(reason, content);
    note->setObjectName(QStringLiteral("viewerEmptyReason"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignCenter);
    note->setMinimumWidth(qMin(360, m_scrollArea->viewport()->width()));
    m_pagesLayout->addWidget(note);
    m_scrollArea->setWidget(content);
}

// The pages are laid out in a content frame that is not yet in the scroll
// area, so that a thousand of them are placed once and none is painted in a
// wrong place (where it would be rendered for nothing).
void PageView::showPages(int count)
{
    QWidget *content = newContent();
    for (int number = 1; number <= count; ++number) {
        auto *page = new Page(m_document, number, content);
        if (!qFuzzyCompare(m_scale, 1.0))
            page->setScale(m_scale);
        page->setAccessibleName(tr("Page %1 of %2").arg(number).arg(count));
        m_pagesLayout->addWidget(page);
        m_pages.append(page);
    }
    m_pagesLayout->activate();
    content->resize(m_pagesLayout->sizeHint().expandedTo(m_scrollArea->viewport()->size()));
    m_scrollArea->setWidget(content);
    scrollToTop();
    if (m_zoom.mode != Zoom::Mode::Percent)
        applyZoom();
}

void PageView::setZoom(const Zoom &zoom)
{
    m_zoom = zoom;
    applyZoom();
}

QSize PageView::largestPage() const
{
    QSize largest;
    for (int page = 1; m_document && page <= m_document->pageCount(); ++page)
        largest = largest.expandedTo(m_document->pageSize(page));
    return largest;
}

// The page at the top of the view stays there at the new size.
void PageView::applyZoom()
{
    // Room for the vertical scroll bar, which a fit to the width must not push out.
    const QSize view = m_scrollArea->viewport()->size()
                       - QSize(m_scrollArea->verticalScrollBar()->isVisible() ? 0 : m_scrollArea->verticalScrollBar()->sizeHint().width(), 0);
    const qreal scale = m_zoom.scale(view, largestPage());
    if (qFuzzyCompare(scale, m_scale))
        return;
    const int page = currentPage();
    m_scale = scale;
    for (Page *each : qAsConst(m_pages))
        each->setScale(scale);
    if (QWidget *content = m_scrollArea->widget()) {
        m_pagesLayout->activate();
        content->resize(m_pagesLayout->sizeHint().expandedTo(m_scrollArea->viewport()->size()));
    }
    if (page > 0)
        goToPage(page);
}

int PageView::currentPage() const
{
    if (m_pages.isEmpty())
        return 0;
    const int top = m_scrollArea->verticalScrollBar()->value();
    // The first page whose foot is below the top of the view.
    const auto below = std::lower_bound(m_pages.cbegin(), m_pages.cend(), top, [](const Page *page, int y) {
        return page->geometry().bottom() < y;
    });
    return below == m_pages.cend() ? m_pages.size() : (*below)->pageNumber();
}

void PageView::goToPage(int page)
{
    if (page < 1 || page > m_pages.size())
        return;
    m_scrollArea->verticalScrollBar()->setValue(m_pages.at(page - 1)->y());
}

bool PageView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scrollArea->viewport() && event->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int steps = wheel->angleDelta().y() / 120;
            if (steps != 0)
                emit zoomStepRequested(steps);
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void PageView::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    if (m_zoom.mode != Zoom::Mode::Percent)
        applyZoom();
}

// Every document gets a content frame of its own (the scroll area deletes
// the one it replaces): no size, position or scroll range of the document
// shown before can carry over to the next.
QWidget *PageView::newContent()
{
    auto *content = new QFrame;
    m_pagesLayout = new QVBoxLayout(content);
    m_pagesLayout->setContentsMargins(0, 0, 0, 0);
    // Page 1 starts at the top, the pages centred across the width.
    m_pagesLayout->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return content;
}

// Pages scrolled past before they arrived are no longer waited for, so that
// the renderer draws the pages in view next. A page that cannot be shown
// keeps its note in the middle of what is in view.
void PageView::cancelHiddenRenderings()
{
    for (Page *page : qAsConst(m_pages)) {
        if (page->isWaitingForRenderer() && page->visibleRegion().isEmpty())
            page->cancelRendering();
        else if (page->cannotBeShown())
            page->update();
    }
}

void PageView::scrollToTop()
{
    m_scrollArea->verticalScrollBar()->setValue(0);
    m_scrollArea->horizontalScrollBar()->setValue(0);
}

void PageView::clear()
{
    // Renderings of the old document must never be shown for a new one
    // that happens to get the same engine id.
    QPixmapCache::clear();
    m_pages.clear();
    m_scrollArea->setWidget(newContent());   // deletes the pages with their frame
    scrollToTop();
    // Without its pages the document is not shown any more: opening it
    // again must build them again.
    forgetDocument();
}

void PageView::forgetDocument()
{
    m_pagesPending = false;
    m_reader->cancel();
    m_emptyReason.clear();
    m_document.reset();
    m_fileName.clear();
}
