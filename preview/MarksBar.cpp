#include "preview/MarksBar.h"

#include "preview/ShortcutText.h"
#include "preview/ThumbnailGrid.h"
#include "widgets/Button.h"
#include "widgets/FlowLayout.h"

#include <QAction>
#include <QEvent>
#include <QUndoStack>
#include <QVector>

MarksBar::MarksBar(PageMarks *marks, ThumbnailGrid *grid, QWidget *parent)
    : QWidget(parent), m_marks(marks), m_grid(grid)
{
    setObjectName(QStringLiteral("marksBar"));
    auto *layout = new FlowLayout(this, 6, 6);
    layout->setContentsMargins(0, 0, 0, 0);
    // Shown left before right; kept in the order of the actions.
    const QList<QPair<PageMarks::Action, const char *>> actions = {
        {PageMarks::Action::CutAfter, "buttonCutHere"},
        {PageMarks::Action::LeaveOut, "buttonLeaveOut"},
        {PageMarks::Action::RotateLeft, "buttonRotateLeft"},
        {PageMarks::Action::RotateRight, "buttonRotateRight"}};
    m_markButtons = QVector<Button *>(actions.size()).toList();
    for (const auto &mark : actions) {
        Button *button = addButton(mark.second);
        m_markButtons[int(mark.first)] = button;
        const PageMarks::Action action = mark.first;
        connect(button, &QPushButton::clicked, this, [this, action] { this->mark(action); });
        // The keys work while the grid has the focus, where the pages are chosen.
        auto *keys = new QAction(this);
        keys->setShortcuts(keysOf(action));
        keys->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(keys, &QAction::triggered, this, [this, action] { this->mark(action); });
        m_grid->addAction(keys);
    }
    m_undo = addButton("buttonUndo");
    m_redo = addButton("buttonRedo");
    m_clear = addButton("buttonClearMarks");
    m_split = addButton("buttonSplitAtMarks");
    m_split->setProperty("mainButton", true);

    QUndoStack *undo = m_marks->undoStack();
    m_undoAction = new QAction(this);
    m_undoAction->setShortcuts(QKeySequence::Undo);
    m_redoAction = new QAction(this);
    m_redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_undoAction, &QAction::triggered, undo, &QUndoStack::undo);
    connect(m_redoAction, &QAction::triggered, undo, &QUndoStack::redo);
    connect(m_undo, &QPushButton::clicked, undo, &QUndoStack::undo);
    connect(m_redo, &QPushButton::clicked, undo, &QUndoStack::redo);
    connect(m_clear, &QPushButton::clicked, m_marks, &PageMarks::clear);
    connect(m_split, &QPushButton::clicked, this, &MarksBar::splitAtMarks);
    connect(undo, &QUndoStack::indexChanged, this, &MarksBar::updateButtons);
    connect(undo, &QUndoStack::cleanChanged, this, &MarksBar::updateButtons);
    connect(m_marks, &PageMarks::reset, this, &MarksBar::updateButtons);
    retranslate();
    updateButtons();
}

Button *MarksBar::addButton(const char *objectName)
{
    auto *button = new Button(this);
    button->setObjectName(QLatin1String(objectName));
    layout()->addWidget(button);
    return button;
}

Button *MarksBar::button(PageMarks::Action action) const
{
    return m_markButtons.at(int(action));
}

QList<QKeySequence> MarksBar::keysOf(PageMarks::Action action)
{
    switch (action) {
    case PageMarks::Action::CutAfter:
        return {QKeySequence(Qt::Key_Slash)};
    case PageMarks::Action::LeaveOut:
        return {QKeySequence(Qt::Key_Delete)};
    case PageMarks::Action::RotateRight:
        return {QKeySequence(Qt::Key_R)};
    case PageMarks::Action::RotateLeft:
        return {QKeySequence(Qt::SHIFT | Qt::Key_R)};
    }
    return {};
}

void MarksBar::addActionsTo(QWidget *window)
{
    window->addAction(m_undoAction);
    window->addAction(m_redoAction);
}

void MarksBar::mark(PageMarks::Action action)
{
    m_marks->apply(action, m_grid->selectedPages());
}

// Split at marks needs a piece to write: marks that leave every page out
// give none.
void MarksBar::updateButtons()
{
    QUndoStack *undo = m_marks->undoStack();
    m_undo->setEnabled(undo->canUndo());
    m_redo->setEnabled(undo->canRedo());
    m_clear->setEnabled(m_marks->hasMarks());
    const bool usable = m_marks->hasMarks() && !m_marks->split().isEmpty();
    m_split->setEnabled(usable);
    m_split->setAccessibleDescription(!m_marks->hasMarks() ? tr("Mark a cut, a page to leave out or a turn first.")
                                      : usable ? QString()
                                               : tr("Every page is left out: there is nothing to split."));
}

void MarksBar::retranslate()
{
    for (int i = 0; i < m_markButtons.size(); ++i) {
        const QString name = PageMarks::actionName(PageMarks::Action(i));
        m_markButtons.at(i)->setText(name);
        m_markButtons.at(i)->setAccessibleName(name);
        m_markButtons.at(i)->setToolTip(withShortcuts(name, keysOf(PageMarks::Action(i))));
    }
    const QList<QPair<Button *, QString>> others = {
        {m_undo, tr("Undo")}, {m_redo, tr("Redo")}, {m_clear, tr("Clear marks")}, {m_split, tr("Split at marks")}};
    for (const auto &other : others) {
        other.first->setText(other.second);
        other.first->setAccessibleName(other.second);
        other.first->setToolTip(other.second);
    }
    m_undo->setToolTip(withShortcuts(tr("Undo"), m_undoAction->shortcuts()));
    m_redo->setToolTip(withShortcuts(tr("Redo"), m_redoAction->shortcuts()));
    updateButtons();
}

void MarksBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
