#include "instance/InstallationRegistry.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>

namespace {

const char shellGroup[] = "shell";

#ifdef Q_OS_WIN
const char installationKey[] = "HKEY_CURRENT_USER\\Software\\Tessaly\\Tessaly Cleavemark";

std::unique_ptr<QSettings> openInstallation()
{
    return std::make_unique<QSettings>(QString::fromLatin1(installationKey),
                                       QSettings::NativeFormat);
}
#else
std::unique_ptr<QSettings> openInstallation()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Tessaly"),
                                       QStringLiteral("Tessaly Cleavemark Registry"));
}
#endif

} // namespace

QString InstallationRegistry::installationValue(const QString &key, const QString &fallback)
{
    const QString value = openInstallation()->value(key).toString();
    return value.isEmpty() ? fallback : value;
}

QString InstallationRegistry::displayVersion(const QString &fallback)
{
    return installationValue(QStringLiteral("DisplayVersion"), fallback);
}

QString InstallationRegistry::currentVersion(const QString &fallback)
{
    return installationValue(QStringLiteral("CurrentVersion"), fallback);
}

void InstallationRegistry::setShellValue(const QString &key, const QVariant &value)
{
    auto settings = openInstallation();
    settings->beginGroup(QLatin1String(shellGroup));
    settings->setValue(key, value);
    settings->endGroup();
}

QVariant InstallationRegistry::shellValue(const QString &key)
{
    auto settings = openInstallation();
    settings->beginGroup(QLatin1String(shellGroup));
    return settings->value(key);
}

QString InstallationRegistry::location()
{
    return openInstallation()->fileName();
}
