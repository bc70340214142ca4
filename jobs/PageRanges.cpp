#include "jobs/PageRanges.h"

PageRanges::PageRanges(QObject *parent)
    : QObject(parent)
{
}

void PageRanges::load(const PageRangeList &ranges)
{
    m_current = ranges;
    m_saved = ranges;
    m_modified = false;
}

void PageRanges::setInterval(int minValue, int maxValue)
{
    m_minimum = minValue;
    m_maximum = maxValue;
}

void PageRanges::addRange(int from, int to)
{
    const auto inBounds = [this](int page) { return page >= m_minimum && page <= m_maximum; };
    if (!inBounds(from) || !inBounds(to))
        return;
    const PageRange range{from, to};
    if (m_current.contains(range))
        return;
    m_current.append(range);
    emit added(from, to);
    updateModified();
}

void PageRanges::remove(int from, int to)
{
    m_current.removeAll(PageRange{from, to});
    updateModified();
}

void PageRanges::remove(QPair<int, int> range)
{
    remove(range.first, range.second);
}

void PageRanges::save()
{
    m_saved = m_current;
    updateModified();
}

void PageRanges::cancel()
{
    m_current = m_saved;
    updateModified();
}

void PageRanges::clear()
{
    m_current.clear();
    emit cleared();
    updateModified();
}

void PageRanges::updateModified()
{
    m_modified = m_current != m_saved;
    emit changed();
}
