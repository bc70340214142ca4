#include "tests/preview/GuiTestHelpers.h"
#include "AppTestMain.h"
#include "tests/support/PdfFixtures.h"

#include "app/AdvancedSettingsView.h"
#include "app/MainView.h"
#include "dialogs/MessageMerge.h"
#include "dialogs/MessagePassword.h"
#include "dialogs/MessageSplit.h"
#include "dialogs/MessageUpdate.h"
#include "dialogs/MessageView.h"
#include "app/SettingsView.h"
#include "app/TabWidget.h"
#include "jobs/AdvancedSettings.h"
#include "jobs/Merge.h"
#include "jobs/Split.h"
#include "merge/MergeItemDelegate.h"
#include "jobs/MergeModel.h"
#include "merge/MergeTableView.h"
#include "merge/MergeView.h"
#include "jobs/PageRanges.h"
#include "merge/PageRangesView.h"
#include "split/SplitView.h"
#include "widgets/Button.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>

// Every text must fit its element at the fixed window size in each language:
// the test walks each page, panel and dialog in en, de and fr, lists every
// shown label or button whose text is wider (or, wrapped, taller) than the
// element, and saves what the screen shows to screenshots/ for a person to
// look at.
class TestTextFit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyTextFits_data();
    void everyTextFits();

private:
    void useLanguage(const QString &code);
    // Saves the window as the screen shows it and lists what does not fit.
    void look(QWidget *window, const QString &name);
    void lookAtPanel(MainView &view, QWidget *panel, const QString &name);
    void lookAtDialogs();
    static QStringList overflows(const QWidget *root);
    static QString labelOverflow(const QLabel *label);
    static QString buttonOverflow(const QAbstractButton *button);
    static QStringList tableOverflows(const MergeTableView *table);

    ScratchFolder m_folder;
    QString m_language;
    QStringList m_problems;
};

void TestTextFit::initTestCase()
{
    QVERIFY(m_folder.isValid());
    QVERIFY(QDir().mkpath(CM_SCREENSHOT_FOLDER));
}

void TestTextFit::cleanupTestCase()
{
    useLanguage("en");
}

void TestTextFit::useLanguage(const QString &code)
{
    Application::settings()->setValue("Language", code);
    Application::instance()->applyLanguage();
    QCoreApplication::processEvents();
}

QString TestTextFit::labelOverflow(const QLabel *label)
{
    const QString text = label->text();
    if (text.isEmpty() || (label->pixmap() && !label->pixmap()->isNull()))
        return {};
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                     -label->margin());
    QSize needed;
    if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(text)) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (label->wordWrap())
            document.setTextWidth(room.width());
        needed = QSize(qCeil(document.idealWidth()), label->wordWrap() ? qCeil(document.size().height()) : 0);
    } else if (label->wordWrap()) {
        // No word wider than the label, and the lines no taller than it.
        const int widest = label->fontMetrics()
                               .boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text)
                               .width();
        needed = QSize(widest, label->heightForWidth(label->width()));
        if (needed.height() > label->height())
            return QStringLiteral("label \"%1\" needs %2 high, has %3").arg(text).arg(needed.height()).arg(label->height());
        needed.setHeight(0);
    } else {
        needed = QSize(label->fontMetrics().horizontalAdvance(text), 0);
    }
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return {};
    return QStringLiteral("label \"%1\" needs %2x%3, has %4x%5")
        .arg(text).arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height());
}

QString TestTextFit::buttonOverflow(const QAbstractButton *button)
{
    if (button->text().isEmpty() || button->property("wordWrap").toBool())
        return {};
    // The size hint is text, icon and the style's padding: what the button
    // needs to show its whole text as designed.
    const QSize needed = button->sizeHint();
    if (needed.width() > button->width())
        return QStringLiteral("button \"%1\" (%2) needs %3, has %4")
            .arg(button->text(), button->objectName()).arg(needed.width()).arg(button->width());
    // A check box or radio button squeezed below its height cuts off the
    // feet of its text; push buttons are given their heights by design.
    const bool marked = qobject_cast<const QCheckBox *>(button) || qobject_cast<const QRadioButton *>(button);
    if (marked && needed.height() > button->height())
        return QStringLiteral("button \"%1\" (%2) needs %3 high, has %4")
            .arg(button->text(), button->objectName()).arg(needed.height()).arg(button->height());
    return {};
}

