#ifndef CLEAVEMARK_CLI_PROGRESSLINE_H
#define CLEAVEMARK_CLI_PROGRESSLINE_H

#include <QElapsedTimer>
#include <QString>

// The progress bar on standard error while a job runs: pages done, pages a
// second and the time left, drawn again at most ten times a second. It
// draws only when standard error is a terminal and the user did not ask
// for quiet; otherwise every call does nothing.
class ProgressLine
{
public:
    // pageCount: the pages the job goes through; 0 when it cannot be told
    // (a merge, which reports no progress), then only the time taken shows.
    ProgressLine(bool wanted, int pageCount);
    ~ProgressLine();

    void setPercentage(double percentage);
    // Draws again when due, for the clock of a job that reports nothing.
    void tick();
    // Takes the bar away, so that what follows starts on a clean line.
    void clear();

private:
    void draw();
    QString text() const;

    bool m_enabled = false;
    int m_pageCount = 0;
    double m_percentage = 0;
    QElapsedTimer m_running;
    qint64 m_lastDrawn = -1;
    bool m_shown = false;
};

#endif
