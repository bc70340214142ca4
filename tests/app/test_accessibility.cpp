#include "tests/preview/GuiTestHelpers.h"
#include "AppTestMain.h"

#include "app/AdvancedSettingsView.h"
#include "app/MainView.h"
#include "dialogs/MessageMerge.h"
#include "dialogs/MessagePassword.h"
#include "dialogs/MessageSplit.h"
#include "dialogs/MessageUpdate.h"
#include "dialogs/MessageView.h"
#include "app/SettingsView.h"
#include "app/TabWidget.h"
#include "jobs/Merge.h"
#include "jobs/Split.h"
#include "jobs/MergeModel.h"
#include "merge/MergeTableView.h"
#include "merge/MergeView.h"
#include "merge/PageRangesView.h"
#include "preview/DocumentViewer.h"
#include "preview/MarksBar.h"
#include "preview/PageMarks.h"
#include "preview/PageView.h"
#include "preview/ThumbnailGrid.h"
#include "preview/ThumbnailModel.h"
#include "widgets/WindowBar.h"
#include "split/SplitView.h"
#include "tests/support/PdfFixtures.h"
#include "widgets/Button.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTimer>

namespace {

const QColor accent(QStringLiteral("#2f6fe4"));

QString describe(QAccessibleInterface *iface)
{
    QString what = QStringLiteral("role %1").arg(int(iface->role()));
    if (QObject *object = iface->object())
        what += QStringLiteral(" %1 \"%2\"").arg(object->metaObject()->className(), object->objectName());
    return what;
}

// What a screen reader meets below root: every shown interface, and the
// focusable or actionable ones that have no name.
struct Walk
{
    QList<QAccessibleInterface *> shown;
    QStringList unnamed;

    void visit(QAccessibleInterface *iface, int depth = 0)
    {
        if (!iface || !iface->isValid() || depth > 40 || iface->state().invisible)
            return;
        shown.append(iface);
        QStringList actions;
        if (QAccessibleActionInterface *action = iface->actionInterface())
            actions = action->actionNames();
        actions.removeAll(QAccessibleActionInterface::setFocusAction());
        const bool takesPart = iface->state().focusable || !actions.isEmpty();
        if (takesPart && iface->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(describe(iface));
        for (int i = 0; i < iface->childCount(); ++i)
            visit(iface->child(i), depth + 1);
    }

    QList<QAccessibleInterface *> withRole(QAccessible::Role role) const
    {
        QList<QAccessibleInterface *> found;
        for (QAccessibleInterface *iface : shown) {
            if (iface->role() == role)
                found.append(iface);
        }
        return found;
    }
};

Walk walk(QWidget *root)
{
    QCoreApplication::processEvents();
    Walk result;
    result.visit(QAccessible::queryAccessibleInterface(root));
    return result;
}

// Pixels of the accent colour in an image: a focus mark draws many.
int accentPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - accent.red()) < 12 && qAbs(c.green() - accent.green()) < 12
                && qAbs(c.blue() - accent.blue()) < 12)
                ++count;
        }
    }
    return count;
}

} // namespace

// Reads the windows as a screen reader does (QAccessible), and drives them
// by keys alone.
class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void everyStateNamesWhatTakesPart();
    void keyboardAloneSplitsAndBuildsTheMergeList();
    void focusMarksFollowTheKeyboardOnly();
    void iconsAreSharpAtScaleTwo();

private:
    QString fixture(const QString &name, int pages, const QString &password = QString());
    void loadMergeList(const QStringList &files);
    void checkNamed(QWidget *root, const char *state);
    QImage shoot(QWidget *widget, const QString &name);
    // Answers the next modal dialog with Escape.
    void escapeNextDialog();

    ScratchFolder m_dir;
    MainView *m_view = nullptr;
    QStringList m_chosen;   // what the stub file dialog answers next
    int m_chooserCalls = 0;
};

void TestAccessibility::initTestCase()
{
    QVERIFY(QDir().mkpath(QStringLiteral(CM_SCREENSHOT_FOLDER)));
}

