#ifndef CLEAVEMARK_PREVIEW_ZOOM_H
#define CLEAVEMARK_PREVIEW_ZOOM_H

#include <QList>
#include <QSize>

// How large the single pages are shown: as wide as the view, whole in the
// view, or at a share of one pixel a point from 25 to 400 %.
struct Zoom
{
    enum class Mode { FitWidth, FitPage, Percent };

    Mode mode = Mode::Percent;
    int percent = 100;

    static constexpr int Smallest = 25;
    static constexpr int Largest = 400;
    // The steps Ctrl++ and Ctrl+- go through.
    static QList<int> steps() { return {25, 50, 75, 100, 125, 150, 200, 300, 400}; }

    static Zoom fitWidth() { return {Mode::FitWidth, 100}; }
    static Zoom fitPage() { return {Mode::FitPage, 100}; }
    static Zoom atPercent(int percent) { return {Mode::Percent, qBound(Smallest, percent, Largest)}; }

    // The scale for a view of this size showing pages at most this large
    // (in points); a fit can go neither below 25 % nor above 400 %.
    qreal scale(const QSize &view, const QSize &largestPage) const
    {
        if (mode == Mode::Percent || largestPage.isEmpty() || view.isEmpty())
            return percent / 100.0;
        const qreal width = qreal(view.width()) / largestPage.width();
        const qreal fit = mode == Mode::FitWidth ? width : qMin(width, qreal(view.height()) / largestPage.height());
        return qBound(Smallest / 100.0, fit, Largest / 100.0);
    }

    // The next step up or down from what a scale shows now.
    static Zoom stepFrom(qreal scale, int direction)
    {
        const int now = qRound(scale * 100);
        const QList<int> all = steps();
        if (direction > 0) {
            for (int step : all) {
                if (step > now)
                    return atPercent(step);
            }
            return atPercent(Largest);
        }
        for (int i = all.size() - 1; i >= 0; --i) {
            if (all.at(i) < now)
                return atPercent(all.at(i));
        }
        return atPercent(Smallest);
    }

    bool operator==(const Zoom &other) const { return mode == other.mode && percent == other.percent; }
};

#endif
