#ifndef CLEAVEMARK_MERGE_MERGETABLEVIEW_H
#define CLEAVEMARK_MERGE_MERGETABLEVIEW_H

#include "merge/MergeItemDelegate.h"

#include <QPersistentModelIndex>
#include <QTableView>

class DropArea;
class MergeModel;
class MergeTableHeader;

// The merge list as a table. Rows are reordered by dragging them onto
// another row (a line shows where the dragged row will land) or with the
// page's move buttons; PDF files dropped anywhere on it are appended. While
// the list is empty a drop area covers the table.
//
// Row drags are run here rather than by the item view: the list moves the
// row itself when the drop lands, so nothing may be removed afterwards, and
// a row payload from elsewhere (another table, another program) is refused.
//
// By keys: Tab reaches it, the arrows move the current row, Delete removes
// it, Alt+Up and Alt+Down move it, Return or F2 opens its page ranges and
// Space previews it; each asks the page through cellActivated() as a click
// on that cell would.
//
// The delegate's icons can be replaced from the style sheet, e.g.
//     MergeTableView { qproperty-buttonPreviewNormal: ":/style/images/x.png"; }
class MergeTableView : public QTableView
{
    Q_OBJECT
    Q_PROPERTY(QString buttonPreviewNormal READ buttonPreviewNormal WRITE setButtonPreviewNormal)
    Q_PROPERTY(QString buttonPreviewPressed READ buttonPreviewPressed WRITE setButtonPreviewPressed)
    Q_PROPERTY(QString buttonRemoveNormal READ buttonRemoveNormal WRITE setButtonRemoveNormal)
    Q_PROPERTY(QString buttonRemovePressed READ buttonRemovePressed WRITE setButtonRemovePressed)
    Q_PROPERTY(QString buttonPreviewFocusNormal READ buttonPreviewFocusNormal WRITE setButtonPreviewFocusNormal)
    Q_PROPERTY(QString buttonPreviewFocusPressed READ buttonPreviewFocusPressed WRITE setButtonPreviewFocusPressed)
    Q_PROPERTY(QString buttonRemoveFocusNormal READ buttonRemoveFocusNormal WRITE setButtonRemoveFocusNormal)
    Q_PROPERTY(QString buttonRemoveFocusPressed READ buttonRemoveFocusPressed WRITE setButtonRemoveFocusPressed)

public:
    explicit MergeTableView(QWidget *parent = nullptr);

    void setMergeModel(MergeModel *model);
    MergeModel *mergeModel() const { return m_model; }
    MergeItemDelegate *itemDelegate() const { return m_delegate; }
    DropArea *dropArea() const { return m_dropArea; }
    QModelIndex dropIndex() const { return m_dropIndex; }

    // The payload of a drag of this row: the list's row payload and a mark
    // that tells this table its own drags from any other.
    QMimeData *rowDragData(int row) const;

    // What a screen reader calls a column: the header's text, or for the
    // columns without one, what they hold.
    QString columnName(int column) const;
    // What a cell says aloud: the shown text, or what its button does.
    QString cellText(const QModelIndex &index) const;
    // The action of a cell with a button or link, empty for the others.
    static QString cellActionName(int column);
    // Acts on the cell as a click on it does.
    void activateCell(const QModelIndex &index);

    QString buttonPreviewNormal() const { return m_delegate->getButtonPreviewNormal(); }
    void setButtonPreviewNormal(const QString &path) { m_delegate->setButtonPreviewNormal(path); }
    QString buttonPreviewPressed() const { return m_delegate->getButtonPreviewPressed(); }
    void setButtonPreviewPressed(const QString &path) { m_delegate->setButtonPreviewPressed(path); }
    QString buttonRemoveNormal() const { return m_delegate->getButtonRemoveNormal(); }
    void setButtonRemoveNormal(const QString &path) { m_delegate->setButtonRemoveNormal(path); }
    QString buttonRemovePressed() const { return m_delegate->getButtonRemovePressed(); }
    void setButtonRemovePressed(const QString &path) { m_delegate->setButtonRemovePressed(path); }
    QString buttonPreviewFocusNormal() const { return m_delegate->getButtonPreviewFocusNormal(); }
    void setButtonPreviewFocusNormal(const QString &path) { m_delegate->setButtonPreviewFocusNormal(path); }
    QString buttonPreviewFocusPressed() const { return m_delegate->getButtonPreviewFocusPressed(); }
    void setButtonPreviewFocusPressed(const QString &path) { m_delegate->setButtonPreviewFocusPressed(path); }
    QString buttonRemoveFocusNormal() const { return m_delegate->getButtonRemoveFocusNormal(); }
    void setButtonRemoveFocusNormal(const QString &path) { m_delegate->setButtonRemoveFocusNormal(path); }
    QString buttonRemoveFocusPressed() const { return m_delegate->getButtonRemoveFocusPressed(); }
    void setButtonRemoveFocusPressed(const QString &path) { m_delegate->setButtonRemoveFocusPressed(path); }

public slots:
    void selectionRowMoveUp();
    void selectionRowMoveDown();

signals:
    // A cell acted on by keys or by assistive technology.
    void cellActivated(const QModelIndex &index);

private slots:
    void onDataChanged();
    void onDroppedFile(const QString &file);
    void onDroppedFiles(const QStringList &files);
    void onRowsRemoved(const QModelIndex &parent, int first, int last);
    void onRowMoved(int row);
    void selectionRowChanged(const QModelIndex &current, const QModelIndex &previous);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void setUpTable();
    void layOutColumns();
    void updateDropArea();
    void repaintRow(int row);
    void setDropIndex(const QModelIndex &index);
    void makeCurrent(int row);
    bool isOwnRowDrag(const QMimeData *data) const;
    QByteArray dragMark() const;
    void retranslate();
    bool actOnCurrentRow(int column);
    void removeCurrentRow();

    MergeModel *m_model = nullptr;
    MergeItemDelegate *m_delegate = nullptr;
    MergeTableHeader *m_header = nullptr;
    DropArea *m_dropArea = nullptr;
    QPersistentModelIndex m_dropIndex;
};

#endif
