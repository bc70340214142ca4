#ifndef CLEAVEMARK_DIALOGS_FILEMANAGER_H
#define CLEAVEMARK_DIALOGS_FILEMANAGER_H

#include <QString>

class QWidget;

// Showing files to the user in the desktop's file manager.
namespace FileManager {

// Asks the file manager to show the file's folder with the file selected
// (org.freedesktop.FileManager1 over D-Bus). False when none answered.
bool showFile(const QString &filePath);

// Shows a file selected in its folder, or opens a folder; does nothing for
// a path that does not exist. When no file manager answers, tells the user
// over parent where the folder is (MessagePath).
void openFolderAndSelect(const QString &path, QWidget *parent = nullptr);

} // namespace FileManager

#endif
