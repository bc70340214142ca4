#ifndef CLEAVEMARK_PREVIEW_PAGEVIEW_H
#define CLEAVEMARK_PREVIEW_PAGEVIEW_H

#include <QFrame>
#include <QList>
#include <QSharedPointer>

class Page;
class PdfDocument;
class PdfService;
class QScrollArea;
class QVBoxLayout;

// All pages of one document, one below the other in a scroll area. The
// document stays open while it is shown; opening the same file again keeps
// pages and cached renderings, another file replaces them.
// Hidden like Page, whose pointers it keeps.
class Q_DECL_HIDDEN PageView : public QFrame
{
    Q_OBJECT

public:
    // Documents are opened through the given service.
    explicit PageView(QSharedPointer<PdfService> service, QWidget *parent = nullptr);
    ~PageView() override;

    // False when the document cannot be opened (or needs another password)
    // or has no pages; the view is then empty.
    bool open(const QString &fileName, const QString &password);
    // Empties the view and closes the document.
    void clear();

    QString fileName() const { return m_fileName; }
    QSharedPointer<PdfDocument> document() const { return m_document; }
    QList<Page *> pages() const { return m_pages; }
    QScrollArea *scrollArea() const { return m_scrollArea; }

private:
    void forgetDocument();
    void showPages(int count);
    QWidget *newContent();
    void scrollToTop();
    void cancelHiddenRenderings();

    QSharedPointer<PdfService> m_service;
    QSharedPointer<PdfDocument> m_document;
    QString m_fileName;
    QScrollArea *m_scrollArea = nullptr;
    QVBoxLayout *m_pagesLayout = nullptr;
    QList<Page *> m_pages;
};

#endif
