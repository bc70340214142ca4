#ifndef CLEAVEMARK_DIALOGS_FILEMANAGER_H
#define CLEAVEMARK_DIALOGS_FILEMANAGER_H

#include <QString>

// Showing files to the user in the desktop's file manager.
namespace FileManager {

// Opens the folder with the desktop's default handler for folders.
bool openFolder(const QString &folder);

// Asks the file manager to show the file's folder with the file selected
// (org.freedesktop.FileManager1 over D-Bus). False when none answered.
bool showFile(const QString &filePath);

// Shows a file selected in its folder, or opens a folder; does nothing for
// a path that does not exist.
void openFolderAndSelect(const QString &path);

} // namespace FileManager

#endif
