#include "merge/MergeTableAccessible.h"

#include "jobs/MergeModel.h"
#include "merge/MergeTableView.h"
#include "preview/DropArea.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QWindow>

namespace {

// One header cell (row -1) or body cell of the merge table.
class MergeTableCell : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface
{
public:
    MergeTableCell(MergeTableView *view, int row, int column)
        : m_view(view)
        , m_row(row)
        , m_column(column)
    {
    }

    bool isValid() const override
    {
        return m_view && m_view->model() && m_column < m_view->model()->columnCount()
               && m_row < m_view->model()->rowCount();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_view ? m_view->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_view);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}

    QAccessible::Role role() const override
    {
        return isHeader() ? QAccessible::ColumnHeader : QAccessible::Cell;
    }

    QString text(QAccessible::Text type) const override
    {
        if (!isValid())
            return QString();
        switch (type) {
        case QAccessible::Name:
            return isHeader() ? m_view->columnName(m_column) : m_view->cellText(index());
        case QAccessible::Description:
            return isHeader() ? QString() : MergeTableView::cellActionName(m_column);
        default:
            return QString();
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        if (isHeader()) {
            const QHeaderView *header = m_view->horizontalHeader();
            const QRect section(header->sectionViewportPosition(m_column), 0,
                                header->sectionSize(m_column), header->height());
            return section.translated(header->viewport()->mapToGlobal(QPoint(0, 0)));
        }
        return m_view->visualRect(index()).translated(m_view->viewport()->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        if (isHeader()) {
            state.invisible = m_view->horizontalHeader()->isHidden();
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.selected = isSelected();
        state.focused = m_view->hasFocus() && m_view->currentIndex().row() == m_row;
        state.invisible = !m_view->viewport()->rect().intersects(m_view->visualRect(index()));
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface && !isHeader())
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (type == QAccessible::ActionInterface && !isHeader())
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    bool isSelected() const override
    {
        return isValid() && m_view->selectionModel()
               && m_view->selectionModel()->isSelected(index());
    }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QList<QAccessibleInterface *> columnHeaderCells() const override
    {
        auto *table = dynamic_cast<MergeTableAccessible *>(parent());
        return {table ? table->headerCell(m_column) : nullptr};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    QAccessibleInterface *table() const override { return parent(); }

    QStringList actionNames() const override
    {
        if (isHeader() || MergeTableView::cellActionName(m_column).isEmpty())
            return {};
        return {pressAction()};
    }

    QString localizedActionName(const QString &name) const override
    {
        return name == pressAction() ? MergeTableView::cellActionName(m_column)
                                     : QAccessibleActionInterface::localizedActionName(name);
    }

    QString localizedActionDescription(const QString &name) const override
    {
        return localizedActionName(name);
    }

    // As a button does, the action runs once the caller has its answer.
    void doAction(const QString &name) override
    {
        if (name != pressAction() || !isValid() || actionNames().isEmpty())
            return;
        QPointer<MergeTableView> view = m_view;
        const QPersistentModelIndex target = index();
        QMetaObject::invokeMethod(
            m_view,
            [view, target] {
                if (view && target.isValid())
                    view->activateCell(target);
            },
            Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString &name) const override
    {
        if (name != pressAction())
            return {};
        switch (m_column) {
        case MergeModel::PagesColumn:
            return {QKeySequence(Qt::Key_Return).toString(QKeySequence::NativeText)};
        case MergeModel::PreviewColumn:
            return {QKeySequence(Qt::Key_Space).toString(QKeySequence::NativeText)};
        case MergeModel::RemoveColumn:
            return {QKeySequence(QKeySequence::Delete).toString(QKeySequence::NativeText)};
        default:
            return {};
        }
    }

private:
    bool isHeader() const { return m_row < 0; }
    QModelIndex index() const { return m_view->model()->index(m_row, m_column); }

    QPointer<MergeTableView> m_view;
    int m_row;
    int m_column;
};

QAccessibleInterface *mergeTableFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String("MergeTableView"))
        return nullptr;
    auto *view = qobject_cast<MergeTableView *>(object);
    return view ? new MergeTableAccessible(view) : nullptr;
}

} // namespace

void MergeTableAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(mergeTableFactory);
        return true;
    }();
    Q_UNUSED(installed)
}

MergeTableAccessible::MergeTableAccessible(MergeTableView *view)
    : QAccessibleWidget(view, QAccessible::Table)
{
}

MergeTableAccessible::~MergeTableAccessible()
{
    forgetCells();
    for (const QMetaObject::Connection &connection : qAsConst(m_connections))
        QObject::disconnect(connection);
}

MergeTableView *MergeTableAccessible::view() const
{
    return static_cast<MergeTableView *>(widget());
}

void *MergeTableAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

