#ifndef CLEAVEMARK_JOBS_PAGERANGES_H
#define CLEAVEMARK_JOBS_PAGERANGES_H

#include "pdf/PageRange.h"

#include <QObject>
#include <QPair>

// The editing model of a page range list: the list being edited and the one
// last loaded or saved, the bounds a page number must lie in, and whether the
// two lists differ. Ranges are kept as typed and in the order they were
// added; a pair already in the list or outside the bounds is ignored.
class PageRanges : public QObject
{
    Q_OBJECT

public:
    explicit PageRanges(QObject *parent = nullptr);

    // Both lists become ranges, not modified; no signal.
    void load(const PageRangeList &ranges);
    PageRangeList ranges() const { return m_current; }
    bool isModified() const { return m_modified; }
    bool isEmpty() const { return m_current.isEmpty(); }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

public slots:
    void addRange(int from, int to);
    void remove(int from, int to);   // every occurrence of the pair
    void remove(QPair<int, int> range);
    void save();     // the saved list becomes the current one
    void cancel();   // the current list goes back to the saved one
    void clear();    // empties the current list
    void setInterval(int minValue, int maxValue);

signals:
    void changed();
    void added(int from, int to);
    void cleared();

private:
    void updateModified();

    bool m_modified = false;
    int m_minimum = 0;
    int m_maximum = 0;
    PageRangeList m_current;
    PageRangeList m_saved;
};

#endif
