#include "merge/MergeTableView.h"

#include "common/FileUtils.h"
#include "common/Logger.h"
#include "merge/MergeModel.h"
#include "merge/MergeTableHeader.h"
#include "preview/DropArea.h"

#include <QDragEnterEvent>
#include <QMimeData>
#include <QResizeEvent>

#include <iterator>

namespace {

// Widths of columns 0 to 5; column 6 takes what is left of the viewport.
const int columnWidths[] = {29, 256, 50, 100, 106, 41};
const int tableRowHeight = 30;

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
    // The line drawn by the delegate promises a drop on the row under the
    // cursor, also near a row's edges.
    setDragDropOverwriteMode(true);
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
    setFocusPolicy(Qt::NoFocus);
    setShowGrid(false);
    setWordWrap(false);
}

void MergeTableView::setMergeModel(MergeModel *model)
{
    m_model = model;
    setModel(model);
    setSortingEnabled(true);
    sortByColumn(MergeTableHeader::fileNameSection, Qt::AscendingOrder);
    connect(model, &MergeModel::rowMoved, this, &MergeTableView::onRowMoved);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &MergeTableView::onRowsRemoved);
    connect(model, &QAbstractItemModel::rowsMoved, this, &MergeTableView::onRowsMoved);
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

void MergeTableView::onRowsMoved(const QModelIndex &, int, int, const QModelIndex &, int row)
{
    makeCurrent(row);
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

bool MergeTableView::isInternalDrag(const QMimeData *data)
{
    return data && !data->hasUrls() && data->hasFormat(MergeModel::rowMimeType());
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

void MergeTableView::startDrag(Qt::DropActions supportedActions)
{
    m_delegate->enableDrag();
    QTableView::startDrag(supportedActions);
    m_delegate->disableDrag();
}

void MergeTableView::dragEnterEvent(QDragEnterEvent *event)
{
    if (isInternalDrag(event->mimeData())) {
        setDropIndex(QModelIndex());
        event->acceptProposedAction();
        QTableView::dragEnterEvent(event);
        return;
    }
    // Files are taken wherever they are dropped.
    if (!pdfFilesFromMimeData(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MergeTableView::dragMoveEvent(QDragMoveEvent *event)
{
    if (isInternalDrag(event->mimeData())) {
        QTableView::dragMoveEvent(event);
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
    setDropIndex(QModelIndex());
}

void MergeTableView::dropEvent(QDropEvent *event)
{
    logDebug(QStringLiteral("Merge table. Drop event"));
    if (event->mimeData()->hasUrls()) {
        const QStringList files = pdfFilesFromMimeData(event->mimeData());
        if (!files.isEmpty() && m_model) {
            event->acceptProposedAction();
            m_model->requestAddFiles(files);
        }
    } else {
        QTableView::dropEvent(event);
        // The model has moved the row already; a move reported back to the
        // drag source would make it remove the dragged row as well.
        if (event->isAccepted() && event->dropAction() == Qt::MoveAction)
            event->setDropAction(Qt::TargetMoveAction);
    }
    setDropIndex(QModelIndex());
}
