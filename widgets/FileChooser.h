#ifndef CLEAVEMARK_WIDGETS_FILECHOOSER_H
#define CLEAVEMARK_WIDGETS_FILECHOOSER_H

#include <QStringList>

#include <functional>

class QWidget;

// Asks the user for PDF files to open: (parent, title, start folder,
// filter, several files allowed) -> the chosen files, empty when cancelled.
// The pages that add documents take one, so that the dialog can be replaced.
using FileChooser =
    std::function<QStringList(QWidget *, const QString &, const QString &, const QString &, bool)>;

// The standard open-file dialog.
QStringList chooseFilesWithDialog(QWidget *parent, const QString &title, const QString &start,
                                  const QString &filter, bool multiple);

#endif
