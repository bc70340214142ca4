#include "preview/PreviewWidget.h"

#include "dialogs/PasswordPrompt.h"
#include "jobs/Split.h"
#include "preview/BaseFrame.h"
#include "preview/Cover.h"
#include "preview/DropArea.h"
#include "widgets/Button.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <utility>

namespace {

const int titleWidth = 530;
const int buttonHeight = 34;
const int buttonMinimumWidth = 96;

} // namespace

PreviewWidget::PreviewWidget(Split *job, QWidget *parent)
    : QFrame(parent)
    , m_job(job)
{
    setObjectName(QStringLiteral("previewWidget"));
    setAcceptDrops(true);

    m_stack = new QStackedLayout(this);
    m_dropArea = new DropArea(this);
    m_stack->addWidget(m_dropArea);
    m_stack->addWidget(createInformationPanel());

    connect(m_dropArea, &DropArea::droppedFile, this, &PreviewWidget::onDroppedFile);
    connect(m_information, &BaseFrame::droppedFiles, this, &PreviewWidget::onDroppedFiles);
    connect(m_preview, &QPushButton::clicked, this, &PreviewWidget::previewDocument);
    connect(m_delete, &QPushButton::clicked, this, &PreviewWidget::onDelete);
    connect(m_enterPassword, &QPushButton::clicked, this, &PreviewWidget::onEnterPassword);
    connectJob();
    retranslate();
}

QWidget *PreviewWidget::createInformationPanel()
{
    m_information = new BaseFrame(this);
    auto *layout = new QHBoxLayout(m_information);
    layout->setContentsMargins(10, 10, 10, 5);

    auto *coverColumn = new QVBoxLayout;
    m_cover = new Cover(m_information);
    coverColumn->addWidget(m_cover);
    coverColumn->addStretch();
    layout->addLayout(coverColumn);

    auto *column = new QVBoxLayout;
    column->setSpacing(2);
    m_title = new QLabel(m_information);
    m_title->setObjectName(QStringLiteral("previewTitle"));
    column->addWidget(m_title);
    m_fileName = new QLabel(m_information);
    column->addWidget(m_fileName);

    auto *passwordRow = new QHBoxLayout;
    m_passwordLabel = new QLabel(m_information);
    passwordRow->addWidget(m_passwordLabel);
    passwordRow->addSpacing(5);
    m_enterPassword = new Button(m_information);
    m_enterPassword->setObjectName(QStringLiteral("buttonURL"));
    m_enterPassword->setCursor(Qt::PointingHandCursor);
    passwordRow->addWidget(m_enterPassword);
    passwordRow->addStretch();
    column->addLayout(passwordRow);
    column->addStretch();

    auto *bottomRow = new QHBoxLayout;
    bottomRow->setContentsMargins(0, 5, 0, 0);
    m_pages = new QLabel(m_information);
    bottomRow->addWidget(m_pages, 0, Qt::AlignVCenter);
    bottomRow->addStretch();
    m_preview = new Button(m_information);
    m_preview->setObjectName(QStringLiteral("buttonPreview"));
    m_delete = new Button(m_information);
    m_delete->setObjectName(QStringLiteral("buttonDelete"));
    for (Button *button : {m_preview, m_delete}) {
        button->setFixedHeight(buttonHeight);
        button->setMinimumWidth(buttonMinimumWidth);
        bottomRow->addWidget(button, 0, Qt::AlignVCenter);
    }
    column->addLayout(bottomRow);
    layout->addLayout(column, 1);
    return m_information;
}

void PreviewWidget::connectJob()
{
    Split *split = job();
    if (!split)
        return;
    connect(split, &Split::loadFinished, this, &PreviewWidget::onLoaded);
    connect(split, &Split::clean, this, &PreviewWidget::onClean);
    // A document that takes long to read shows that something is under way.
    connect(split, &Split::loadStarted, this, [this] { setCursor(Qt::BusyCursor); });
    connect(split, &Split::loadFinished, this, &QWidget::unsetCursor);
    connect(split, &Split::clean, this, &QWidget::unsetCursor);
    connect(split, &Split::documentUnusable, this, &QWidget::unsetCursor);
}

int PreviewWidget::currentPage() const
{
    return m_stack->currentIndex();
}

void PreviewWidget::retranslate()
{
    m_preview->setText(tr("Preview"));
    m_delete->setText(tr("Delete"));
    m_enterPassword->setText(tr("enter password"));
    m_passwordLabel->setText(tr("Password protected:"));
    if (m_documentShown) {
        refresh();
    } else {
        m_title->setText(tr("Title"));
        m_fileName->setText(tr("File name:"));
    }
}

void PreviewWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void PreviewWidget::refresh()
{
    const Split *split = job();
    if (!split)
        return;
    m_documentShown = true;
    m_title->setText(m_title->fontMetrics().elidedText(split->displayName(), Qt::ElideRight, titleWidth));
    m_title->setToolTip(m_title->text() == split->displayName() ? QString() : split->displayName());
    // A deep folder must not widen the panel: the middle of the path gives way.
    m_fileName->setText(m_fileName->fontMetrics().elidedText(split->fileName(), Qt::ElideMiddle, titleWidth));
    m_fileName->setToolTip(split->fileName());
    const int count = split->pageCount();
    m_pages->setText(tr("Pages: %1").arg(count < 1 ? QStringLiteral("?") : QString::number(count)));
    if (split->isLoaded()) {
        m_cover->showFirstPage(split->renderClient(), split->fileName(), split->password(), split->firstPageSize());
        m_cover->setAccessibleName(tr("Page 1 of %1").arg(count < 1 ? QStringLiteral("?") : QString::number(count)));
    } else {
        m_cover->setLook(Cover::Locked);
        m_cover->setAccessibleName(tr("Locked document"));
    }
    m_passwordLabel->setVisible(!split->isLoaded());
    m_enterPassword->setVisible(!split->isLoaded());
}

void PreviewWidget::onDroppedFile(const QString &file)
{
    if (Split *split = job())
        split->setFile(file, QString());
}

void PreviewWidget::onDroppedFiles(const QStringList &files)
{
    if (!files.isEmpty())
        onDroppedFile(files.first());
}

// A file that could not be read as a PDF document leaves the page empty:
// there is no password that would open it.
void PreviewWidget::onLoaded()
{
    const Split *split = job();
    if (!split || !split->isFileSet()) {
        onClean();
        return;
    }
    refresh();
    m_stack->setCurrentIndex(InformationPage);
    tellWrongPassword();
}

void PreviewWidget::onClean()
{
    m_passwordTriedFor.clear();
    m_documentShown = false;
    m_stack->setCurrentIndex(DropPage);
    retranslate();
}

void PreviewWidget::onDelete()
{
    if (Split *split = job())
        split->resetState();
}

void PreviewWidget::onEnterPassword()
{
    Split *split = job();
    if (!split)
        return;
    const QString path = split->fileName();
    const QString name = QFileInfo(path).completeBaseName();
    const PasswordAnswer answer = PasswordPrompt::ask(name, PasswordPrompt::Skipping::NotOffered, this);
    if (answer.password.isEmpty())
        return;
    m_passwordTriedFor = path;
    split->setFile(path, answer.password);
}

void PreviewWidget::tellWrongPassword()
{
    const Split *split = job();
    const QString path = std::exchange(m_passwordTriedFor, QString());
    if (!split || path.isEmpty() || split->fileName() != path || split->isLoaded())
        return;
    const QString name = QFileInfo(path).completeBaseName();
    PasswordPrompt::tellIncorrect(name, this);
}