void TestAccessibility::init()
{
    Application::instance()->merge()->model()->clear();
    Application::instance()->split()->resetState();
    m_view = new MainView;
    m_view->setFileChooser([this](QWidget *, const QString &, const QString &, const QString &, bool) {
        ++m_chooserCalls;
        return m_chosen;
    });
    m_view->show();
    m_view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_view));
}

void TestAccessibility::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

QString TestAccessibility::fixture(const QString &name, int pages, const QString &password)
{
    const QString path = m_dir.filePath(name);
    FixtureOptions options;
    options.pageCount = pages;
    options.userPassword = password;
    return writePdfFixture(path, options) ? path : QString();
}

void TestAccessibility::loadMergeList(const QStringList &files)
{
    MergeModel *list = Application::instance()->merge()->model();
    const int before = list->rowCount();
    list->requestAddFiles(files);
    QTRY_COMPARE_WITH_TIMEOUT(list->rowCount(), before + files.size(), 30000);
    QVERIFY(waitForReading());
}

void TestAccessibility::checkNamed(QWidget *root, const char *state)
{
    const Walk seen = walk(root);
    QVERIFY2(seen.shown.size() > 3, state);
    QVERIFY2(seen.unnamed.isEmpty(),
             qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(state), seen.unnamed.join(", "))));
}

QImage TestAccessibility::shoot(QWidget *widget, const QString &name)
{
    QCoreApplication::processEvents();
    const QImage image = widget->grab().toImage();
    image.save(QStringLiteral(CM_SCREENSHOT_FOLDER "/") + name + QStringLiteral(".png"));
    return image;
}

void TestAccessibility::escapeNextDialog()
{
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, timer, [timer] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
    });
    timer->start(20);
}

