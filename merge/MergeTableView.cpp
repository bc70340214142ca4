#include "merge/MergeTableView.h"

#include "common/FileUtils.h"
#include "common/Logger.h"
#include "jobs/MergeModel.h"
#include "merge/MergeTableAccessible.h"
#include "merge/MergeTableHeader.h"
#include "preview/DropArea.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QCursor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QResizeEvent>

#include <iterator>

namespace {

// Widths of columns 0 to 5; column 6 takes what is left of the viewport.
const int columnWidths[] = {29, 256, 50, 100, 106, 41};
const int tableRowHeight = 30;

// Marks a row drag with the table that started it.
const QString rowDragMarkType = QStringLiteral("application/x-cleavemark-row-drag");

void logDebug(const QString &line)
{
    Logger::instance().log(line, LogDebug);
}

} // namespace

MergeTableView::MergeTableView(QWidget *parent)
    : QTableView(parent)
    , m_delegate(new MergeItemDelegate(this))
    , m_header(new MergeTableHeader(this))
    , m_dropArea(new DropArea(viewport()))
{
    setUpTable();
    MergeTableAccessible::install();
    retranslate();
    m_dropArea->setMultipleFiles(true);
    connect(m_dropArea, &DropArea::droppedFile, this, &MergeTableView::onDroppedFile);
    connect(m_dropArea, &DropArea::droppedFiles, this, &MergeTableView::onDroppedFiles);
}

void MergeTableView::setUpTable()
{
    setItemDelegate(m_delegate);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDragEnabled(true);
    setDropIndicatorShown(false);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setAttribute(Qt::WA_Hover);
    setMouseTracking(true);

    m_header->setSortIndicatorShown(true);
    m_header->setSectionsClickable(true);
    m_header->setHighlightSections(false);
    m_header->setSectionResizeMode(QHeaderView::Fixed);
    setHorizontalHeader(m_header);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(tableRowHeight);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // One Tab stop: the arrows move inside, Tab goes on to the next control.
    setFocusPolicy(Qt::StrongFocus);
    setTabKeyNavigation(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    // Without a row header the corner button has no place; it stays hidden.
    setCornerButtonEnabled(false);
    if (auto *corner = findChild<QAbstractButton *>()) {
        corner->hide();
        corner->setAccessibleName(tr("Select all"));
    }
}

void MergeTableView::setMergeModel(MergeModel *model)
{
    m_model = model;
    setModel(model);
    setSortingEnabled(true);
    sortByColumn(MergeTableHeader::fileNameSection, Qt::AscendingOrder);
    connect(model, &MergeModel::rowMoved, this, &MergeTableView::onRowMoved);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &MergeTableView::onRowsRemoved);
    connect(model, &MergeModel::changed, this, &MergeTableView::onDataChanged);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &MergeTableView::selectionRowChanged);
    layOutColumns();
    updateDropArea();
}

void MergeTableView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    layOutColumns();
}

void MergeTableView::layOutColumns()
{
    int used = 0;
    for (int column = 0; column < int(std::size(columnWidths)); ++column) {
        setColumnWidth(column, columnWidths[column]);
        used += columnWidths[column];
    }
    setColumnWidth(MergeModel::RemoveColumn, viewport()->width() - used);
    m_dropArea->setGeometry(viewport()->rect());
}

void MergeTableView::updateDropArea()
{
    const bool empty = !m_model || m_model->isEmpty();
    m_dropArea->setVisible(empty);
    if (empty)
        m_dropArea->raise();
}

void MergeTableView::onDataChanged()
{
    updateDropArea();
}

void MergeTableView::onRowsRemoved(const QModelIndex &, int first, int last)
{
    logDebug(QStringLiteral("MergeTableView::onRowsRemoved(%1, %2)").arg(first).arg(last));
    clearSelection();
    updateDropArea();
}

void MergeTableView::onDroppedFile(const QString &file)
{
    if (m_model)
        m_model->requestAddFiles({file});
}

