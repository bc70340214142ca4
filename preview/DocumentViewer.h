#ifndef CLEAVEMARK_PREVIEW_DOCUMENTVIEWER_H
#define CLEAVEMARK_PREVIEW_DOCUMENTVIEWER_H

#include <QDialog>
#include <QSharedPointer>

class PageView;
class PdfService;
class QFrame;
class WindowBar;

// The window that shows every page of one document. It is frameless with
// room for the style sheet's shadow, can be dragged and resized, and its
// close only hides it: the main window builds it once and reuses it, so a
// document shown again appears at once.
class DocumentViewer : public QDialog
{
    Q_OBJECT

public:
    // Documents are opened through the given service.
    explicit DocumentViewer(QSharedPointer<PdfService> service, QWidget *parent = nullptr);

    // Starts showing the document's pages (see PageView::opened); the
    // caller shows the window either way.
    void open(const QString &fileName, const QString &password);

    PageView *pageView() const { return m_pageView; }
    WindowBar *windowBar() const { return m_windowBar; }
    QString fileName() const { return m_fileName; }

public slots:
    void onWindowClose();
    void onWindowMinimize();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Home and End go to the first and the last page.
    void keyPressEvent(QKeyEvent *event) override;

private:
    QFrame *m_shadow = nullptr;
    WindowBar *m_windowBar = nullptr;
    PageView *m_pageView = nullptr;
    QString m_fileName;
};

#endif
