#ifndef CLEAVEMARK_MERGE_MERGETABLEHEADER_H
#define CLEAVEMARK_MERGE_MERGETABLEHEADER_H

#include <QHeaderView>
#include <QPixmap>

// The merge table's header. It paints the "Filename" section itself, white
// with a thin bottom line and its own sort arrow, and shows the sort
// indicator only while that section was the last one pressed.
class MergeTableHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit MergeTableHeader(QWidget *parent = nullptr);

    // The section painted here; it is the only one that sorts.
    static constexpr int fileNameSection = 1;

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void paintFileNameSection(QPainter *painter, const QRect &rect) const;

    QPixmap m_sortUp;
    QPixmap m_sortDown;
};

#endif
