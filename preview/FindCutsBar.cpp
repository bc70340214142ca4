#include "preview/FindCutsBar.h"

#include "pdf/CutFinder.h"
#include "preview/PageMarks.h"
#include "preview/ShortcutText.h"
#include "preview/ViewedDocument.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/FlowLayout.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const int fieldWidth = 130;

// A choice with the field it needs, kept on one line when the row wraps.
QWidget *withField(QRadioButton *choice, QLineEdit *field, QWidget *parent)
{
    auto *pair = new QWidget(parent);
    auto *layout = new QHBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    choice->setParent(pair);
    field->setParent(pair);
    field->setFixedWidth(fieldWidth);
    layout->addWidget(choice);
    layout->addWidget(field);
    return pair;
}

} // namespace

FindCutsBar::FindCutsBar(PageMarks *marks, const QString &rendererPath, QWidget *parent)
    : QWidget(parent), m_marks(marks), m_finder(new CutFinder(rendererPath, this))
{
    setObjectName(QStringLiteral("findCutsBar"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    auto *ways = new FlowLayout(nullptr, 12, 6);
    m_ways = new QButtonGroup(this);
    auto *blank = new QRadioButton(this);
    blank->setObjectName(QStringLiteral("cutsAtBlank"));
    auto *text = new QRadioButton(this);
    text->setObjectName(QStringLiteral("cutsAtText"));
    auto *code = new QRadioButton(this);
    code->setObjectName(QStringLiteral("cutsAtCode"));
    m_ways->addButton(blank, int(CutOptions::Way::AtBlank));
    m_ways->addButton(text, int(CutOptions::Way::AtText));
    m_ways->addButton(code, int(CutOptions::Way::AtCode));
    m_phrase = new QLineEdit(this);
    m_phrase->setObjectName(QStringLiteral("cutsPhrase"));
    m_prefix = new QLineEdit(this);
    m_prefix->setObjectName(QStringLiteral("cutsCodePrefix"));
    ways->addWidget(blank);
    ways->addWidget(withField(text, m_phrase, this));
    ways->addWidget(withField(code, m_prefix, this));
    layout->addLayout(ways);

    auto *options = new FlowLayout(nullptr, 12, 6);
    m_leaveOut = new CheckBox(this);
    m_leaveOut->setObjectName(QStringLiteral("cutsLeaveOut"));
    m_side = new QComboBox(this);
    m_side->setObjectName(QStringLiteral("cutsSide"));
    m_side->addItems({QString(), QString()});   // in the order of CutOptions::Side
    m_duplex = new CheckBox(this);
    m_duplex->setObjectName(QStringLiteral("cutsDuplex"));
    options->addWidget(m_leaveOut);
    options->addWidget(m_side);
    options->addWidget(m_duplex);
    layout->addLayout(options);

    auto *run = new QHBoxLayout;
    run->setSpacing(6);
    m_find = new Button(this);
    m_find->setObjectName(QStringLiteral("buttonFind"));
    m_find->setProperty("mainButton", true);
    m_stop = new Button(this);
    m_stop->setObjectName(QStringLiteral("buttonStopFinding"));
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("cutsStatus"));
    m_status->setWordWrap(true);
    m_close = new Button(this);
    m_close->setObjectName(QStringLiteral("buttonCloseFindCuts"));
    run->addWidget(m_find);
    run->addWidget(m_stop);
    run->addWidget(m_status, 1);
    run->addWidget(m_close);
    layout->addLayout(run);

    blank->setChecked(true);
    connect(m_ways, &QButtonGroup::idClicked, this, &FindCutsBar::wayChosen);
    connect(m_phrase, &QLineEdit::textChanged, this, &FindCutsBar::updateControls);
    // Typing in a field chooses its way.
    connect(m_phrase, &QLineEdit::textEdited, this, [this, text] {
        if (!text->isChecked()) {
            text->setChecked(true);
            wayChosen();
        }
    });
    connect(m_prefix, &QLineEdit::textEdited, this, [this, code] {
        if (!code->isChecked()) {
            code->setChecked(true);
            wayChosen();
        }
    });
    connect(m_find, &QPushButton::clicked, this, &FindCutsBar::find);
    connect(m_stop, &QPushButton::clicked, this, &FindCutsBar::stop);
    connect(m_close, &QPushButton::clicked, this, &FindCutsBar::closeRequested);
    connect(m_finder, &CutFinder::progressed, this, &FindCutsBar::progressed);
    connect(m_finder, &CutFinder::finished, this, &FindCutsBar::finished);
    retranslate();
    wayChosen();
}

QKeySequence FindCutsBar::openKey()
{
    return QKeySequence(Qt::CTRL | Qt::Key_F);
}

void FindCutsBar::setDocument(const QSharedPointer<ViewedDocument> &document)
{
    if (document == m_document)
        return;
    m_finder->cancel();
    m_document = document;
    setStatus(QString());
    updateControls();
}

bool FindCutsBar::isFinding() const
{
    return m_finder->isRunning();
}

void FindCutsBar::takeFocus()
{
    m_ways->checkedButton()->setFocus(Qt::ShortcutFocusReason);
}

QRadioButton *FindCutsBar::wayButton(CutOptions::Way way) const
{
    return qobject_cast<QRadioButton *>(m_ways->button(int(way)));
}

CutOptions::Way FindCutsBar::way() const
{
    return CutOptions::Way(m_ways->checkedId());
}

CutOptions FindCutsBar::options() const
{
    CutOptions options = CutOptions::defaultsFor(way());
    options.leaveOut = m_leaveOut->isChecked();
    options.side = CutOptions::Side(m_side->currentIndex());
    options.duplex = options.way == CutOptions::Way::AtBlank && m_duplex->isChecked();
    options.codePrefix = m_prefix->text();
    return options;
}

// Each way starts from what it does unless told otherwise.
void FindCutsBar::wayChosen()
{
    const CutOptions defaults = CutOptions::defaultsFor(way());
    m_leaveOut->setChecked(defaults.leaveOut);
    m_side->setCurrentIndex(int(defaults.side));
    retranslate();
}

// The window reads the first line of every page whatever the name template
// says now: the template can change before the split.
void FindCutsBar::find()
{
    if (!m_find->isEnabled() || !m_document)
        return;
    m_running = options();
    PageFactsQuery query = CutPlan::queryFor(m_running, m_phrase->text().trimmed(), QString());
    query.text = true;
    setStatus(tr("Page %1 of %2").arg(0).arg(m_document->pageCount()));
    m_finder->start(m_document->fileName(), m_document->password(), m_document->pageCount(), query);
    updateControls();
    if (m_finder->isRunning())
        m_stop->setFocus(Qt::OtherFocusReason);
}

void FindCutsBar::stop()
{
    if (!m_finder->isRunning())
        return;
    m_finder->cancel();
    setStatus(tr("Stopped; the marks are as they were."));
    updateControls();
    m_find->setFocus(Qt::OtherFocusReason);
}

void FindCutsBar::progressed(int done, int total)
{
    setStatus(tr("Page %1 of %2").arg(done).arg(total));
}

void FindCutsBar::finished(const PageFactsList &facts)
{
    const FoundCuts cuts = CutPlan::cut(facts, m_running);
    QString text = foundText(cuts, facts, m_running);
    if (cuts.parts.isEmpty())
        text += QLatin1Char(' ') + tr("Every page would be left out, so the marks are as they were.");
    else
        m_marks->applyFound(cuts, m_running, facts);
    setStatus(text);
    updateControls();
    m_find->setFocus(Qt::OtherFocusReason);
    emit found();
}

QString FindCutsBar::foundText(const FoundCuts &cuts, const PageFactsList &facts, const CutOptions &options)
{
    QStringList parts{tr("%n part(s) found", nullptr, cuts.parts.size())};
    if (cuts.leftOutPages > 0)
        parts << tr("%n page(s) left out", nullptr, cuts.leftOutPages);
    const int withoutText = CutPlan::withoutTextCount(facts);
    if (options.way == CutOptions::Way::AtText && withoutText > 0)
        parts << tr("%n page(s) without text", nullptr, withoutText);
    const int unreadable = CutPlan::unreadableCount(facts);
    if (unreadable > 0)
        parts << tr("%n page(s) could not be read", nullptr, unreadable);
    return parts.join(tr(", "));
}

void FindCutsBar::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setAccessibleName(text);
    QAccessibleEvent event(m_status, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void FindCutsBar::updateControls()
{
    const bool running = m_finder->isRunning();
    const bool ready = m_document && (way() != CutOptions::Way::AtText || !m_phrase->text().trimmed().isEmpty());
    m_find->setEnabled(!running && ready);
    m_find->setAccessibleDescription(way() == CutOptions::Way::AtText && m_phrase->text().trimmed().isEmpty()
                                         ? tr("Type the phrase to find first.")
                                         : QString());
    m_stop->setEnabled(running);
    m_duplex->setEnabled(way() == CutOptions::Way::AtBlank);
    for (QAbstractButton *button : m_ways->buttons())
        button->setEnabled(!running);
}

void FindCutsBar::retranslate()
{
    const auto name = [](QWidget *widget, const QString &text) {
        widget->setAccessibleName(text);
        widget->setToolTip(text);
    };
    wayButton(CutOptions::Way::AtBlank)->setText(tr("At blank pages"));
    wayButton(CutOptions::Way::AtText)->setText(tr("At text:"));
    wayButton(CutOptions::Way::AtCode)->setText(tr("At codes:"));
    name(wayButton(CutOptions::Way::AtBlank), tr("Cut at blank pages"));
    name(wayButton(CutOptions::Way::AtText), tr("Cut at pages with a phrase"));
    name(wayButton(CutOptions::Way::AtCode), tr("Cut at pages with a barcode or QR code"));
    m_phrase->setPlaceholderText(tr("Phrase"));
    name(m_phrase, tr("Phrase to find"));
    m_prefix->setPlaceholderText(tr("Any code"));
    name(m_prefix, tr("Codes beginning with"));
    m_leaveOut->setText(way() == CutOptions::Way::AtBlank ? tr("Leave blank pages out")
                                                          : tr("Leave the separator page out"));
    m_leaveOut->setAccessibleName(m_leaveOut->text());
    m_side->setItemText(int(CutOptions::Side::Before), tr("Cut before the separator"));
    m_side->setItemText(int(CutOptions::Side::After), tr("Cut after the separator"));
    name(m_side, tr("Where to cut"));
    m_duplex->setText(tr("Duplex: leave blank backs out"));
    m_duplex->setAccessibleName(m_duplex->text());
    m_find->setText(tr("Find"));
    m_find->setAccessibleName(tr("Find"));
    m_find->setToolTip(withShortcuts(tr("Find"), {QKeySequence(Qt::Key_Return)}));
    m_stop->setText(tr("Stop"));
    name(m_stop, tr("Stop"));
    m_close->setText(tr("Close"));
    m_close->setAccessibleName(tr("Close the panel"));
    m_close->setToolTip(withShortcuts(tr("Close the panel"), {QKeySequence(Qt::Key_Escape)}));
    updateControls();
}

void FindCutsBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// A search whose marks nobody would see is not kept going.
void FindCutsBar::hideEvent(QHideEvent *event)
{
    if (m_finder->isRunning()) {
        m_finder->cancel();
        setStatus(QString());
        updateControls();
    }
    QWidget::hideEvent(event);
}

void FindCutsBar::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            find();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            if (isFinding())
                stop();
            else
                emit closeRequested();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}
