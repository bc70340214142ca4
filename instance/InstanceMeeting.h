#ifndef CLEAVEMARK_INSTANCE_INSTANCEMEETING_H
#define CLEAVEMARK_INSTANCE_INSTANCEMEETING_H

#include <QString>

// Where the instances of one program meet (SingleApplication): a lock file
// that the first instance holds and the local socket it listens on, both in
// the user's runtime folder and named after the program's id and the user.
// Qt Core only, so that the launcher of the file manager's actions can ask
// whether the desktop program runs.
namespace InstanceMeeting {

// The id the desktop program sheafdesk runs under.
QString desktopProgramId();

QString lockFileName(const QString &appId);
QString serverName(const QString &appId);

// True when a live process holds the lock of appId, that is when an
// instance runs; a lock left by an instance that crashed is not held.
bool isHeld(const QString &appId);

} // namespace InstanceMeeting

#endif
