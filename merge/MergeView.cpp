#include "merge/MergeView.h"

#include "dialogs/FileManager.h"
#include "dialogs/MessageMerge.h"
#include "jobs/OutcomeText.h"
#include "dialogs/MessageQuestion.h"
#include "dialogs/MessageView.h"
#include "dialogs/PasswordPrompt.h"
#include "common/FileUtils.h"
#include "common/Logger.h"
#include "common/UserPreferences.h"
#include "jobs/AdvancedSettings.h"
#include "jobs/Merge.h"
#include "jobs/ProgressControl.h"
#include "jobs/ProgressDialog.h"
#include "merge/MergeMessages.h"
#include "jobs/MergeModel.h"
#include "merge/MergeTableView.h"
#include "pdf/InformationReader.h"
#include "pdf/InformationWorkerList.h"
#include "preview/DropArea.h"
#include "widgets/Button.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {

// Words of characters a file name may hold, separated by runs of spaces.
const QString fileNamePattern = QStringLiteral("^[^ \\/:*?<>|]+([ ]+[^ \\/:*?<>|]+)*$");

// The answers of the questions this page asks.
enum Answer { Cancel = 0, RemoveRows = 1, MergeWithout = 2, ClearList = 3 };

enum StackPage { OutputPage = 0, ProgressPage = 1 };

void logInfo(const QString &line)
{
    Logger::instance().log(line, LogInfo);
}

} // namespace

MergeView::MergeView(Merge *job, QWidget *parent)
    : QFrame(parent)
    , m_merge(job)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createTableBox());
    // A job choice that changes the page order stays in sight while it is on.
    m_orderNote = new QLabel(this);
    m_orderNote->setObjectName(QStringLiteral("mergeOrderNote"));
    m_orderNote->setFixedHeight(20);
    QSizePolicy keepPlace = m_orderNote->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_orderNote->setSizePolicy(keepPlace);
    layout->addWidget(m_orderNote);
    m_stack = new QStackedLayout;
    m_stack->addWidget(createOutputPage());
    m_progress = new ProgressControl(this);
    // A merge reports no progress and cannot pause; it can only be stopped.
    m_progress->setPauseVisible(false);
    m_stack->addWidget(m_progress);
    layout->addLayout(m_stack);
    layout->addStretch();

    connectSignals();
    retranslate();
    loadOutputFolder();
    proposeName();
    updateTotalPages();
    updateMergeButtonState();
    updateOrderNote();
}

