#include "AppTestMain.h"

#include "app/AdvancedSettingsView.h"
#include "app/MainView.h"
#include "widgets/Button.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

// The output properties panel, driven through the main window as a user
// would; test_outputproperties takes it on to the files a job writes.
class TestAdvancedSettingsView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void splitRecordFillsThePanel();
    void blankPasswordSwitchesProtectionOff();
    void tagGoesToTheCursorAndFileNameRefusesBadCharacters();
    void cancelKeepsTheRecord();

private:
    // Slides the panel in on the record and waits until it is in place.
    bool open(const QSharedPointer<AdvancedSettings> &settings);
    bool waitClosed();
    QCheckBox *box(const QString &text) const;
    QLineEdit *edit(const QString &name) const;
    QPushButton *button(const QString &text) const;

    MainView *m_view = nullptr;
    AdvancedSettingsView *m_panel = nullptr;
};

void TestAdvancedSettingsView::init()
{
    Application::settings()->setValue("meta_author", "Ann Example");
    m_view = new MainView;
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    m_panel = m_view->advancedSettingsView();
    QVERIFY(m_panel);
    QVERIFY(!m_panel->isVisible());
}

void TestAdvancedSettingsView::cleanup()
{
    delete m_view;
    m_view = nullptr;
    Application::settings()->remove("meta_author");
}

bool TestAdvancedSettingsView::open(const QSharedPointer<AdvancedSettings> &settings)
{
    m_view->onShowAdvancedSettings(settings);
    return QTest::qWaitFor([this] {
        return m_panel->isVisible() && m_panel->geometry() == MainView::panelShownGeometry();
    });
}

bool TestAdvancedSettingsView::waitClosed()
{
    return QTest::qWaitFor([this] { return !m_panel->isVisible() && !m_view->cover()->isVisible(); });
}

QCheckBox *TestAdvancedSettingsView::box(const QString &accessibleOrText) const
{
    for (QCheckBox *candidate : m_panel->findChildren<QCheckBox *>()) {
        if (candidate->text() == accessibleOrText || candidate->accessibleName() == accessibleOrText)
            return candidate;
    }
    return nullptr;
}

QLineEdit *TestAdvancedSettingsView::edit(const QString &accessibleName) const
{
    for (QLineEdit *candidate : m_panel->findChildren<QLineEdit *>()) {
        if (candidate->accessibleName() == accessibleName)
            return candidate;
    }
    return nullptr;
}

QPushButton *TestAdvancedSettingsView::button(const QString &text) const
{
    for (QPushButton *candidate : m_panel->findChildren<QPushButton *>()) {
        if (candidate->text() == text)
            return candidate;
    }
    return nullptr;
}

void TestAdvancedSettingsView::splitRecordFillsThePanel()
{
    auto settings = QSharedPointer<AdvancedSettings>::create("[BASENAME]_p[PAGE]");
    QVERIFY(open(settings));
    QCOMPARE(m_panel->findChild<QLabel *>("settingsLabel")->text(), QString("Advanced Settings"));

    // The reset record: everything allowed, no password, the default template.
    QVERIFY(box("Printing")->isChecked() && box("Editing")->isChecked() && box("Copying")->isChecked());
    QVERIFY(!box("Password:")->isChecked());
    QVERIFY(!edit("Password:")->isEnabled());
    QCOMPARE(edit("Title:")->text(), QString());
    QCOMPARE(edit("Author:")->text(), QString("Ann Example"));
    QCOMPARE(edit("Filename Prefix:")->text(), QString("[BASENAME]_p[PAGE]"));
    QCOMPARE(edit("Filename Prefix:")->size(), QSize(380, 37));
    QCOMPARE(edit("Password:")->size(), QSize(349, 37));
    QStringList tags;
    for (Button *tag : m_panel->tagButtons()) {
        QVERIFY(tag->isVisible());
        QCOMPARE(tag->height(), 29);
        tags << tag->text() + "=" + tag->property("tag_value").toString();
    }
    QCOMPARE(tags, QStringList({"BASENAME=[BASENAME]", "COUNTER=[COUNTER]", "PAGE=[PAGE]",
                                "DATENOW=[DATENOW]", "TIMENOW=[TIMENOW]", "BOOKMARK=[BOOKMARK]",
                                "FIRSTLINE=[FIRSTLINE]", "CODE=[CODE]"}));
    QCOMPARE(button("SAVE SETTINGS")->height(), 42);
    QCOMPARE(button("CANCEL")->height(), 42);
    QVERIFY(!m_panel->findChild<QPushButton *>("buttonCloseSettings")->accessibleName().isEmpty());
    QVERIFY(!m_panel->findChild<QPushButton *>("buttonNavigateBack")->accessibleName().isEmpty());

    QTest::mouseClick(box("Password:"), Qt::LeftButton);
    QVERIFY(edit("Password:")->isEnabled());
}

