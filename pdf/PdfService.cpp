#include "pdf/PdfService.h"

#include "common/Logger.h"

#include <QMutexLocker>
#include <QRandomGenerator>

#include <cmath>

namespace {

enum PropertyIndex { PropertyAuthor = 0, PropertyTitle, PropertyPassword, PropertyCreator, PropertyProducer };
enum PermissionIndex { PermissionPrint = 0, PermissionCopy, PermissionChange, PermissionAddNotes,
                       PermissionFillFields, PermissionCopyAccess, PermissionAssembly, PermissionPrintFull };

constexpr int PasswordStrength = 1;
constexpr int PermissionsOnlyStrength = 0;

bool permissionAt(const QList<bool> &permissions, int index)
{
    return permissions.value(index, true);
}

} // namespace

PdfService::PdfService(QObject *parent) : PdfEngine(parent)
{
}

PdfService::~PdfService() = default;

bool PdfService::loadFile(const QString &fileName, const QString &password, int &documentId,
                          bool &needsPassword, int *errorCode, QString *errorDetail)
{
    QMutexLocker lock(&m_mutex);
    if (LoadFromFile(fileName, password) == 1) {
        needsPassword = false;
        documentId = SelectedDocument();
        return true;
    }
    const int code = LastErrorCode();
    if (errorCode)
        *errorCode = code;
    if (errorDetail)
        *errorDetail = LastErrorDetail();
    bool result = false;
    if (code == PasswordError) {
        needsPassword = true;
        result = true;
    }
    Logger::instance().log(QStringLiteral("Can not load file:%1. Error code:%2").arg(fileName).arg(code),
                           LogDebug);
    return result;
}

int PdfService::newDocument()
{
    QMutexLocker lock(&m_mutex);
    return NewDocument();
}

int PdfService::closeDocument(int documentId)
{
    QMutexLocker lock(&m_mutex);
    return RemoveDocument(documentId);
}

int PdfService::pageCount(int documentId)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return PageCount();
}

QSize PdfService::pageSize(int documentId, int page)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    SelectPage(page);
    return selectedPageSize();
}

QSize PdfService::selectedPageSize()
{
    int width = int(std::trunc(GetPageBox(BleedBox, BoxWidth)));
    int height = int(std::trunc(GetPageBox(BleedBox, BoxHeight)));
    const int rotation = PageRotation();
    if (rotation == 90 || rotation == 270)
        std::swap(width, height);
    return QSize(width, height);
}

bool PdfService::saveToFile(int documentId, const QString &fileName)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return SaveToFile(fileName) == 1;
}

qint64 PdfService::savedSize(int documentId)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return SavedSize();
}

bool PdfService::reorderPages(int documentId, const QList<int> &order)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return ReorderPages(order) == 1;
}

// Encryption follows the password and the permissions: a password encrypts;
// without one, only a forbidden print, copy, change, add-notes or
// fill-fields permission does. Whenever any permission is forbidden, the
// owner password is a fresh random text that nobody knows: a reader opening
// the file with its owner password ignores every restriction, so the user's
// own password must not also be the owner password.
bool PdfService::setProperties(int documentId, const QStringList &properties, const QList<bool> &permissions)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    if (LastErrorCode() != NoError)
        return false;   // no such document: nothing was set
    SetInformation(InfoAuthor, properties.value(PropertyAuthor));
    SetInformation(InfoTitle, properties.value(PropertyTitle));
    SetInformation(InfoCreator, properties.value(PropertyCreator));
    SetInformation(InfoProducer, properties.value(PropertyProducer));

    const int permissionValue = EncodePermissions(
        permissionAt(permissions, PermissionPrint), permissionAt(permissions, PermissionCopy),
        permissionAt(permissions, PermissionChange), permissionAt(permissions, PermissionAddNotes),
        permissionAt(permissions, PermissionFillFields), permissionAt(permissions, PermissionCopyAccess),
        permissionAt(permissions, PermissionAssembly), permissionAt(permissions, PermissionPrintFull));
    bool anyRestricted = false;
    bool documentRestricted = false;
    for (int index = PermissionPrint; index <= PermissionPrintFull; ++index) {
        if (!permissionAt(permissions, index)) {
            anyRestricted = true;
            documentRestricted = documentRestricted || index <= PermissionFillFields;
        }
    }

    const QString password = properties.value(PropertyPassword).trimmed();
    if (!password.isEmpty()) {
        const QString owner = anyRestricted ? randomOwnerPassword() : password;
        if (Encrypt(owner, password, PasswordStrength, permissionValue) == 0) {
            Logger::instance().log(QStringLiteral("Encrypt document with password [FAILED] Error code:'%1'")
                                       .arg(LastErrorCode()),
                                   LogError);
            return false;
        }
    } else if (documentRestricted) {
        if (Encrypt(randomOwnerPassword(), QString(), PermissionsOnlyStrength, permissionValue) == 0) {
            Logger::instance().log(QStringLiteral("Encrypt document without password [FAILED] Error code:'%1'")
                                       .arg(LastErrorCode()),
                                   LogError);
            return false;
        }
    }
    return true;
}

