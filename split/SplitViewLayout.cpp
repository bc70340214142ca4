#include "split/SplitView.h"

#include "jobs/ProgressControl.h"
#include "jobs/Split.h"
#include "widgets/RangeListView.h"
#include "preview/PreviewWidget.h"
#include "split/BookmarkModePage.h"
#include "split/ModePage.h"
#include "split/SizeModePage.h"
#include "widgets/Button.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedLayout>
#include <QVBoxLayout>

// How the split page is built: the document panel on top, the modes with
// their pages in the middle, the output folder and the Split button below.

namespace {

const int previewHeight = 123;
const int saveFolderHeight = 39;
const int splitButtonHeight = 42;
const int modeCount = 6;

// Below a mode page's fields: the list of what was entered with its Clear
// button beside it, then the mode's help.
void addEntryList(ModePage *page, RangeListView *&list, Button *&clear, QWidget *&help, QLabel *&helpText)
{
    QVBoxLayout *layout = page->pageLayout();
    auto *listRow = new QHBoxLayout;
    list = new RangeListView(page);
    clear = new Button(page);
    clear->setObjectName(QStringLiteral("buttonClear"));
    listRow->addWidget(list, 1);
    listRow->addWidget(clear, 0, Qt::AlignTop);
    layout->addLayout(listRow, 1);
    help = ModePage::createHelp(helpText, page);
    layout->addWidget(help);
    layout->addStretch();
}

} // namespace

void SplitView::buildLayout()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_preview = new PreviewWidget(m_job, this);
    m_preview->setFixedHeight(previewHeight);
    layout->addWidget(m_preview);
    layout->addSpacing(10);
    // Each part keeps its height whatever a mode shows, so that the bottom
    // bar never moves; room the page is given beyond that stays below it.
    layout->addWidget(createSplitArea());
    m_splitArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addSpacing(10);
    QWidget *bottom = createBottomBar();
    bottom->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(bottom);
    m_resetNote = new QLabel(this);
    m_resetNote->setObjectName(QStringLiteral("resetNote"));
    m_resetNote->hide();
    layout->addSpacing(6);
    layout->addWidget(m_resetNote);
    layout->addStretch(1);
}

QWidget *SplitView::createSplitArea()
{
    auto *border = new QFrame(this);
    border->setObjectName(QStringLiteral("splitAreaBorder"));
    m_splitArea = border;
    auto *layout = new QHBoxLayout(border);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Six modes share the height of the fixed-size window with the mode
    // pages and, after a reset, the note below: the buttons sit close, each
    // as high as its text and focus frame need.
    auto *modeColumn = new QVBoxLayout;
    modeColumn->setContentsMargins(14, 4, 14, 4);
    modeColumn->setSpacing(1);
    m_modes = new QButtonGroup(this);
    m_modes->setExclusive(true);
    for (int mode = 0; mode < modeCount; ++mode) {
        auto *button = new QRadioButton(border);
        button->setObjectName(QStringLiteral("splitModeButton"));
        m_modes->addButton(button, mode);
        m_modeButtons.append(button);
        modeColumn->addWidget(button);
    }
    modeColumn->addStretch();
    layout->addLayout(modeColumn);

    m_modePages = new QStackedLayout;
    m_modePages->addWidget(createSinglePagesPage());
    m_modePages->addWidget(createGroupsPage());
    m_modePages->addWidget(createRemovePagesPage());
    m_modePages->addWidget(createRangesPage());
    m_bookmarkPage = new BookmarkModePage(m_job, border);
    m_modePages->addWidget(m_bookmarkPage);
    m_sizePage = new SizeModePage(m_job, border);
    m_modePages->addWidget(m_sizePage);
    layout->addLayout(m_modePages, 1);
    return border;
}

QWidget *SplitView::createSinglePagesPage()
{
    auto *page = new ModePage(m_splitArea);
    QVBoxLayout *layout = page->pageLayout();
    layout->addWidget(ModePage::createHelp(m_singleHelp, page));
    layout->addStretch();
    return page;
}

