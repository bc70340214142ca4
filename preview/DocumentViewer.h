#ifndef CLEAVEMARK_PREVIEW_DOCUMENTVIEWER_H
#define CLEAVEMARK_PREVIEW_DOCUMENTVIEWER_H

#include "jobs/MarkedSplit.h"

#include <QDialog>
#include <QSharedPointer>

class Button;
class FindCutsBar;
class MarksBar;
class PageMarks;
class PageView;
class PdfService;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QStackedWidget;
class ThumbnailGrid;
class ThumbnailLoader;
class ThumbnailModel;
class WindowBar;
class ZoomBar;

// The page window: every page of one document, one below the other
// ("Single pages", with zoom) or as a grid of thumbnails ("Thumbnails"),
// where pages are marked to be cut after, left out or turned. It is
// frameless with room for the style sheet's shadow, can be dragged, resized
// and maximised (double-click on its bar), remembers where it was, and its
// close only hides it: the main window builds it once and reuses it, so a
// document shown again appears at once, with its marks.
class DocumentViewer : public QDialog
{
    Q_OBJECT

public:
    enum class View { SinglePages, Thumbnails };

    // Documents are opened through the given service.
    explicit DocumentViewer(QSharedPointer<PdfService> service, QWidget *parent = nullptr);

    // Starts showing the document's pages (see PageView::opened); the
    // caller shows the window either way.
    void open(const QString &fileName, const QString &password);

    PageView *pageView() const { return m_pageView; }
    ThumbnailGrid *thumbnailGrid() const { return m_grid; }
    ThumbnailModel *thumbnailModel() const { return m_model; }
    ThumbnailLoader *thumbnailLoader() const { return m_loader; }
    PageMarks *marks() const { return m_marks; }
    MarksBar *marksBar() const { return m_marksBar; }
    ZoomBar *zoomBar() const { return m_zoomBar; }
    FindCutsBar *findCutsBar() const { return m_findCuts; }
    Button *findCutsButton() const { return m_findCutsButton; }
    WindowBar *windowBar() const { return m_windowBar; }
    Button *viewButton(View view) const;
    QLineEdit *goToPageField() const { return m_goToPage; }
    QString fileName() const { return m_fileName; }

    View view() const;
    void setView(View view);

signals:
    // The user asked to split the document shown at its marks; the window
    // has closed.
    void splitAtMarks(const QString &fileName, const QString &password, const MarkedSplit &split);

public slots:
    void onWindowClose();
    void onWindowMinimize();
    void toggleMaximized();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Home, End, Page Up and Page Down go through the single pages.
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *createToolRow(QWidget *parent);
    void createActions();
    void retranslate();
    void pagesOpened(bool shown);
    void goToPage();
    void showCurrentPage(int page);
    void zoomStep(int steps);
    void requestSplit();
    void restoreGeometryOnce();
    void setFindCutsShown(bool shown);

    QFrame *m_shadow = nullptr;
    WindowBar *m_windowBar = nullptr;
    PageView *m_pageView = nullptr;
    PageMarks *m_marks = nullptr;
    ThumbnailLoader *m_loader = nullptr;
    ThumbnailModel *m_model = nullptr;
    ThumbnailGrid *m_grid = nullptr;
    QStackedWidget *m_views = nullptr;
    ZoomBar *m_zoomBar = nullptr;
    MarksBar *m_marksBar = nullptr;
    FindCutsBar *m_findCuts = nullptr;
    Button *m_findCutsButton = nullptr;
    QButtonGroup *m_viewButtons = nullptr;
    Button *m_singleButton = nullptr;
    Button *m_gridButton = nullptr;
    QLabel *m_goToLabel = nullptr;
    QLineEdit *m_goToPage = nullptr;
    QString m_fileName;
    bool m_geometryRestored = false;
};

#endif
