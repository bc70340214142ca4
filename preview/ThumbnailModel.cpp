#include "preview/ThumbnailModel.h"

#include "preview/PageMarks.h"
#include "preview/ThumbnailLoader.h"
#include "preview/ViewedDocument.h"

ThumbnailModel::ThumbnailModel(PageMarks *marks, ThumbnailLoader *loader, QObject *parent)
    : QAbstractListModel(parent), m_marks(marks), m_loader(loader)
{
    connect(m_marks, &PageMarks::marksChanged, this, &ThumbnailModel::marksChanged);
    connect(m_marks, &PageMarks::reset, this, [this] {
        if (rowCount() > 0)
            pagesChanged(1, rowCount(), {});
    });
    connect(m_loader, &ThumbnailLoader::thumbnailArrived, this, &ThumbnailModel::thumbnailArrived);
}

void ThumbnailModel::setDocument(QSharedPointer<ViewedDocument> document)
{
    beginResetModel();
    m_document = std::move(document);
    endResetModel();
}

int ThumbnailModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_document ? 0 : m_document->pageCount();
}

QString ThumbnailModel::accessibleName(int page) const
{
    const QString name = tr("Page %1 of %2").arg(page).arg(rowCount());
    const QString label = m_document ? m_document->pageLabel(page) : QString();
    return label.isEmpty() ? name : tr("%1, %2", "page name, page label").arg(name, label);
}

QString ThumbnailModel::marksText(int page) const
{
    const PageMark mark = m_marks->mark(page);
    QStringList words;
    if (mark.cutAfter)
        words << tr("cut after");
    if (mark.rotation != 0)
        words << tr("rotated %1°").arg(mark.rotation);
    if (mark.leftOut)
        words << tr("left out");
    if (m_loader->cannotBeShown(page))
        words << tr("cannot be shown");
    return words.join(tr(", ", "between marks"));
}

QVariant ThumbnailModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const int page = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(page);
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return accessibleName(page);
    case Qt::AccessibleDescriptionRole:
        return marksText(page);
    case Qt::DecorationRole:
        return m_loader->thumbnail(page);
    case PageNumberRole:
        return page;
    case PageLabelRole:
        return m_document->pageLabel(page);
    case PageSizeRole:
        return m_document->pageSize(page);
    case CutAfterRole:
        return m_marks->mark(page).cutAfter;
    case LeftOutRole:
        return m_marks->mark(page).leftOut;
    case RotationRole:
        return m_marks->mark(page).rotation;
    case CannotBeShownRole:
        return m_loader->cannotBeShown(page);
    default:
        return QVariant();
    }
}

void ThumbnailModel::marksChanged(const QList<int> &pages)
{
    for (int page : pages) {
        if (page > rowCount())
            continue;
        pagesChanged(page, page, {CutAfterRole, LeftOutRole, RotationRole, Qt::AccessibleDescriptionRole});
        emit pageMarksChanged(page - 1);
    }
}

void ThumbnailModel::thumbnailArrived(int page)
{
    if (page <= rowCount())
        pagesChanged(page, page, {Qt::DecorationRole, CannotBeShownRole, Qt::AccessibleDescriptionRole});
}

void ThumbnailModel::pagesChanged(int first, int last, const QVector<int> &roles)
{
    emit dataChanged(index(first - 1), index(last - 1), roles);
}
