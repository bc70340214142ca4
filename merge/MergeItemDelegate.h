#ifndef CLEAVEMARK_MERGE_MERGEITEMDELEGATE_H
#define CLEAVEMARK_MERGE_MERGEITEMDELEGATE_H

#include <QPersistentModelIndex>
#include <QStyledItemDelegate>

// Paints the merge table's cells: the page ranges and the password state as
// links, the preview and remove icons (chosen by selection and hover), and,
// during a row drag, the line above the row the dragged row will land on.
// The icon paths can be replaced through the table's style-sheet properties.
class MergeItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit MergeItemDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    // What the password cell shows: "ok", or "Enter Password" while the
    // document needs one; longer translations take a second line in the cell.
    static QString passwordText(const QModelIndex &index);
    static int passwordTextFlags() { return Qt::AlignCenter | Qt::TextWordWrap; }

    // Cells whose text may be cut short tell it whole in a tooltip; the
    // file name tells the document's full path.
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    bool isDragging() const { return m_dragging; }
    QModelIndex dropIndex() const { return m_dropIndex; }
    void setDropIndex(const QModelIndex &index) { m_dropIndex = index; }

public slots:
    void setDragState(bool enabled);
    void enableDrag();
    void disableDrag();

    QString getButtonPreviewNormal() const { return m_previewNormal; }
    void setButtonPreviewNormal(QString val) { m_previewNormal = val; }
    QString getButtonPreviewPressed() const { return m_previewPressed; }
    void setButtonPreviewPressed(QString val) { m_previewPressed = val; }
    QString getButtonRemoveNormal() const { return m_removeNormal; }
    void setButtonRemoveNormal(QString val) { m_removeNormal = val; }
    QString getButtonRemovePressed() const { return m_removePressed; }
    void setButtonRemovePressed(QString val) { m_removePressed = val; }
    QString getButtonPreviewFocusNormal() const { return m_previewFocusNormal; }
    void setButtonPreviewFocusNormal(QString val) { m_previewFocusNormal = val; }
    QString getButtonPreviewFocusPressed() const { return m_previewFocusPressed; }
    void setButtonPreviewFocusPressed(QString val) { m_previewFocusPressed = val; }
    QString getButtonRemoveFocusNormal() const { return m_removeFocusNormal; }
    void setButtonRemoveFocusNormal(QString val) { m_removeFocusNormal = val; }
    QString getButtonRemoveFocusPressed() const { return m_removeFocusPressed; }
    void setButtonRemoveFocusPressed(QString val) { m_removeFocusPressed = val; }

private:
    void paintPages(QPainter *painter, const QStyleOptionViewItem &option,
                    const QModelIndex &index) const;
    void paintPassword(QPainter *painter, const QStyleOptionViewItem &option,
                       const QModelIndex &index) const;
    void paintIcon(QPainter *painter, const QStyleOptionViewItem &option, const QRect &area,
                   const QString &plain, const QString &hovered, const QString &selected,
                   const QString &selectedHovered) const;
    void paintDropLine(QPainter *painter, const QStyleOptionViewItem &option,
                       const QModelIndex &index) const;
    // Fills a selected cell and sets the pen for text on it; false when not selected.
    bool paintSelection(QPainter *painter, const QStyleOptionViewItem &option) const;
    bool isHovered(const QStyleOptionViewItem &option) const;

    QString m_previewNormal;
    QString m_previewPressed;
    QString m_removeNormal;
    QString m_removePressed;
    QString m_previewFocusNormal;
    QString m_previewFocusPressed;
    QString m_removeFocusNormal;
    QString m_removeFocusPressed;
    bool m_dragging = false;
    QPersistentModelIndex m_dropIndex;
};

#endif
