#ifndef CLEAVEMARK_COMMON_USERPREFERENCES_H
#define CLEAVEMARK_COMMON_USERPREFERENCES_H

#include <QSettings>
#include <QSharedPointer>
#include <QString>

// The user's choices in the settings store (openUserSettings): every key
// of the desktop program with its default and bounds lives here, so that
// the pages that read a choice and the page that writes it agree. Each call
// reads or writes the store at once.
class UserPreferences
{
public:
    // Where results are saved ("SaveMode/Mode"): a sub folder named after
    // the document, the document's own folder, or the chosen folder
    // ("SaveMode/Path").
    enum SaveMode { SubFolder = 0, OriginalFolder = 1, ChosenFolder = 2 };

    explicit UserPreferences(QSharedPointer<QSettings> store);
    UserPreferences();

    static QString desktopFolder();
    static QString defaultAuthor();

    // A stored number outside the modes counts as the nearest one.
    int saveMode() const;
    QString savePath() const;                 // the desktop folder when none is stored
    // The path is kept only with the chosen-folder mode.
    void setSaveFolder(int mode, const QString &chosenPath);

    QString language() const;                 // a two-letter code, empty when none is stored
    void setLanguage(const QString &code);
    QString author() const;
    void setAuthor(const QString &author);
    bool compressOutput() const;
    void setCompressOutput(bool compress);
    bool checkUpdates() const;
    void setCheckUpdates(bool check);

    // Where the open-file dialogs start: the folder of the last file chosen.
    QString lastSelectFolder() const;
    void setLastSelectFolder(const QString &folder);
    QString mergeSaveFolder() const;
    void setMergeSaveFolder(const QString &folder);
    // Where the page window was and how large, as QWidget::saveGeometry
    // gives it ("PageWindow/Geometry"); empty until it was moved or resized.
    QByteArray pageWindowGeometry() const;
    void setPageWindowGeometry(const QByteArray &geometry);
    QString lastShownVersion() const;
    void setLastShownVersion(const QString &version);

    void sync();

private:
    QSharedPointer<QSettings> m_store;
};

#endif
