#ifndef CLEAVEMARK_PREVIEW_MARKSBAR_H
#define CLEAVEMARK_PREVIEW_MARKSBAR_H

#include "preview/PageMarks.h"

#include <QKeySequence>
#include <QWidget>

class Button;
class QAction;
class ThumbnailGrid;

// The buttons that mark the pages selected in the grid, and step back and
// forth through the marks: "Cut here", "Leave out", "Rotate left",
// "Rotate right", "Undo", "Redo", "Clear marks", and "Split at marks",
// which is there once something is marked that a split can use. Undo and
// Redo are actions of the window, so their keys work in either view.
class MarksBar : public QWidget
{
    Q_OBJECT

public:
    MarksBar(PageMarks *marks, ThumbnailGrid *grid, QWidget *parent = nullptr);

    // The keys that mark the grid's pages (they work while it has the focus).
    static QList<QKeySequence> keysOf(PageMarks::Action action);

    // Adds the undo and redo actions to the window, for their keys in
    // either view.
    void addActionsTo(QWidget *window);

    Button *button(PageMarks::Action action) const;
    Button *undoButton() const { return m_undo; }
    Button *redoButton() const { return m_redo; }
    Button *clearButton() const { return m_clear; }
    Button *splitButton() const { return m_split; }

signals:
    void splitAtMarks();

public slots:
    void mark(PageMarks::Action action);

protected:
    void changeEvent(QEvent *event) override;

private:
    Button *addButton(const char *objectName);
    void retranslate();
    void updateButtons();

    PageMarks *m_marks;
    ThumbnailGrid *m_grid;
    QList<Button *> m_markButtons;   // in the order of PageMarks::Action
    Button *m_undo = nullptr;
    Button *m_redo = nullptr;
    Button *m_clear = nullptr;
    Button *m_split = nullptr;
    QAction *m_undoAction = nullptr;
    QAction *m_redoAction = nullptr;
};

#endif
