#include "preview/BaseFrame.h"

#include "common/FileUtils.h"

#include <QDragEnterEvent>
#include <QDropEvent>

BaseFrame::BaseFrame(QWidget *parent)
    : QFrame(parent)
{
    setAcceptDrops(true);
}

void BaseFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (!pdfFilesFromMimeData(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void BaseFrame::dragMoveEvent(QDragMoveEvent *event)
{
    event->acceptProposedAction();
}

void BaseFrame::dragLeaveEvent(QDragLeaveEvent *event)
{
    event->accept();
}

void BaseFrame::dropEvent(QDropEvent *event)
{
    const QStringList files = pdfFilesFromMimeData(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    emit droppedFiles(files);
}
