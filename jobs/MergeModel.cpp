#include "jobs/MergeModel.h"

#include "common/FileUtils.h"
#include "common/Logger.h"
#include "dialogs/PasswordPrompt.h"
#include "jobs/OutcomeText.h"
#include "pdf/InformationReader.h"

#include <QFileInfo>
#include <QMimeData>
#include <QWidget>

#include <algorithm>

MergeModel::MergeModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

MergeModel::~MergeModel() = default;

QString MergeModel::rowMimeType()
{
    return QStringLiteral("application/vnd.text.list");
}

QString MergeModel::forAllId()
{
    return QStringLiteral("for_all");
}

bool MergeModel::isValidRow(int row) const
{
    return row >= 0 && row < m_rows.size();
}

// ---- Table model --------------------------------------------------------

int MergeModel::rowCount(const QModelIndex &) const
{
    return m_rows.size();
}

int MergeModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QVariant MergeModel::data(const QModelIndex &index, int role) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return QVariant();
    // Answered before the row is checked: views ask it of rows past the end.
    if (role == PastEndRole)
        return index.row() >= m_rows.size();
    if (!isValidRow(index.row()))
        return QVariant();

    const MergeModelItem &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return displayData(index.row(), index.column());
    case Qt::ToolTipRole: {
        const QString problem = problemText(row);
        return problem.isEmpty() ? QVariant() : QVariant(problem);
    }
    case Qt::AccessibleTextRole: {
        const QString state = stateText(stateOf(row));
        return index.column() == PasswordColumn && !state.isEmpty() ? QVariant(state) : QVariant();
    }
    case StateRole:
        return int(stateOf(row));
    case Qt::TextAlignmentRole:
        if (index.column() == NumberColumn || index.column() == TotalColumn || index.column() == PagesColumn)
            return int(Qt::AlignCenter);
        return QVariant();
    case PathRole:
        return row.path;
    case IdRole:
        return row.id;
    case HasPasswordRole:
        return row.hasPassword;
    case PasswordRole:
        return row.password;
    case HasSecurityRole:
        return row.hasSecurity;
    case RangesRole:
        return QVariant::fromValue(row.pageRanges);
    case PageCountRole:
        return row.pageCount;
    case NeedsPasswordRole:
        return row.needsPassword();
    default:
        return QVariant();
    }
}

QVariant MergeModel::displayData(int rowIndex, int column) const
{
    const MergeModelItem &row = m_rows.at(rowIndex);
    switch (column) {
    case NumberColumn:
        return rowIndex + 1;
    case FileNameColumn:
        return row.fileName;
    case TotalColumn:
        return row.pageCount == 0 ? QVariant(QStringLiteral("?")) : QVariant(row.pageCount);
    case PagesColumn:
        return rangesText(row);
    case PreviewColumn:
        return QStringLiteral("Preview");
    case RemoveColumn:
        return QStringLiteral("Remove");
    default:
        return QVariant();   // the password column is drawn by the table's delegate
    }
}

// The pages in the order they go in. A reversed document shows its ranges
// backwards, each from high to low, as a range typed that way reads.
QString MergeModel::rangesText(const MergeModelItem &row)
{
    PageRangeList ranges = row.pageRanges;
    if (ranges.isEmpty()) {
        if (row.pageCount < 1)
            return row.reversePages ? tr("Reversed: %1").arg(tr("All (%1)").arg(QStringLiteral("?")))
                                    : tr("All (%1)").arg(QStringLiteral("?"));
        if (!row.reversePages)
            return tr("All (%1)").arg(row.pageCount);
        ranges.append({1, row.pageCount});
    }
    if (row.reversePages) {
        std::reverse(ranges.begin(), ranges.end());
        for (PageRange &range : ranges)
            std::swap(range.from, range.to);
    }
    QStringList parts;
    for (const PageRange &range : ranges) {
        parts << (range.from == range.to ? QString::number(range.from)
                                         : QStringLiteral("%1-%2").arg(range.from).arg(range.to));
    }
    return parts.join(QStringLiteral(", "));
}

MergeModel::RowState MergeModel::stateOf(const MergeModelItem &row)
{
    if (row.reading)
        return Reading;
    if (row.needsPassword())
        return NeedsPassword;
    if (row.isUnreadable())
        return Unreadable;
    if (row.hasNoPages())
        return NoPages;
    return Ready;
}

