#include "preview/DocumentViewer.h"

#include "preview/PageView.h"
#include "widgets/WindowBar.h"
#include "widgets/WindowDrag.h"
#include "widgets/WindowShadow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSizeGrip>
#include <QVBoxLayout>

namespace {

const QSize initialSize(700, 600);

} // namespace

DocumentViewer::DocumentViewer(QSharedPointer<PdfService> service, QWidget *parent)
    : QDialog(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setWindowIcon(QIcon(QStringLiteral(":/style/images/AppIconPdf256.png")));

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
    layout->addWidget(m_windowBar);
    m_pageView = new PageView(std::move(service), frame);
    layout->addWidget(m_pageView, 1);
    auto *grip = new QSizeGrip(frame);
    layout->addWidget(grip, 0, Qt::AlignBottom | Qt::AlignRight);

    connect(m_windowBar, &WindowBar::closeWindow, this, &DocumentViewer::onWindowClose);
    connect(m_windowBar, &WindowBar::minimizeWindow, this, &DocumentViewer::onWindowMinimize);
    connect(new WindowDrag(this), &WindowDrag::moved, this, qOverload<const QPoint &>(&QWidget::move));

    resize(initialSize);
}

void DocumentViewer::open(const QString &fileName, const QString &password)
{
    // The product name stays the same in every language.
    const QString title = QStringLiteral("%1 - Cleavemark").arg(QFileInfo(fileName).fileName());
    setWindowTitle(title);
    m_windowBar->setTitle(title);
    m_fileName = fileName;
    m_pageView->open(fileName, password);
}

// Closing ends the dialog (it hides), so that the main window hears of it
// and takes the focus back; Escape does the same.
void DocumentViewer::onWindowClose()
{
    reject();
}

void DocumentViewer::showEvent(QShowEvent *event)
{
    // The pages take the keys: arrows and Page Up/Down scroll them.
    m_pageView->scrollArea()->setFocus(Qt::ActiveWindowFocusReason);
    QDialog::showEvent(event);
}

void DocumentViewer::keyPressEvent(QKeyEvent *event)
{
    QScrollBar *bar = m_pageView->scrollArea()->verticalScrollBar();
    if (event->key() == Qt::Key_Home && event->modifiers() == Qt::NoModifier) {
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        return;
    }
    if (event->key() == Qt::Key_End && event->modifiers() == Qt::NoModifier) {
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        return;
    }
    QDialog::keyPressEvent(event);
}

void DocumentViewer::onWindowMinimize()
{
    showMinimized();
}

void DocumentViewer::resizeEvent(QResizeEvent *event)
{
    m_shadow->resize(size());
    QDialog::resizeEvent(event);
}