Button *MergeView::createIconButton(const QString &objectName, QWidget *parent)
{
    auto *button = new Button(parent);
    button->setObjectName(objectName);
    button->setFixedSize(30, 30);
    button->setCursor(Qt::PointingHandCursor);
    // Reached by Tab after the table; a click leaves the focus in the table.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QWidget *MergeView::createTableBox()
{
    m_tableBox = new QFrame(this);
    m_tableBox->setObjectName(QStringLiteral("tableBox"));
    m_tableBox->setFixedHeight(209);
    auto *row = new QHBoxLayout(m_tableBox);
    row->setContentsMargins(0, 0, 0, 0);

    m_table = new MergeTableView(m_tableBox);
    m_table->setFixedWidth(631);
    if (model())
        m_table->setMergeModel(model());
    row->addWidget(m_table);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(10);
    buttons->setContentsMargins(0, 0, 5, 10);
    buttons->addSpacing(35);
    m_add = createIconButton(QStringLiteral("buttonTableAdd"), m_tableBox);
    m_moveUp = createIconButton(QStringLiteral("buttonMoveUp"), m_tableBox);
    m_moveDown = createIconButton(QStringLiteral("buttonMoveDown"), m_tableBox);
    m_clearAll = createIconButton(QStringLiteral("buttonClearAll"), m_tableBox);
    m_moveUp->setEnabled(false);
    m_moveDown->setEnabled(false);
    buttons->addWidget(m_add);
    buttons->addWidget(m_moveUp);
    buttons->addWidget(m_moveDown);
    buttons->addStretch();
    buttons->addWidget(m_clearAll);
    row->addLayout(buttons);
    return m_tableBox;
}

QWidget *MergeView::createOutputPage()
{
    auto *page = new QWidget(this);
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(15);
    grid->setHorizontalSpacing(0);
    grid->setColumnMinimumWidth(2, 10);
    grid->setColumnStretch(1, 1);

    m_folderLabel = new QLabel(page);
    m_folderLabel->setObjectName(QStringLiteral("inputLabel"));
    m_folderLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_folderLabel, 0, 0);
    auto *folderBox = new QFrame(page);
    folderBox->setFixedHeight(36);
    auto *folderRow = new QHBoxLayout(folderBox);
    folderRow->setContentsMargins(0, 0, 0, 0);
    folderRow->setSpacing(0);
    m_folderEdit = new QLineEdit(folderBox);
    m_folderEdit->setObjectName(QStringLiteral("cleanEdit"));
    m_folderEdit->setReadOnly(true);
    folderRow->addWidget(m_folderEdit, 1);
    m_openFolder = new Button(folderBox);
    m_openFolder->setObjectName(QStringLiteral("buttonOpenFolder"));
    m_openFolder->setCursor(Qt::PointingHandCursor);
    folderRow->addWidget(m_openFolder);
    grid->addWidget(folderBox, 0, 1);
    m_totalPages = new QLabel(page);
    m_totalPages->setObjectName(QStringLiteral("labelTotalPages"));
    m_totalPages->setAlignment(Qt::AlignCenter);
    m_totalPages->setMinimumWidth(164);
    m_totalPages->setFixedHeight(36);
    grid->addWidget(m_totalPages, 0, 3);

    m_nameLabel = new QLabel(page);
    m_nameLabel->setObjectName(QStringLiteral("inputLabel"));
    m_nameLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(m_nameLabel, 1, 0);
    auto *nameCell = new QHBoxLayout;
    nameCell->setSpacing(8);
    auto *nameBox = new QFrame(page);
    auto *nameRow = new QHBoxLayout(nameBox);
    nameRow->setContentsMargins(0, 0, 0, 0);
    nameRow->setSpacing(0);
    m_nameEdit = new QLineEdit(nameBox);
    m_nameEdit->setObjectName(QStringLiteral("cleanEdit"));
    m_nameEdit->setValidator(new QRegularExpressionValidator(QRegularExpression(fileNamePattern),
                                                             m_nameEdit));
    nameRow->addWidget(m_nameEdit, 1);
    m_extension = new QLabel(QStringLiteral(".pdf"), nameBox);
    m_extension->setObjectName(QStringLiteral("labelHigh"));
    nameRow->addWidget(m_extension);
    nameCell->addWidget(nameBox, 1);
    m_advancedSettings = new Button(page);
    m_advancedSettings->setObjectName(QStringLiteral("buttonAdvancedSettings"));
    m_advancedSettings->setMaximumWidth(100);
    m_advancedSettings->setCursor(Qt::PointingHandCursor);
    nameCell->addWidget(m_advancedSettings);
    grid->addLayout(nameCell, 1, 1);
    m_mergeButton = new Button(page);
    m_mergeButton->setProperty("mainButton", true);   // where the focus returns after a message
    m_mergeButton->setObjectName(QStringLiteral("buttonMerge"));
    m_mergeButton->setMinimumWidth(164);
    m_mergeButton->setFixedHeight(42);
    m_mergeButton->setCursor(Qt::PointingHandCursor);
    grid->addWidget(m_mergeButton, 1, 3);

    // Under the name field: why the name cannot be used.
    m_nameProblem = new QLabel(page);
    m_nameProblem->setObjectName(QStringLiteral("fieldProblem"));
    m_nameProblem->setStyleSheet(QStringLiteral("color: #C62828;"));
    m_nameProblem->hide();
    grid->addWidget(m_nameProblem, 2, 1);

    m_folderLabel->setBuddy(m_folderEdit);
    m_nameLabel->setBuddy(m_nameEdit);
    return page;
}

