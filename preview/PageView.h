#ifndef CLEAVEMARK_PREVIEW_PAGEVIEW_H
#define CLEAVEMARK_PREVIEW_PAGEVIEW_H

#include "pdf/FileStamp.h"
#include "preview/Zoom.h"

#include <QFrame>
#include <QList>
#include <QSharedPointer>

class InformationReader;
class Page;
class PdfService;
class ViewedDocument;
struct InformationResult;
class QScrollArea;
class QVBoxLayout;

// All pages of one document, one below the other in a scroll area. The
// document's page sizes are read in the background, then the pages are laid
// out (when the view is shown) and drawn by the renderer as they come into
// view. Opening the same
// file again keeps pages and cached renderings, another file replaces them.
// Hidden like Page, whose pointers it keeps.
class Q_DECL_HIDDEN PageView : public QFrame
{
    Q_OBJECT

public:
    // Pages are drawn by the service's renderer.
    explicit PageView(QSharedPointer<PdfService> service, QWidget *parent = nullptr);
    ~PageView() override;

    // Starts showing the document; opened() tells how it went.
    void open(const QString &fileName, const QString &password);
    // Empties the view and forgets the document.
    void clear();

    QString fileName() const { return m_fileName; }
    QSharedPointer<ViewedDocument> document() const { return m_document; }
    QList<Page *> pages() const { return m_pages; }
    QScrollArea *scrollArea() const { return m_scrollArea; }
    // Why the view is empty after a document could not be shown; "" otherwise.
    QString emptyReason() const { return m_emptyReason; }

    // The zoom stays as set while scrolling and for the next document; a
    // fit follows the view's size.
    void setZoom(const Zoom &zoom);
    Zoom zoom() const { return m_zoom; }
    qreal scale() const { return m_scale; }
    // The page at the top of the view; 0 without pages.
    int currentPage() const;
    // Scrolls the page's top to the top of the view.
    void goToPage(int page);

signals:
    // False when the document cannot be opened (or needs another password),
    // has no pages, or took too long to read; the view is then empty.
    void opened(bool shown);
    // Ctrl and the mouse wheel: this many steps larger (or smaller, below 0).
    void zoomStepRequested(int steps);
    void currentPageChanged(int page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void informationRead(const InformationResult &result);
    void showEmptyReason(const InformationResult &result);
    void forgetDocument();
    void showPages(int count);
    QWidget *newContent();
    void scrollToTop();
    void cancelHiddenRenderings();
    void applyZoom();
    QSize largestPage() const;

    QSharedPointer<PdfService> m_service;
    InformationReader *m_reader = nullptr;
    QSharedPointer<ViewedDocument> m_document;
    QString m_fileName;
    FileStamp m_fileStamp;   // of the file as it was read
    QScrollArea *m_scrollArea = nullptr;
    QVBoxLayout *m_pagesLayout = nullptr;
    QList<Page *> m_pages;
    Zoom m_zoom;
    qreal m_scale = 1.0;
    int m_lastCurrentPage = 0;
    bool m_pagesPending = false;   // read while hidden, laid out when shown
    QString m_emptyReason;
};

#endif
