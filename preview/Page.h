#ifndef CLEAVEMARK_PREVIEW_PAGE_H
#define CLEAVEMARK_PREVIEW_PAGE_H

#include <QLabel>
#include <QSharedPointer>

class PdfDocument;

// One page of the document viewer. It is as large as the page (one point is
// one pixel, rotation applied) and renders the page only when it is painted,
// so a long document costs nothing until its pages scroll into view. Every
// rendering, badge included, goes into the application's pixmap cache under
// a key naming the document and the page, so scrolling back renders nothing.
//
// Hidden visibility: the PDF renderer's own library has a class Page too,
// and an exported symbol of ours would replace its destructor at run time.
class Q_DECL_HIDDEN Page : public QLabel
{
    Q_OBJECT

public:
    Page(QSharedPointer<PdfDocument> document, int pageNumber, QWidget *parent = nullptr);

    int pageNumber() const { return m_pageNumber; }
    QSize pageSize() const { return m_size; }

    // The pixmap cache key of a page of an open document.
    static QString cacheKey(int documentId, int pageNumber);
    // Where the "Page n" badge sits on a rendered page of the given size.
    static QRect badgeRect(const QFontMetrics &metrics, const QString &text, const QSize &pageSize);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap renderWithBadge();
    void paintBadge(QPixmap &pixmap) const;

    QSharedPointer<PdfDocument> m_document;
    int m_pageNumber;
    QSize m_size;
};

#endif
