#include "split/SplitView.h"

#include "dialogs/FileManager.h"
#include "dialogs/MessageSplit.h"
#include "jobs/OutcomeText.h"
#include "dialogs/MessageView.h"
#include "dialogs/SaveFolderModel.h"
#include "common/UserPreferences.h"
#include "jobs/AdvancedSettings.h"
#include "jobs/ProgressControl.h"
#include "jobs/Split.h"
#include "jobs/PageRanges.h"
#include "widgets/RangeListView.h"
#include "preview/PreviewWidget.h"
#include "split/BookmarkModePage.h"
#include "split/MarksModePage.h"
#include "split/ModePage.h"
#include "split/SizeModePage.h"
#include "split/SplitMessages.h"
#include "widgets/Button.h"
#include "protocol/JobErrors.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedLayout>
#include <QSet>
#include <QStyle>

#include <limits>

namespace {

// A "From:" text that is more than one page number.
bool typedAsRanges(const QString &text)
{
    return text.contains(QLatin1Char('-')) || text.contains(QLatin1Char(','));
}

// A field that is not a number counts as 0.
int numberOf(const QLineEdit *field)
{
    return field->text().trimmed().toInt();
}

void restyle(QWidget *widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace

SplitView::SplitView(Split *job, QWidget *parent)
    : QFrame(parent)
    , m_job(job)
{
    setObjectName(QStringLiteral("splitView"));
    buildLayout();
    retranslate();
    connectJob();
    setInitialState();
}

void SplitView::setFolderChooser(FolderChooser chooser)
{
    m_saveFolder->setFolderChooser(std::move(chooser));
}

SaveFolderModel *SplitView::saveFolderModel() const
{
    return m_saveFolder->folderModel();
}

void SplitView::connectJob()
{
    connect(m_split, &QPushButton::clicked, this, &SplitView::split);
    connect(m_saveFolder, QOverload<int>::of(&QComboBox::activated), this, &SplitView::onChangeOutFolder);
    // Toggled, not clicked: arrow keys and assistive technology check a mode too.
    // (the group's idToggled is not emitted for every toggle in Qt 5.15).
    connect(m_modes, qOverload<QAbstractButton *, bool>(&QButtonGroup::buttonToggled), this,
            [this](QAbstractButton *button, bool checked) {
                if (checked)
                    splitModeChanged(m_modes->id(button));
            });
    connect(m_addPage, &QPushButton::clicked, this, &SplitView::onButtonAddRidPage);
    connect(m_addRange, &QPushButton::clicked, this, &SplitView::onButtonAddRange);
    // Return in a field adds what it holds, as its button does.
    connect(m_ridPage, &QLineEdit::returnPressed, this, &SplitView::onButtonAddRidPage);
    connect(m_from, &QLineEdit::returnPressed, this, &SplitView::onFromReturn);
    connect(m_to, &QLineEdit::returnPressed, this, &SplitView::onButtonAddRange);
    connect(m_ridPage, &QLineEdit::textEdited, m_ridProblem, &QWidget::hide);
    connect(m_from, &QLineEdit::textEdited, m_rangeProblem, &QWidget::hide);
    connect(m_to, &QLineEdit::textEdited, m_rangeProblem, &QWidget::hide);
    connect(m_preview, &PreviewWidget::previewDocument, this, &SplitView::onPreview);
    connect(m_progress, &ProgressControl::canceled, this, &SplitView::onStop);
    connect(m_groupSize, &QLineEdit::textChanged, this, &SplitView::updateSplitButtonState);
    connect(m_startPage, &QLineEdit::textChanged, this, &SplitView::updateSplitButtonState);
    connect(m_bookmarkPage, &BookmarkModePage::readyChanged, this, &SplitView::updateSplitButtonState);
    connect(m_sizePage, &SizeModePage::readyChanged, this, &SplitView::updateSplitButtonState);
    connect(m_marksPage, &MarksModePage::readyChanged, this, &SplitView::updateSplitButtonState);
    connect(m_marksPage, &MarksModePage::markPagesRequested, this, [this] {
        const Split *split = job();
        if (split && split->isLoaded())
            emit markPages(split->fileName(), split->password());
    });

    Split *split = job();
    if (!split)
        return;

    // The list views follow the job's lists.
    PageRanges *rid = split->ridPages();
    connect(rid, &PageRanges::added, m_ridList, qOverload<int, int>(&RangeListView::add));
    connect(rid, &PageRanges::cleared, m_ridList, &RangeListView::clear);
    connect(rid, &PageRanges::changed, this, &SplitView::onChangeCertainPages);
    connect(m_ridList, &RangeListView::removedItem, rid, qOverload<QPair<int, int>>(&PageRanges::remove));
    connect(m_clearRid, &QPushButton::clicked, rid, &PageRanges::clear);
    PageRanges *ranges = split->ranges();
    connect(ranges, &PageRanges::added, m_rangeList, qOverload<int, int>(&RangeListView::add));
    connect(ranges, &PageRanges::cleared, m_rangeList, &RangeListView::clear);
    connect(ranges, &PageRanges::changed, this, &SplitView::onChangedPageRangeList);
    connect(m_rangeList, &RangeListView::removedItem, ranges, qOverload<QPair<int, int>>(&PageRanges::remove));
    connect(m_clearRanges, &QPushButton::clicked, ranges, &PageRanges::clear);

    connect(split, &Split::started, this, &SplitView::onStarted);
    connect(split, &Split::progressChanged, this, &SplitView::onProgressChanged);
    connect(split, &Split::finished, this, &SplitView::onFinished);
    connect(split, &Split::complete, this, &SplitView::onComplete);
    connect(split, &Split::splitFailed, this, &SplitView::onFailed);
    connect(split, &Split::contentCopyDisabled, this, &SplitView::onContentCopyDisabled);
    connect(split, &Split::loadStarted, this, &SplitView::updateSplitButtonState);
    connect(split, &Split::loadFinished, this, &SplitView::updateSplitButtonState);
    connect(split, &Split::documentUnusable, this, &SplitView::onDocumentUnusable);
    connect(split, &Split::clean, this, &SplitView::updateSplitButtonState);
    connect(split, &Split::loadFinished, this, &SplitView::updateResetNote);
    connect(split, &Split::clean, this, &SplitView::updateResetNote);
    connect(m_advancedSettings, &QPushButton::clicked, split, &Split::editSettings);
}

void SplitView::retranslate()
{
    m_resetNote->setText(tr("The output properties you had set were reset for this document."));
    m_modeButtons.at(Split::SinglePages)->setText(tr("Into files of 1 page"));
    m_modeButtons.at(Split::GroupsOfPages)->setText(tr("By groups of pages"));
    m_modeButtons.at(Split::RemovePages)->setText(tr("Get rid of certain pages"));
    m_modeButtons.at(Split::ByRanges)->setText(tr("By page ranges"));
    m_modeButtons.at(Split::ByBookmarks)->setText(tr("By bookmarks"));
    m_modeButtons.at(Split::ByFileSize)->setText(tr("By file size"));
    m_modeButtons.at(Split::ByMarks)->setText(tr("By marks"));
    m_groupSizeLabel->setText(tr("Group of pages:"));
    m_startPageLabel->setText(tr("Starting from:"));
    m_fromLabel->setText(tr("From:"));
    m_toLabel->setText(tr("To:"));
    m_ridPage->setAccessibleName(tr("Page to remove"));
    m_ridPage->setPlaceholderText(tr("e.g. 3-5,7"));
    m_ridList->setAccessibleName(tr("Pages to remove"));
    m_rangeList->setAccessibleName(tr("Page ranges"));
    // Labels beside their fields are linked as buddies; these names say the same.
    m_groupSize->setAccessibleName(tr("Group of pages:"));
    m_startPage->setAccessibleName(tr("Starting from:"));
    m_from->setAccessibleName(tr("From:"));
    m_to->setAccessibleName(tr("To:"));
    m_saveFolder->setAccessibleName(tr("Save to:"));
    m_addPage->setText(tr("Add page"));
    m_addRange->setText(tr("Add range"));
    m_clearRid->setText(tr("Clear all"));
    m_clearRanges->setText(tr("Clear all"));
    m_split->setText(tr("SPLIT"));
    m_advancedSettings->setText(tr("Advanced Settings"));
    m_saveTo->setText(tr("Save to:"));
    m_singleHelp->setText(tr("Every page will be splited to isolated file..."));
    m_groupsHelp->setText(tr("Choose how much pages will be in every group and you should choose "
                             "pages, where splitting will be started..."));
    m_ridHelpText->setText(tr("You can choose and add pages which you want to delete..."));
    m_rangeHelpText->setText(tr("You should choose and add a interval from document, which you "
                                "will want to split..."));
}

void SplitView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void SplitView::showEvent(QShowEvent *event)
{
    readSettings();
    QFrame::showEvent(event);
}

QRadioButton *SplitView::modeButton(int mode) const
{
    return m_modeButtons.value(mode);
}

int SplitView::currentModePage() const
{
    return m_modePages->currentIndex();
}

int SplitView::bottomIndex() const
{
    return m_bottom->currentIndex();
}

// ------------------------------------------------------------- the choices

void SplitView::setInitialState()
{
    readSettings();
    m_ridList->clear();
    m_rangeList->clear();
    m_groupSize->setText(QStringLiteral("3"));
    m_startPage->setText(QStringLiteral("1"));
    m_ridPage->clear();
    m_from->clear();
    m_to->clear();
    m_ridProblem->hide();
    m_rangeProblem->hide();
    m_modeButtons.at(Split::SinglePages)->setChecked(true);
    splitModeChanged(Split::SinglePages);
    showList(m_ridList, m_clearRid, m_ridHelp, false);
    showList(m_rangeList, m_clearRanges, m_rangeHelp, false);
    updateSplitButtonState();
}

void SplitView::onFileChanged()
{
    setInitialState();
}

void SplitView::readSettings()
{
    const UserPreferences preferences;
    m_saveFolder->showChoice(preferences.saveMode(), preferences.savePath());
}

void SplitView::onChangeOutFolder(int index)
{
    m_saveFolder->takeRow(index);
}

QString SplitView::outputFolder(int folderIndex, const QString &fileName, const QString &chosenFolder)
{
    const QFileInfo document(fileName);
    switch (folderIndex) {
    case SaveFolderModel::SubFolder:
        return document.absolutePath() + QLatin1Char('/') + document.completeBaseName();
    case SaveFolderModel::OriginalFolder:
        return document.absolutePath();
    case SaveFolderModel::ChosenFolder:
        return chosenFolder;
    default:
        return QString();
    }
}

void SplitView::splitModeChanged(int splitMode)
{
    m_modePages->setCurrentIndex(splitMode);
    if (Split *split = job())
        split->setMode(splitMode);
    updateSplitButtonState();
}

PageRangeList SplitView::typedRanges(const QLineEdit *field, int pageCount, QString &problem)
{
    RangeTextError error = RangeTextError::None;
    const PageRangeList ranges = typedPageRanges(field->text(), pageCount, &error);
    problem = SplitMessages::typedPagesProblem(error, field->text(), pageCount);
    return ranges;
}

// Every page typed that is not listed yet; a text of listed pages only, or
// one that would leave no page, is refused whole.
void SplitView::onButtonAddRidPage()
{
    Split *split = job();
    if (!split || !split->isLoaded() || m_ridPage->text().trimmed().isEmpty())
        return;
    QString problem;
    const PageRangeList typed = typedRanges(m_ridPage, split->pageCount(), problem);
    const PageRangeList listed = split->ridPages()->ranges();
    QSet<int> seen;
    for (const PageRange &range : listed)
        seen.insert(range.from);
    QList<int> pages;
    for (const PageRange &range : typed) {
        for (int page = range.from; page <= range.to; ++page) {
            if (!seen.contains(page))
                pages.append(page);
            seen.insert(page);
        }
    }
    if (problem.isEmpty())
        problem = SplitMessages::pageProblem(pages.value(0, typed.value(0).from), split->pageCount(), pages.isEmpty(),
                                             listed.size() + pages.size() >= split->pageCount());
    ModePage::showProblem(m_ridProblem, problem);
    if (problem.isEmpty()) {
        for (int page : pages)
            split->addRidPage(page);
    }
}

// "From:" also takes ranges as typed ("3-5,7", "8-"); each that is not
// listed yet is added, and "To:" is not needed.
void SplitView::addTypedRanges(Split *split)
{
    QString problem;
    const PageRangeList typed = typedRanges(m_from, split->pageCount(), problem);
    PageRangeList added;
    for (const PageRange &range : typed) {
        if (!split->ranges()->ranges().contains(range) && !added.contains(range))
            added.append(range);
    }
    if (problem.isEmpty() && added.isEmpty())
        problem = SplitMessages::rangeProblem(typed.first().from, typed.first().to, split->pageCount(), true);
    ModePage::showProblem(m_rangeProblem, problem);
    if (!problem.isEmpty())
        return;
    for (const PageRange &range : added)
        split->ranges()->addRange(range.from, range.to);
    m_from->clear();
    m_from->setFocus();
}

void SplitView::onFromReturn()
{
    if (m_to->text().trimmed().isEmpty() && !typedAsRanges(m_from->text()))
        m_to->setFocus();
    else
        onButtonAddRange();
}

void SplitView::onButtonAddRange()
{
    Split *split = job();
    if (!split || !split->isLoaded())
        return;
    const QString fromText = m_from->text().trimmed();
    const QString toText = m_to->text().trimmed();
    if (typedAsRanges(fromText)) {
        addTypedRanges(split);
        return;
    }
    if (fromText.isEmpty() || toText.isEmpty())
        return;
    bool fromIsNumber = false;
    bool toIsNumber = false;
    const int from = fromText.toInt(&fromIsNumber);
    const int to = toText.toInt(&toIsNumber);
    const int pageCount = split->pageCount();
    if (!fromIsNumber || !toIsNumber || pageCount < 1)
        return;
    const QString problem = SplitMessages::rangeProblem(from, to, pageCount,
                                                        split->ranges()->ranges().contains({from, to}));
    ModePage::showProblem(m_rangeProblem, problem);
    if (!problem.isEmpty())
        return;
    split->ranges()->addRange(from, to);
    m_from->setFocus();
}

void SplitView::showList(RangeListView *list, Button *clear, QWidget *help, bool hasEntries)
{
    list->setVisible(hasEntries);
    clear->setVisible(hasEntries);
    help->setVisible(!hasEntries);
}

void SplitView::onChangeCertainPages()
{
    onChangeRidList();
    m_ridPage->clear();
}

void SplitView::onChangeRidList()
{
    const Split *split = job();
    showList(m_ridList, m_clearRid, m_ridHelp, split && !split->ridPages()->isEmpty());
    updateSplitButtonState();
}

void SplitView::onChangedPageRangeList()
{
    const Split *split = job();
    showList(m_rangeList, m_clearRanges, m_rangeHelp, split && !split->ranges()->isEmpty());
    m_from->clear();
    m_to->clear();
    updateSplitButtonState();
}

// Loading another document resets the output properties; a user who had
// set some is told, until the properties are saved again.
void SplitView::updateResetNote()
{
    const Split *split = job();
    m_resetNote->setVisible(split && split->settings()->userValuesWereReset());
}

QString SplitView::groupsProblem() const
{
    // Before a document is read, any start from page 1 on may do.
    const Split *split = job();
    const int pageCount = split && split->isLoaded() ? split->pageCount() : std::numeric_limits<int>::max();
    return SplitMessages::groupProblem(numberOf(m_groupSize), numberOf(m_startPage), pageCount);
}

QString SplitView::splitBlocker() const
{
    const Split *split = job();
    if (!split || !split->isFileSet())
        return tr("Add a document to split first.");
    if (!split->isLoaded())
        return tr("The document is not read yet, or cannot be read.");
    // A document of fewer than two pages has nothing to split.
    if (split->pageCount() < 2)
        return tr("A document of one page has nothing to split.");
    switch (m_modes->checkedId()) {
    case Split::GroupsOfPages:
        return groupsProblem();
    case Split::RemovePages:
        return split->ridPages()->isEmpty() ? tr("Add the pages to remove first.") : QString();
    case Split::ByRanges:
        return split->ranges()->isEmpty() ? tr("Add a page range first.") : QString();
    case Split::ByBookmarks:
        return m_bookmarkPage->isReady() ? QString() : tr("Choose a bookmark level that leads to pages.");
    case Split::ByFileSize:
        return m_sizePage->isReady() ? QString() : tr("Enter a file size above 0.");
    case Split::ByMarks:
        return m_marksPage->isReady() ? QString() : tr("Mark the pages to split at in the page window first.");
    default:
        return QString();
    }
}

void SplitView::updateSplitButtonState()
{
    // The group fields say what is wrong with them beside themselves.
    ModePage::showProblem(m_groupsProblem, m_modes->checkedId() == Split::GroupsOfPages
                                               ? groupsProblem() : QString());
    const QString blocker = splitBlocker();
    m_split->setEnabled(blocker.isEmpty());
    // A disabled button says why, to the mouse and to screen readers.
    m_split->setToolTip(blocker);
    m_split->setAccessibleDescription(blocker);
    restyle(m_split);
}

void SplitView::showMarkedSplit()
{
    m_modeButtons.at(Split::ByMarks)->setChecked(true);
    splitModeChanged(Split::ByMarks);
}

void SplitView::onPreview()
{
    const Split *split = job();
    if (split && split->isLoaded())
        emit preview(split->fileName(), split->password());
}

// --------------------------------------------------------------- the run

void SplitView::split()
{
    Split *split = job();
    if (!split)
        return;
    split->setOutDirectory(outputFolder(m_saveFolder->currentIndex(), split->fileName(),
                                        m_saveFolder->chosenFolder()));
    split->setMode(m_modes->checkedId());
    split->setStartPage(numberOf(m_startPage));
    split->setGroupSize(numberOf(m_groupSize));
    split->run();
}

void SplitView::onStarted()
{
    m_stopPressed = false;
    m_progress->reset();
    m_progress->message(QString());
    m_bottom->setCurrentIndex(ProgressIndex);
    m_preview->setEnabled(false);
    m_splitArea->setEnabled(false);
}

void SplitView::onProgressChanged(double percentage)
{
    m_progress->setValue(int(percentage));
    // The worker tells its share done; beside it the user reads pages, of
    // the document as the split goes through it in order.
    const Split *split = job();
    const int total = split ? split->pageCount() : -1;
    if (total <= 0)
        return;
    const int done = qBound(0, qRound(percentage * total / 100.0), total);
    const QLocale locale;
    m_progress->message(tr("Page %1 of %2").arg(locale.toString(done), locale.toString(total)));
}

void SplitView::onStop()
{
    m_stopPressed = true;
    if (Split *split = job())
        split->cancel();
}

void SplitView::onComplete()
{
    m_preview->setEnabled(true);
    m_splitArea->setEnabled(true);
    m_bottom->setCurrentIndex(ButtonsIndex);
}

void SplitView::onFinished(const QStringList &splitedFiles)
{
    MessageSplit result(splitedFiles.size(), this);
    if (const Split *split = job()) {
        result.setOversizedCount(split->oversizedFiles().size());
        result.setRenamedCount(split->renamedCount());
        if (split->failedCount() > 0)
            result.setNote(SplitMessages::missingText(split->failedCount(), split->failureCause()));
        result.setSizes(OutcomeText::sizeSummary(split->outputSizes()));
    }
    result.exec();
    if (!splitedFiles.isEmpty())
        emit lastFileProduced(splitedFiles.last());
    switch (result.result()) {
    case MessageSplit::Open:
        if (!splitedFiles.isEmpty())
            FileManager::openFolderAndSelect(splitedFiles.last(), this);
        break;
    case MessageSplit::MergeResults:
        emit onMergeSplittedFiles(splitedFiles);
        break;
    default:
        break;
    }
}

QString SplitView::failureText(int errorCode)
{
    return SplitMessages::failureText(errorCode);
}

// Only a split the user stopped was canceled; anything else says what failed.
void SplitView::onFailed(int errorCode)
{
    const Split *split = job();
    const bool canceled = m_stopPressed || errorCode == JobError::Canceled;
    m_stopPressed = false;
    if (canceled) {
        showMessage(tr("Split canceled"), SplitMessages::canceledText(split ? split->removedCount() : 0), this);
        return;
    }
    const QString text = split ? SplitMessages::failureText(errorCode, split->failureCause(), split->fileName(),
                                                            split->outDirectory(), split->failureDetail())
                               : SplitMessages::failureText(errorCode);
    showMessage(tr("Split failed"), text, this);
}

void SplitView::onContentCopyDisabled()
{
    showMessage(tr("Split failed"), tr("Error: this file has read permission only!"), this);
}

void SplitView::onDocumentUnusable(const QString &path, int problem, int engineCode, const QString &engineDetail)
{
    showMessage(tr("Cannot split this document"), SplitMessages::unusableText(path, problem, engineCode, engineDetail), this);
}