MergeModel *MergeView::model() const
{
    return m_merge ? m_merge->model() : nullptr;
}

void MergeView::connectSignals()
{
    connect(m_add, &QPushButton::clicked, this, &MergeView::onButtonAdd);
    connect(m_moveUp, &QPushButton::clicked, m_table, &MergeTableView::selectionRowMoveUp);
    connect(m_moveDown, &QPushButton::clicked, m_table, &MergeTableView::selectionRowMoveDown);
    connect(m_openFolder, &QPushButton::clicked, this, &MergeView::onButtonSelectFolder);
    connect(m_mergeButton, &QPushButton::clicked, this, &MergeView::onButtonMerge);
    connect(m_table, &QAbstractItemView::clicked, this, &MergeView::onMergeTableClicked);
    connect(m_table, &MergeTableView::cellActivated, this, &MergeView::onMergeTableClicked);
    connect(m_clearAll, &QPushButton::clicked, this, &MergeView::onButtonClearAll);
    if (m_table->selectionModel())
        connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                &MergeView::rowSelectionChanged);
    if (!m_merge)
        return;
    MergeModel *list = model();
    connect(list, &MergeModel::changed, this, &MergeView::updateTotalPages);
    connect(list, &MergeModel::changed, this, &MergeView::updateMoveButtons);
    connect(list, &MergeModel::changed, this, &MergeView::updateMergeButtonState);
    connect(m_nameEdit, &QLineEdit::textChanged, this, &MergeView::updateMergeButtonState);
    // Resets (sorting) and removals also change what the buttons can do.
    connect(list, &QAbstractItemModel::modelReset, this, &MergeView::updateMoveButtons);
    connect(list, &QAbstractItemModel::rowsRemoved, this, &MergeView::updateMergeButtonState);
    connect(m_advancedSettings, &QPushButton::clicked, m_merge, &Merge::editSettings);
    connect(list, &MergeModel::addFiles, this, &MergeView::onAddFiles);
    // The job's signals may come from another thread: widgets change queued.
    connect(m_merge, &Merge::started, this, &MergeView::onMergeStarted, Qt::QueuedConnection);
    connect(m_merge, &Merge::complete, this, &MergeView::onMergeComplete, Qt::QueuedConnection);
    connect(m_merge, &Merge::finished, this, &MergeView::onMergeFinished);
    connect(m_progress, &ProgressControl::canceled, m_merge, &Merge::cancel);
}

void MergeView::retranslate()
{
    m_folderLabel->setText(tr("Save to folder:"));
    m_nameLabel->setText(tr("Filename:"));
    m_mergeButton->setText(tr("MERGE"));
    m_advancedSettings->setText(tr("Advanced Settings"));
    m_add->setAccessibleName(tr("Add files"));
    m_moveUp->setAccessibleName(tr("Move up"));
    m_moveDown->setAccessibleName(tr("Move down"));
    m_clearAll->setAccessibleName(tr("Clear all"));
    m_openFolder->setAccessibleName(tr("Choose folder"));
    const auto keys = [](const QKeySequence &sequence) {
        return sequence.toString(QKeySequence::NativeText);
    };
    m_add->setToolTip(tr("Add files (%1)").arg(keys(QKeySequence::Open)));
    m_moveUp->setToolTip(tr("Move up (%1)").arg(keys(QKeySequence(Qt::ALT | Qt::Key_Up))));
    m_moveDown->setToolTip(tr("Move down (%1)").arg(keys(QKeySequence(Qt::ALT | Qt::Key_Down))));
    m_clearAll->setToolTip(m_clearAll->accessibleName());
    m_openFolder->setToolTip(m_openFolder->accessibleName());
    // The labels sit in another frame than their fields: the names carry them.
    m_folderEdit->setAccessibleName(m_folderLabel->text());
    m_nameEdit->setAccessibleName(m_nameLabel->text());
    m_nameEdit->setAccessibleDescription(tr("The merged file gets this name with .pdf"));
    m_orderNote->setText(tr("Pages alternate between documents"));
    updateTotalPages();
    updateMergeButtonState();
}