QString MergeModel::stateText(RowState state)
{
    switch (state) {
    case Unreadable:
        return tr("Cannot be read");
    case NoPages:
        return tr("No pages");
    case Reading:
        return tr("Reading…");
    default:
        return QString();
    }
}

// Empty for a row that can be merged (after its password, if any).
QString MergeModel::problemText(const MergeModelItem &row)
{
    switch (stateOf(row)) {
    case Unreadable:
        return tr("%1 cannot be read: %2.").arg(row.fileName, OutcomeText::unreadableReason(row.loadError, row.loadErrorDetail));
    case NoPages:
        return tr("%1 has no pages.").arg(row.fileName);
    default:
        return QString();
    }
}

MergeItemList MergeModel::unmergeableRows() const
{
    MergeItemList rows;
    for (const MergeModelItem &row : m_rows) {
        const RowState state = stateOf(row);
        if (state == Unreadable || state == NoPages)
            rows << row;
    }
    return rows;
}

void MergeModel::removeIds(const QStringList &ids)
{
    beginResetModel();
    m_rows.erase(std::remove_if(m_rows.begin(), m_rows.end(),
                                [&ids](const MergeModelItem &row) { return ids.contains(row.id); }),
                 m_rows.end());
    endResetModel();
    emit changed();
}

QVariant MergeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return section == FileNameColumn ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter)) : QVariant();
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case FileNameColumn:
        return tr("Filename");
    case TotalColumn:
        return tr("Total");
    case PagesColumn:
        return tr("Pages");
    case PasswordColumn:
        return tr("Password");
    default:
        return QVariant();
    }
}

Qt::ItemFlags MergeModel::flags(const QModelIndex &index) const
{
    if (index.isValid() && isValidRow(index.row()))
        return QAbstractTableModel::flags(index) | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
    return Qt::ItemIsDropEnabled;   // the empty area of the table takes file drops
}

Qt::DropActions MergeModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction | Qt::TargetMoveAction;
}

// ---- Dragging rows ------------------------------------------------------

QStringList MergeModel::mimeTypes() const
{
    return {rowMimeType()};
}

QMimeData *MergeModel::mimeData(const QModelIndexList &indexes) const
{
    QString text;
    for (const QModelIndex &index : indexes) {
        if (index.isValid())
            text += QString::number(index.row()) + QLatin1Char('|');
    }
    auto *data = new QMimeData;
    data->setData(rowMimeType(), text.toUtf8());
    return data;
}

bool MergeModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                              const QModelIndex &parent)
{
    Logger &log = Logger::instance();
    log.log(QStringLiteral("Begin drop mime data"), LogDebug);
    if (action == Qt::IgnoreAction)
        return true;
    if (!data || !data->hasFormat(rowMimeType()))
        return false;
    const QString text = QString::fromUtf8(data->data(rowMimeType()));
    if (text.isEmpty())
        return false;

    const QStringList parts = text.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    bool isNumber = false;
    const int source = parts.first().toInt(&isNumber);
    int target = parent.row();
    log.log(QStringLiteral("Source row: %1").arg(source), LogDebug);
    log.log(QStringLiteral("Drop Mime Data: %1").arg(parts.join(QLatin1Char(','))), LogDebug);
    log.log(QStringLiteral("Target row id %1").arg(target), LogDebug);
    log.log(QStringLiteral("[SECOND_ROW]: %1").arg(row), LogDebug);

    // A payload from elsewhere may name a row this list does not have.
    if (!isNumber || !isValidRow(source))
        return false;
    if (target == -1 || parent.data(PastEndRole).toBool())
        return false;
    // The dragged row lands immediately above the row it was dropped on.
    if (source < target)
        --target;
    if (source == target)
        return false;

    if (target == source + 1)
        exchangeRows(source, target);
    else
        moveRow(source, target);
    emit rowMoved(target);
    return true;
}

void MergeModel::moveRow(int source, int target)
{
    // The views name the destination in the numbering before the move.
    const int destination = target < source ? target : target + 1;
    beginMoveRows(QModelIndex(), source, source, QModelIndex(), destination);
    m_rows.move(source, target);
    endMoveRows();
    emit changed();
}

// Neighbours trade places by overwriting both rows, which the views take as
// changed data rather than a move.
void MergeModel::exchangeRows(int row, int other)
{
    const MergeModelItem first = m_rows.at(row);
    const MergeModelItem second = m_rows.at(other);
    setItem(row, second);
    setItem(other, first);
}

