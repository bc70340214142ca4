#include "jobs/AdvancedSettings.h"

#include "common/UserPreferences.h"
#include "protocol/JobFiles.h"
#include "protocol/SplitPlan.h"


AdvancedSettings::AdvancedSettings(const QString &defaultTemplate)
    : m_defaultTemplate(defaultTemplate)
{
    reset();
    forgetReset();
}

QString AdvancedSettings::defaultAuthor()
{
    return UserPreferences().author();
}

QString AdvancedSettings::defaultProducer()
{
    return SplitPlan::defaultProducer();
}

bool AdvancedSettings::hasUserValues() const
{
    return !m_permEditing || !m_permPrinting || !m_permCopying || m_passwordEnabled
        || !m_password.isEmpty() || !m_title.isEmpty() || m_author != defaultAuthor()
        || m_producer != defaultProducer() || m_creator != defaultProducer()
        || m_fileNamePrefix != m_defaultTemplate || m_bookmarks != MergeBookmarks::Keep;
}

void AdvancedSettings::reset()
{
    m_userValuesReset = m_userValuesReset || hasUserValues();
    m_permEditing = true;
    m_permPrinting = true;
    m_permCopying = true;
    m_passwordEnabled = false;
    m_password.clear();
    m_title.clear();
    m_author = defaultAuthor();
    m_producer = defaultProducer();
    m_creator = defaultProducer();
    m_fileNamePrefix = m_defaultTemplate;
    m_alternatePages = false;
    m_bookmarks = MergeBookmarks::Keep;
}

void AdvancedSettings::setPassword(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        m_passwordEnabled = false;
        m_password.clear();
        return;
    }
    if (m_passwordEnabled)
        m_password = trimmed;
}

QString AdvancedSettings::effectivePassword() const
{
    return m_passwordEnabled ? m_password : QString();
}

void AdvancedSettings::fillOutputOptions(OutputOptions &options) const
{
    options.author = m_author;
    options.title = m_title;
    options.creator = m_creator;
    options.producer = m_producer;
    options.password = effectivePassword();
    options.permissionPrint = m_permPrinting;
    options.permissionCopy = m_permCopying;
    options.permissionChange = m_permEditing;
    options.permissionAddNotes = true;
    options.permissionFillFields = true;
    options.permissionCopyAccess = false;
    options.permissionAssembly = false;
    options.permissionPrintFull = m_permPrinting;
    options.compressFile = UserPreferences().compressOutput();
    options.optimise = m_optimisation;
    options.imageDpiLimit = m_imageDpiLimit;
}
