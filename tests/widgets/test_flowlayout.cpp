#include "tests/support/TestGroup.h"
#include "widgets/FlowLayout.h"

#include <QWidget>
#include <QtTest>

class TestFlowLayout : public QObject
{
    Q_OBJECT

private slots:
    void wrapsWhenLineIsFull();
    void heightForWidthMatchesPlacement();
};

static QWidget *box(QWidget *parent, int width, int height)
{
    auto *widget = new QWidget(parent);
    widget->setFixedSize(width, height);
    return widget;
}

void TestFlowLayout::wrapsWhenLineIsFull()
{
    QWidget host;
    auto *layout = new FlowLayout(&host, 10, 5);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget *a = box(&host, 40, 20);
    QWidget *b = box(&host, 40, 30);
    QWidget *c = box(&host, 40, 20);
    layout->addWidget(a);
    layout->addWidget(b);
    layout->addWidget(c);
    layout->setGeometry(QRect(0, 0, 100, 200));

    QCOMPARE(a->geometry(), QRect(0, 0, 40, 20));
    QCOMPARE(b->geometry(), QRect(50, 0, 40, 30));
    // 100 + 40 > 100: the third one starts the next line below the tallest.
    QCOMPARE(c->geometry(), QRect(0, 35, 40, 20));
}

void TestFlowLayout::heightForWidthMatchesPlacement()
{
    QWidget host;
    auto *layout = new FlowLayout(&host, 0, 0);
    layout->setContentsMargins(3, 4, 3, 6);
    for (int i = 0; i < 5; ++i)
        layout->addWidget(box(&host, 30, 10));
    QVERIFY(layout->hasHeightForWidth());
    // Inner width 60 holds two boxes a line: three lines of 10.
    QCOMPARE(layout->heightForWidth(66), 4 + 30 + 6);
    // A box wider than the line still gets a line of its own.
    QCOMPARE(layout->heightForWidth(20), 4 + 50 + 6);
}

CM_TEST_MAIN(TestFlowLayout)
#include "test_flowlayout.moc"
