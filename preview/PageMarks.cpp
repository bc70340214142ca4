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
    m_found.clear();
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

QString PageMarks::actionName(Action action)
{
    static const char *const texts[] = {QT_TR_NOOP("Cut here"), QT_TR_NOOP("Leave out"),
                                        QT_TR_NOOP("Rotate right"), QT_TR_NOOP("Rotate left")};
    return tr(texts[int(action)]);
}

void PageMarks::apply(Action action, const QList<int> &pages)
{
    push(actionName(action), changed(action, pages));
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

void PageMarks::applyFound(const FoundCuts &cuts, const CutOptions &options, const PageFactsList &found)
{
    QVector<PageMark> marks = m_marks;
    for (PageMark &mark : marks)
        mark = {false, true, mark.rotation};
    for (const SplitPart &part : cuts.parts) {
        for (const PageRange &range : part.pages) {
            for (int page = range.from; page <= range.to && page <= marks.size(); ++page)
                marks[page - 1].leftOut = false;
        }
    }
    // The separators between two parts go with the part they mark off, so
    // that the part's span holds the code that names it.
    for (int k = 0; k + 1 < cuts.parts.size(); ++k) {
        const int cutAfter = options.side == CutOptions::Side::Before ? cuts.parts.at(k).pages.last().to
                                                                      : cuts.parts.at(k + 1).pages.first().from - 1;
        if (cutAfter >= 1 && cutAfter < marks.size())
            marks[cutAfter - 1].cutAfter = true;
    }
    QHash<int, PageMark> after;
    for (int page = 1; page <= marks.size(); ++page) {
        if (marks.at(page - 1) != m_marks.at(page - 1))
            after.insert(page, marks.at(page - 1));
    }
    m_found = found;
    for (PageFacts &facts : m_found) {
        const QString code = CutPlan::matchingCode(facts, options.codePrefix);
        facts.codes = options.way == CutOptions::Way::AtCode && !code.isEmpty() ? QStringList{code} : QStringList();
    }
    push(tr("Find cuts"), after);
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