QWidget *SplitView::createGroupsPage()
{
    auto *page = new ModePage(m_splitArea);
    QVBoxLayout *layout = page->pageLayout();
    auto *fields = new QHBoxLayout;
    m_groupSizeLabel = ModePage::createFieldLabel(page);
    m_groupSize = ModePage::createNumberField(page);
    m_groupSizeLabel->setBuddy(m_groupSize);
    m_startPageLabel = ModePage::createFieldLabel(page);
    m_startPage = ModePage::createNumberField(page);
    m_startPageLabel->setBuddy(m_startPage);
    fields->addWidget(m_groupSizeLabel);
    fields->addWidget(m_groupSize);
    fields->addSpacing(20);
    fields->addWidget(m_startPageLabel);
    fields->addWidget(m_startPage);
    fields->addStretch();
    layout->addLayout(fields);
    // Below the fields: the row beside them has no room for a sentence.
    m_groupsProblem = ModePage::createProblemLabel(page);
    layout->addWidget(m_groupsProblem);
    layout->addWidget(ModePage::createHelp(m_groupsHelp, page));
    layout->addStretch();
    return page;
}

QWidget *SplitView::createRemovePagesPage()
{
    auto *page = new ModePage(m_splitArea);
    QVBoxLayout *layout = page->pageLayout();
    auto *fields = new QHBoxLayout;
    m_ridPage = ModePage::createPagesField(page, ModePage::PagesFieldWidth::WithExample);
    m_addPage = new Button(page);
    m_addPage->setObjectName(QStringLiteral("buttonAddPage"));
    m_ridProblem = ModePage::createProblemLabel(page);
    fields->addWidget(m_ridPage);
    fields->addWidget(m_addPage);
    fields->addSpacing(12);
    fields->addWidget(m_ridProblem, 1);
    fields->addStretch();
    layout->addLayout(fields);

    addEntryList(page, m_ridList, m_clearRid, m_ridHelp, m_ridHelpText);
    return page;
}

QWidget *SplitView::createRangesPage()
{
    auto *page = new ModePage(m_splitArea);
    QVBoxLayout *layout = page->pageLayout();
    auto *fields = new QHBoxLayout;
    m_fromLabel = ModePage::createFieldLabel(page);
    m_from = ModePage::createPagesField(page, ModePage::PagesFieldWidth::InRow);
    m_fromLabel->setBuddy(m_from);
    m_toLabel = ModePage::createFieldLabel(page);
    m_to = ModePage::createNumberField(page);
    m_toLabel->setBuddy(m_to);
    m_addRange = new Button(page);
    m_addRange->setObjectName(QStringLiteral("buttonAddNormal"));
    fields->addWidget(m_fromLabel);
    fields->addWidget(m_from);
    fields->addSpacing(12);
    fields->addWidget(m_toLabel);
    fields->addWidget(m_to);
    fields->addSpacing(12);
    fields->addWidget(m_addRange);
    fields->addSpacing(12);
    m_rangeProblem = ModePage::createProblemLabel(page);
    fields->addWidget(m_rangeProblem, 1);
    fields->addStretch();
    layout->addLayout(fields);

    addEntryList(page, m_rangeList, m_clearRanges, m_rangeHelp, m_rangeHelpText);
    return page;
}

QWidget *SplitView::createBottomBar()
{
    auto *bar = new QWidget(this);
    m_bottom = new QStackedLayout(bar);

    auto *buttons = new QWidget(bar);
    auto *row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_saveTo = new QLabel(buttons);
    m_saveTo->setObjectName(QStringLiteral("saveToLabel"));
    row->addWidget(m_saveTo);
    row->addSpacing(3);
    m_saveFolder = new SaveFolderBox(buttons);
    m_saveFolder->setMinimumContentsLength(18);
    m_saveFolder->setFixedHeight(saveFolderHeight);
    m_saveTo->setBuddy(m_saveFolder);
    row->addWidget(m_saveFolder, 1);
    row->addSpacing(10);
    m_advancedSettings = new Button(buttons);
    m_advancedSettings->setObjectName(QStringLiteral("buttonAdvancedSettings"));
    m_advancedSettings->setFixedHeight(splitButtonHeight);
    row->addWidget(m_advancedSettings);
    row->addSpacing(20);
    m_split = new Button(buttons);
    m_split->setProperty("mainButton", true);   // where the focus returns after a message
    m_split->setObjectName(QStringLiteral("buttonSplit"));
    m_split->setFixedHeight(splitButtonHeight);
    row->addWidget(m_split);
    m_bottom->addWidget(buttons);

    m_progress = new ProgressControl(bar);
    m_progress->setPauseVisible(false);
    m_bottom->addWidget(m_progress);
    return bar;
}
