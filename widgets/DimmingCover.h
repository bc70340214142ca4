#ifndef CLEAVEMARK_WIDGETS_DIMMINGCOVER_H
#define CLEAVEMARK_WIDGETS_DIMMINGCOVER_H

#include <QWidget>

// A translucent sheet laid over a window's content while a panel is open.
// It paints its style-sheet background itself at the given opacity, so the
// content below is drawn first and the dimming blended over it in the same
// paint: nothing depends on a compositor or on an off-screen copy of the
// widgets below that could go stale.
class DimmingCover : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(qreal opacity READ opacity WRITE setOpacity)

public:
    explicit DimmingCover(QWidget *parent = nullptr);

    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal m_opacity = 0;
};

#endif
