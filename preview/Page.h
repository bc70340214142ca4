#ifndef CLEAVEMARK_PREVIEW_PAGE_H
#define CLEAVEMARK_PREVIEW_PAGE_H

#include <QLabel>
#include <QSharedPointer>

class ViewedDocument;

// One page of the document viewer. It is as large as the page (one point is
// one pixel, rotation applied) and is drawn only when it is painted, so a
// long document costs nothing until its pages scroll into view. The drawing
// is done by the renderer program: the page shows a neutral sheet until it
// arrives, and says so when it cannot be shown. Every drawing, badge
// included, goes into the application's pixmap cache under a key naming the
// document and the page, at the screen's pixel ratio, so scrolling back
// draws nothing again.
//
// Hidden visibility: the PDF renderer's own library has a class Page too,
// and an exported symbol of ours would replace its destructor at run time.
class Q_DECL_HIDDEN Page : public QLabel
{
    Q_OBJECT

public:
    enum State { Waiting, Shown, CannotBeShown };

    Page(QSharedPointer<ViewedDocument> document, int pageNumber, QWidget *parent = nullptr);
    ~Page() override;

    int pageNumber() const { return m_pageNumber; }
    QSize pageSize() const { return m_size; }
    // Shown at this share of one pixel a point; a drawing of another size
    // is drawn again.
    void setScale(qreal scale);
    State state() const;
    // A drawing asked for and not yet arrived.
    bool isWaitingForRenderer() const { return m_request != 0; }
    bool cannotBeShown() const { return m_failed; }
    // The page scrolled out of view before it arrived: it is asked for
    // again when it is painted again.
    void cancelRendering();

    // The pixmap cache key of a page of an open document.
    static QString cacheKey(int documentId, int pageNumber);
    // Where the "Page n" badge sits on a rendered page of the given size.
    static QRect badgeRect(const QFontMetrics &metrics, const QString &text, const QSize &pageSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool cachedPixmap(QPixmap &pixmap) const;
    void requestRendering();
    void pageRendered(int id, const QImage &image);
    void paintPlaceholder(QPainter &painter);
    void paintBadge(QPixmap &pixmap) const;

    QSharedPointer<ViewedDocument> m_document;
    int m_pageNumber;
    QSize m_size;
    int m_request = 0;
    bool m_failed = false;
};

#endif
