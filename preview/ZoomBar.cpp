#include "preview/ZoomBar.h"

#include "preview/PageView.h"
#include "preview/ShortcutText.h"
#include "widgets/Button.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>

namespace {

// The list's first two rows are the fits, the others percentages.
const int fitWidthRow = 0;
const int fitPageRow = 1;

} // namespace

ZoomBar::ZoomBar(PageView *view, QWidget *parent)
    : QWidget(parent), m_view(view)
{
    setObjectName(QStringLiteral("zoomBar"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    m_out = new Button(this);
    m_out->setObjectName(QStringLiteral("buttonZoomOut"));
    m_box = new QComboBox(this);
    m_box->setObjectName(QStringLiteral("zoomBox"));
    m_in = new Button(this);
    m_in->setObjectName(QStringLiteral("buttonZoomIn"));
    layout->addWidget(m_out);
    layout->addWidget(m_box);
    layout->addWidget(m_in);
    layout->addStretch();

    connect(m_out, &QPushButton::clicked, this, [this] { step(-1); });
    connect(m_in, &QPushButton::clicked, this, [this] { step(1); });
    connect(m_box, QOverload<int>::of(&QComboBox::activated), this, &ZoomBar::chosen);
    connect(m_view, &PageView::zoomStepRequested, this, &ZoomBar::step);
    retranslate();
}

QList<QKeySequence> ZoomBar::zoomInKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)};
}

QList<QKeySequence> ZoomBar::zoomOutKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Minus)};
}

QKeySequence ZoomBar::fitWidthKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_0);
}

void ZoomBar::setZoom(const Zoom &zoom)
{
    m_view->setZoom(zoom);
    showZoom();
}

void ZoomBar::step(int steps)
{
    Zoom zoom = Zoom::atPercent(qRound(m_view->scale() * 100));
    for (int i = 0; i < qAbs(steps); ++i)
        zoom = Zoom::stepFrom(zoom.percent / 100.0, steps);
    setZoom(zoom);
}

void ZoomBar::chosen(int index)
{
    if (index == fitWidthRow)
        setZoom(Zoom::fitWidth());
    else if (index == fitPageRow)
        setZoom(Zoom::fitPage());
    else if (index > fitPageRow)
        setZoom(Zoom::atPercent(m_box->itemData(index).toInt()));
}

void ZoomBar::showZoom()
{
    const Zoom zoom = m_view->zoom();
    if (zoom.mode == Zoom::Mode::FitWidth)
        m_box->setCurrentIndex(fitWidthRow);
    else if (zoom.mode == Zoom::Mode::FitPage)
        m_box->setCurrentIndex(fitPageRow);
    else
        m_box->setCurrentIndex(m_box->findData(zoom.percent));
    const int percent = qRound(m_view->scale() * 100);
    m_out->setEnabled(percent > Zoom::Smallest);
    m_in->setEnabled(percent < Zoom::Largest);
}

void ZoomBar::retranslate()
{
    m_box->clear();
    m_box->addItem(tr("Fit width"));
    m_box->addItem(tr("Fit page"));
    for (int percent : Zoom::steps())
        m_box->addItem(tr("%1 %", "zoom").arg(percent), percent);
    m_box->setAccessibleName(tr("Zoom"));
    m_box->setToolTip(tr("Zoom (%1: fit width)").arg(fitWidthKey().toString(QKeySequence::NativeText)));
    m_out->setText(tr("Zoom out"));
    m_out->setAccessibleName(tr("Zoom out"));
    m_out->setToolTip(withShortcuts(tr("Zoom out"), zoomOutKeys()));
    m_in->setText(tr("Zoom in"));
    m_in->setAccessibleName(tr("Zoom in"));
    m_in->setToolTip(withShortcuts(tr("Zoom in"), zoomInKeys()));
    showZoom();
}

void ZoomBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