void MergeTableView::onDroppedFiles(const QStringList &files)
{
    if (m_model)
        m_model->requestAddFiles(files);
}

void MergeTableView::makeCurrent(int row)
{
    if (m_model)
        setCurrentIndex(m_model->index(row, 0));
}

void MergeTableView::onRowMoved(int row)
{
    makeCurrent(row);
}

void MergeTableView::selectionRowChanged(const QModelIndex &current, const QModelIndex &)
{
    if (current.data(MergeModel::PastEndRole).toBool())
        clearSelection();
}

void MergeTableView::selectionRowMoveUp()
{
    const QModelIndex current = currentIndex();
    if (!m_model || !current.isValid() || !m_model->moveUp(current.row()))
        return;
    makeCurrent(current.row() - 1);
    selectRow(current.row() - 1);
}

void MergeTableView::selectionRowMoveDown()
{
    const QModelIndex current = currentIndex();
    if (!m_model || !current.isValid() || !m_model->moveDown(current.row()))
        return;
    makeCurrent(current.row() + 1);
    selectRow(current.row() + 1);
}

QByteArray MergeTableView::dragMark() const
{
    return QByteArray::number(QCoreApplication::applicationPid()) + ':'
           + QByteArray::number(quintptr(this));
}

QMimeData *MergeTableView::rowDragData(int row) const
{
    if (!m_model)
        return nullptr;
    QModelIndexList indexes;
    for (int column = 0; column < MergeModel::ColumnCount; ++column)
        indexes.append(m_model->index(row, column));
    QMimeData *data = m_model->mimeData(indexes);
    data->setData(rowDragMarkType, dragMark());
    return data;
}

bool MergeTableView::isOwnRowDrag(const QMimeData *data) const
{
    return data && !data->hasUrls() && data->hasFormat(MergeModel::rowMimeType())
           && data->data(rowDragMarkType) == dragMark();
}

void MergeTableView::repaintRow(int row)
{
    if (!m_model || row < 0)
        return;
    for (int column = 0; column < MergeModel::ColumnCount; ++column)
        update(m_model->index(row, column));
}

void MergeTableView::setDropIndex(const QModelIndex &index)
{
    const int oldRow = m_dropIndex.isValid() ? m_dropIndex.row() : -1;
    m_dropIndex = index;
    m_delegate->setDropIndex(index);
    repaintRow(oldRow);
    if (index.isValid())
        repaintRow(index.row());
}

void MergeTableView::startDrag(Qt::DropActions)
{
    const QModelIndex current = currentIndex();
    if (!m_model || !current.isValid())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(rowDragData(current.row()));
    QRect rowArea = visualRect(m_model->index(current.row(), 0));
    rowArea.setLeft(0);
    rowArea.setRight(viewport()->width());
    drag->setPixmap(viewport()->grab(rowArea));
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()) - rowArea.topLeft());
    drag->exec(Qt::MoveAction);
    m_delegate->disableDrag();
    setDropIndex(QModelIndex());
}

