#include "tests/app/AppTestMain.h"

#include "app/FramelessDialog.h"
#include "merge/MergeModel.h"
#include "merge/PageRanges.h"
#include "pdf/PdfService.h"
#include "tests/support/PdfFixtures.h"

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

QString cell(const MergeModel &model, int row, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role).toString();
}

// Plays the user at the modal dialogs the code under test opens: each new
// one is described in seen and answered by the next step. Dialogs beyond the
// script are closed through SKIP ALL or rejected, so a fault cannot hang.
class DialogScript : public QObject
{
public:
    using Step = std::function<void(FramelessDialog *)>;
    explicit DialogScript(QList<Step> steps) : m_steps(std::move(steps))
    {
        connect(&m_timer, &QTimer::timeout, this, &DialogScript::poll);
        m_timer.start(20);
    }
    QStringList seen;

    static Step typeAndOk(const QString &password)
    {
        return [password](FramelessDialog *dialog) {
            dialog->findChild<QLineEdit *>()->setText(password);
            click(dialog, "OK");
        };
    }
    static Step press(const QString &text)
    {
        return [text](FramelessDialog *dialog) { click(dialog, text); };
    }
    static Step closeWindow()
    {
        return [](FramelessDialog *dialog) {
            QTest::mouseClick(dialog->findChild<QPushButton *>("windowclose"), Qt::LeftButton);
        };
    }

private:
    static void click(QWidget *dialog, const QString &text)
    {
        for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
            if (button->text() == text && button->isVisible())
                return QTest::mouseClick(button, Qt::LeftButton);
        }
        QFAIL(qPrintable("no button " + text));
    }
    void poll()
    {
        auto *dialog = qobject_cast<FramelessDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog->property("scripted").toBool())
            return;
        dialog->setProperty("scripted", true);
        seen << QString("%1 %2").arg(dialog->metaObject()->className(), dialog->messageLabel()->text());
        if (!m_steps.isEmpty())
            return m_steps.takeFirst()(dialog);
        seen << "unexpected";
        dialog->findChildren<QPushButton *>().isEmpty() ? dialog->reject() : press("SKIP ALL")(dialog);
        if (dialog->isVisible())
            dialog->reject();
    }
    QList<Step> m_steps;
    QTimer m_timer;
};

} // namespace

class TestMergeModel : public QObject
{
    Q_OBJECT

private slots:
    void cellsRolesAndTotals();
    void dropsAndButtonMoves();
    void sortingAndRanges();
    void passwordPassAndTaskList();
    void pageRangesEditing();
};

