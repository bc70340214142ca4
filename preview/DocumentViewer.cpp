#include "preview/DocumentViewer.h"

#include "common/UserPreferences.h"
#include "pdf/RenderProtocol.h"
#include "preview/FindCutsBar.h"
#include "preview/MarksBar.h"
#include "preview/Page.h"
#include "preview/PageMarks.h"
#include "preview/PageView.h"
#include "preview/ShortcutText.h"
#include "preview/ThumbnailGrid.h"
#include "preview/ThumbnailLoader.h"
#include "preview/ThumbnailModel.h"
#include "preview/ViewedDocument.h"
#include "preview/ZoomBar.h"
#include "widgets/Button.h"
#include "widgets/WindowBar.h"
#include "widgets/WindowDrag.h"
#include "widgets/WindowIcon.h"
#include "widgets/WindowShadow.h"

#include <QAction>
#include <QButtonGroup>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSizeGrip>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

const QSize initialSize(700, 600);

QKeySequence viewKey(DocumentViewer::View view)
{
    return QKeySequence(Qt::CTRL | (view == DocumentViewer::View::SinglePages ? Qt::Key_1 : Qt::Key_2));
}

} // namespace

DocumentViewer::DocumentViewer(QSharedPointer<PdfService> service, QWidget *parent)
    : QDialog(parent)
    , m_marks(new PageMarks(this))
    , m_loader(new ThumbnailLoader(this))
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowIcon(WindowIcon::icon());

    // A backdrop the size of the window, under everything, for the shadow.
    m_shadow = new QFrame(this);
    m_shadow->setObjectName(QStringLiteral("previewShadow"));
    m_shadow->lower();
    const QMargins shadowMargins = WindowShadow::prepare(this, m_shadow);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(shadowMargins);
    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("documentViewer"));
    outer->addWidget(frame);

    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(9, 0, 8, 9);
    m_windowBar = new WindowBar(frame);
    m_windowBar->installEventFilter(this);
    layout->addWidget(m_windowBar);

    m_pageView = new PageView(std::move(service), frame);
    m_model = new ThumbnailModel(m_marks, m_loader, this);
    m_grid = new ThumbnailGrid(m_model, m_loader, frame);
    m_zoomBar = new ZoomBar(m_pageView, frame);
    m_marksBar = new MarksBar(m_marks, m_grid, frame);
    m_findCuts = new FindCutsBar(m_marks, RenderProtocol::rendererProgram(), frame);
    m_findCuts->hide();
    layout->addWidget(createToolRow(frame));
    // One bar shows at a time; a hidden one takes no room.
    layout->addWidget(m_zoomBar);
    layout->addWidget(m_marksBar);
    layout->addWidget(m_findCuts);
    m_views = new QStackedWidget(frame);
    m_views->addWidget(m_pageView);
    m_views->addWidget(m_grid);
    layout->addWidget(m_views, 1);
    auto *grip = new QSizeGrip(frame);
    layout->addWidget(grip, 0, Qt::AlignBottom | Qt::AlignRight);
    createActions();
    m_pageView->scrollArea()->installEventFilter(this);

    connect(m_windowBar, &WindowBar::closeWindow, this, &DocumentViewer::onWindowClose);
    connect(m_windowBar, &WindowBar::minimizeWindow, this, &DocumentViewer::onWindowMinimize);
    connect(new WindowDrag(this), &WindowDrag::moved, this, qOverload<const QPoint &>(&QWidget::move));
    connect(m_pageView, &PageView::opened, this, &DocumentViewer::pagesOpened);
    connect(m_pageView, &PageView::currentPageChanged, this, &DocumentViewer::showCurrentPage);
    connect(m_grid, &ThumbnailGrid::currentPageChanged, this, &DocumentViewer::showCurrentPage);
    connect(m_marksBar, &MarksBar::splitAtMarks, this, &DocumentViewer::requestSplit);
    connect(m_findCutsButton, &QPushButton::clicked, this, [this] { setFindCutsShown(!m_findCuts->isVisible()); });
    connect(m_findCuts, &FindCutsBar::closeRequested, this, [this] { setFindCutsShown(false); });

    resize(initialSize);
    retranslate();
    setView(View::SinglePages);
}