void MergeView::updateOrderNote()
{
    const bool alternate = m_merge && m_merge->settings() && m_merge->settings()->alternatePages();
    m_orderNote->setVisible(alternate);
}

void MergeView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        if (m_nameEdit->text() == m_proposedName)
            proposeName();
    }
    QFrame::changeEvent(event);
}

void MergeView::setFileChooser(const FileChooser &chooser)
{
    m_chooseFiles = chooser;
    m_table->dropArea()->setFileChooser(chooser);
}

QString MergeView::defaultMergeName()
{
    //: The proposed name of a merged file; %1 is the date and time. No spaces or / : * ? < > |.
    return tr("Merged-%1")
        .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss")));
}

// A proposed name the user has not touched follows the language; a name of
// the user's own stays.
void MergeView::proposeName()
{
    m_proposedName = defaultMergeName();
    m_nameEdit->setText(m_proposedName);
}

void MergeView::loadOutputFolder()
{
    QString folder = UserPreferences().mergeSaveFolder();
    if (!QFileInfo(folder).isDir())
        folder = UserPreferences::desktopFolder();
    showOutputFolder(folder);
}

void MergeView::setOutputFolder(const QString &folder)
{
    m_outputFolder = folder;
    UserPreferences().setMergeSaveFolder(folder);
    showOutputFolder(folder);
}

// A long path shows only in part in its field; the tooltip tells it whole.
void MergeView::showOutputFolder(const QString &folder)
{
    m_outputFolder = folder;
    m_folderEdit->setText(QDir::toNativeSeparators(folder));
    updateMergeButtonState();
    m_folderEdit->setToolTip(m_folderEdit->text());
}

void MergeView::updateTotalPages()
{
    const int total = model() ? model()->totalPages() : 0;
    m_totalPages->setText(tr("%n pages total", nullptr, total));
}

void MergeView::updateMoveButtons()
{
    const bool selected = m_table->selectionModel() && m_table->selectionModel()->hasSelection();
    m_moveUp->setEnabled(selected);
    m_moveDown->setEnabled(selected);
}

void MergeView::rowSelectionChanged(const QItemSelection &, const QItemSelection &)
{
    updateMoveButtons();
}

QString MergeView::nameProblem() const
{
    return m_nameEdit->text().trimmed().isEmpty() ? tr("Enter a name for the merged file.") : QString();
}

QString MergeView::mergeBlocker() const
{
    if (!m_merge || m_merge->isRunning())
        return tr("A merge is running.");
    if (const QString problem = nameProblem(); !problem.isEmpty())
        return problem;
    const QString folder = m_outputFolder.trimmed();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return tr("Choose a folder to save to.");
    if (!m_merge->canMerge())
        return tr("Add at least two documents to merge.");
    if (model()->isReading())
        return tr("Wait until every document in the list is read.");
    return QString();
}

void MergeView::updateMergeButtonState()
{
    const QString problem = nameProblem();
    m_nameProblem->setText(problem);
    m_nameProblem->setVisible(!problem.isEmpty());
    const QString blocker = mergeBlocker();
    m_mergeButton->setEnabled(blocker.isEmpty());
    // A disabled button says why, to the mouse and to screen readers.
    m_mergeButton->setToolTip(blocker);
    m_mergeButton->setAccessibleDescription(blocker);
}

void MergeView::onButtonAdd()
{
    const QString start = UserPreferences().lastSelectFolder();
    const QStringList files =
        m_chooseFiles(this, tr("Select one or more files to open"), start, tr("Files (*.pdf)"), true);
    if (files.isEmpty() || !model())
        return;
    UserPreferences().setLastSelectFolder(QFileInfo(files.first()).absolutePath());
    model()->requestAddFiles(files);
}