QStringList TestTextFit::tableOverflows(const MergeTableView *table)
{
    QStringList found;
    const QHeaderView *header = table->horizontalHeader();
    const int headerMargin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const QAbstractItemModel *model = table->model();
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        const int needed = header->fontMetrics().horizontalAdvance(title) + 2 * headerMargin;
        if (!title.isEmpty() && needed > header->sectionSize(column))
            found << QStringLiteral("header \"%1\" needs %2, has %3").arg(title).arg(needed).arg(header->sectionSize(column));
    }
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, MergeModel::PasswordColumn);
        const QRect cell = table->visualRect(index);
        const QString text = MergeItemDelegate::passwordText(index);
        const QRect needed = table->fontMetrics().boundingRect(cell, MergeItemDelegate::passwordTextFlags(), text);
        if (needed.width() > cell.width() || needed.height() > cell.height())
            found << QStringLiteral("password cell \"%1\" needs %2x%3, has %4x%5")
                         .arg(text).arg(needed.width()).arg(needed.height()).arg(cell.width()).arg(cell.height());
    }
    return found;
}

QStringList TestTextFit::overflows(const QWidget *root)
{
    QStringList found;
    for (const QLabel *label : root->findChildren<QLabel *>()) {
        if (label->isVisible() && !labelOverflow(label).isEmpty())
            found << labelOverflow(label);
    }
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && !buttonOverflow(button).isEmpty())
            found << buttonOverflow(button);
    }
    for (const MergeTableView *table : root->findChildren<MergeTableView *>()) {
        if (table->isVisible())
            found << tableOverflows(table);
    }
    return found;
}

void TestTextFit::look(QWidget *window, const QString &name)
{
    QTest::qWait(50);
    QCoreApplication::processEvents();
    const QString path = QStringLiteral(CM_SCREENSHOT_FOLDER "/fit_%1_%2_%3.png")
                             .arg(QGuiApplication::platformName(), m_language, name);
    window->screen()->grabWindow(window->winId()).save(path);
    for (const QString &problem : overflows(window))
        m_problems << name + ": " + problem;
}

void TestTextFit::lookAtPanel(MainView &view, QWidget *panel, const QString &name)
{
    QVERIFY(QTest::qWaitFor([panel] { return panel->geometry() == MainView::panelShownGeometry(); }));
    look(&view, name);
}

void TestTextFit::everyTextFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    QTest::newRow("de") << "de";
    QTest::newRow("fr") << "fr";
}

