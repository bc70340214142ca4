#include "preview/PageMarks.h"

#include "pdf/FileStamp.h"

#include <QFileInfo>
#include <QUndoCommand>
#include <QUndoStack>

#include <algorithm>

// One change of marks: the pages it touched, as they were and as they became.
class MarksCommand : public QUndoCommand
{
public:
    MarksCommand(PageMarks *marks, const QString &text, QHash<int, PageMark> before, QHash<int, PageMark> after)
        : QUndoCommand(text), m_marks(marks), m_before(std::move(before)), m_after(std::move(after))
    {
    }
    void undo() override { m_marks->setMarks(m_before); }
    void redo() override { m_marks->setMarks(m_after); }

private:
    PageMarks *m_marks;
    QHash<int, PageMark> m_before;
    QHash<int, PageMark> m_after;
};

PageMarks::PageMarks(QObject *parent)
    : QObject(parent), m_undo(new QUndoStack(this))
{
}

// The stack tells of its end as it goes; nobody needs to hear of it then.
PageMarks::~PageMarks()
{
    m_undo->blockSignals(true);
}

QString PageMarks::keyOf(const QString &fileName)
{
    const FileStamp stamp = FileStamp::of(fileName);
    return QStringLiteral("%1|%2|%3").arg(QFileInfo(fileName).absoluteFilePath()).arg(stamp.size).arg(stamp.modified);
}

bool PageMarks::setDocument(const QString &documentKey, int pageCount)
{
    if (documentKey == m_key && pageCount == m_marks.size())
        return true;
    m_key = documentKey;
    m_undo->clear();
    m_marks = QVector<PageMark>(qMax(0, pageCount));
    m_marked = 0;
    emit reset();
    return false;
}

QHash<int, PageMark> PageMarks::changed(Action action, const QList<int> &pages) const
{
    QList<int> valid;
    for (int page : pages) {
        if (page >= 1 && page <= m_marks.size() && !valid.contains(page))
            valid.append(page);
    }
    if (action == Action::CutAfter)
        valid.removeAll(m_marks.size());
    const bool allSet = !valid.isEmpty() && std::all_of(valid.cbegin(), valid.cend(), [&](int page) {
        const PageMark &mark = m_marks.at(page - 1);
        return action == Action::CutAfter ? mark.cutAfter : mark.leftOut;
    });

    QHash<int, PageMark> after;
    for (int page : qAsConst(valid)) {
        PageMark mark = m_marks.at(page - 1);
        switch (action) {
        case Action::CutAfter:
            mark.cutAfter = !allSet;
            break;
        case Action::LeaveOut:
            mark.leftOut = !allSet;
            break;
        case Action::RotateRight:
            mark.rotation = (mark.rotation + 90) % 360;
            break;
        case Action::RotateLeft:
            mark.rotation = (mark.rotation + 270) % 360;
            break;
        }
        if (mark != m_marks.at(page - 1))
            after.insert(page, mark);
    }
    return after;
}

void PageMarks::apply(Action action, const QList<int> &pages)
{
    static const char *const texts[] = {QT_TR_NOOP("Cut here"), QT_TR_NOOP("Leave out"),
                                        QT_TR_NOOP("Rotate right"), QT_TR_NOOP("Rotate left")};
    push(tr(texts[int(action)]), changed(action, pages));
}

void PageMarks::clear()
{
    QHash<int, PageMark> after;
    for (int page = 1; page <= m_marks.size(); ++page) {
        if (!m_marks.at(page - 1).isEmpty())
            after.insert(page, PageMark());
    }
    push(tr("Clear marks"), after);
}

void PageMarks::push(const QString &text, const QHash<int, PageMark> &after)
{
    if (after.isEmpty())
        return;   // nothing would change: no step for Undo to take
    QHash<int, PageMark> before;
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        before.insert(it.key(), m_marks.at(it.key() - 1));
    m_undo->push(new MarksCommand(this, text, before, after));
}

void PageMarks::setMarks(const QHash<int, PageMark> &marks)
{
    QList<int> pages;
    for (auto it = marks.cbegin(); it != marks.cend(); ++it) {
        PageMark &mark = m_marks[it.key() - 1];
        m_marked += (it.value().isEmpty() ? 0 : 1) - (mark.isEmpty() ? 0 : 1);
        mark = it.value();
        pages.append(it.key());
    }
    std::sort(pages.begin(), pages.end());
    emit marksChanged(pages);
}
