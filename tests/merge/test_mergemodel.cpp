#include "tests/app/AppTestMain.h"

#include "jobs/MergeModel.h"
#include "jobs/PageRanges.h"
#include "pdf/PdfService.h"
#include "tests/support/PdfFixtures.h"
#include "widgets/FramelessDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

MergeModelItem row(const QString &name, int pageCount, const PageRangeList &ranges = {})
{
    MergeModelItem item;
    item.path = "/nowhere/" + name;
    item.fileName = name;
    item.pageCount = pageCount;
    item.pageRanges = ranges;
    return item;
}

QStringList names(const MergeModel &model)
{
    QStringList result;
    for (int i = 0; i < model.rowCount(); ++i)
        result << model.item(i).fileName;
    return result;
}

QVariant cell(const MergeModel &model, int row, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role);
}

QString rowText(const MergeModel &model, int row)
{
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column)
        cells << cell(model, row, column).toString();
    return cells.join('|');
}

void click(QWidget *dialog, const QString &text)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == text && button->isVisible())
            return QTest::mouseClick(button, Qt::LeftButton);
    }
    QFAIL(qPrintable("no button " + text));
}

// Plays the user at the modal dialogs the code under test opens: each new one
// is noted in seen ("class message") and answered by the next step, given as
// a button text, "close" for the title bar, or "=password" to type and press
// OK. Dialogs beyond the script are rejected, so a fault cannot hang the test.
class DialogScript : public QObject
{
public:
    explicit DialogScript(QStringList steps) : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogScript::poll);
        m_timer.start(20);
    }
    QStringList seen;

private:
    void poll()
    {
        auto *dialog = qobject_cast<FramelessDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->property("scripted").toBool())
            return;
        dialog->setProperty("scripted", true);
        seen << QString("%1 %2").arg(dialog->metaObject()->className(), dialog->messageLabel()->text());
        const QString step = m_steps.isEmpty() ? QString("SKIP ALL") : m_steps.takeFirst();
        if (step == "close")
            QTest::mouseClick(dialog->findChild<QPushButton *>("windowclose"), Qt::LeftButton);
        else if (step.startsWith('='))
            dialog->findChild<QLineEdit *>()->setText(step.mid(1)), click(dialog, "OK");
        else
            click(dialog, step);
        if (dialog->isVisible())
            dialog->reject();
    }
    QStringList m_steps;
    QTimer m_timer;
};

} // namespace

class TestMergeModel : public QObject
{
    Q_OBJECT

private slots:
    void cellsRolesAndTotals()
    {
        // The types the loader and the editor send across threads are known by name.
        for (const char *name : {"PageRangeList", "WorkerStates", "AddErrors", "MergeItemList", "QPair<int,int>"})
            QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);
        QVERIFY(QVariant::fromValue(qMakePair(2, 4)).canConvert<QtMetaTypePrivate::QPairVariantInterfaceImpl>());

        MergeModel model;
        QSignalSpy changed(&model, &MergeModel::changed);
        QVERIFY(model.isEmpty() && !model.canMerge());
        model.appendItems({row("a.pdf", 10, {{1, 3}, {5, 5}, {9, 12}}), row("unknown.pdf", 0)});
        QCOMPARE(changed.count(), 1);
        QVERIFY(model.canMerge());
        QCOMPARE(rowText(model, 0), QString("1|a.pdf|10|1-3, 5, 9-12||Preview|Remove"));
        QCOMPARE(rowText(model, 1), QString("2|unknown.pdf|?|All (?)||Preview|Remove"));
        QCOMPARE(cell(model, 0, 2, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(cell(model, 0, 0, MergeModel::PathRole).toString(), QString("/nowhere/a.pdf"));
        QCOMPARE(cell(model, 0, 0, 258).toString(), model.item(0).id);
        QCOMPARE(cell(model, 0, 0, 262).value<PageRangeList>().size(), 3);
        QVERIFY(!cell(model, 0, 0, 265).toBool() && !cell(model, 0, 0, 264).toBool());

        QStringList headers;
        for (int section = 0; section < 7; ++section)
            headers << model.headerData(section, Qt::Horizontal).toString();
        QCOMPARE(headers.join('|'), QString("|Filename|Total|Pages|Password||"));
        QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));
        QCOMPARE(model.flags(QModelIndex()), Qt::ItemIsDropEnabled);

        // 3 + 1 + 4 pages of the ranges; the unknown document adds nothing.
        QCOMPARE(model.totalPages(), 8);
        // A range typed from high to low takes as many pages as the other way round.
        MergeModelItem descending = model.item(0);
        descending.pageRanges = {{5, 3}, {10, 10}};
        model.setItem(0, descending);
        QCOMPARE(cell(model, 0, 3).toString(), QString("5-3, 10"));
        QCOMPARE(model.totalPages(), 4);
        model.appendItems({row("whole.pdf", 7)});
        QCOMPARE(model.totalPages(), 11);

