#ifndef CLEAVEMARK_PREVIEW_THUMBNAILGRID_H
#define CLEAVEMARK_PREVIEW_THUMBNAILGRID_H

#include <QListView>

class ThumbnailDelegate;
class ThumbnailLoader;
class ThumbnailModel;
class QTimer;

// Every page of the document as a thumbnail, as many in a row as the width
// allows. The current page moves with the arrow keys, Home, End and the
// mouse, Shift extends the selection and Ctrl+A selects all; Ctrl+wheel
// changes the thumbnails' size. Only the pages in view and a screen ahead
// are drawn, after the view stopped moving for an instant, so that End on
// ten thousand pages asks for the last few only.
class ThumbnailGrid : public QListView
{
    Q_OBJECT

public:
    static constexpr int SmallestSide = 80;
    static constexpr int LargestSide = 320;
    static constexpr int SideStep = 40;

    ThumbnailGrid(ThumbnailModel *model, ThumbnailLoader *loader, QWidget *parent = nullptr);

    int thumbnailSide() const;
    void setThumbnailSide(int side);
    // Bigger or smaller by one step; false at the end of the range.
    bool stepThumbnailSide(int steps);

    // The pages now selected, in order; the current page when none is.
    QList<int> selectedPages() const;
    int currentPage() const;
    void setCurrentPage(int page);
    // The pages in view, first to last; empty without any.
    QPair<int, int> pagesInView() const;

signals:
    void currentPageChanged(int page);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void requestThumbnails();
    void announceMarks(int row);

    ThumbnailModel *m_model;
    ThumbnailLoader *m_loader;
    ThumbnailDelegate *m_delegate;
    QTimer *m_requestTimer;
};

#endif
