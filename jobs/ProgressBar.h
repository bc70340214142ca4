#ifndef CLEAVEMARK_JOBS_PROGRESSBAR_H
#define CLEAVEMARK_JOBS_PROGRESSBAR_H

#include <QProgressBar>

// A progress bar whose text changes colour where the fill passes under it:
// the text is drawn over the whole bar in the palette's window-text colour,
// then again, clipped to the filled part, in its highlighted-text colour
// (the style sheet's "color" and "selection-color").
class ProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit ProgressBar(QWidget *parent = nullptr);

    // The part of the bar that the fill covers, from the left.
    QRect filledRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif
