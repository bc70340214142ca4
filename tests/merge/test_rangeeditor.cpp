#include "../app/AppTestMain.h"
#include "tests/preview/GuiTestHelpers.h"

#include "jobs/MergeModel.h"
#include "jobs/PageRanges.h"
#include "merge/PageRangesView.h"
#include "widgets/CheckBox.h"
#include "widgets/RangeItemView.h"
#include "widgets/RangeListView.h"
#include "widgets/Button.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

// The page-range editor driven through its widgets, committing into a real
// merge list as the main window wires it.
class TestRangeEditor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void refusesOutOfRangeAndDuplicates();
    void okCommitsAndCancelRestoresSavedList();
    void escapeAndClearAllDropOrEmptyTheList();
    void applyToAllClipsToEachDocument();
    void unknownPageCountAcceptsNothing();

private:
    MergeModelItem row(const QString &name, int pages) const;
    void addRange(const QString &from, const QString &to);
    QStringList tags() const;
    QPushButton *button(const QString &objectName) const;
    QString title() const;
    void openRow(int row);

    MergeModel *m_model = nullptr;
    PageRangesView *m_view = nullptr;
};

MergeModelItem TestRangeEditor::row(const QString &name, int pages) const
{
    MergeModelItem item;
    item.path = QDir::temp().filePath(name);
    item.fileName = name;
    item.pageCount = pages;
    return item;
}

