#ifndef CLEAVEMARK_WIDGETS_RANGEITEMVIEW_H
#define CLEAVEMARK_WIDGETS_RANGEITEMVIEW_H

#include <QFrame>
#include <QPair>

class Button;
class QLabel;

// One page range shown as a tag ("7" or "2 - 4") with a button that removes it.
class RangeItemView : public QFrame
{
    Q_OBJECT

public:
    RangeItemView(QPair<int, int> range, QWidget *parent = nullptr);

    QPair<int, int> range() const { return m_range; }
    QString text() const;
    Button *removeButton() const { return m_remove; }

    // "7" for a single page, "2 - 4" otherwise.
    static QString rangeText(QPair<int, int> range);

signals:
    void onRemove();
    void removed(QPair<int, int> rangeValue);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void buttonRemove();

private:
    void retranslate();

    QPair<int, int> m_range;
    QLabel *m_label = nullptr;
    Button *m_remove = nullptr;
};

#endif
