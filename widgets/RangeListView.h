#ifndef CLEAVEMARK_WIDGETS_RANGELISTVIEW_H
#define CLEAVEMARK_WIDGETS_RANGELISTVIEW_H

#include <QFrame>
#include <QList>
#include <QPair>

class FlowLayout;
class QScrollArea;
class RangeItemView;

// The page ranges of the editor as tags that wrap like words and scroll
// vertically; a new tag scrolls into view.
class RangeListView : public QFrame
{
    Q_OBJECT

public:
    explicit RangeListView(QWidget *parent = nullptr);

    bool isEmpty() const;
    // The tags in the order they are shown.
    QList<RangeItemView *> items() const;
    QScrollArea *scrollArea() const { return m_scrollArea; }

public slots:
    void add(int from, int to);
    void add(QPair<int, int> range);
    void clear();

signals:
    void changed();
    void removedItem(QPair<int, int> item);

private slots:
    void onRemovedItem();
    void scrollDown();

private:
    bool contains(QPair<int, int> range) const;
    void updateContentSize();

    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_content = nullptr;
    FlowLayout *m_layout = nullptr;
};

#endif
