#ifndef CLEAVEMARK_PREVIEW_BASEFRAME_H
#define CLEAVEMARK_PREVIEW_BASEFRAME_H

#include <QFrame>
#include <QStringList>

// A frame that takes PDF files dropped on it, so that a document already
// shown can be replaced by dropping another one.
class BaseFrame : public QFrame
{
    Q_OBJECT

public:
    explicit BaseFrame(QWidget *parent = nullptr);

signals:
    void droppedFiles(const QStringList &files);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

#endif
