#include "cli/ProgressLine.h"

#include <cmath>
#include <cstdio>

#include <unistd.h>

namespace {

const qint64 redrawInterval = 100;   // milliseconds
const int barWidth = 24;

QString durationText(qint64 seconds)
{
    if (seconds >= 3600)
        return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
            .arg(seconds % 60, 2, 10, QLatin1Char('0'));
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

ProgressLine::ProgressLine(bool wanted, int pageCount)
    : m_enabled(wanted && isatty(STDERR_FILENO))
    , m_pageCount(pageCount)
{
    m_running.start();
}

ProgressLine::~ProgressLine()
{
    clear();
}

void ProgressLine::setPercentage(double percentage)
{
    m_percentage = qBound(0.0, percentage, 100.0);
    tick();
}

void ProgressLine::tick()
{
    if (!m_enabled)
        return;
    const qint64 now = m_running.elapsed();
    if (m_lastDrawn >= 0 && now - m_lastDrawn < redrawInterval)
        return;
    m_lastDrawn = now;
    draw();
}

void ProgressLine::clear()
{
    if (!m_shown)
        return;
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
    m_shown = false;
}

void ProgressLine::draw()
{
    std::fprintf(stderr, "\r\033[K%s", qUtf8Printable(text()));
    std::fflush(stderr);
    m_shown = true;
}

QString ProgressLine::text() const
{
    const qint64 elapsed = m_running.elapsed();
    if (m_pageCount <= 0)
        return QStringLiteral("working… %1").arg(durationText(elapsed / 1000));

    const int filled = int(std::lround(m_percentage * barWidth / 100.0));
    const QString bar = QString(filled, QLatin1Char('#')) + QString(barWidth - filled, QLatin1Char('-'));
    const int pagesDone = int(std::lround(m_percentage * m_pageCount / 100.0));
    QString line = QStringLiteral("[%1] %2/%3 pages").arg(bar).arg(pagesDone).arg(m_pageCount);
    if (pagesDone > 0 && elapsed > 0) {
        const double perSecond = pagesDone * 1000.0 / elapsed;
        const qint64 left = qint64(std::ceil((m_pageCount - pagesDone) / perSecond));
        line += QStringLiteral(", %1 pages/s, %2 left").arg(perSecond, 0, 'f', perSecond < 10 ? 1 : 0)
                    .arg(durationText(left));
    }
    return line;
}