bool MergeModel::removeRows(int row, int count, const QModelIndex &)
{
    if (count < 1)
        return true;
    if (!isValidRow(row))
        return false;
    // Only rows that exist are announced to the views.
    const int last = qMin(row + count, m_rows.size()) - 1;
    beginRemoveRows(QModelIndex(), row, last);
    for (int i = row; i <= last; ++i)
        m_rows.removeAt(row);
    endRemoveRows();
    return true;
}

void MergeModel::sort(int column, Qt::SortOrder order)
{
    if (column != FileNameColumn)
        return;
    beginResetModel();
    std::sort(m_rows.begin(), m_rows.end(), [order](const MergeModelItem &a, const MergeModelItem &b) {
        const int compared = QString::compare(a.fileName, b.fileName, Qt::CaseInsensitive);
        return order == Qt::AscendingOrder ? compared < 0 : compared > 0;
    });
    endResetModel();
    emit changed();
}

// ---- Editing the list ---------------------------------------------------

void MergeModel::requestAddFiles(const QStringList &files)
{
    emit addFiles(files);
}

void MergeModel::appendItems(const MergeItemList &rows)
{
    beginResetModel();
    m_rows.append(rows);
    endResetModel();
    emit changed();
}

MergeItemList MergeModel::appendReading(const QStringList &files)
{
    MergeItemList rows;
    for (const QString &path : files) {
        if (!isPdfFile(path))
            continue;
        MergeModelItem row;
        row.path = path;
        row.fileName = QFileInfo(path).fileName();
        row.reading = true;
        rows << row;
    }
    if (!rows.isEmpty())
        appendItems(rows);
    return rows;
}

// The user's choices made meanwhile (place, password) stay with the row.
void MergeModel::takeRead(const MergeItemList &rows)
{
    for (const MergeModelItem &read : rows) {
        for (int i = 0; i < m_rows.size(); ++i) {
            if (m_rows.at(i).id != read.id)
                continue;
            MergeModelItem row = m_rows.at(i);
            row.reading = false;
            row.pageCount = read.pageCount;
            row.hasPassword = read.hasPassword;
            row.hasSecurity = read.hasSecurity;
            row.loadError = read.loadError;
            row.loadErrorDetail = read.loadErrorDetail;
            m_rows[i] = row;
            emit dataChanged(index(i, 0), index(i, ColumnCount - 1));
        }
    }
    emit changed();
}

bool MergeModel::isReading() const
{
    return std::any_of(m_rows.cbegin(), m_rows.cend(), [](const MergeModelItem &row) { return row.reading; });
}

MergeModelItem MergeModel::item(int row) const
{
    return isValidRow(row) ? m_rows.at(row) : MergeModelItem();
}

void MergeModel::setItem(int row, const MergeModelItem &item)
{
    if (!isValidRow(row))
        return;
    m_rows[row] = item;
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit changed();
}

void MergeModel::removeAt(int row)
{
    beginResetModel();
    if (isValidRow(row))
        m_rows.removeAt(row);
    endResetModel();
    emit changed();
}

void MergeModel::clear()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
    emit changed();
}

bool MergeModel::moveDown(int row)
{
    if (!isValidRow(row) || !isValidRow(row + 1))
        return false;
    exchangeRows(row, row + 1);
    return true;
}

bool MergeModel::moveUp(int row)
{
    if (!isValidRow(row) || !isValidRow(row - 1))
        return false;
    exchangeRows(row, row - 1);
    return true;
}

bool MergeModel::isReversed(const QString &id) const
{
    return std::any_of(m_rows.cbegin(), m_rows.cend(),
                       [&id](const MergeModelItem &row) { return row.id == id && row.reversePages; });
}

void MergeModel::updateRanges(const QString &id, const PageRangeList &ranges, bool reversed)
{
    if (id.compare(forAllId(), Qt::CaseInsensitive) == 0) {
        beginResetModel();
        for (MergeModelItem &row : m_rows) {
            applyRangesClipped(row, ranges);
            row.reversePages = reversed;
        }
        endResetModel();
        emit changed();
        return;
    }

    const auto found = std::find_if(m_rows.begin(), m_rows.end(),
                                    [&id](const MergeModelItem &row) { return row.id == id; });
    if (found == m_rows.end()) {
        Logger::instance().log(QStringLiteral("%1 Item not found [FAILED]").arg(QLatin1String(Q_FUNC_INFO)),
                               LogDebug);
        return;
    }
    beginResetModel();
    found->pageRanges = ranges;
    found->reversePages = reversed;
    endResetModel();
    emit changed();
}

