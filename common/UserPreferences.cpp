#include "common/UserPreferences.h"

#include "common/UserSettings.h"

#include <QStandardPaths>

namespace {

const QString saveModeKey = QStringLiteral("SaveMode/Mode");
const QString savePathKey = QStringLiteral("SaveMode/Path");
const QString languageKey = QStringLiteral("Language");
const QString authorKey = QStringLiteral("meta_author");
const QString compressKey = QStringLiteral("compress_out_files");
const QString checkUpdatesKey = QStringLiteral("check_updates");
const QString lastSelectFolderKey = QStringLiteral("last_select_folder");
const QString mergeSaveFolderKey = QStringLiteral("merge_last_save_folder");
const QString lastShownVersionKey = QStringLiteral("last_shown_version");
const QString pageWindowGeometryKey = QStringLiteral("PageWindow/Geometry");

} // namespace

UserPreferences::UserPreferences(QSharedPointer<QSettings> store)
    : m_store(std::move(store))
{
}

UserPreferences::UserPreferences()
    : UserPreferences(openUserSettings())
{
}

QString UserPreferences::desktopFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString UserPreferences::defaultAuthor()
{
    return QStringLiteral("Tessaly Cleavemark");
}

int UserPreferences::saveMode() const
{
    return qBound(int(SubFolder), m_store->value(saveModeKey, SubFolder).toInt(), int(ChosenFolder));
}

QString UserPreferences::savePath() const
{
    return m_store->value(savePathKey, desktopFolder()).toString();
}

void UserPreferences::setSaveFolder(int mode, const QString &chosenPath)
{
    m_store->setValue(saveModeKey, mode);
    m_store->setValue(savePathKey, mode == ChosenFolder ? chosenPath : QString());
}

QString UserPreferences::language() const
{
    return m_store->value(languageKey).toString();
}

void UserPreferences::setLanguage(const QString &code)
{
    m_store->setValue(languageKey, code);
}

QString UserPreferences::author() const
{
    return m_store->value(authorKey, defaultAuthor()).toString();
}

void UserPreferences::setAuthor(const QString &author)
{
    m_store->setValue(authorKey, author);
}

bool UserPreferences::compressOutput() const
{
    return m_store->value(compressKey, false).toBool();
}

void UserPreferences::setCompressOutput(bool compress)
{
    m_store->setValue(compressKey, compress);
}

bool UserPreferences::checkUpdates() const
{
    return m_store->value(checkUpdatesKey, true).toBool();
}

void UserPreferences::setCheckUpdates(bool check)
{
    m_store->setValue(checkUpdatesKey, check);
}

QString UserPreferences::lastSelectFolder() const
{
    return m_store->value(lastSelectFolderKey, desktopFolder()).toString();
}

void UserPreferences::setLastSelectFolder(const QString &folder)
{
    m_store->setValue(lastSelectFolderKey, folder);
}

QString UserPreferences::mergeSaveFolder() const
{
    return m_store->value(mergeSaveFolderKey, desktopFolder()).toString();
}

void UserPreferences::setMergeSaveFolder(const QString &folder)
{
    m_store->setValue(mergeSaveFolderKey, folder);
}

QByteArray UserPreferences::pageWindowGeometry() const
{
    return m_store->value(pageWindowGeometryKey).toByteArray();
}

void UserPreferences::setPageWindowGeometry(const QByteArray &geometry)
{
    m_store->setValue(pageWindowGeometryKey, geometry);
}

QString UserPreferences::lastShownVersion() const
{
    return m_store->value(lastShownVersionKey).toString();
}

void UserPreferences::setLastShownVersion(const QString &version)
{
    m_store->setValue(lastShownVersionKey, version);
}

void UserPreferences::sync()
{
    m_store->sync();
}
