#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// The pages the window has found it cannot draw, per document and page, so
// that a page that failed or hung once is told at once when it is asked
// for again, on the cover, in the viewer or anywhere else, instead of being
// tried again for seconds. A document is its file as it is now (path, size
// and times) opened with one password: a changed file, or another password,
// is judged anew.
class PageVerdicts
{
public:
    void rememberUndrawable(const QString &path, const QString &password, int page);
    bool isUndrawable(const QString &path, const QString &password, int page) const;

private:
    static QString documentKey(const QString &path, const QString &password);

    QHash<QString, QSet<int>> m_undrawable;   // document key -> 1-based pages
};