void TestMergeModel::cellsRolesAndTotals()
{
    // The types the loader and the editor send across threads are known by name.
    for (const char *name : {"PageRangeList", "WorkerStates", "AddErrors", "MergeItemList", "QPair<int,int>"})
        QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name);
    const QVariant pair = QVariant::fromValue(qMakePair(2, 4));
    QVERIFY(pair.canConvert<QtMetaTypePrivate::QPairVariantInterfaceImpl>());

    MergeModel model;
    QSignalSpy changed(&model, &MergeModel::changed);
    QVERIFY(model.isEmpty() && !model.canMerge());
    model.appendItems({row("a.pdf", 10, {{1, 3}, {5, 5}, {9, 12}}), row("unknown.pdf", 0)});
    QCOMPARE(changed.count(), 1);
    QVERIFY(model.canMerge());
    QCOMPARE(model.columnCount(), 7);

    QCOMPARE(cell(model, 0, 0), QString("1"));
    QCOMPARE(cell(model, 1, 0), QString("2"));
    QCOMPARE(cell(model, 0, 1), QString("a.pdf"));
    QCOMPARE(cell(model, 0, 2), QString("10"));
    QCOMPARE(cell(model, 0, 3), QString("1-3, 5, 9-12"));
    QCOMPARE(cell(model, 0, 3, Qt::EditRole), QString("1-3, 5, 9-12"));
    QCOMPARE(cell(model, 1, 2), QString("?"));
    QCOMPARE(cell(model, 1, 3), QString("All (?)"));
    QCOMPARE(cell(model, 0, 5), QString("Preview"));
    QCOMPARE(cell(model, 0, 6), QString("Remove"));
    QVERIFY(model.data(model.index(0, 4)).isNull());
    QCOMPARE(model.data(model.index(0, 2), Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    QVERIFY(model.data(model.index(0, 1), Qt::TextAlignmentRole).isNull());

    QCOMPARE(int(MergeModel::PathRole), 257);
    QCOMPARE(int(MergeModel::PastEndRole), 265);
    QCOMPARE(cell(model, 0, 0, MergeModel::PathRole), QString("/nowhere/a.pdf"));
    QCOMPARE(cell(model, 0, 0, MergeModel::IdRole), model.item(0).id);
    QCOMPARE(model.data(model.index(0, 0), MergeModel::RangesRole).value<PageRangeList>().size(), 3);
    QCOMPARE(model.data(model.index(1, 0), MergeModel::PageCountRole).toInt(), 0);
    QVERIFY(!model.data(model.index(0, 0), MergeModel::PastEndRole).toBool());

    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Filename"));
    QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QString("Password"));
    QVERIFY(model.headerData(0, Qt::Horizontal).isNull());
    QVERIFY(model.headerData(1, Qt::Vertical).isNull());
    QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));
    QVERIFY(model.flags(model.index(0, 3)) & Qt::ItemIsDragEnabled);
    QCOMPARE(model.flags(QModelIndex()), Qt::ItemIsDropEnabled);
    QCOMPARE(model.mimeTypes(), QStringList{"application/vnd.text.list"});

    // 3 + 1 + 4 pages of the ranges; the unknown document adds nothing.
    QCOMPARE(model.totalPages(), 8);
    // A range typed from high to low takes as many pages as the other way round.
    MergeModelItem descending = model.item(0);
    descending.pageRanges = {{5, 3}, {10, 10}};
    model.setItem(0, descending);
    QCOMPARE(cell(model, 0, 3), QString("5-3, 10"));
    QCOMPARE(model.totalPages(), 4);
    model.appendItems({row("whole.pdf", 7)});
    QCOMPARE(model.totalPages(), 11);

    changed.clear();
    model.removeAt(1);
    model.removeAt(9);   // no such row: nothing removed, still announced
    QCOMPARE(names(model), (QStringList{"a.pdf", "whole.pdf"}));
    QCOMPARE(changed.count(), 2);
    QVERIFY(model.removeRows(0, 5));   // only the rows that exist go
    QVERIFY(model.isEmpty());
    QCOMPARE(changed.count(), 2);
    model.clear();
    QCOMPARE(changed.count(), 2);
}