// The rows take their places at once, in the order given, and are filled in
// when their documents are read: a batch whose read takes long cannot fall
// behind one handed over after it.
void MergeView::onAddFiles(const QStringList &urls)
{
    logInfo(QStringLiteral("Add files for merge"));
    logInfo(QStringLiteral("Files:%1").arg(urls.join(QLatin1Char(','))));
    if (!m_merge)
        return;
    const MergeItemList rows = model()->appendReading(urls);
    if (rows.isEmpty())
        return;
    QStringList ids;
    for (const MergeModelItem &row : rows)
        ids << row.id;

    auto *dialog = new ProgressDialog(this);
    dialog->setModal(true);
    auto *service = new InformationWorkerList(rows);
    connect(service, &QThread::finished, service, &QObject::deleteLater);
    dialog->reset();
    dialog->setMessage(tr("Merging files.."));
    connect(service, &InformationWorkerList::stateChanged, dialog,
            &ProgressDialog::workerStateChanged);
    connect(service, &InformationWorkerList::progressChanged, dialog,
            &ProgressDialog::setProgressChanged);
    connect(service, &InformationWorkerList::progressMessage, dialog, &ProgressDialog::setMessage);
    connect(dialog, &ProgressDialog::canceled, service, &InformationWorkerList::cancel);
    connect(service, &InformationWorkerList::complete, this, &MergeView::onAddFinished);
    // A canceled load takes back the rows it was reading.
    connect(service, &InformationWorkerList::complete, this, [this, ids](bool success) {
        if (!success && model())
            model()->removeIds(ids);
    });
    // One dialog per load: it goes with the load's end.
    connect(service, &InformationWorkerList::complete, dialog, &QObject::deleteLater);
    service->start();
}

void MergeView::onAddFinished(bool success, const MergeItemList &items)
{
    if (!success || !model())
        return;
    logInfo(QStringLiteral("Add finished. Count:%1").arg(items.size()));
    model()->takeRead(items);
}

void MergeView::onButtonSelectFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("Select destination folder"), m_outputFolder,
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (!folder.isEmpty())
        setOutputFolder(folder);
}

void MergeView::onButtonMerge()
{
    if (!m_merge)
        return;
    const QString folder = m_outputFolder.trimmed();
    QString name = m_nameEdit->text().trimmed();
    if (folder.isEmpty() || !QFileInfo(folder).isDir() || name.isEmpty() || model()->isReading())
        return;
    if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        name += QStringLiteral(".pdf");
    if (!settleUnmergeableRows() || !m_merge->canMerge())
        return;
    m_requestedName = name;
    m_merge->setSaveFileName(uniqueFileName(folder, name));
    m_merge->run();
}

bool MergeView::settleUnmergeableRows()
{
    const MergeItemList rows = model()->unmergeableRows();
    if (rows.isEmpty())
        return true;
    MessageQuestion question(tr("Documents cannot be merged"), MergeMessages::unmergeableQuestion(rows),
                             Cancel, this);
    question.setClosing(MergeMessages::unmergeableClosing());
    question.addAnswer(tr("REMOVE THEM"), RemoveRows);
    question.addAnswer(tr("MERGE WITHOUT THEM"), MergeWithout, true);
    question.addAnswer(tr("CANCEL"), Cancel);
    const int answer = question.exec();
    if (answer == RemoveRows) {
        QStringList ids;
        for (const MergeModelItem &row : rows)
            ids << row.id;
        model()->removeIds(ids);
    }
    return answer != Cancel;
}

void MergeView::onMergeStarted()
{
    m_progress->setMinimum(0);
    m_progress->setMaximum(0);
    m_progress->setValue(0);
    m_progress->message(tr("Merging files.."));
    m_tableBox->setEnabled(false);
    m_stack->setCurrentIndex(ProgressPage);
}

void MergeView::onMergeComplete()
{
    m_tableBox->setEnabled(true);
    m_stack->setCurrentIndex(OutputPage);
    updateMergeButtonState();
}

