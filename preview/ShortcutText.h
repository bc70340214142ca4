#ifndef CLEAVEMARK_PREVIEW_SHORTCUTTEXT_H
#define CLEAVEMARK_PREVIEW_SHORTCUTTEXT_H

#include <QKeySequence>
#include <QString>
#include <QStringList>

// A control's name with the keys that do the same, for its tooltip:
// "Undo (Ctrl+Z)", "Redo (Ctrl+Shift+Z, Ctrl+Y)".
inline QString withShortcuts(const QString &name, const QList<QKeySequence> &keys)
{
    QStringList texts;
    for (const QKeySequence &key : keys)
        texts << key.toString(QKeySequence::NativeText);
    return texts.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, texts.join(QStringLiteral(", ")));
}

#endif
