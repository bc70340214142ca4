#include "AppTestMain.h"

#include "app/MainView.h"
#include "app/SettingsView.h"
#include "merge/PageRangesView.h"
#include "widgets/DimmingCover.h"
#include "widgets/WindowShadow.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

// What the screen shows must be what the widgets paint, on any display: the
// test compares the window as the display holds it (on X, read back from the
// server) with the window painted afresh, after the steps that used to leave
// stale blocks behind on an X server without a compositor. ctest runs it on
// the off-screen platform and, where Xvfb is installed, on a bare X server
// without window manager or compositor. The screen images go to
// screenshots/ for a person to look at.
class TestPaint : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rangeEditorAfterAddAndOk();
    void settingsWhileTabbing();
    void shadowOnlyWhereItCanBeSeenThrough();

private:
    // Percentage of the content's pixels that differ between screen and widgets.
    double screenDifference(const QString &name);
    bool waitShown(QWidget *panel);
    bool waitHidden(QWidget *panel);

    MainView *m_view = nullptr;
    QString m_platform = QGuiApplication::platformName();
};

void TestPaint::init()
{
    QDir().mkpath(CM_SCREENSHOT_FOLDER);
    m_view = new MainView;
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
    // Without a window manager nobody activates the window for us.
    QApplication::setActiveWindow(m_view);
    QTest::qWait(100);
}

void TestPaint::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

bool TestPaint::waitShown(QWidget *panel)
{
    return QTest::qWaitFor([panel] { return panel->geometry() == MainView::panelShownGeometry(); });
}

bool TestPaint::waitHidden(QWidget *panel)
{
    return QTest::qWaitFor([this, panel] { return !panel->isVisible() && !m_view->cover()->isVisible(); });
}

double TestPaint::screenDifference(const QString &name)
{
    // Let every pending paint reach the display first.
    QTest::qWait(150);
    QCoreApplication::processEvents();
    const QImage shown = m_view->screen()->grabWindow(m_view->winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage painted = m_view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString base = QStringLiteral(CM_SCREENSHOT_FOLDER "/paint_%1_%2").arg(m_platform, name);
    shown.save(base + ".png");
    if (shown.size() != painted.size())
        return 100;
    // The content area; a see-through shadow margin around it depends on
    // what the display puts behind a window.
    const QRect content = m_view->testAttribute(Qt::WA_TranslucentBackground)
                              ? m_view->findChild<QWidget *>(QStringLiteral("mainview"))->geometry()
                              : m_view->rect();
    int differing = 0;
    for (int y = content.top(); y <= content.bottom(); ++y) {
        for (int x = content.left(); x <= content.right(); ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = painted.pixel(x, y);
            if (qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) > 24)
                ++differing;
        }
    }
    const double percent = 100.0 * differing / (content.width() * content.height());
    if (percent > 0.5)
        painted.save(base + "_expected.png");
    return percent;
}

void TestPaint::rangeEditorAfterAddAndOk()
{
    m_view->onNavigateToMerge();
    PageRangesView *editor = m_view->pageRangesView();
    m_view->onEditPageRanges(QStringLiteral("no-such-row"), {}, 12);
    QVERIFY(waitShown(editor));
    QCOMPARE(m_view->cover()->opacity(), 0.6);
    QVERIFY(screenDifference("ranges_open") < 0.5);

    const QList<QLineEdit *> fields = editor->findChildren<QLineEdit *>(QStringLiteral("inputEdit"));
    QCOMPARE(fields.size(), 2);
    auto *add = editor->findChild<QPushButton *>(QStringLiteral("buttonAddRange"));
    for (const auto &range : {qMakePair(2, 4), qMakePair(7, 7), qMakePair(9, 12)}) {
        fields.at(0)->setText(QString::number(range.first));
        fields.at(1)->setText(QString::number(range.second));
        QTest::mouseClick(add, Qt::LeftButton);
    }
    const double afterAdd = screenDifference("ranges_after_add");
    QVERIFY2(afterAdd < 0.5, qPrintable(QString::number(afterAdd)));

    // OK applies and closes the panel.
    QTest::mouseClick(editor->findChild<QPushButton *>(QStringLiteral("buttonSaveSettings")), Qt::LeftButton);
    QVERIFY(waitHidden(editor));
    const double afterClose = screenDifference("ranges_closed");
    QVERIFY2(afterClose < 0.5, qPrintable(QString::number(afterClose)));
}

void TestPaint::settingsWhileTabbing()
{
    m_view->onNavigateToSplit();
    SettingsView *settings = m_view->settingsView();
    m_view->onShowSettings();
    QVERIFY(waitShown(settings));
    QWidget *start = m_view->focusWidget();
    QVERIFY(start && settings->isAncestorOf(start));
    for (int step = 1; step <= 8; ++step) {
        QWidget *focus = m_view->focusWidget();
        QVERIFY(focus && settings->isAncestorOf(focus));
        QTest::keyClick(focus, Qt::Key_Tab);
        const double difference = screenDifference(QStringLiteral("settings_tab%1").arg(step));
        QVERIFY2(difference < 0.5, qPrintable(QStringLiteral("step %1: %2%").arg(step).arg(difference)));
    }
    m_view->onHideSettings();
    QVERIFY(waitHidden(settings));
    QVERIFY(screenDifference("settings_closed") < 0.5);
}

// The window's shadow needs a see-through margin, which only a compositing
// manager shows as such; a bare X server shows it black, so there the
// window is its content alone, with its rounded corners filled.
void TestPaint::shadowOnlyWhereItCanBeSeenThrough()
{
    const bool bareX = m_platform == QLatin1String("xcb") && !WindowShadow::isAvailable();
    QCOMPARE(m_view->testAttribute(Qt::WA_TranslucentBackground), !bareX);
    QCOMPARE(m_view->size(), bareX ? QSize(703, 466) : QSize(743, 506));
    if (!bareX)
        return;
    QTest::qWait(150);
    const QImage shown = m_view->screen()->grabWindow(m_view->winId()).toImage();
    for (const QPoint corner : {QPoint(0, 0), QPoint(702, 0), QPoint(0, 465), QPoint(702, 465)})
        QVERIFY2(qGray(shown.pixel(corner)) > 200, qPrintable(QStringLiteral("corner %1,%2").arg(corner.x()).arg(corner.y())));
}

CM_APPLICATION_TEST_MAIN(TestPaint)
#include "test_paint.moc"