// A range that does not fit a shorter document is left out for that one
// only; a document that keeps none goes back to all its pages.
void MergeModel::applyRangesClipped(MergeModelItem &row, const PageRangeList &ranges)
{
    row.pageRanges.clear();
    for (const PageRange &range : ranges) {
        if (range.from <= row.pageCount && range.to <= row.pageCount)
            row.pageRanges.append(range);
    }
}

// ---- Summaries ----------------------------------------------------------

int MergeModel::totalPages() const
{
    int total = 0;
    for (const MergeModelItem &row : m_rows) {
        if (row.hasNoPages())
            continue;
        if (row.pageRanges.isEmpty()) {
            total += row.pageCount;
            continue;
        }
        // A range typed from high to low takes the same pages in reverse.
        total += pageCountOf(row.pageRanges);
    }
    return total;
}

bool MergeModel::canMerge() const
{
    return m_rows.size() >= 2;
}

bool MergeModel::isEmpty() const
{
    return m_rows.isEmpty();
}

// ---- Before a merge -----------------------------------------------------

MergeItemList MergeModel::resolvePasswords(QList<LeftOutDocument> *leftOut)
{
    MergeItemList resolved;
    bool skipAll = false;
    // By id: a prompt runs an event loop, in which rows may be appended.
    QStringList ids;
    for (const MergeModelItem &row : qAsConst(m_rows))
        ids << row.id;

    for (const QString &id : qAsConst(ids)) {
        const auto found = std::find_if(m_rows.cbegin(), m_rows.cend(),
                                        [&id](const MergeModelItem &row) { return row.id == id; });
        if (found == m_rows.cend())
            continue;
        MergeModelItem row = *found;
        const RowState state = stateOf(row);
        if (state == Ready)
            resolved << row;
        else if (state == NeedsPassword && !skipAll && askPassword(row, skipAll))
            resolved << row;
        else if (leftOut)
            leftOut->append({row.fileName, state == Unreadable ? LeftOutDocument::Unreadable
                                           : state == NoPages  ? LeftOutDocument::NoPages
                                                               : LeftOutDocument::Skipped});
    }
    return resolved;
}

// Prompts until the row opens or the user skips it; true when it opened.
bool MergeModel::askPassword(MergeModelItem &row, bool &skipAll)
{
    QWidget *window = qobject_cast<QWidget *>(QObject::parent());
    for (;;) {
        const PasswordAnswer answer = PasswordPrompt::ask(row.fileName, PasswordPrompt::Skipping::Offered, window);
        if (answer.choice == PasswordAnswer::Choice::SkipAll) {
            skipAll = true;
            return false;
        }
        if (answer.choice == PasswordAnswer::Choice::Skip)
            return false;
        if (!answer.isEntered())
            continue;   // closed without a choice: ask again

        const DocumentInformation information = InformationReader::readAnswering({row.path, answer.password}).info;
        if (!information.hasPassword || !information.password.isEmpty()) {
            row.password = answer.password;
            row.pageCount = information.pageCount;
            row.hasSecurity = information.hasSecurity;
            row.hasPassword = true;
            for (int i = 0; i < m_rows.size(); ++i) {
                if (m_rows.at(i).id == row.id)
                    setItem(i, row);
            }
            return true;
        }
        PasswordPrompt::tellIncorrect(row.fileName, window);
    }
}

QList<MergeItem> MergeModel::requestItems(QList<LeftOutDocument> *leftOut)
{
    const MergeItemList rows = resolvePasswords(leftOut);
    QList<MergeItem> tasks;
    for (int i = 0; i < rows.size(); ++i) {
        const MergeModelItem &row = rows.at(i);
        if (row.hasNoPages() || row.needsPassword()) {
            if (leftOut)
                leftOut->append({row.fileName, LeftOutDocument::NoPages});
            continue;   // its number stays unused
        }
        MergeItem task;
        task.fullPath = row.path;
        task.hasPassword = row.hasPassword;
        task.password = row.password;
        task.hasSecurity = row.hasSecurity;
        task.pageCount = row.pageCount;
        task.order = i;
        task.pageRanges = row.pageRanges;
        task.reversePages = row.reversePages;
        tasks << task;
    }
    return tasks;
}
