#ifndef CLEAVEMARK_WIDGETS_FLOWLAYOUT_H
#define CLEAVEMARK_WIDGETS_FLOWLAYOUT_H

#include <QLayout>
#include <QList>

// Lays its items out left to right and wraps to a new line when the next item
// would pass the right edge, like words in a paragraph.
class FlowLayout : public QLayout
{
public:
    explicit FlowLayout(QWidget *parent = nullptr, int horizontalSpacing = 6,
                        int verticalSpacing = 6);
    ~FlowLayout() override;

    int horizontalSpacing() const { return m_horizontalSpacing; }
    int verticalSpacing() const { return m_verticalSpacing; }

    void addItem(QLayoutItem *item) override;
    int count() const override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect &rect) override;

private:
    // Places the items in rect (only when apply) and returns the height used.
    int arrange(const QRect &rect, bool apply) const;

    QList<QLayoutItem *> m_items;
    int m_horizontalSpacing;
    int m_verticalSpacing;
};

#endif
