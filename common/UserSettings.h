#ifndef CLEAVEMARK_COMMON_USERSETTINGS_H
#define CLEAVEMARK_COMMON_USERSETTINGS_H

#include <QSettings>
#include <QSharedPointer>

// The user's settings store: one INI file named after the organisation and
// the program (under ~/.config). Open it, read or write, and drop it; every
// reader sees what the last writer stored.
QSharedPointer<QSettings> openUserSettings();

#endif