void TestTextFit::everyTextFits()
{
    QFETCH(QString, language);
    m_language = language;
    m_problems.clear();
    useLanguage(language);

    FixtureOptions options;
    options.pageCount = 12;
    const QString plain = m_folder.filePath("quarterly-report-of-the-northern-region-2024-final-version.pdf");
    QVERIFY(writePdfFixture(plain, options));
    options.userPassword = "secret";
    const QString locked = m_folder.filePath("locked.pdf");
    QVERIFY(writePdfFixture(locked, options));

    MainView view;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    look(&view, "start");

    // The split page: empty, then with a document in each mode, then with
    // one that needs a password and the note that the properties were reset.
    Split *split = Application::instance()->split();
    view.onNavigateToSplit();
    look(&view, "split_empty");
    split->setFile(plain);
    waitForReading();
    QButtonGroup *modes = view.splitView()->findChild<QButtonGroup *>();
    QVERIFY(modes);
    for (int mode = 0; mode < 4; ++mode) {
        modes->button(mode)->click();
        look(&view, QStringLiteral("split_mode%1").arg(mode));
    }
    split->ridPages()->addRange(3, 3);
    split->ranges()->addRange(2, 5);
    look(&view, "split_ranges");
    split->settings()->setTitle("Kept until the next document");
    split->setFile(locked);
    waitForReading();
    QVERIFY(view.splitView()->findChild<QLabel *>("resetNote")->isVisible());
    look(&view, "split_locked_reset");

    view.onShowSettings();
    lookAtPanel(view, view.settingsView(), "settings");
    view.onHideSettings();
    QVERIFY(QTest::qWaitFor([&view] { return !view.cover()->isVisible(); }));
    split->editSettings();
    lookAtPanel(view, view.advancedSettingsView(), "advanced_split");
    QVERIFY(view.advancedSettingsView()->resetNote()->isVisible());
    // Saved, the values are the user's choice again: both notes go.
    view.advancedSettingsView()->saveSettings();
    QVERIFY(QTest::qWaitFor([&view] { return !view.cover()->isVisible(); }));
    QVERIFY(!view.splitView()->findChild<QLabel *>("resetNote")->isVisible());
    split->setFile(plain);   // nothing the user set is lost this time
    waitForReading();
    QVERIFY(!view.splitView()->findChild<QLabel *>("resetNote")->isVisible());

    // The merge page with a document that needs a password, and its panels.
    view.onNavigateToMerge();
    Merge *merge = Application::instance()->merge();
    merge->model()->requestAddFiles({plain, locked});
    QVERIFY(QTest::qWaitFor([merge] { return merge->model()->rowCount() == 2; }, 10000));
    look(&view, "merge");
    // The file name column is cut short; its tooltip tells the whole path.
    MergeTableView *table = view.mergeView()->table();
    const QRect nameCell = table->visualRect(table->model()->index(0, MergeModel::FileNameColumn));
    QHelpEvent help(QEvent::ToolTip, nameCell.center(), table->viewport()->mapToGlobal(nameCell.center()));
    QCoreApplication::sendEvent(table->viewport(), &help);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), merge->model()->index(0, 0).data(MergeModel::PathRole).toString());
    QToolTip::hideText();
    merge->editSettings();
    lookAtPanel(view, view.advancedSettingsView(), "advanced_merge");
    view.advancedSettingsView()->onClose();
    QVERIFY(QTest::qWaitFor([&view] { return !view.cover()->isVisible(); }));
    view.onEditPageRanges(merge->model()->index(0, 0).data(MergeModel::IdRole).toString(), {{2, 4}}, 12);
    lookAtPanel(view, view.pageRangesView(), "ranges");
    view.onEditPageRanges(QString(), {}, 0);
    lookAtPanel(view, view.pageRangesView(), "ranges_unknown");
    merge->model()->clear();

    lookAtDialogs();
    QVERIFY2(m_problems.isEmpty(), qPrintable("\n" + m_problems.join('\n')));
}

void TestTextFit::lookAtDialogs()
{
    MessageSplit one(1);
    one.show();
    look(&one, "dialog_split_1");
    MessageSplit many(24);
    many.show();
    look(&many, "dialog_split_24");
    MessageMerge merged;
    merged.show();
    look(&merged, "dialog_merge");
    MessagePassword password;
    password.setMessage("annual-report-2024.pdf");
    password.setSkipVisible(true);
    password.setSkipAllVisible(true);
    password.show();
    look(&password, "dialog_password");
    MessageUpdate update("3.5");
    update.show();
    look(&update, "dialog_update");
    MessageView message(QCoreApplication::translate("PasswordPrompt", "Can not open file"),
                        QCoreApplication::translate("PasswordPrompt", "The password for %1 is incorrect")
                            .arg("annual-report-2024.pdf"));
    message.show();
    look(&message, "dialog_message");
}

CM_APPLICATION_TEST_MAIN(TestTextFit)
#include "test_textfit.moc"
