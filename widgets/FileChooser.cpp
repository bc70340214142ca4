#include "widgets/FileChooser.h"

#include <QFileDialog>

QStringList chooseFilesWithDialog(QWidget *parent, const QString &title, const QString &start,
                                  const QString &filter, bool multiple)
{
    if (multiple)
        return QFileDialog::getOpenFileNames(parent, title, start, filter);
    const QString file = QFileDialog::getOpenFileName(parent, title, start, filter);
    return file.isEmpty() ? QStringList() : QStringList{file};
}
