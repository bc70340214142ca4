#include "pdf/PageVerdicts.h"

#include "pdf/FileStamp.h"

#include <QCryptographicHash>

void PageVerdicts::rememberUndrawable(const QString &path, const QString &password, int page)
{
    m_undrawable[documentKey(path, password)].insert(page);
}

bool PageVerdicts::isUndrawable(const QString &path, const QString &password, int page) const
{
    if (m_undrawable.isEmpty())
        return false;
    const auto found = m_undrawable.constFind(documentKey(path, password));
    return found != m_undrawable.constEnd() && found->contains(page);
}

// The password is kept only as a digest: the verdicts live as long as the window.
QString PageVerdicts::documentKey(const QString &path, const QString &password)
{
    const FileStamp stamp = FileStamp::of(path);
    const QByteArray digest = QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("%1\n%2 %3 %4\n%5")
        .arg(path)
        .arg(stamp.size)
        .arg(stamp.modified)
        .arg(stamp.changed)
        .arg(QString::fromLatin1(digest));
}