QString PdfService::randomOwnerPassword()
{
    quint32 words[8];
    QRandomGenerator::system()->fillRange(words);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(words), sizeof(words)).toHex());
}

QString PdfService::title(int documentId)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return GetInformation(InfoTitle);
}

bool PdfService::compressContent(int documentId)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return CompressContent() == 1;
}

bool PdfService::setOptimisation(int documentId, Optimisation optimisation, int imageDpiLimit)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return SetOptimisation(int(optimisation), imageDpiLimit) == 1;
}

OptimisationReport PdfService::lastOptimisation(int documentId)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return LastOptimisation();
}

int PdfService::deletePages(int documentId, int firstPage, int count)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return DeletePages(firstPage, count);
}

bool PdfService::rotatePage(int documentId, int page, int angle)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return RotatePage(page, angle) == 1;
}

bool PdfService::setBookmarkMode(int documentId, int mode)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return SetBookmarkMode(mode) == 1;
}

bool PdfService::startBookmarkGroup(int documentId, const QString &title)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return StartBookmarkGroup(title) == 1;
}

OutlineEntryList PdfService::outline(int documentId)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return Outline();
}

QStringList PdfService::pageLabels(int documentId)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return PageLabels();
}

QList<int> PdfService::damagedPages(int documentId)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return DamagedPages();
}

int PdfService::mergeDocument(int targetId, int sourceId)
{
    SelectDocument(targetId);
    return MergeDocument(sourceId);
}

bool PdfService::hasSecurity(int documentId)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return SecurityInfo(SecurityEncrypted) == 1;
}

bool PdfService::securityItem5(int documentId)
{
    QMutexLocker lock(&m_mutex);
    SelectDocument(documentId);
    return SecurityInfo(SecurityContentExtraction) == ExtractionAllowed;
}

void PdfService::prefetchFile(const QString &fileName, const QString &password)
{
    QMutexLocker lock(&m_mutex);
    PrefetchFile(fileName, password);
}

int PdfService::decryptFile(const QString &input, const QString &output, const QString &password)
{
    QMutexLocker lock(&m_mutex);
    return DecryptFile(input, output, password);
}

int PdfService::extractFilePages(const QString &input, const QString &password, const QString &output,
                                 const QString &ranges)
{
    QMutexLocker lock(&m_mutex);
    return ExtractFilePages(input, password, output, ranges);
}

int PdfService::extractDocument(const QString &input, const QString &password, const QString &ranges)
{
    QMutexLocker lock(&m_mutex);
    return ExtractFileDocument(input, password, ranges);
}

// Both the loaded input and the extracted document are closed again, so
// repeated extractions do not pile up open documents.
int PdfService::extractPages(const QString &input, const QString &password, const QString &output,
                             int firstPage, int count)
{
    QMutexLocker lock(&m_mutex);
    if (LoadFromFile(input, password) == 0)
        return 0;
    const int inputId = SelectedDocument();
    if (ExtractPages(firstPage, count) == 0) {
        const int code = LastErrorCode();
        RemoveDocument(inputId);
        setLastErrorCode(code);
        return 0;
    }
    const int result = SaveToFile(output);
    const int code = LastErrorCode();
    RemoveDocument(SelectedDocument());
    RemoveDocument(inputId);
    setLastErrorCode(code);
    return result;
}

int PdfService::lastErrorCode()
{
    QMutexLocker lock(&m_mutex);
    return LastErrorCode();
}

QString PdfService::lastErrorDetail()
{
    QMutexLocker lock(&m_mutex);
    return LastErrorDetail();
}
