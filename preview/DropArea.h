#ifndef CLEAVEMARK_PREVIEW_DROPAREA_H
#define CLEAVEMARK_PREVIEW_DROPAREA_H

#include "widgets/FileChooser.h"

#include <QFrame>
#include <QStringList>

class Button;
class QLabel;

// The "Add file / or drag & drop" target: a button that opens a file dialog
// and a surface that takes PDF files dropped on it. In single mode it hands
// on one file (droppedFile), in multiple mode all of them (droppedFiles).
class DropArea : public QFrame
{
    Q_OBJECT

public:
    explicit DropArea(QWidget *parent = nullptr);

    bool isMultipleFiles() const { return m_multipleFiles; }
    void setMultipleFiles(bool multiple) { m_multipleFiles = multiple; }

    Button *addButton() const { return m_buttonAdd; }
    void setFileChooser(const FileChooser &chooser) { m_chooseFiles = chooser; }

public slots:
    // What the add button does: asks for files and hands them on.
    void chooseFiles();

signals:
    void droppedFile(const QString &file);
    void droppedFiles(const QStringList &fileList);

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void buttonAdd();

private:
    void retranslate();
    void handOn(const QStringList &files);

    bool m_multipleFiles = false;
    FileChooser m_chooseFiles = chooseFilesWithDialog;
    Button *m_buttonAdd = nullptr;
    QLabel *m_bigLabel = nullptr;
    QLabel *m_smallLabel = nullptr;
};

#endif
