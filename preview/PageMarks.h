#ifndef CLEAVEMARK_PREVIEW_PAGEMARKS_H
#define CLEAVEMARK_PREVIEW_PAGEMARKS_H

#include "jobs/MarkedSplit.h"
#include "protocol/CutPlan.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

class QUndoStack;

// The marks the user set on the pages of one document: cuts, pages left
// out and turns. They belong to the document (its path and file stamp), so
// the window shown again on the same file finds them, and another file, or
// the same file changed on disk, starts clean. Every change goes through the
// undo stack, so Undo and Redo step through all of them.
class PageMarks : public QObject
{
    Q_OBJECT

public:
    enum class Action { CutAfter, LeaveOut, RotateRight, RotateLeft };

    explicit PageMarks(QObject *parent = nullptr);
    ~PageMarks() override;

    // Keeps the marks when documentKey names the document they were set on,
    // else starts clean with pageCount unmarked pages; true when kept.
    bool setDocument(const QString &documentKey, int pageCount);
    // The key of a file as it is on disk now: its path and stamp.
    static QString keyOf(const QString &fileName);
    // The action's name, on its button and in the undo history.
    static QString actionName(Action action);

    QString documentKey() const { return m_key; }
    int pageCount() const { return m_marks.size(); }
    PageMark mark(int page) const { return m_marks.value(page - 1); }
    bool hasMarks() const { return m_marked > 0; }
    MarkedSplit split() const { return MarkedSplit::fromMarks(m_marks, m_found); }
    QUndoStack *undoStack() const { return m_undo; }

    // Cut and leave out are switched off on the pages when all of them
    // have them, else on; turns add 90° either way. A cut after the last
    // page would cut nothing and is not set.
    void apply(Action action, const QList<int> &pages);
    void clear();
    // Sets the cuts and the left-out pages that finding cuts found, in place
    // of those marked before, as one step for Undo; turns stay. found holds
    // what was read of each page, kept for naming the parts.
    void applyFound(const FoundCuts &cuts, const CutOptions &options, const PageFactsList &found);

signals:
    // The marks of these pages changed (by an action, undo or redo).
    void marksChanged(const QList<int> &pages);
    // Another document: every page is unmarked.
    void reset();

private:
    friend class MarksCommand;
    void setMarks(const QHash<int, PageMark> &marks);
    QHash<int, PageMark> changed(Action action, const QList<int> &pages) const;
    void push(const QString &text, const QHash<int, PageMark> &after);

    QString m_key;
    QVector<PageMark> m_marks;
    PageFactsList m_found;   // of the last search, with only the codes that counted
    int m_marked = 0;   // pages with any mark
    QUndoStack *m_undo = nullptr;
};

#endif