void TestMergeModel::dropsAndButtonMoves()
{
    MergeModel model;
    QSignalSpy moved(&model, &MergeModel::rowMoved);
    const auto reset = [&] {
        model.clear();
        model.appendItems({row("0", 1), row("1", 1), row("2", 1), row("3", 1)});
        moved.clear();
    };
    const auto drop = [&](int source, int target) {
        std::unique_ptr<QMimeData> data(model.mimeData({model.index(source, 0), model.index(source, 1)}));
        return model.dropMimeData(data.get(), Qt::MoveAction, -1, -1, model.index(target, 0));
    };

    reset();
    std::unique_ptr<QMimeData> payload(model.mimeData({model.index(2, 0), model.index(2, 3), QModelIndex()}));
    QCOMPARE(payload->data("application/vnd.text.list"), QByteArray("2|2|"));

    QVERIFY(!drop(0, 1));
    QCOMPARE(names(model), (QStringList{"0", "1", "2", "3"}));
    QVERIFY(!drop(2, 2));
    QVERIFY(drop(0, 2));
    QCOMPARE(names(model), (QStringList{"1", "0", "2", "3"}));
    QCOMPARE(moved.takeFirst().at(0).toInt(), 1);

    reset();
    QVERIFY(drop(0, 3));
    QCOMPARE(names(model), (QStringList{"1", "2", "0", "3"}));
    QCOMPARE(moved.takeFirst().at(0).toInt(), 2);

    reset();
    QSignalSpy viewsMoved(&model, &QAbstractItemModel::rowsMoved);
    QVERIFY(drop(3, 0));
    QCOMPARE(names(model), (QStringList{"3", "0", "1", "2"}));
    QCOMPARE(moved.takeFirst().at(0).toInt(), 0);
    QCOMPARE(viewsMoved.count(), 1);
    QCOMPARE(model.rowCount(), 4);

    // Refused: between rows, another format, no text, a row that is not there.
    reset();
    std::unique_ptr<QMimeData> data(model.mimeData({model.index(0, 0)}));
    QVERIFY(!model.dropMimeData(data.get(), Qt::MoveAction, 2, 0, QModelIndex()));
    QMimeData other;
    other.setText("0|");
    QVERIFY(!model.dropMimeData(&other, Qt::MoveAction, -1, -1, model.index(2, 0)));
    QMimeData empty;
    empty.setData("application/vnd.text.list", QByteArray());
    QVERIFY(!model.dropMimeData(&empty, Qt::MoveAction, -1, -1, model.index(2, 0)));
    QMimeData stranger;
    stranger.setData("application/vnd.text.list", "9|9|");
    QVERIFY(!model.dropMimeData(&stranger, Qt::MoveAction, -1, -1, model.index(2, 0)));
    QVERIFY(model.dropMimeData(data.get(), Qt::IgnoreAction, -1, -1, model.index(2, 0)));
    QCOMPARE(names(model), (QStringList{"0", "1", "2", "3"}));
    QVERIFY(moved.isEmpty());

    QSignalSpy changed(&model, &MergeModel::changed);
    QVERIFY(!model.moveUp(0));
    QVERIFY(!model.moveDown(3));
    QVERIFY(model.moveDown(1));
    QVERIFY(model.moveUp(1));
    QVERIFY(model.moveUp(3));
    QCOMPARE(names(model), (QStringList{"2", "0", "3", "1"}));
    QCOMPARE(changed.count(), 6);
}

void TestMergeModel::sortingAndRanges()
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
    QCOMPARE(cell(model, 1, 3), QString("12-20"));
    model.updateRanges("FOR_ALL", {{5, 10}, {2, 3}, {11, 11}});
    QCOMPARE(cell(model, 0, 3), QString("5-10, 2-3, 11"));
    QCOMPARE(cell(model, 2, 3), QString("2-3"));   // the 4-page document keeps what fits
    model.updateRanges("for_all", {{5, 10}});
    QCOMPARE(cell(model, 1, 3), QString("5-10"));
    QCOMPARE(cell(model, 2, 3), QString("All (4)"));
    QCOMPARE(model.totalPages(), 6 + 6 + 4);
    QCOMPARE(changed.count(), 3);
}