void TestAccessibility::everyStateNamesWhatTakesPart()
{
    checkNamed(m_view, "start page");

    // The tabs are page tabs in a named page tab list.
    m_view->onNavigateToSplit();
    Walk seen = walk(m_view);
    const QList<QAccessibleInterface *> tabLists = seen.withRole(QAccessible::PageTabList);
    QCOMPARE(tabLists.size(), 1);
    QVERIFY(!tabLists.first()->text(QAccessible::Name).isEmpty());
    QStringList tabs;
    for (QAccessibleInterface *tab : seen.withRole(QAccessible::PageTab)) {
        tabs << tab->text(QAccessible::Name);
        QCOMPARE(tab->state().selected, tab->text(QAccessible::Name) == QLatin1String("Split"));
    }
    tabs.sort();
    QCOMPARE(tabs, QStringList({"Merge", "Split"}));
    QVERIFY(seen.withRole(QAccessible::CheckBox).size() < 4);   // the tabs are no check boxes

    // A document on the split page, in each of the four modes; a mode chosen
    // through the radio button's own action shows its page.
    Split *job = Application::instance()->split();
    job->setFile(fixture("report.pdf", 3), QString());
    waitForReading();
    QVERIFY(job->isLoaded());
    SplitView *split = m_view->splitView();
    for (int mode = 3; mode >= 0; --mode) {
        QAccessibleInterface *radio = QAccessible::queryAccessibleInterface(split->modeButton(mode));
        QAccessibleActionInterface *action = radio->actionInterface();
        QVERIFY(action->actionNames().contains(QAccessibleActionInterface::toggleAction()));
        action->doAction(QAccessibleActionInterface::toggleAction());
        QTRY_COMPARE(split->currentModePage(), mode);
        QCOMPARE(job->mode(), mode);
        checkNamed(m_view, qPrintable(QStringLiteral("split mode %1").arg(mode)));
    }
    // The folder list says what it shows, not the folder behind the entry.
    QAccessibleInterface *folders = QAccessible::queryAccessibleInterface(split->saveFolderBox()->view());
    QCOMPARE(folders->tableInterface()->cellAt(2, 0)->text(QAccessible::Name), QString("Select folder..."));

    // The merge table: named, a header for every column, its buttons and
    // links acting, the password cell saying what it shows.
    m_view->onNavigateToMerge();
    loadMergeList({fixture("a.pdf", 2), fixture("locked.pdf", 4, "secret")});
    checkNamed(m_view, "merge page with rows");
    seen = walk(m_view);
    const QList<QAccessibleInterface *> tables = seen.withRole(QAccessible::Table);
    QCOMPARE(tables.size(), 1);
    QAccessibleInterface *table = tables.first();
    QCOMPARE(table->text(QAccessible::Name), QString("Documents to merge"));
    QAccessibleTableInterface *grid = table->tableInterface();
    QVERIFY(grid);
    QCOMPARE(grid->columnCount(), int(MergeModel::ColumnCount));
    QCOMPARE(grid->rowCount(), 2);
    for (int column = 0; column < grid->columnCount(); ++column) {
        QAccessibleInterface *header = table->child(column);
        QCOMPARE(header->role(), QAccessible::ColumnHeader);
        QVERIFY2(!header->text(QAccessible::Name).isEmpty(), qPrintable(QString::number(column)));
    }
    const int locked = Application::instance()->merge()->model()->item(0).needsPassword() ? 0 : 1;
    QCOMPARE(grid->cellAt(1 - locked, MergeModel::PasswordColumn)->text(QAccessible::Name), QString("ok"));
    QCOMPARE(grid->cellAt(locked, MergeModel::PasswordColumn)->text(QAccessible::Name),
             QString("Enter Password"));
    QCOMPARE(grid->cellAt(0, MergeModel::PagesColumn)->text(QAccessible::Name).left(3), QString("All"));
    for (int column : {int(MergeModel::PagesColumn), int(MergeModel::PreviewColumn), int(MergeModel::RemoveColumn)}) {
        QAccessibleActionInterface *action = grid->cellAt(0, column)->actionInterface();
        QVERIFY(action);
        QCOMPARE(action->actionNames(), QStringList(QAccessibleActionInterface::pressAction()));
        QVERIFY(!action->localizedActionName(QAccessibleActionInterface::pressAction()).isEmpty());
    }
    QCOMPARE(grid->cellAt(0, MergeModel::FileNameColumn)->actionInterface()->actionNames(), QStringList());

    // Remove's action removes the row, as a click does.
    QAccessibleInterface *remove = grid->cellAt(1 - locked, MergeModel::RemoveColumn);
    remove->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(Application::instance()->merge()->model()->rowCount(), 1);
    QVERIFY(waitForReading());
    QCOMPARE(grid->rowCount(), 1);
    loadMergeList({fixture("b.pdf", 3)});

    // The side panels are modal dialogs with names, and so is each state.
    const int open = Application::instance()->merge()->model()->item(0).needsPassword() ? 1 : 0;
    m_view->mergeView()->table()->activateCell(
        Application::instance()->merge()->model()->index(open, MergeModel::PagesColumn));
    QCOMPARE(m_view->openPanel(), static_cast<QWidget *>(m_view->pageRangesView()));
    checkNamed(m_view, "range editor");
    QAccessibleInterface *panel = QAccessible::queryAccessibleInterface(m_view->pageRangesView());
    QCOMPARE(panel->role(), QAccessible::Dialog);
    QVERIFY(panel->state().modal);
    QCOMPARE(panel->text(QAccessible::Name), QString("Page ranges"));
    m_view->onHidePageRanges();
    QVERIFY(!panel->state().modal);

    m_view->onShowSettings();
    checkNamed(m_view, "settings");
    QCOMPARE(QAccessible::queryAccessibleInterface(m_view->settingsView())->role(), QAccessible::Dialog);
    m_view->onHideSettings();

    m_view->onNavigateToSplit();
    split->advancedSettingsButton()->click();
    QCOMPARE(m_view->openPanel(), static_cast<QWidget *>(m_view->advancedSettingsView()));
    checkNamed(m_view, "output properties");
    m_view->onHideAdvancedSettings();

    // Every message dialog, shown as the program shows it.
    MessageView message("Split failed", "Split canceled", m_view);
    MessageSplit splitDone(3, m_view);
    MessageMerge mergeDone(m_view);
    MessagePassword password(m_view);
    MessageUpdate update("9.9.9", m_view);
    for (QDialog *dialog : QList<QDialog *>{&message, &splitDone, &mergeDone, &password, &update}) {
        dialog->show();
        checkNamed(dialog, dialog->metaObject()->className());
        QCOMPARE(QAccessible::queryAccessibleInterface(dialog)->role(), QAccessible::Dialog);
        dialog->hide();
    }

    // The page window: a dialog whose pages say where they are, in both views.
    split->modeButton(0)->setFocus();
    m_view->onPreview(m_dir.filePath("report.pdf"), QString());
    DocumentViewer *viewer = m_view->documentViewer();
    QTRY_COMPARE(viewer->pageView()->pages().size(), 3);
    viewer->setView(DocumentViewer::View::SinglePages);
    checkNamed(viewer, "page window, single pages");
    QStringList pageNames;
    for (QAccessibleInterface *page : walk(viewer).withRole(QAccessible::StaticText))
        pageNames << page->text(QAccessible::Name);
    QVERIFY2(pageNames.contains("Page 3 of 3"), qPrintable(pageNames.join(", ")));

    viewer->setView(DocumentViewer::View::Thumbnails);
    checkNamed(viewer, "page window, thumbnails");
    QList<QAccessibleInterface *> lists;
    for (QAccessibleInterface *list : walk(viewer).withRole(QAccessible::List)) {
        if (list->text(QAccessible::Name) == "Pages")
            lists << list;
    }
    QCOMPARE(lists.size(), 1);
    QAccessibleInterface *pages = lists.first();
    QCOMPARE(pages->childCount(), 3);
    QCOMPARE(pages->child(2)->text(QAccessible::Name), QString("Page 3 of 3"));
    QCOMPARE(pages->child(2)->role(), QAccessible::ListItem);
    // A mark set is heard: the item's description changes and is announced.
    QSignalSpy announced(viewer->thumbnailModel(), &ThumbnailModel::pageMarksChanged);
    viewer->thumbnailGrid()->setCurrentPage(3);
    QTest::keyClick(viewer->thumbnailGrid(), Qt::Key_R);
    QCOMPARE(announced.count(), 1);
    QCOMPARE(pages->child(2)->text(QAccessible::Description), QString("rotated 90°"));
    // Every button of the window says its name, and its keys where it has some.
    for (Button *button : viewer->findChildren<Button *>()) {
        if (!button->isVisible() || button->parentWidget() == static_cast<QWidget *>(viewer->windowBar()))
            continue;
        QVERIFY2(button->toolTip().startsWith(button->accessibleName()), qPrintable(button->objectName()));
    }
    QVERIFY(viewer->marksBar()->button(PageMarks::Action::CutAfter)->toolTip().endsWith("(/)"));
    QVERIFY(viewer->marksBar()->undoButton()->toolTip().contains("Ctrl+Z"));
    QTest::keyClick(viewer->thumbnailGrid(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(pages->child(2)->text(QAccessible::Description), QString());
    // Escape closes the window and gives the focus back.
    QTest::keyClick(viewer->thumbnailGrid(), Qt::Key_Escape);
    QVERIFY(!viewer->isVisible());
    QTRY_COMPARE(m_view->focusWidget(), static_cast<QWidget *>(split->modeButton(0)));
}

// Only key events: a document added by Ctrl+O and split in two modes with
// the real worker, then three documents on the merge page, one moved by
// Alt+Down and one removed by Delete, the range editor and the settings
// opened and closed, and back to the split page.
void TestAccessibility::keyboardAloneSplitsAndBuildsTheMergeList()
{
    TabWidget *tabs = m_view->tabWidget();
    SplitView *split = m_view->splitView();
    Split *job = Application::instance()->split();

    // The window opens with "Split" in focus; Space chooses it.
    QCOMPARE(QApplication::focusWidget()->objectName(), QString("buttonNavigateToSplit"));
    keyOnFocus(Qt::Key_Space, Qt::NoModifier, m_view);
    QCOMPARE(tabs->currentIndex(), int(MainView::SplitPage));

    m_chosen = QStringList{fixture("five.pdf", 5)};
    keyOnFocus(Qt::Key_O, Qt::ControlModifier, m_view);
    QCOMPARE(m_chooserCalls, 1);
    QVERIFY(waitForReading());
    QVERIFY(job->isLoaded());
    QCOMPARE(job->pageCount(), 5);

    // Into files of one page: Tab to SPLIT, Space, Escape the result.
    QSignalSpy finished(job, &Split::finished);
    QVERIFY(tabFocusTo(split->splitButton(), 60, m_view));
    escapeNextDialog();
    keyOnFocus(Qt::Key_Space, Qt::NoModifier, m_view);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
    QCOMPARE(finished.at(0).at(0).toStringList().size(), 5);

    // By groups of pages (3): the arrow key moves the mode, toggling it.
    QTRY_VERIFY(split->splitButton()->isEnabled());
    QVERIFY(tabFocusTo(split->modeButton(0), 60, m_view));
    keyOnFocus(Qt::Key_Down, Qt::NoModifier, m_view);
    QVERIFY(split->modeButton(1)->isChecked());
    QCOMPARE(split->currentModePage(), 1);
    QCOMPARE(job->mode(), int(Split::GroupsOfPages));
    // Return presses a focused button as Space does; after the result the
    // focus is back on SPLIT, not on the title bar.
    QVERIFY(tabFocusTo(split->splitButton(), 60, m_view));
    escapeNextDialog();
    keyOnFocus(Qt::Key_Return, Qt::NoModifier, m_view);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 60000);
    QCOMPARE(finished.at(1).at(0).toStringList().size(), 2);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    // (the window's own focus: the offscreen platform may leave it inactive)
    QTRY_COMPARE(m_view->focusWidget(), static_cast<QWidget *>(split->splitButton()));

    // Merge: Ctrl+Tab, then three documents by Ctrl+O.
    QTRY_VERIFY(split->splitButton()->isEnabled());
    keyOnFocus(Qt::Key_Tab, Qt::ControlModifier, m_view);
    QCOMPARE(tabs->currentIndex(), int(MainView::MergePage));
    MergeModel *list = Application::instance()->merge()->model();
    m_chosen = QStringList{fixture("one.pdf", 1), fixture("two.pdf", 2), fixture("three.pdf", 3)};
    keyOnFocus(Qt::Key_O, Qt::ControlModifier, m_view);
    QTRY_COMPARE_WITH_TIMEOUT(list->rowCount(), 3, 30000);
    QVERIFY(waitForReading());
    const auto names = [list] {
        QStringList rows;
        for (int row = 0; row < list->rowCount(); ++row)
            rows << QFileInfo(list->item(row).path).fileName();
        return rows;
    };
    QCOMPARE(names(), QStringList({"one.pdf", "two.pdf", "three.pdf"}));

    // The table is a Tab stop that comes with its first row selected;
    // Alt+Down moves that row below the second, Delete removes the row it
    // then is on.
    MergeTableView *table = m_view->mergeView()->table();
    QVERIFY(tabFocusTo(table, 60, m_view));
    QCOMPARE(table->currentIndex().row(), 0);
    QVERIFY(table->selectionModel()->isRowSelected(0, QModelIndex()));
    keyOnFocus(Qt::Key_Down, Qt::NoModifier, m_view);
    keyOnFocus(Qt::Key_Up, Qt::NoModifier, m_view);
    QCOMPARE(table->currentIndex().row(), 0);
    keyOnFocus(Qt::Key_Down, Qt::AltModifier, m_view);
    QCOMPARE(names(), QStringList({"two.pdf", "one.pdf", "three.pdf"}));
    QCOMPARE(table->currentIndex().row(), 1);
    keyOnFocus(Qt::Key_Delete, Qt::NoModifier, m_view);
    QCOMPARE(names(), QStringList({"two.pdf", "three.pdf"}));
    QCOMPARE(table->currentIndex().row(), 1);

    // Return opens the range editor on the current row, with the focus in
    // it; Tab stays inside; Escape closes it and gives the focus back.
    keyOnFocus(Qt::Key_Return, Qt::NoModifier, m_view);
    PageRangesView *ranges = m_view->pageRangesView();
    QCOMPARE(m_view->openPanel(), static_cast<QWidget *>(ranges));
    QVERIFY(ranges->isAncestorOf(QApplication::focusWidget()));
    for (int i = 0; i < 15; ++i) {
        keyOnFocus(Qt::Key_Tab, Qt::NoModifier, m_view);
        QVERIFY2(ranges->isAncestorOf(QApplication::focusWidget()),
                 qPrintable(QApplication::focusWidget()->objectName()));
    }
    keyOnFocus(Qt::Key_Escape, Qt::NoModifier, m_view);
    QVERIFY(!m_view->openPanel());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(table));

    // A range typed in, then OK by Return: applied, and the panel is closed.
    keyOnFocus(Qt::Key_Return, Qt::NoModifier, m_view);
    QCOMPARE(m_view->openPanel(), static_cast<QWidget *>(ranges));
    ranges->fromEdit()->setFocus();
    keyOnFocus(Qt::Key_2, Qt::NoModifier, m_view);
    keyOnFocus(Qt::Key_Tab, Qt::NoModifier, m_view);
    keyOnFocus(Qt::Key_3, Qt::NoModifier, m_view);
    QVERIFY(tabFocusTo(ranges->findChild<QWidget *>("buttonAddRange"), 60, m_view));
    keyOnFocus(Qt::Key_Return, Qt::NoModifier, m_view);
    QWidget *ok = ranges->findChild<QWidget *>("buttonSaveSettings");
    QTRY_VERIFY(ok->isEnabled());   // the press lands after the button's flash
    QVERIFY(tabFocusTo(ok, 60, m_view));
    keyOnFocus(Qt::Key_Return, Qt::NoModifier, m_view);
    QTRY_VERIFY(!m_view->openPanel());
    QCOMPARE(list->index(1, MergeModel::PagesColumn).data().toString(), QString("2-3"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(table));

    // The settings: Tab to the bottom bar's button, Space, Escape.
    QWidget *settingsButton = m_view->findChild<QWidget *>("buttonSettings");
    QVERIFY(tabFocusTo(settingsButton, 60, m_view));
    keyOnFocus(Qt::Key_Space, Qt::NoModifier, m_view);
    QCOMPARE(m_view->openPanel(), static_cast<QWidget *>(m_view->settingsView()));
    QVERIFY2(QApplication::focusWidget() == m_view->settingsView()->languageBox(),
             qPrintable(QApplication::focusWidget()->objectName()));
    keyOnFocus(Qt::Key_O, Qt::ControlModifier, m_view);   // the window's keys wait while a panel is open
    QCOMPARE(list->rowCount(), 2);
    keyOnFocus(Qt::Key_Escape, Qt::NoModifier, m_view);
    QVERIFY(!m_view->openPanel());
    QCOMPARE(QApplication::focusWidget(), settingsButton);

    // Back to the split page, which still holds its document.
    keyOnFocus(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, m_view);
    QCOMPARE(tabs->currentIndex(), int(MainView::SplitPage));
    QVERIFY(job->isLoaded());
    keyOnFocus(Qt::Key_PageDown, Qt::ControlModifier, m_view);
    QCOMPARE(tabs->currentIndex(), int(MainView::MergePage));
    keyOnFocus(Qt::Key_PageUp, Qt::ControlModifier, m_view);
    QCOMPARE(tabs->currentIndex(), int(MainView::SplitPage));
}

// The accent ring appears where Tab puts the focus, and never after a click.
void TestAccessibility::focusMarksFollowTheKeyboardOnly()
{
    // A custom button of the start page.
    auto *merge = m_view->findChild<Button *>("buttonNavigateToMerge");
    QTest::mouseClick(m_view->findChild<Button *>("buttonNavigateToSplit"), Qt::LeftButton);
    m_view->tabWidget()->setCurrentIndex(MainView::StartPage);
    merge->setFocus(Qt::MouseFocusReason);
    const int clicked = accentPixels(shoot(merge, "a11y_focus_button_mouse"));
    merge->clearFocus();
    QVERIFY(tabFocusTo(merge, 60, m_view));
    const int tabbed = accentPixels(shoot(merge, "a11y_focus_button"));
    QVERIFY2(tabbed > clicked + 150, qPrintable(QStringLiteral("%1 / %2").arg(tabbed).arg(clicked)));

    // A radio button of the split page.
    m_view->onNavigateToSplit();
    Application::instance()->split()->setFile(fixture("radio.pdf", 2), QString());
    waitForReading();
    QRadioButton *radio = m_view->splitView()->modeButton(0);
    const int radioIdle = accentPixels(radio->grab().toImage());
    QVERIFY(tabFocusTo(radio, 60, m_view));
    QVERIFY(accentPixels(shoot(m_view->splitView()->splitArea(), "a11y_focus_radio")) > 0);
    QVERIFY(accentPixels(radio->grab().toImage()) > radioIdle + 30);

    // The merge table.
    m_view->onNavigateToMerge();
    loadMergeList({fixture("t1.pdf", 1), fixture("t2.pdf", 2)});
    MergeTableView *table = m_view->mergeView()->table();
    const int tableIdle = accentPixels(table->grab().toImage());
    QVERIFY(tabFocusTo(table, 60, m_view));
    keyOnFocus(Qt::Key_Down, Qt::NoModifier, m_view);
    QVERIFY(accentPixels(shoot(table, "a11y_focus_table")) > tableIdle + 300);

    // A panel: the output properties, Tab onto SAVE SETTINGS.
    m_view->findChild<Button *>("buttonAdvancedSettings")->click();
    AdvancedSettingsView *panel = m_view->advancedSettingsView();
    QTRY_COMPARE(panel->geometry(), MainView::panelShownGeometry());
    Button *save = panel->findChild<Button *>("buttonSaveSettings");
    const int saveIdle = accentPixels(save->grab().toImage());
    QVERIFY(tabFocusTo(save, 60, m_view));
    QVERIFY(shoot(m_view, "a11y_focus_panel").width() > 0);
    const QImage saveMarked = save->grab().toImage();
    QVERIFY(accentPixels(saveMarked) < saveIdle);   // the white inner line shows on the blue button
    keyOnFocus(Qt::Key_Escape, Qt::NoModifier, m_view);
}

// Run with QT_SCALE_FACTOR=2: the style's icons come from their @2x files.
void TestAccessibility::iconsAreSharpAtScaleTwo()
{
    if (qApp->devicePixelRatio() < 2.0)
        QSKIP("needs QT_SCALE_FACTOR=2");
    const QPixmap help = loadStylePixmap(QStringLiteral(":/style/images/help_normal.png"));
    QCOMPARE(help.devicePixelRatio(), 2.0);
    QCOMPARE(help.size(), QSize(32, 32));
    auto *button = m_view->findChild<Button *>("buttonNavigateToSplit");
    const QImage image = shoot(button, "a11y_icon_2x");
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(image.size(), button->size() * 2);
    // The start page's big picture is drawn from its 112-pixel rendering.
    QCOMPARE(loadStylePixmap(QStringLiteral(":/style/images/split_big_normal.png")).size(), QSize(112, 112));
}

CM_APPLICATION_TEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