void TestAdvancedSettingsView::blankPasswordSwitchesProtectionOff()
{
    auto settings = QSharedPointer<AdvancedSettings>::create("[BASENAME]_p[PAGE]");
    QVERIFY(open(settings));
    QTest::mouseClick(box("Password:"), Qt::LeftButton);
    QTest::keyClicks(edit("Password:"), "    ");
    QTest::mouseClick(button("SAVE SETTINGS"), Qt::LeftButton);
    QVERIFY(waitClosed());
    QVERIFY(!settings->passwordEnabled());
    QCOMPARE(settings->effectivePassword(), QString());

    QVERIFY(open(settings));
    QVERIFY(!box("Password:")->isChecked());
    QVERIFY(!edit("Password:")->isEnabled());
    QCOMPARE(edit("Password:")->text(), QString());
}

void TestAdvancedSettingsView::tagGoesToTheCursorAndFileNameRefusesBadCharacters()
{
    auto settings = QSharedPointer<AdvancedSettings>::create("[BASENAME]_p[PAGE]");
    QVERIFY(open(settings));
    QLineEdit *fileName = edit("Filename Prefix:");
    fileName->clear();
    QTest::keyClicks(fileName, "ab");
    fileName->setCursorPosition(1);
    QTest::mouseClick(button("PAGE"), Qt::LeftButton);
    QCOMPARE(fileName->text(), QString("a[PAGE]b"));
    QCOMPARE(fileName->cursorPosition(), 7);
    QTest::mouseClick(button("COUNTER"), Qt::LeftButton);
    QCOMPARE(fileName->text(), QString("a[PAGE][COUNTER]b"));

    // Space, slash, colon, asterisk, question mark, angle brackets and bar never get in;
    // a space between words does.
    fileName->clear();
    QTest::keyClicks(fileName, " x/y:z*w?v<u>t|s r");
    QCOMPARE(fileName->text(), QString("xyzwvuts r"));

    QTest::mouseClick(button("SAVE SETTINGS"), Qt::LeftButton);
    QVERIFY(waitClosed());
    QCOMPARE(settings->fileNamePrefix(), QString("xyzwvuts r"));
}

void TestAdvancedSettingsView::cancelKeepsTheRecord()
{
    auto settings = QSharedPointer<AdvancedSettings>::create("[BASENAME]_p[PAGE]");
    settings->setTitle("Kept title");
    QVERIFY(open(settings));
    QTest::keyClicks(edit("Title:"), " changed");
    QTest::mouseClick(box("Editing"), Qt::LeftButton);
    QTest::mouseClick(box("Password:"), Qt::LeftButton);
    QTest::keyClicks(edit("Password:"), "never");
    QTest::mouseClick(button("DATENOW"), Qt::LeftButton);
    QTest::mouseClick(button("CANCEL"), Qt::LeftButton);
    QVERIFY(waitClosed());

    QCOMPARE(settings->title(), QString("Kept title"));
    QVERIFY(settings->permEditing());
    QVERIFY(!settings->passwordEnabled());
    QCOMPARE(settings->password(), QString());
    QCOMPARE(settings->fileNamePrefix(), QString("[BASENAME]_p[PAGE]"));

    // The next showing shows the old values, and the close buttons and
    // Escape cancel in the same way.
    QVERIFY(open(settings));
    QCOMPARE(edit("Title:")->text(), QString("Kept title"));
    QVERIFY(box("Editing")->isChecked());
    QVERIFY(!box("Password:")->isChecked());
    QTest::keyClicks(edit("Title:"), " again");
    QTest::mouseClick(m_panel->findChild<QPushButton *>("buttonCloseSettings"), Qt::LeftButton);
    QVERIFY(waitClosed());
    QVERIFY(open(settings));
    QTest::keyClicks(edit("Title:"), " and again");
    QTest::keyClick(m_panel, Qt::Key_Escape);
    QVERIFY(waitClosed());
    QCOMPARE(settings->title(), QString("Kept title"));
}

CM_APPLICATION_TEST_MAIN(TestAdvancedSettingsView)
#include "test_advancedsettingsview.moc"
