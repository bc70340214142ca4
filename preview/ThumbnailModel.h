#ifndef CLEAVEMARK_PREVIEW_THUMBNAILMODEL_H
#define CLEAVEMARK_PREVIEW_THUMBNAILMODEL_H

#include <QAbstractListModel>
#include <QSharedPointer>

class PageMarks;
class ThumbnailLoader;
class ViewedDocument;

// The pages of the grid, one row each: the number and label a page is
// shown with, its marks, its thumbnail, and what a screen reader says of
// it ("Page 4 of 40, iv"; "cut after, rotated 90°, left out").
class ThumbnailModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        PageNumberRole = Qt::UserRole + 1,   // int, 1-based
        PageLabelRole,                       // QString, empty without labels
        PageSizeRole,                        // QSize in points, the page's own rotation applied
        CutAfterRole,                        // bool
        LeftOutRole,                         // bool
        RotationRole,                        // int, the turn marked
        CannotBeShownRole,                   // bool
    };

    ThumbnailModel(PageMarks *marks, ThumbnailLoader *loader, QObject *parent = nullptr);

    void setDocument(QSharedPointer<ViewedDocument> document);
    QSharedPointer<ViewedDocument> document() const { return m_document; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // What the page is called aloud, and its marks as words.
    QString accessibleName(int page) const;
    QString marksText(int page) const;

signals:
    // The marks of a page changed, for those who announce it.
    void pageMarksChanged(int row);

private:
    void marksChanged(const QList<int> &pages);
    void thumbnailArrived(int page);
    void pagesChanged(int first, int last, const QVector<int> &roles);

    PageMarks *m_marks;
    ThumbnailLoader *m_loader;
    QSharedPointer<ViewedDocument> m_document;
};

#endif
