#ifndef CLEAVEMARK_MERGE_MERGETABLEACCESSIBLE_H
#define CLEAVEMARK_MERGE_MERGETABLEACCESSIBLE_H

#include <QAccessibleWidget>
#include <QHash>
#include <QList>
#include <QPointer>

class MergeTableView;
class QAbstractItemModel;

// The merge table as a screen reader meets it: a table named by the view,
// a header cell for every column (the unlabelled ones named by what they
// hold), then one cell per row and column. Cells with a link or a button
// (Pages, Password, Preview, Remove) say what they show and have a press
// action that does what a click does. While the list is empty, the drop
// area over the table follows as its last child.
//
// Children are numbered as the item view numbers them in its focus and
// selection events: the header row first, then row by row.
class MergeTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    // Registers the factory that gives every MergeTableView this interface.
    static void install();

    explicit MergeTableAccessible(MergeTableView *view);
    ~MergeTableAccessible() override;

    void *interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int) const override { return QString(); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

    // The header cell of a column.
    QAccessibleInterface *headerCell(int column) const;

private:
    MergeTableView *view() const;
    QAccessibleInterface *cachedChild(int index) const;
    QAccessibleInterface *dropAreaInterface() const;
    int cellCount() const;
    void followModel() const;
    void forgetCells() const;

    mutable QHash<int, QAccessible::Id> m_cells;
    mutable QPointer<QAbstractItemModel> m_model;
    mutable QList<QMetaObject::Connection> m_connections;
};

#endif