void TestRangeEditor::init()
{
    m_model = new MergeModel;
    m_model->appendItems({row("ten.pdf", 10), row("four.pdf", 4), row("twelve.pdf", 12)});
    m_view = new PageRangesView;
    m_view->resize(547, 466);
    connect(m_view, &PageRangesView::commit, m_model, &MergeModel::updateRanges);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestRangeEditor::cleanup()
{
    delete m_view;
    delete m_model;
}

void TestRangeEditor::openRow(int r)
{
    const QModelIndex index = m_model->index(r, MergeModel::PagesColumn);
    m_view->open(index.data(MergeModel::IdRole).toString(),
                 index.data(MergeModel::RangesRole).value<PageRangeList>(),
                 index.data(MergeModel::PageCountRole).toInt());
}

void TestRangeEditor::addRange(const QString &from, const QString &to)
{
    const QList<QLineEdit *> edits = m_view->findChildren<QLineEdit *>("inputEdit");
    QCOMPARE(edits.size(), 2);
    for (QLineEdit *edit : edits)
        edit->clear();
    QTest::keyClicks(edits[0], from);
    QTest::keyClicks(edits[1], to);
    QTest::mouseClick(button("buttonAddRange"), Qt::LeftButton);
}

QStringList TestRangeEditor::tags() const
{
    QStringList texts;
    for (const RangeItemView *tag : m_view->rangeList()->items())
        texts.append(tag->text());
    return texts;
}

QPushButton *TestRangeEditor::button(const QString &objectName) const
{
    return m_view->findChild<QPushButton *>(objectName);
}

QString TestRangeEditor::title() const
{
    return m_view->findChild<QLabel *>("rangeview__settings_label")->text();
}

void TestRangeEditor::refusesOutOfRangeAndDuplicates()
{
    openRow(0);
    QCOMPARE(title(), QString("Choose page ranges. Total pages in document: 10"));
    QCOMPARE(button("buttonCancel")->text(), QString("CLOSE"));
    QVERIFY(!button("buttonSaveSettings")->isEnabled());
    QVERIFY(button("buttonClear")->isHidden());

    addRange("3", "12");
    addRange("0", "2");
    QCOMPARE(tags(), QStringList());
    QCOMPARE(button("buttonCancel")->text(), QString("CLOSE"));

    addRange("10", "10");
    addRange("2", "4");
    addRange("2", "4");
    addRange("4", "2");
    QCOMPARE(tags(), QStringList({"10", "2 - 4", "4 - 2"}));
    QCOMPARE(m_view->pageRanges()->ranges().size(), 3);
    QCOMPARE(button("buttonCancel")->text(), QString("CANCEL"));
    QVERIFY(button("buttonSaveSettings")->isEnabled());
    QVERIFY(button("buttonClear")->isVisible());

    // Only digits can be typed, and Enter adds nothing.
    QLineEdit *from = m_view->findChildren<QLineEdit *>("inputEdit").at(0);
    from->clear();
    QTest::keyClicks(from, "a7-b");
    QCOMPARE(from->text(), QString("7"));
    QTest::keyClick(from, Qt::Key_Return);
    QCOMPARE(tags().size(), 3);

    // A tag's button removes its range; the range can then come back.
    RangeItemView *middle = m_view->rangeList()->items().at(1);
    QCOMPARE(middle->removeButton()->accessibleName(), QString("Remove pages 2 - 4"));
    QTest::mouseClick(middle->removeButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(tags(), QStringList({"10", "4 - 2"}));
    QCOMPARE(m_view->pageRanges()->ranges(), PageRangeList({{10, 10}, {4, 2}}));

    QCOMPARE(unnamedButtons(m_view), QStringList());
    QDir().mkpath(CM_SCREENSHOT_FOLDER);
    addRange("1", "3");
    addRange("5", "5");
    addRange("7", "9");
    // The list scrolls to its new tag a moment after it was added.
    const QScrollBar *bar = m_view->rangeList()->scrollArea()->verticalScrollBar();
    QTRY_COMPARE(bar->value(), bar->maximum());
    QVERIFY(m_view->grab().save(QStringLiteral(CM_SCREENSHOT_FOLDER "/merge_range_editor.png")));
}

void TestRangeEditor::okCommitsAndCancelRestoresSavedList()
{
    QSignalSpy commits(m_view, &PageRangesView::commit);
    QSignalSpy hides(m_view, &PageRangesView::onHideWindow);
    openRow(0);
    addRange("1", "3");
    addRange("5", "5");
    QTest::mouseClick(button("buttonSaveSettings"), Qt::LeftButton);
    QCOMPARE(commits.size(), 1);
    QCOMPARE(hides.size(), 1);   // OK is done with the panel
    QCOMPARE(commits[0][0].toString(), m_model->item(0).id);
    QCOMPARE(m_model->index(0, MergeModel::PagesColumn).data().toString(), QString("1-3, 5"));
    QCOMPARE(m_model->totalPages(), 4 + 4 + 12);
    QCOMPARE(button("buttonCancel")->text(), QString("CLOSE"));
    QVERIFY(!button("buttonSaveSettings")->isEnabled());
    QVERIFY(m_view->isVisible());

    // Adding and removing the same range is no change.
    addRange("8", "8");
    QCOMPARE(button("buttonCancel")->text(), QString("CANCEL"));
    QTest::mouseClick(m_view->rangeList()->items().last()->removeButton(), Qt::LeftButton);
    QCOMPARE(button("buttonCancel")->text(), QString("CLOSE"));

    // CANCEL brings back the saved list and stays open; CLOSE then hides.
    addRange("7", "7");
    addRange("9", "10");
    QTest::mouseClick(button("buttonCancel"), Qt::LeftButton);
    QCOMPARE(hides.size(), 1);
    QCOMPARE(tags(), QStringList({"1 - 3", "5"}));
    QCOMPARE(button("buttonCancel")->text(), QString("CLOSE"));
    QTest::mouseClick(button("buttonCancel"), Qt::LeftButton);
    QCOMPARE(hides.size(), 2);
    QCOMPARE(commits.size(), 1);

    // The close and back buttons hide without saving as well.
    QTest::mouseClick(button("buttonCloseSettings"), Qt::LeftButton);
    QTest::mouseClick(button("buttonNavigateBack"), Qt::LeftButton);
    QCOMPARE(hides.size(), 4);
}

void TestRangeEditor::escapeAndClearAllDropOrEmptyTheList()
{
    QSignalSpy hides(m_view, &PageRangesView::onHideWindow);
    openRow(2);
    addRange("2", "6");
    QTest::mouseClick(button("buttonSaveSettings"), Qt::LeftButton);

    // Escape from the page field: closes without saving.
    addRange("11", "12");
    QLineEdit *to = m_view->findChildren<QLineEdit *>("inputEdit").at(1);
    to->setFocus();
    QTest::keyClick(to, Qt::Key_Escape);
    QCOMPARE(hides.size(), 2);   // OK before, then Escape
    openRow(2);
    QCOMPARE(tags(), QStringList({"2 - 6"}));
    QCOMPARE(m_model->index(2, MergeModel::PagesColumn).data().toString(), QString("2-6"));

    // Clear all empties the list, hides itself, and OK gives back all pages.
    QTest::mouseClick(button("buttonClear"), Qt::LeftButton);
    QCOMPARE(tags(), QStringList());
    QVERIFY(m_view->rangeList()->isEmpty());
    QVERIFY(button("buttonClear")->isHidden());
    QVERIFY(button("buttonSaveSettings")->isEnabled());
    QTest::mouseClick(button("buttonSaveSettings"), Qt::LeftButton);
    QCOMPARE(m_model->index(2, MergeModel::PagesColumn).data().toString(), QString("All (12)"));

    // Removing the last tag by its own button hides Clear all too.
    addRange("3", "3");
    QVERIFY(button("buttonClear")->isVisible());
    QTest::mouseClick(m_view->rangeList()->items().first()->removeButton(), Qt::LeftButton);
    QVERIFY(m_view->rangeList()->isEmpty());
    QVERIFY(button("buttonClear")->isHidden());
}

void TestRangeEditor::applyToAllClipsToEachDocument()
{
    QSignalSpy commits(m_view, &PageRangesView::commit);
    openRow(2);
    QCheckBox *applyToAll = nullptr;
    for (QCheckBox *box : m_view->findChildren<QCheckBox *>())
        applyToAll = box != m_view->reverseBox() ? box : applyToAll;
    QCOMPARE(applyToAll->text(), QString("Apply to all files in queue"));
    QTest::mouseClick(applyToAll, Qt::LeftButton);
    QVERIFY(applyToAll->isChecked());
    addRange("5", "10");
    addRange("1", "2");
    QTest::mouseClick(button("buttonSaveSettings"), Qt::LeftButton);
    QCOMPARE(commits.last()[0].toString(), QString("for_all"));
    QCOMPARE(m_model->index(0, MergeModel::PagesColumn).data().toString(), QString("5-10, 1-2"));
    QCOMPARE(m_model->index(1, MergeModel::PagesColumn).data().toString(), QString("1-2"));
    QCOMPARE(m_model->index(2, MergeModel::PagesColumn).data().toString(), QString("5-10, 1-2"));

    // The check box keeps its state when the editor opens again.
    openRow(1);
    QVERIFY(applyToAll->isChecked());
    QCOMPARE(tags(), QStringList({"1 - 2"}));
}

void TestRangeEditor::unknownPageCountAcceptsNothing()
{
    MergeModelItem unknown = row("broken.pdf", 0);
    m_model->appendItems({unknown});
    openRow(3);
    QCOMPARE(title(), QString("Choose page ranges. Total pages in document: ?"));
    addRange("1", "1");
    QCOMPARE(tags(), QStringList());
    QVERIFY(!button("buttonSaveSettings")->isEnabled());
}

CM_APPLICATION_TEST_MAIN(TestRangeEditor)
#include "test_rangeeditor.moc"