void MergeTableView::dragEnterEvent(QDragEnterEvent *event)
{
    if (isOwnRowDrag(event->mimeData())) {
        setDropIndex(QModelIndex());
        m_delegate->enableDrag();
        QTableView::dragEnterEvent(event);
        event->acceptProposedAction();
        return;
    }
    // Files are taken wherever they are dropped.
    if (!pdfFilesFromMimeData(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MergeTableView::dragMoveEvent(QDragMoveEvent *event)
{
    if (isOwnRowDrag(event->mimeData())) {
        QTableView::dragMoveEvent(event);   // scrolls near the edges
        event->acceptProposedAction();
        setDropIndex(indexAt(event->pos()));
        return;
    }
    if (!pdfFilesFromMimeData(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void MergeTableView::dragLeaveEvent(QDragLeaveEvent *event)
{
    QTableView::dragLeaveEvent(event);
    m_delegate->disableDrag();
    setDropIndex(QModelIndex());
}

void MergeTableView::dropEvent(QDropEvent *event)
{
    logDebug(QStringLiteral("Merge table. Drop event"));
    const QMimeData *data = event->mimeData();
    if (data->hasUrls()) {
        const QStringList files = pdfFilesFromMimeData(data);
        if (!files.isEmpty() && m_model) {
            event->acceptProposedAction();
            m_model->requestAddFiles(files);
        }
    } else if (isOwnRowDrag(data) && m_model) {
        // The row the drop landed on; the list refuses what changes nothing.
        if (m_model->dropMimeData(data, Qt::MoveAction, -1, -1, indexAt(event->pos()))) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
        }
    }
    stopAutoScroll();
    setState(NoState);
    m_delegate->disableDrag();
    setDropIndex(QModelIndex());
}

void MergeTableView::retranslate()
{
    setAccessibleName(tr("Documents to merge"));
    setAccessibleDescription(
        tr("Delete removes a document, Alt+Up and Alt+Down move it, Return or F2 chooses its "
           "pages, Space previews it"));
}

void MergeTableView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QTableView::changeEvent(event);
}

QString MergeTableView::columnName(int column) const
{
    switch (column) {
    case MergeModel::NumberColumn:
        return tr("Number");
    case MergeModel::PreviewColumn:
        return tr("Preview");
    case MergeModel::RemoveColumn:
        return tr("Remove");
    default:
        return model() ? model()->headerData(column, Qt::Horizontal).toString() : QString();
    }
}

QString MergeTableView::cellText(const QModelIndex &index) const
{
    switch (index.column()) {
    case MergeModel::PasswordColumn:
        return MergeItemDelegate::passwordText(index);
    case MergeModel::PreviewColumn:
    case MergeModel::RemoveColumn:
        return columnName(index.column());
    default:
        return index.data().toString();
    }
}

QString MergeTableView::cellActionName(int column)
{
    switch (column) {
    case MergeModel::PagesColumn:
        return tr("Choose pages");
    case MergeModel::PasswordColumn:
        return tr("Enter password");
    case MergeModel::PreviewColumn:
        return tr("Preview");
    case MergeModel::RemoveColumn:
        return tr("Remove");
    default:
        return QString();
    }
}

void MergeTableView::activateCell(const QModelIndex &index)
{
    if (index.isValid() && !index.data(MergeModel::PastEndRole).toBool())
        emit cellActivated(index);
}

bool MergeTableView::actOnCurrentRow(int column)
{
    const QModelIndex current = currentIndex();
    if (!m_model || !current.isValid())
        return false;
    activateCell(m_model->index(current.row(), column));
    return true;
}

// The row that takes the removed one's place becomes current, so that
// Delete can be pressed again.
void MergeTableView::removeCurrentRow()
{
    const int row = currentIndex().row();
    if (!actOnCurrentRow(MergeModel::RemoveColumn) || m_model->isEmpty())
        return;
    const int next = qMin(row, m_model->rowCount() - 1);
    makeCurrent(next);
    selectRow(next);
}

// Coming in by keys, the current row is shown selected, as the arrows
// will keep it.
void MergeTableView::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel() && !selectionModel()->hasSelection())
        selectRow(current.row());
}

void MergeTableView::keyPressEvent(QKeyEvent *event)
{
    const bool alt = event->modifiers() & Qt::AltModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (alt) {
            event->key() == Qt::Key_Up ? selectionRowMoveUp() : selectionRowMoveDown();
            return;
        }
        break;
    case Qt::Key_Delete:
        removeCurrentRow();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        actOnCurrentRow(MergeModel::PagesColumn);
        return;
    case Qt::Key_Space:
        actOnCurrentRow(MergeModel::PreviewColumn);
        return;
    default:
        break;
    }
    QTableView::keyPressEvent(event);
}