QWidget *DocumentViewer::createToolRow(QWidget *parent)
{
    auto *row = new QWidget(parent);
    row->setObjectName(QStringLiteral("pageWindowTools"));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    m_viewButtons = new QButtonGroup(this);
    m_singleButton = new Button(row);
    m_singleButton->setObjectName(QStringLiteral("buttonSinglePages"));
    m_gridButton = new Button(row);
    m_gridButton->setObjectName(QStringLiteral("buttonThumbnails"));
    for (Button *button : {m_singleButton, m_gridButton}) {
        button->setCheckable(true);
        layout->addWidget(button);
    }
    m_viewButtons->addButton(m_singleButton, int(View::SinglePages));
    m_viewButtons->addButton(m_gridButton, int(View::Thumbnails));
    connect(m_viewButtons, &QButtonGroup::idClicked, this,
            [this](int id) { setView(View(id)); });
    m_findCutsButton = new Button(row);
    m_findCutsButton->setObjectName(QStringLiteral("buttonFindCuts"));
    m_findCutsButton->setCheckable(true);
    layout->addSpacing(12);
    layout->addWidget(m_findCutsButton);
    layout->addStretch();
    m_goToLabel = new QLabel(row);
    m_goToPage = new QLineEdit(row);
    m_goToPage->setObjectName(QStringLiteral("goToPage"));
    m_goToPage->setValidator(new QIntValidator(1, 999999, m_goToPage));
    m_goToPage->setFixedWidth(64);
    m_goToLabel->setBuddy(m_goToPage);
    connect(m_goToPage, &QLineEdit::returnPressed, this, &DocumentViewer::goToPage);
    layout->addWidget(m_goToLabel);
    layout->addWidget(m_goToPage);
    return row;
}