        changed.clear();
        model.removeAt(1);
        model.removeAt(9);   // no such row: nothing removed, still announced
        QCOMPARE(names(model), (QStringList{"a.pdf", "whole.pdf"}));
        QVERIFY(model.removeRows(0, 5));   // only the rows that exist go, without changed()
        QVERIFY(model.isEmpty());
        model.clear();
        QCOMPARE(changed.count(), 2);
    }

    void dropsAndButtonMoves()
    {
        MergeModel model;
        QSignalSpy moved(&model, &MergeModel::rowMoved);
        QSignalSpy viewsMoved(&model, &QAbstractItemModel::rowsMoved);
        const auto drop = [&](int source, int target, QMimeData *payload = nullptr) {
            std::unique_ptr<QMimeData> data(model.mimeData({model.index(source, 0), model.index(source, 1)}));
            return model.dropMimeData(payload ? payload : data.get(), Qt::MoveAction, -1, -1, model.index(target, 0));
        };
        // Each case starts from 0, 1, 2, 3 and gives the order and rowMoved's row.
        const auto dropped = [&](int source, int target) {
            model.clear();
            model.appendItems({row("0", 1), row("1", 1), row("2", 1), row("3", 1)});
            moved.clear();
            const bool done = drop(source, target);
            return names(model).join(',') + (done ? QString(" %1").arg(moved.takeFirst().at(0).toInt()) : " refused");
        };
        QCOMPARE(dropped(0, 1), QString("0,1,2,3 refused"));
        QCOMPARE(dropped(2, 2), QString("0,1,2,3 refused"));
        QCOMPARE(dropped(0, 2), QString("1,0,2,3 1"));
        QCOMPARE(dropped(0, 3), QString("1,2,0,3 2"));
        QCOMPARE(dropped(3, 0), QString("3,0,1,2 0"));
        QCOMPARE(viewsMoved.count(), 2);   // the adjacent exchange only overwrites rows

        std::unique_ptr<QMimeData> payload(model.mimeData({model.index(2, 0), model.index(2, 3), QModelIndex()}));
        QCOMPARE(payload->data("application/vnd.text.list"), QByteArray("2|2|"));
        // Refused: between rows, another format, no text, a row that is not there.
        QVERIFY(!model.dropMimeData(payload.get(), Qt::MoveAction, 2, 0, QModelIndex()));
        QMimeData other, empty, stranger;
        other.setText("0|");
        empty.setData("application/vnd.text.list", QByteArray());
        stranger.setData("application/vnd.text.list", "9|9|");
        QVERIFY(!drop(0, 2, &other) && !drop(0, 2, &empty) && !drop(0, 2, &stranger));
        QVERIFY(model.dropMimeData(payload.get(), Qt::IgnoreAction, -1, -1, model.index(0, 0)));
        QCOMPARE(names(model), (QStringList{"3", "0", "1", "2"}));
        QVERIFY(moved.isEmpty());

        QSignalSpy changed(&model, &MergeModel::changed);
        QVERIFY(!model.moveUp(0) && !model.moveDown(3));
        QVERIFY(model.moveDown(1) && model.moveUp(1) && model.moveUp(3));
        QCOMPARE(names(model), (QStringList{"1", "3", "2", "0"}));
        QCOMPARE(changed.count(), 6);
    }

    void sortingAndRanges()
    {
        MergeModel model;
        model.appendItems({row("b.pdf", 12), row("A.pdf", 4), row("c.pdf", 12)});
        for (int column : {0, 2, 3})
            model.sort(column, Qt::AscendingOrder);
        QCOMPARE(names(model), (QStringList{"b.pdf", "A.pdf", "c.pdf"}));
        model.sort(1, Qt::AscendingOrder);
        QCOMPARE(names(model), (QStringList{"A.pdf", "b.pdf", "c.pdf"}));
        model.sort(1, Qt::DescendingOrder);
        QCOMPARE(names(model), (QStringList{"c.pdf", "b.pdf", "A.pdf"}));

        QSignalSpy changed(&model, &MergeModel::changed);
        model.updateRanges("{no-such-row}", {{1, 2}});
        QVERIFY(changed.isEmpty());
        model.updateRanges(model.item(1).id, {{12, 20}});   // kept as given for one row
        QCOMPARE(cell(model, 1, 3).toString(), QString("12-20"));
        model.updateRanges("FOR_ALL", {{5, 10}, {2, 3}, {11, 11}});
        QCOMPARE(cell(model, 0, 3).toString(), QString("5-10, 2-3, 11"));
        QCOMPARE(cell(model, 2, 3).toString(), QString("2-3"));   // the 4-page document keeps what fits
        model.updateRanges("for_all", {{5, 10}});
        QCOMPARE(cell(model, 1, 3).toString(), QString("5-10"));
        QCOMPARE(cell(model, 2, 3).toString(), QString("All (4)"));
        QCOMPARE(model.totalPages(), 6 + 6 + 4);
        QCOMPARE(changed.count(), 3);
    }

    void passwordPassAndTaskList()
    {
        ScratchFolder scratch;
        MergeItemList rows;
        for (const QString &name : {"locked1.pdf", "ok1.pdf", "zero.pdf", "locked2.pdf", "locked3.pdf",
                                    "locked4.pdf", "ok2.pdf"}) {
            const bool locked = name.startsWith("locked");
            FixtureOptions options;
            options.pageCount = 4;
            options.userPassword = locked ? "one" : "";
            QVERIFY(writePdfFixture(scratch.filePath(name), options));
            MergeModelItem item = row(name, name.startsWith("ok") ? 4 : 0);
            item.path = scratch.filePath(name);
            item.hasPassword = locked;
            rows << item;
        }
        MergeModel model;
        model.appendItems(rows);
        QSignalSpy changed(&model, &MergeModel::changed);

        // A wrong password is refused and asked again; one pasted with white
        // space around it opens the document; closing asks again; SKIP drops
        // one row; SKIP ALL drops the rest that need one, without asking.
        auto script = std::make_unique<DialogScript>(QStringList{"=wrong", "OK", "=  one ", "close", "SKIP", "SKIP ALL"});
        const MergeItemList resolved = model.resolvePasswords();
        QCOMPARE(script->seen, (QStringList{"MessagePassword locked1.pdf",
                                            "MessageView The password for locked1.pdf is incorrect",
                                            "MessagePassword locked1.pdf", "MessagePassword locked2.pdf",
                                            "MessagePassword locked2.pdf", "MessagePassword locked3.pdf"}));
        QStringList kept;
        for (const MergeModelItem &item : resolved)
            kept << QString("%1 %2 %3 %4").arg(item.fileName, item.password).arg(item.pageCount).arg(item.hasSecurity);
        QCOMPARE(kept, (QStringList{"locked1.pdf one 4 1", "ok1.pdf  4 0", "ok2.pdf  4 0"}));
        // The accepted password stays with the list's row.
        QCOMPARE(changed.count(), 1);
        QCOMPARE(cell(model, 0, 0, MergeModel::PasswordRole).toString(), QString("one"));
        QVERIFY(!cell(model, 0, 0, MergeModel::NeedsPasswordRole).toBool());
        QVERIFY(cell(model, 3, 0, MergeModel::NeedsPasswordRole).toBool());

        // A row accepted by the pass that still has no pages keeps its number unused.
        MergeModelItem gone = row("gone.pdf", 0);
        gone.path = scratch.filePath("gone.pdf");
        gone.hasPassword = true;
        MergeModelItem first = rows[1];
        first.pageRanges = {{2, 3}};
        model.clear();
        model.appendItems({first, gone, rows[2], rows[6]});
        script = std::make_unique<DialogScript>(QStringList{"=x"});
        const QList<MergeItem> items = model.requestItems();
        QCOMPARE(script->seen, QStringList{"MessagePassword gone.pdf"});
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0].fullPath, scratch.filePath("ok1.pdf"));
        QCOMPARE(items[0].pageCount, 4);
        QVERIFY(items[0].pageRanges == (PageRangeList{{2, 3}}));
        QCOMPARE(items[1].fullPath, scratch.filePath("ok2.pdf"));
        QCOMPARE(QString("%1 %2").arg(items[0].order).arg(items[1].order), QString("0 2"));
    }

    void pageRangesEditing()
    {
        PageRanges ranges;
        QSignalSpy changed(&ranges, &PageRanges::changed), added(&ranges, &PageRanges::added),
            cleared(&ranges, &PageRanges::cleared);
        ranges.load({{1, 2}});
        ranges.setInterval(1, 10);
        // Out of bounds or already there: ignored without a signal.
        for (const auto &[from, to] : {std::pair(3, 12), {0, 2}, {1, 2}})
            ranges.addRange(from, to);
        QVERIFY(!ranges.isModified() && changed.isEmpty() && added.isEmpty());
        ranges.addRange(10, 10);
        ranges.addRange(4, 2);   // kept as typed
        QCOMPARE(added.at(1), (QVariantList{4, 2}));
        QVERIFY(ranges.isModified());
        QVERIFY(ranges.ranges() == (PageRangeList{{1, 2}, {10, 10}, {4, 2}}));

        ranges.remove(10, 10);
        ranges.remove(qMakePair(4, 2));
        QVERIFY(!ranges.isModified());   // back to what was loaded
        ranges.addRange(5, 6);
        ranges.cancel();
        QVERIFY(ranges.ranges() == (PageRangeList{{1, 2}}) && !ranges.isModified());
        ranges.addRange(7, 8);
        ranges.save();
        ranges.clear();
        QVERIFY(ranges.isEmpty() && ranges.isModified());
        QCOMPARE(cleared.count(), 1);
        ranges.cancel();
        QVERIFY(ranges.ranges() == (PageRangeList{{1, 2}, {7, 8}}));
        QCOMPARE(changed.count(), 10);

        ranges.setInterval(1, 0);   // a document of unknown length accepts nothing
        ranges.addRange(1, 1);
        QCOMPARE(ranges.ranges().size(), 2);
    }

};

CM_APPLICATION_TEST_MAIN(TestMergeModel)
#include "test_mergemodel.moc"
