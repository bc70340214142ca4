#include "dialogs/SizeSummary.h"

#include <QLocale>

QString SizeSummary::text(int files) const
{
    if (isEmpty())
        return QString();
    QString sizes;
    if (files > 0)
        sizes = before.isEmpty() ? tr("%n files, %1", nullptr, files).arg(written)
                                 : tr("%n files, %1 → %2", nullptr, files).arg(before, written);
    else
        sizes = before.isEmpty() ? tr("Merged: %1").arg(written) : tr("Merged: %1 → %2").arg(before, written);
    if (imagesChanged + imagesLeft == 0)
        return sizes;
    return sizes + QLatin1Char('\n') + tr("Images: %1 redrawn smaller, %2 left as they were.")
                                           .arg(QLocale().toString(imagesChanged), QLocale().toString(imagesLeft));
}