void DocumentViewer::createActions()
{
    for (View view : {View::SinglePages, View::Thumbnails}) {
        auto *action = new QAction(this);
        action->setShortcut(viewKey(view));
        connect(action, &QAction::triggered, this, [this, view] { setView(view); });
        addAction(action);
    }
    const auto addKeys = [this](const QList<QKeySequence> &keys, auto slot) {
        auto *action = new QAction(this);
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    addKeys(ZoomBar::zoomInKeys(), [this] { zoomStep(1); });
    addKeys(ZoomBar::zoomOutKeys(), [this] { zoomStep(-1); });
    addKeys({ZoomBar::fitWidthKey()}, [this] {
        if (view() == View::SinglePages)
            m_zoomBar->setZoom(Zoom::fitWidth());
    });
    m_marksBar->addActionsTo(this);
    addKeys({FindCutsBar::openKey()}, [this] { setFindCutsShown(true); });
}

void DocumentViewer::retranslate()
{
    const QString single = tr("Single pages");
    const QString grid = tr("Thumbnails");
    m_singleButton->setText(single);
    m_singleButton->setAccessibleName(single);
    m_singleButton->setToolTip(withShortcuts(single, {viewKey(View::SinglePages)}));
    m_gridButton->setText(grid);
    m_gridButton->setAccessibleName(grid);
    m_gridButton->setToolTip(withShortcuts(grid, {viewKey(View::Thumbnails)}));
    const QString findCuts = tr("Find cuts");
    m_findCutsButton->setText(findCuts);
    m_findCutsButton->setAccessibleName(findCuts);
    m_findCutsButton->setToolTip(withShortcuts(findCuts, {FindCutsBar::openKey()}));
    m_goToLabel->setText(tr("Go to page:"));
    m_goToPage->setAccessibleName(tr("Go to page"));
    m_grid->setAccessibleName(tr("Pages"));
    if (!m_fileName.isEmpty()) {
        const QString title = tr("Pages — %1").arg(QFileInfo(m_fileName).fileName());
        setWindowTitle(title);
        m_windowBar->setTitle(title);
    }
}

void DocumentViewer::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void DocumentViewer::open(const QString &fileName, const QString &password)
{
    m_fileName = fileName;
    retranslate();
    m_pageView->open(fileName, password);
}

// The marks stay with the document they were set on; a document opened
// again (the same file, unchanged) finds its pages, thumbnails and marks.
void DocumentViewer::pagesOpened(bool shown)
{
    const QSharedPointer<ViewedDocument> document = shown ? m_pageView->document() : nullptr;
    if (document && document == m_model->document())
        return;
    m_loader->setDocument(document);
    m_model->setDocument(document);
    m_findCuts->setDocument(document);
    if (document) {
        m_marks->setDocument(PageMarks::keyOf(document->fileName()), document->pageCount());
        m_grid->setCurrentPage(1);
    }
    m_goToPage->setText(document ? QStringLiteral("1") : QString());
}

DocumentViewer::View DocumentViewer::view() const
{
    return m_views->currentWidget() == m_grid ? View::Thumbnails : View::SinglePages;
}

// Both views show the same page: the one last current in the other.
void DocumentViewer::setView(View view)
{
    const bool grid = view == View::Thumbnails;
    const int page = grid ? m_pageView->currentPage() : m_grid->currentPage();
    m_viewButtons->button(int(view))->setChecked(true);
    m_views->setCurrentWidget(grid ? static_cast<QWidget *>(m_grid) : m_pageView);
    m_marksBar->setVisible(grid);
    m_zoomBar->setVisible(!grid);
    m_findCutsButton->setVisible(grid);
    if (!grid)
        setFindCutsShown(false);
    if (page > 0) {
        if (grid)
            m_grid->setCurrentPage(page);
        else
            m_pageView->goToPage(page);
    }
    if (grid)
        m_grid->setFocus(Qt::OtherFocusReason);
    else
        m_pageView->scrollArea()->setFocus(Qt::OtherFocusReason);
}

Button *DocumentViewer::viewButton(View view) const
{
    return view == View::Thumbnails ? m_gridButton : m_singleButton;
}

void DocumentViewer::goToPage()
{
    const int page = m_goToPage->text().toInt();
    if (view() == View::Thumbnails) {
        m_grid->setCurrentPage(page);
        m_grid->setFocus(Qt::OtherFocusReason);
    } else {
        m_pageView->goToPage(page);
        m_pageView->scrollArea()->setFocus(Qt::OtherFocusReason);
    }
}

// The field shows where the view is, unless the user is typing in it.
void DocumentViewer::showCurrentPage(int page)
{
    if (!m_goToPage->hasFocus() && sender() == (view() == View::Thumbnails ? static_cast<QObject *>(m_grid)
                                                                          : m_pageView))
        m_goToPage->setText(page > 0 ? QString::number(page) : QString());
}

// In the grid the keys that zoom the pages size the thumbnails.
void DocumentViewer::zoomStep(int steps)
{
    if (view() == View::Thumbnails)
        m_grid->stepThumbnailSide(steps);
    else
        m_zoomBar->step(steps);
}

// The cuts found show in the grid, so the panel opens on it; closed, it
// hands the keys back to the grid.
void DocumentViewer::setFindCutsShown(bool shown)
{
    if (shown && view() != View::Thumbnails)
        setView(View::Thumbnails);
    m_findCutsButton->setChecked(shown);
    m_findCuts->setVisible(shown);
    if (shown)
        m_findCuts->takeFocus();
    else if (view() == View::Thumbnails)
        m_grid->setFocus(Qt::OtherFocusReason);
}

void DocumentViewer::requestSplit()
{
    const QSharedPointer<ViewedDocument> document = m_model->document();
    const MarkedSplit split = m_marks->split();
    if (!document || split.isEmpty())
        return;
    accept();
    emit splitAtMarks(document->fileName(), document->password(), split);
}

// Closing ends the dialog (it hides), so that the main window hears of it
// and takes the focus back; Escape does the same.
void DocumentViewer::onWindowClose()
{
    reject();
}

void DocumentViewer::onWindowMinimize()
{
    showMinimized();
}

void DocumentViewer::toggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void DocumentViewer::restoreGeometryOnce()
{
    if (m_geometryRestored)
        return;
    m_geometryRestored = true;
    const QByteArray geometry = UserPreferences().pageWindowGeometry();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
}

void DocumentViewer::showEvent(QShowEvent *event)
{
    restoreGeometryOnce();
    // The pages take the keys: arrows and Page Up/Down scroll them.
    if (view() == View::Thumbnails)
        m_grid->setFocus(Qt::ActiveWindowFocusReason);
    else
        m_pageView->scrollArea()->setFocus(Qt::ActiveWindowFocusReason);
    QDialog::showEvent(event);
}

// Only a window the user moved or resized is remembered.
void DocumentViewer::hideEvent(QHideEvent *event)
{
    if (isMaximized() || size() != initialSize || !UserPreferences().pageWindowGeometry().isEmpty())
        UserPreferences().setPageWindowGeometry(saveGeometry());
    QDialog::hideEvent(event);
}

void DocumentViewer::keyPressEvent(QKeyEvent *event)
{
    if (view() == View::SinglePages && event->modifiers() == Qt::NoModifier) {
        QScrollBar *bar = m_pageView->scrollArea()->verticalScrollBar();
        if (event->key() == Qt::Key_Home) {
            bar->triggerAction(QAbstractSlider::SliderToMinimum);
            return;
        }
        if (event->key() == Qt::Key_End) {
            bar->triggerAction(QAbstractSlider::SliderToMaximum);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

// Page Up and Page Down go from page to page, where the scroll area would
// go by the view's height; a double-click on the bar maximises.
bool DocumentViewer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_windowBar && event->type() == QEvent::MouseButtonDblClick) {
        toggleMaximized();
        return true;
    }
    if (watched == m_pageView->scrollArea() && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() == Qt::NoModifier && (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown)) {
            const int page = m_pageView->currentPage();
            const int top = m_pageView->scrollArea()->verticalScrollBar()->value();
            const bool atTop = page > 0 && m_pageView->pages().at(page - 1)->y() >= top;
            // Page Up from the middle of a page goes to its top first.
            m_pageView->goToPage(key->key() == Qt::Key_PageDown ? page + 1 : atTop ? page - 1 : page);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DocumentViewer::resizeEvent(QResizeEvent *event)
{
    m_shadow->resize(size());
    QDialog::resizeEvent(event);
}
