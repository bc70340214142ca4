#include "common/UserSettings.h"

#include <QCoreApplication>

QSharedPointer<QSettings> openUserSettings()
{
    return QSharedPointer<QSettings>::create(QSettings::IniFormat, QSettings::UserScope,
                                             QCoreApplication::organizationName(),
                                             QCoreApplication::applicationName());
}
