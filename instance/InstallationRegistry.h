#ifndef CLEAVEMARK_INSTANCE_INSTALLATIONREGISTRY_H
#define CLEAVEMARK_INSTANCE_INSTALLATIONREGISTRY_H

#include <QString>
#include <QVariant>

// The values that the installer and the file manager's context-menu handler
// share with the program, outside the user's settings file.
//
// On Windows they live in the registry key
// HKEY_CURRENT_USER\Software\Tessaly\Tessaly Cleavemark (the handler's flags
// in its sub key "shell"). Elsewhere they live in one native settings file
// "Tessaly Cleavemark Registry" in the organisation's configuration folder,
// the handler's values in its group "shell". Nothing else knows where.
class InstallationRegistry
{
public:
    // "DisplayVersion" and "CurrentVersion", or fallback when absent.
    static QString displayVersion(const QString &fallback);
    static QString currentVersion(const QString &fallback);

    // Values of the context-menu handler: "add_split_enabled",
    // "add_merge_enabled", "language".
    static void setShellValue(const QString &key, const QVariant &value);
    static QVariant shellValue(const QString &key);

    // Where the values are kept (for the log and the tests).
    static QString location();

private:
    static QString installationValue(const QString &key, const QString &fallback);
};

#endif