// Cells are numbered by place; once rows come, go or move, the numbers
// name other cells, so the cached ones are dropped.
void MergeTableAccessible::followModel() const
{
    QAbstractItemModel *model = view()->model();
    if (model == m_model)
        return;
    forgetCells();
    for (const QMetaObject::Connection &connection : qAsConst(m_connections))
        QObject::disconnect(connection);
    m_connections.clear();
    m_model = model;
    if (!model)
        return;
    const auto forget = [this] { forgetCells(); };
    m_connections << QObject::connect(model, &QAbstractItemModel::rowsInserted, view(), forget)
                  << QObject::connect(model, &QAbstractItemModel::rowsRemoved, view(), forget)
                  << QObject::connect(model, &QAbstractItemModel::rowsMoved, view(), forget)
                  << QObject::connect(model, &QAbstractItemModel::modelReset, view(), forget)
                  << QObject::connect(model, &QAbstractItemModel::layoutChanged, view(), forget);
}

void MergeTableAccessible::forgetCells() const
{
    for (QAccessible::Id id : qAsConst(m_cells))
        QAccessible::deleteAccessibleInterface(id);
    m_cells.clear();
}

void MergeTableAccessible::modelChange(QAccessibleTableModelChangeEvent *)
{
    forgetCells();
}

int MergeTableAccessible::columnCount() const
{
    return view()->model() ? view()->model()->columnCount() : 0;
}

int MergeTableAccessible::rowCount() const
{
    return view()->model() ? view()->model()->rowCount() : 0;
}

int MergeTableAccessible::cellCount() const
{
    return columnCount() * (rowCount() + 1);
}

QAccessibleInterface *MergeTableAccessible::dropAreaInterface() const
{
    DropArea *dropArea = view()->dropArea();
    if (!dropArea || !dropArea->isVisible())
        return nullptr;
    return QAccessible::queryAccessibleInterface(dropArea);
}

int MergeTableAccessible::childCount() const
{
    return cellCount() + (dropAreaInterface() ? 1 : 0);
}

QAccessibleInterface *MergeTableAccessible::cachedChild(int index) const
{
    followModel();
    if (const QAccessible::Id id = m_cells.value(index))
        return QAccessible::accessibleInterface(id);
    const int columns = columnCount();
    auto *cell = new MergeTableCell(view(), index / columns - 1, index % columns);
    m_cells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

QAccessibleInterface *MergeTableAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    if (index < cellCount())
        return cachedChild(index);
    if (index == cellCount())
        return dropAreaInterface();
    return nullptr;
}

int MergeTableAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (!child)
        return -1;
    if (child->object() && child->object() == view()->dropArea())
        return dropAreaInterface() ? cellCount() : -1;
    if (const auto *cell = dynamic_cast<const MergeTableCell *>(child)) {
        if (!cell->isValid())
            return -1;
        return (cell->rowIndex() + 1) * columnCount() + cell->columnIndex();
    }
    return -1;
}

QAccessibleInterface *MergeTableAccessible::headerCell(int column) const
{
    return column >= 0 && column < columnCount() ? cachedChild(column) : nullptr;
}

QAccessibleInterface *MergeTableAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return cachedChild((row + 1) * columnCount() + column);
}

QAccessibleInterface *MergeTableAccessible::childAt(int x, int y) const
{
    const QPoint global(x, y);
    if (QAccessibleInterface *dropArea = dropAreaInterface()) {
        if (dropArea->rect().contains(global))
            return dropArea;
    }
    const QHeaderView *header = view()->horizontalHeader();
    const QPoint inHeader = header->viewport()->mapFromGlobal(global);
    if (header->isVisible() && header->viewport()->rect().contains(inHeader))
        return headerCell(header->logicalIndexAt(inHeader));
    const QModelIndex index = view()->indexAt(view()->viewport()->mapFromGlobal(global));
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
}

QAccessibleInterface *MergeTableAccessible::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    if (!view()->hasFocus() || !current.isValid())
        return nullptr;
    return cellAt(current.row(), current.column());
}

int MergeTableAccessible::selectedCellCount() const
{
    return view()->selectionModel() ? view()->selectionModel()->selectedIndexes().size() : 0;
}

QList<QAccessibleInterface *> MergeTableAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    if (!view()->selectionModel())
        return cells;
    for (const QModelIndex &index : view()->selectionModel()->selectedIndexes())
        cells.append(cellAt(index.row(), index.column()));
    return cells;
}

QString MergeTableAccessible::columnDescription(int column) const
{
    return view()->columnName(column);
}

int MergeTableAccessible::selectedRowCount() const
{
    return selectedRows().size();
}

QList<int> MergeTableAccessible::selectedRows() const
{
    QList<int> rows;
    if (!view()->selectionModel())
        return rows;
    for (const QModelIndex &index : view()->selectionModel()->selectedRows())
        rows.append(index.row());
    return rows;
}

bool MergeTableAccessible::isRowSelected(int row) const
{
    return view()->selectionModel() && view()->selectionModel()->isRowSelected(row, QModelIndex());
}

bool MergeTableAccessible::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    view()->selectRow(row);
    return true;
}

bool MergeTableAccessible::unselectRow(int row)
{
    if (row < 0 || row >= rowCount() || !view()->selectionModel())
        return false;
    view()->selectionModel()->select(view()->model()->index(row, 0),
                                     QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return true;
}