// A failed merge keeps the name the user typed, for another try.
void MergeView::onMergeFinished(int errorCode, const QString &mergedFileName,
                                const QString &errorFileName)
{
    if (errorCode != 0) {
        const QString text = m_merge->leftOut().size() == m_merge->documentCount() && !m_merge->leftOut().isEmpty()
            ? MergeMessages::nothingMergedText(m_merge->leftOut())
            : MergeMessages::failureText(errorCode, m_merge->errorCause(), errorFileName,
                                         m_merge->saveFileName(), m_merge->errorDetail());
        showMessage(tr("Merge failed"), text, this);
        return;
    }
    proposeName();
    showMergeResult(mergedFileName);
}

void MergeView::showMergeResult(const QString &mergedFileName)
{
    emit lastFileProduced(mergedFileName);
    MessageMerge done(this);
    if (!m_merge->leftOut().isEmpty())
        done.setSummary(MergeMessages::summary(m_merge->documentCount(), m_merge->leftOut()));
    const QString given = QFileInfo(mergedFileName).fileName();
    QStringList notes;
    if (!m_requestedName.isEmpty() && given != m_requestedName)
        notes << tr("It was saved as %1 because a file named %2 was already there.").arg(given, m_requestedName);
    if (!m_merge->damagedPages().isEmpty())
        notes << MergeMessages::damagedPagesText(m_merge->damagedPages());
    if (!notes.isEmpty())
        done.setNote(notes.join(QStringLiteral("\n\n")));
    done.setSizes(OutcomeText::sizeSummary(m_merge->outputSizes()));
    if (done.exec() == MessageMerge::OpenFolder)
        FileManager::openFolderAndSelect(mergedFileName, this);
}

void MergeView::onButtonClearAll()
{
    if (!model() || model()->isEmpty())
        return;
    MessageQuestion question(tr("Clear the merge list"), MergeMessages::clearQuestion(model()->rowCount()),
                             Cancel, this);
    question.addAnswer(tr("CLEAR LIST"), ClearList);
    question.addAnswer(tr("CANCEL"), Cancel, true);
    if (question.exec() == ClearList) {
        model()->clear();
        // A new list starts a new merge: no choice of the last one is carried over.
        if (m_merge && m_merge->settings())
            m_merge->settings()->reset();
        updateOrderNote();
    }
}

void MergeView::onMergeTableClicked(const QModelIndex &index)
{
    if (!model() || index.data(MergeModel::PastEndRole).toBool())
        return;
    switch (index.column()) {
    case MergeModel::PreviewColumn:
        previewRow(index.row());
        break;
    case MergeModel::RemoveColumn:
        model()->removeAt(index.row());
        break;
    case MergeModel::PagesColumn:
        if (enterPassword(index.row()))
            editRanges(index.row());
        break;
    case MergeModel::PasswordColumn:
        enterPassword(index.row());
        break;
    default:
        break;
    }
}

void MergeView::previewRow(int row)
{
    logInfo(QStringLiteral("Preview"));
    const MergeModelItem item = model()->item(row);
    if (item.path.isEmpty() || item.needsPassword())
        return;
    emit preview(item.path, item.password);
}

void MergeView::editRanges(int row)
{
    const MergeModelItem item = model()->item(row);
    Logger::instance().log(QStringLiteral("MergeView::editRanges(%1) PAGE COUNT: %2")
                               .arg(row)
                               .arg(item.pageCount),
                           LogDebug);
    emit editPageRanges(item.id, item.pageRanges, item.pageCount);
}

bool MergeView::enterPassword(int row)
{
    MergeModelItem item = model()->item(row);
    if (item.path.isEmpty() || !item.needsPassword())
        return true;

    const QString fileName = QFileInfo(item.path).fileName();
    const PasswordAnswer answer = PasswordPrompt::ask(fileName, PasswordPrompt::Skipping::NotOffered, this);
    if (answer.password.isEmpty())
        return false;

    const DocumentInformation info = InformationReader::readAnswering({item.path, answer.password}).info;
    item.hasPassword = info.hasPassword;
    item.path = info.path;
    item.pageCount = info.pageCount;
    item.password = info.password;
    model()->setItem(row, item);
    if (item.needsPassword()) {
        PasswordPrompt::tellIncorrect(fileName, this);
        return false;
    }
    return true;
}