void TestMergeModel::passwordPassAndTaskList()
{
    ScratchFolder scratch;
    auto service = QSharedPointer<PdfService>::create();
    MergeItemList rows;
    for (const QString &name : {"locked1.pdf", "ok1.pdf", "zero.pdf", "locked2.pdf", "locked3.pdf",
                                "locked4.pdf", "ok2.pdf"}) {
        FixtureOptions options;
        options.pageCount = 4;
        options.userPassword = name.startsWith("locked") ? "one" : "";
        QVERIFY(writePdfFixture(scratch.filePath(name), options));
        MergeModelItem item = row(name, name.startsWith("ok") ? 4 : 0);
        item.path = scratch.filePath(name);
        item.hasPassword = name.startsWith("locked");
        rows << item;
    }

    MergeModel model;
    model.setPdfService(service);
    model.appendItems(rows);
    QSignalSpy changed(&model, &MergeModel::changed);
    {
        using S = DialogScript;
        DialogScript script({S::typeAndOk("wrong"), S::press("OK"), S::typeAndOk("one"),
                             S::closeWindow(), S::press("SKIP"), S::press("SKIP ALL")});
        const MergeItemList resolved = model.resolvePasswords();
        QCOMPARE(script.seen, (QStringList{"MessagePassword locked1.pdf",
                                           "MessageView The password for locked1.pdf is incorrect",
                                           "MessagePassword locked1.pdf", "MessagePassword locked2.pdf",
                                           "MessagePassword locked2.pdf", "MessagePassword locked3.pdf"}));
        QCOMPARE(resolved.size(), 3);
        QCOMPARE(resolved[0].fileName, QString("locked1.pdf"));
        QCOMPARE(resolved[0].password, QString("one"));
        QCOMPARE(resolved[0].pageCount, 4);
        QVERIFY(resolved[0].hasPassword && resolved[0].hasSecurity);
        QCOMPARE(resolved[1].fileName, QString("ok1.pdf"));
        QCOMPARE(resolved[2].fileName, QString("ok2.pdf"));
    }
    // The accepted password stays with the list's row.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(cell(model, 0, 0, MergeModel::PasswordRole), QString("one"));
    QVERIFY(!model.data(model.index(0, 0), MergeModel::NeedsPasswordRole).toBool());
    QVERIFY(model.data(model.index(3, 0), MergeModel::NeedsPasswordRole).toBool());

    // A row accepted by the pass that still has no pages keeps its number unused.
    MergeModel tasks;
    tasks.setPdfService(service);
    MergeModelItem gone = row("gone.pdf", 0);
    gone.path = scratch.filePath("gone.pdf");
    gone.hasPassword = true;
    MergeModelItem first = rows[1];
    first.pageRanges = {{2, 3}};
    tasks.appendItems({first, gone, rows[2], rows[6]});
    DialogScript script({DialogScript::typeAndOk("x")});
    const QList<MergeItem> items = tasks.requestItems();
    QCOMPARE(script.seen, QStringList{"MessagePassword gone.pdf"});
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0].fullPath, scratch.filePath("ok1.pdf"));
    QCOMPARE(items[0].order, 0);
    QCOMPARE(items[0].pageCount, 4);
    QVERIFY(items[0].pageRanges == (PageRangeList{{2, 3}}));
    QCOMPARE(items[1].fullPath, scratch.filePath("ok2.pdf"));
    QCOMPARE(items[1].order, 2);
}

void TestMergeModel::pageRangesEditing()
{
    PageRanges ranges;
    QSignalSpy changed(&ranges, &PageRanges::changed);
    QSignalSpy added(&ranges, &PageRanges::added);
    QSignalSpy cleared(&ranges, &PageRanges::cleared);
    ranges.load({{1, 2}});
    ranges.setInterval(1, 10);
    QVERIFY(!ranges.isModified() && changed.isEmpty());

    ranges.addRange(3, 12);
    ranges.addRange(0, 2);
    ranges.addRange(1, 2);   // already there
    QVERIFY(added.isEmpty() && changed.isEmpty());
    ranges.addRange(10, 10);
    ranges.addRange(4, 2);
    QCOMPARE(added.count(), 2);
    QCOMPARE(added.at(1), (QVariantList{4, 2}));
    QVERIFY(ranges.isModified());
    QVERIFY(ranges.ranges() == (PageRangeList{{1, 2}, {10, 10}, {4, 2}}));

    ranges.remove(10, 10);
    ranges.remove(qMakePair(4, 2));
    QVERIFY(!ranges.isModified());   // back to what was loaded
    ranges.addRange(5, 6);
    ranges.cancel();
    QVERIFY(ranges.ranges() == (PageRangeList{{1, 2}}));
    QVERIFY(!ranges.isModified());
    ranges.addRange(7, 8);
    ranges.save();
    QVERIFY(!ranges.isModified());
    ranges.clear();
    QVERIFY(ranges.isEmpty() && ranges.isModified());
    QCOMPARE(cleared.count(), 1);
    ranges.cancel();
    QVERIFY(ranges.ranges() == (PageRangeList{{1, 2}, {7, 8}}));
    QCOMPARE(changed.count(), 10);

    // A document of unknown length accepts nothing.
    ranges.setInterval(1, 0);
    ranges.addRange(1, 1);
    QCOMPARE(ranges.ranges().size(), 2);
}

CM_APPLICATION_TEST_MAIN(TestMergeModel)
#include "test_mergemodel.moc"
