#include "preview/DropArea.h"

#include "common/FileUtils.h"
#include "common/Logger.h"
#include "common/UserPreferences.h"
#include "widgets/Button.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QKeySequence>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QVBoxLayout>

namespace {

void logDrag(const char *step, const QMimeData *data)
{
    Logger::instance().log(QStringLiteral("DropArea::%1 %2")
                               .arg(QLatin1String(step), data ? data->text() : QString()),
                           LogDebug);
}

} // namespace

DropArea::DropArea(QWidget *parent)
    : QFrame(parent)
{
    setAcceptDrops(true);

    m_buttonAdd = new Button(this);
    m_buttonAdd->setObjectName(QStringLiteral("buttonAddPreview"));
    m_buttonAdd->setCursor(Qt::PointingHandCursor);
    m_bigLabel = new QLabel(this);
    m_bigLabel->setObjectName(QStringLiteral("bigLabel"));
    m_bigLabel->setAlignment(Qt::AlignCenter);
    m_smallLabel = new QLabel(this);
    m_smallLabel->setObjectName(QStringLiteral("smallLabel"));
    m_smallLabel->setAlignment(Qt::AlignCenter);

    auto *labels = new QVBoxLayout;
    labels->addStretch();
    labels->addWidget(m_bigLabel);
    labels->addWidget(m_smallLabel);
    labels->addStretch();

    auto *row = new QHBoxLayout(this);
    row->addStretch();
    row->addWidget(m_buttonAdd, 0, Qt::AlignVCenter);
    row->addLayout(labels);
    row->addStretch();

    connect(m_buttonAdd, &QPushButton::clicked, this, &DropArea::buttonAdd);
    retranslate();
}

void DropArea::retranslate()
{
    m_bigLabel->setText(tr("Add file"));
    m_smallLabel->setText(tr("or drag & drop"));
    m_buttonAdd->setAccessibleName(tr("Add file"));
    m_buttonAdd->setToolTip(tr("Add file (%1)").arg(QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText)));
}

void DropArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void DropArea::buttonAdd()
{
    chooseFiles();
}

void DropArea::chooseFiles()
{
    const QStringList files = m_chooseFiles(this, tr("Open file"), UserPreferences().lastSelectFolder(),
                                            tr("Files (*.pdf)"), m_multipleFiles);
    if (files.isEmpty())
        return;
    UserPreferences().setLastSelectFolder(QFileInfo(files.first()).absolutePath());
    handOn(files);
}

void DropArea::handOn(const QStringList &files)
{
    if (m_multipleFiles)
        emit droppedFiles(files);
    else
        emit droppedFile(files.first());
}

void DropArea::dragEnterEvent(QDragEnterEvent *event)
{
    logDrag("dragEnterEvent", event->mimeData());
    if (event->mimeData()->hasFormat(QStringLiteral("text/uri-list")))
        event->acceptProposedAction();
}

void DropArea::dragMoveEvent(QDragMoveEvent *event)
{
    logDrag("dragMoveEvent", event->mimeData());
    event->acceptProposedAction();
}

void DropArea::dragLeaveEvent(QDragLeaveEvent *event)
{
    logDrag("dragLeaveEvent", nullptr);
    event->accept();
}

void DropArea::dropEvent(QDropEvent *event)
{
    logDrag("dropEvent", event->mimeData());
    const QStringList files = pdfFilesFromMimeData(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    handOn(files);
}
