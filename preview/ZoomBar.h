#ifndef CLEAVEMARK_PREVIEW_ZOOMBAR_H
#define CLEAVEMARK_PREVIEW_ZOOMBAR_H

#include "preview/Zoom.h"

#include <QWidget>

class Button;
class PageView;
class QAction;
class QComboBox;

// How large the single pages are: "Zoom out", the zoom list ("Fit width",
// "Fit page", 25 to 400 %) and "Zoom in". Ctrl++, Ctrl+-, Ctrl+0 and Ctrl
// with the wheel do the same from the keyboard and the mouse.
class Q_DECL_HIDDEN ZoomBar : public QWidget
{
    Q_OBJECT

public:
    explicit ZoomBar(PageView *view, QWidget *parent = nullptr);

    QComboBox *zoomBox() const { return m_box; }
    Button *zoomInButton() const { return m_in; }
    Button *zoomOutButton() const { return m_out; }

    static QList<QKeySequence> zoomInKeys();
    static QList<QKeySequence> zoomOutKeys();
    static QKeySequence fitWidthKey();

public slots:
    void setZoom(const Zoom &zoom);
    // One step larger (above 0) or smaller from what is shown now.
    void step(int steps);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showZoom();
    void chosen(int index);

    PageView *m_view;
    Button *m_out = nullptr;
    QComboBox *m_box = nullptr;
    Button *m_in = nullptr;
};

#endif
