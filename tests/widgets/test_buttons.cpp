#include "tests/support/TestGroup.h"
#include "widgets/Button.h"
#include "widgets/ButtonDescription.h"
#include "widgets/ButtonKeys.h"
#include "widgets/CheckBox.h"
#include "widgets/FocusMark.h"
#include "widgets/PictureButton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The buttons take their looks from style sheet properties; these tests check
// that a real style sheet reaches them and that states pick the right look.
class TestButtons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void styleSheetSetsIconsAndColours();
    void stateFallsBackToNormalLook();
    void iconIsPaintedWhereAlignmentSays();
    void descriptionWidensAndHeightensButton();
    void pictureKeepsAspectRatio();
    void checkBoxTogglesAnywhere();
    void keysPressButtonsAndTheFirstTabShowsTheFocus();

private:
    QString makeImage(const QString &name, QColor colour, QSize size = {16, 16});
    QTemporaryDir m_dir;
};

QString TestButtons::makeImage(const QString &name, QColor colour, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    const QString path = m_dir.filePath(name);
    image.save(path);
    return path;
}

void TestButtons::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestButtons::styleSheetSetsIconsAndColours()
{
    const QString normal = makeImage("normal.png", Qt::red);
    const QString hover = makeImage("hover.png", Qt::green);
    const QString disabled = makeImage("disabled.png", Qt::gray);
    QWidget host;
    host.setStyleSheet(QStringLiteral("Button#probe { qproperty-iconNormal: url(%1);"
                                      " qproperty-iconHover: url(%2);"
                                      " qproperty-iconDisabled: \"%3\";"
                                      " qproperty-colorTextNormal: #102030;"
                                      " qproperty-colorTextDisabled: #a0a0a0;"
                                      " qproperty-iconPaddingLeft: 7; }")
                           .arg(normal, hover, disabled));
    auto *button = new Button("Go", &host);
    button->setObjectName("probe");
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));

    QCOMPARE(button->property("iconPaddingLeft").toInt(), 7);
    QCOMPARE(button->state(), Button::Normal);
    QCOMPARE(button->stateIcon().toImage().pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(button->stateTextColor(), QColor("#102030"));

    button->setEnabled(false);
    QCOMPARE(button->state(), Button::Disabled);
    QCOMPARE(button->stateIcon().toImage().pixelColor(0, 0), QColor(Qt::gray));
    QCOMPARE(button->stateTextColor(), QColor("#a0a0a0"));
}

void TestButtons::stateFallsBackToNormalLook()
{
    const QString normal = makeImage("n2.png", Qt::blue);
    const QString checked = makeImage("c2.png", Qt::yellow);
    Button button("Tab");
    button.setCheckable(true);
    button.setProperty("iconNormal", normal);
    button.setProperty("iconChecked", checked);
    button.setProperty("colorTextNormal", QColor(Qt::black));
    button.setProperty("colorTextChecked", QColor(Qt::white));

    button.setDown(true);
    QCOMPARE(button.state(), Button::Pressed);
    // No pressed icon or colour: the normal ones stand in.
    QCOMPARE(button.stateIcon().toImage().pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(button.stateTextColor(), QColor(Qt::black));
    button.setDown(false);

    button.setChecked(true);
    QCOMPARE(button.state(), Button::Checked);
    QCOMPARE(button.stateIcon().toImage().pixelColor(0, 0), QColor(Qt::yellow));
    QCOMPARE(button.stateTextColor(), QColor(Qt::white));
}

void TestButtons::iconIsPaintedWhereAlignmentSays()
{
    const QString icon = makeImage("magenta.png", Qt::magenta, {10, 10});
    Button button;
    button.setStyleSheet("Button { border: none; padding: 0; background: white; }");
    button.setProperty("iconNormal", icon);
    button.resize(100, 30);

    button.setProperty("iconAlignment", int(Qt::AlignLeft));
    button.setProperty("iconPaddingLeft", 4);
    QImage shot = button.grab().toImage();
    QCOMPARE(shot.pixelColor(5, 15), QColor(Qt::magenta));
    QCOMPARE(shot.pixelColor(95, 15), QColor(Qt::white));

    button.setProperty("iconAlignment", int(Qt::AlignRight));
    button.setProperty("iconPaddingRight", 4);
    shot = button.grab().toImage();
    QCOMPARE(shot.pixelColor(94, 15), QColor(Qt::magenta));
    QCOMPARE(shot.pixelColor(5, 15), QColor(Qt::white));

    button.setProperty("iconAlignment", int(Qt::AlignCenter));
    shot = button.grab().toImage();
    QCOMPARE(shot.pixelColor(50, 15), QColor(Qt::magenta));
}

void TestButtons::descriptionWidensAndHeightensButton()
{
    ButtonDescription button;
    button.setText("Open");
    const QSize plain = button.sizeHint();
    button.setDescription("A much longer description line:");
    const QSize described = button.sizeHint();
    QVERIFY(described.height() > plain.height());
    QVERIFY(described.width() > plain.width());

    button.setProperty("colorDescriptionNormal", QColor(Qt::darkGray));
    button.setProperty("colorDescriptionDisabled", QColor(Qt::lightGray));
    QCOMPARE(button.stateDescriptionColor(), QColor(Qt::darkGray));
    button.setEnabled(false);
    QCOMPARE(button.stateDescriptionColor(), QColor(Qt::lightGray));
}

void TestButtons::pictureKeepsAspectRatio()
{
    PictureButton button;
    QPixmap wide(200, 100);
    wide.fill(Qt::red);
    button.setPicture(wide);
    button.resize(100, 100);
    const QRect target = button.pictureRect();
    QCOMPARE(target.size(), QSize(100, 50));
    QCOMPARE(target.top(), 25);
    QCOMPARE(button.sizeHint(), QSize(200, 100));

    const QImage shot = button.grab().toImage();
    QCOMPARE(shot.pixelColor(50, 50), QColor(Qt::red));
}

void TestButtons::checkBoxTogglesAnywhere()
{
    QWidget host;
    auto *box = new CheckBox("Compress files", &host);
    box->resize(300, 30);
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    // Far right of the box, past its text.
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(290, 15));
    QVERIFY(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(290, 15));
    QVERIFY(!box->isChecked());
}

// Return and Enter press the focused button as Space does; a window opened
// with its focus unmarked shows the mark on the first Tab, then Tab moves on.
void TestButtons::keysPressButtonsAndTheFirstTabShowsTheFocus()
{
    FocusMark marks;
    ButtonKeys keys;
    qApp->installEventFilter(&marks);
    qApp->installEventFilter(&keys);
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *first = new Button(&window);
    auto *second = new Button(&window);
    first->setText("First");
    second->setText("Second");
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    first->setFocus(Qt::ActiveWindowFocusReason);
    QVERIFY(!FocusMark::isShown(first));

    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), first);
    QVERIFY(FocusMark::isShown(first));
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), second);
    QVERIFY(FocusMark::isShown(second));

    QSignalSpy clicked(second, &QPushButton::clicked);
    QTest::keyClick(second, Qt::Key_Return);
    QTRY_COMPARE(clicked.count(), 1);
    QTest::keyClick(second, Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE(clicked.count(), 2);
    // Not with a modifier, and not on a button without the focus.
    QTest::keyClick(second, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(first, Qt::Key_Return);
    QVERIFY(!clicked.wait(500));   // a press lands within animateClick's 100 ms
    QCOMPARE(clicked.count(), 2);
    qApp->removeEventFilter(&marks);
    qApp->removeEventFilter(&keys);
}

CM_TEST_MAIN(TestButtons)
#include "test_buttons.moc"
