#include "split/BookmarkModePage.h"

#include "jobs/Split.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

BookmarkModePage::BookmarkModePage(Split *job, QWidget *parent)
    : ModePage(parent), m_job(job)
{
    auto *fields = new QHBoxLayout;
    m_levelLabel = createFieldLabel(this);
    m_levels = new QComboBox(this);
    m_levels->setObjectName(QStringLiteral("bookmarkLevelBox"));
    m_levels->setMinimumWidth(220);
    m_levelLabel->setBuddy(m_levels);
    fields->addWidget(m_levelLabel);
    fields->addWidget(m_levels);
    fields->addStretch();
    pageLayout()->addLayout(fields);

    m_reason = new QLabel(this);
    m_reason->setObjectName(QStringLiteral("bookmarkReason"));
    m_reason->setWordWrap(true);
    pageLayout()->addWidget(m_reason);
    pageLayout()->addWidget(createHelp(m_help, this));
    pageLayout()->addStretch();

    connect(m_levels, QOverload<int>::of(&QComboBox::activated), this, &BookmarkModePage::onLevelChosen);
    if (m_job) {
        connect(m_job, &Split::loadFinished, this, &BookmarkModePage::refresh);
        connect(m_job, &Split::clean, this, &BookmarkModePage::refresh);
    }
    retranslate();
}

bool BookmarkModePage::isReady() const
{
    return m_levels->isEnabled() && m_levels->count() > 0;
}

void BookmarkModePage::refresh()
{
    fillLevels();
    emit readyChanged();
}

// A new document starts at level 1; a language change keeps the level chosen.
void BookmarkModePage::fillLevels()
{
    const int chosen = m_levels->currentIndex();
    m_levels->clear();
    const QList<int> counts = m_job && m_job->isLoaded() ? m_job->bookmarkPieceCounts() : QList<int>();
    for (int level = 1; level <= counts.size(); ++level)
        m_levels->addItem(tr("Level %1: %n file(s)", nullptr, counts.at(level - 1)).arg(level), level);
    const bool hasBookmarks = !counts.isEmpty();
    m_levels->setEnabled(hasBookmarks);
    m_levelLabel->setEnabled(hasBookmarks);
    const bool documentShown = m_job && m_job->isFileSet();
    m_reason->setVisible(documentShown && !hasBookmarks);
    if (hasBookmarks) {
        const int level = m_job ? m_job->bookmarkLevel() : 1;
        m_levels->setCurrentIndex(chosen >= 0 && chosen < counts.size() ? chosen
                                  : qBound(0, level - 1, counts.size() - 1));
        onLevelChosen(m_levels->currentIndex());
    }
}

void BookmarkModePage::onLevelChosen(int index)
{
    if (m_job && index >= 0)
        m_job->setBookmarkLevel(m_levels->itemData(index).toInt());
}

void BookmarkModePage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ModePage::changeEvent(event);
}

void BookmarkModePage::retranslate()
{
    m_levelLabel->setText(tr("Bookmark level:"));
    m_levels->setAccessibleName(tr("Bookmark level"));
    m_reason->setText(tr("This document has no bookmarks, so it cannot be split by them."));
    m_help->setText(tr("Every bookmark of the chosen level starts a new file, named after the bookmark "
                       "and keeping its bookmarks. Pages before the first one make a file of their own."));
    fillLevels();
}
