#include "merge/PageRangesView.h"

#include "jobs/MergeModel.h"
#include "jobs/PageRanges.h"
#include "widgets/RangeListView.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QVBoxLayout>

PageRangesView::PageRangesView(QWidget *parent)
    : QFrame(parent)
    , m_ranges(new PageRanges(this))
{
    setObjectName(QStringLiteral("settingsViewContent"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 1, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(createHeader());
    layout->addSpacing(11);
    auto *content = new QVBoxLayout;
    content->setContentsMargins(20, 0, 20, 46);
    content->setSpacing(0);
    content->addWidget(createInputBox(), 1);
    content->addSpacing(14);
    content->addWidget(createBottomBar());
    layout->addLayout(content, 1);

    connectSignals();
    retranslate();
    onRangeChanged();
}

QLayout *PageRangesView::createHeader()
{
    auto *header = new QVBoxLayout;
    header->setSpacing(0);
    m_close = new Button(this);
    m_close->setObjectName(QStringLiteral("buttonCloseSettings"));
    m_close->setFocusPolicy(Qt::TabFocus);
    m_close->setCursor(Qt::PointingHandCursor);
    header->addWidget(m_close, 0, Qt::AlignRight);
    header->addSpacing(8);

    auto *titleRow = new QHBoxLayout;
    m_back = new Button(this);
    m_back->setObjectName(QStringLiteral("buttonNavigateBack"));
    m_back->setFocusPolicy(Qt::TabFocus);
    m_back->setCursor(Qt::PointingHandCursor);
    titleRow->addWidget(m_back);
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("rangeview__settings_label"));
    m_title->setWordWrap(true);   // translations of the title run longer
    titleRow->addWidget(m_title, 1);
    titleRow->addSpacing(20);
    header->addLayout(titleRow);
    return header;
}

QLineEdit *PageRangesView::createPageEdit()
{
    auto *edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("inputEdit"));
    edit->setFixedSize(72, 36);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d+")), edit));
    return edit;
}

QWidget *PageRangesView::createInputBox()
{
    auto *box = new QFrame(this);
    box->setObjectName(QStringLiteral("boxDark"));
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(0);

    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    m_fromLabel = new QLabel(box);
    row->addWidget(m_fromLabel);
    row->addSpacing(12);
    m_from = createPageEdit();
    row->addWidget(m_from);
    row->addSpacing(12);
    m_toLabel = new QLabel(box);
    row->addWidget(m_toLabel);
    row->addSpacing(12);
    m_to = createPageEdit();
    row->addWidget(m_to);
    row->addSpacing(21);
    m_add = new Button(box);
    m_add->setObjectName(QStringLiteral("buttonAddRange"));
    m_add->setFixedHeight(36);
    m_add->setCursor(Qt::PointingHandCursor);
    row->addWidget(m_add);
    row->addStretch();
    m_clear = new Button(box);
    m_clear->setObjectName(QStringLiteral("buttonClear"));
    m_clear->setFixedHeight(36);
    m_clear->setCursor(Qt::PointingHandCursor);
    m_clear->hide();
    row->addWidget(m_clear);
    layout->addLayout(row);

    layout->addSpacing(12);
    m_list = new RangeListView(box);
    layout->addWidget(m_list, 1);
    layout->addSpacing(12);
    layout->addWidget(createReverseRow(box));
    m_fromLabel->setBuddy(m_from);
    m_toLabel->setBuddy(m_to);
    return box;
}

// The pages of the document, after its ranges, from last to first: the
// backs of a stack scanned after turning it over come out in reverse.
QWidget *PageRangesView::createReverseRow(QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    m_reverse = new CheckBox(row);
    m_reverse->setObjectName(QStringLiteral("reversePagesBox"));
    layout->addWidget(m_reverse);
    m_reverseHint = new QLabel(row);
    m_reverseHint->setObjectName(QStringLiteral("reversePagesHint"));
    m_reverseHint->setWordWrap(true);
    layout->addWidget(m_reverseHint);
    return row;
}

QWidget *PageRangesView::createBottomBar()
{
    auto *bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("boxDark"));
    bar->setFixedHeight(67);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(20, 1, 20, 0);
    m_cancel = new Button(bar);
    m_cancel->setObjectName(QStringLiteral("buttonCancel"));
    m_cancel->setFixedHeight(42);
    m_cancel->setMinimumWidth(75);
    m_cancel->setCursor(Qt::PointingHandCursor);
    row->addWidget(m_cancel);
    row->addStretch();
    m_applyToAll = new CheckBox(bar);
    row->addWidget(m_applyToAll);
    m_save = new Button(bar);
    m_save->setObjectName(QStringLiteral("buttonSaveSettings"));
    m_save->setFixedHeight(42);
    m_save->setMinimumWidth(116);
    m_save->setCursor(Qt::PointingHandCursor);
    row->addWidget(m_save);
    return bar;
}

void PageRangesView::connectSignals()
{
    connect(m_close, &QPushButton::clicked, this, &PageRangesView::onHideWindow);
    connect(m_back, &QPushButton::clicked, this, &PageRangesView::onHideWindow);
    connect(m_add, &QPushButton::clicked, this, &PageRangesView::onButtonAddRange);
    connect(m_clear, &QPushButton::clicked, this, &PageRangesView::onButtonClear);
    connect(m_cancel, &QPushButton::clicked, this, &PageRangesView::onButtonCancel);
    connect(m_save, &QPushButton::clicked, this, &PageRangesView::onButtonSave);
    connect(m_ranges, &PageRanges::changed, this, &PageRangesView::onRangeChanged);
    connect(m_ranges, &PageRanges::added, m_list, qOverload<int, int>(&RangeListView::add));
    connect(m_list, &RangeListView::removedItem, m_ranges,
            qOverload<QPair<int, int>>(&PageRanges::remove));
    connect(m_list, &RangeListView::changed, this, &PageRangesView::onListChanged);
    connect(m_reverse, &QCheckBox::toggled, this, &PageRangesView::onRangeChanged);
}

void PageRangesView::retranslate()
{
    m_save->setText(tr("OK"));
    m_fromLabel->setText(tr("From"));
    m_toLabel->setText(tr("To"));
    m_add->setText(tr("Add"));
    m_clear->setText(tr("Clear all"));
    m_applyToAll->setText(tr("Apply to all files in queue"));
    m_reverse->setText(tr("Reverse page order"));
    m_reverseHint->setText(tr("For the back sides of a scanned stack: reverse them and choose "
                              "\"Alternate pages\" in the merge's Advanced Settings."));
    m_close->setAccessibleName(tr("Close"));
    m_back->setAccessibleName(tr("Back"));
    m_from->setAccessibleName(tr("From"));
    m_to->setAccessibleName(tr("To"));
    setAccessibleName(tr("Page ranges"));
    m_list->setAccessibleName(tr("Chosen page ranges"));
    m_close->setToolTip(tr("Close (%1)").arg(QKeySequence(Qt::Key_Escape).toString(QKeySequence::NativeText)));
    m_back->setToolTip(m_close->toolTip());
    updateTitle();
    onRangeChanged();
}

void PageRangesView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void PageRangesView::updateTitle()
{
    const QString total = m_totalPages < 1 ? QStringLiteral("?") : QString::number(m_totalPages);
    m_title->setText(tr("Choose page ranges. Total pages in document: %1").arg(total));
    setAccessibleDescription(m_title->text());
}

void PageRangesView::open(const QString &id, const PageRangeList &ranges, int totalPages, bool reversed)
{
    m_openedReversed = reversed;
    m_reverse->setChecked(reversed);
    m_list->clear();
    m_from->clear();
    m_to->clear();
    m_id = id;
    m_totalPages = totalPages;
    m_ranges->load(ranges);
    m_ranges->setInterval(1, totalPages);
    updateTitle();
    showRanges();
    onRangeChanged();
}

void PageRangesView::showRanges()
{
    for (const PageRange &range : m_ranges->ranges())
        m_list->add(range.from, range.to);
}

void PageRangesView::onButtonAddRange()
{
    const QString fromText = m_from->text().trimmed();
    const QString toText = m_to->text().trimmed();
    if (fromText.isEmpty() || toText.isEmpty())
        return;
    bool fromOk = false;
    bool toOk = false;
    const int from = fromText.toInt(&fromOk, 10);
    const int to = toText.toInt(&toOk, 10);
    if (!fromOk || !toOk)
        return;
    m_ranges->addRange(from, to);
}

void PageRangesView::onRangeChanged()
{
    const bool modified = m_ranges->isModified() || m_reverse->isChecked() != m_openedReversed;
    m_cancel->setText(modified ? tr("CANCEL") : tr("CLOSE"));
    m_cancel->setProperty("modified", modified);
    m_save->setEnabled(modified);
    // The style sheet tells the two looks of the cancel button apart.
    m_cancel->style()->unpolish(m_cancel);
    m_cancel->style()->polish(m_cancel);
}

void PageRangesView::onListChanged()
{
    m_clear->setVisible(!m_list->isEmpty());
}

void PageRangesView::onButtonClear()
{
    m_list->clear();
    m_ranges->clear();
}

void PageRangesView::onButtonCancel()
{
    if (!m_ranges->isModified()) {
        emit onHideWindow();
        return;
    }
    m_ranges->cancel();
    m_reverse->setChecked(m_openedReversed);
    m_list->clear();
    showRanges();
}

void PageRangesView::onButtonSave()
{
    m_ranges->save();
    m_openedReversed = m_reverse->isChecked();
    const QString id = m_applyToAll->isChecked() ? MergeModel::forAllId() : m_id;
    emit commit(id, m_ranges->ranges(), m_openedReversed);
    onRangeChanged();
    // OK is done with the panel: staying open left the focus on a range's
    // remove button, where the next Space took the range away.
    emit onHideWindow();
}

void PageRangesView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        emit onHideWindow();
        return;
    }
    QFrame::keyPressEvent(event);
}
