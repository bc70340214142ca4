#ifndef CLEAVEMARK_APP_APPLICATION_H
#define CLEAVEMARK_APP_APPLICATION_H

#include "app/SingleApplication.h"

#include <QSharedPointer>

class Merge;
class PdfService;
class Split;
class QSettings;
class QTranslator;

// The desktop program's application object: its identity, style sheet and
// translation, the user's settings store, the last results, and showing a
// file in the file manager. One instance runs per user (SingleApplication).
class Application : public SingleApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    static Application *instance();

    // A new settings object on the user's INI store; create, use, drop.
    static QSharedPointer<QSettings> settings();

    // The stored language, or the system's when none is stored.
    static QString storedLanguage();

    // Loads the translation of the stored language, then settingsChanged().
    void applyLanguage();
    // The folder of the "sheafdesk_<language>.qm" files.
    QString translationsFolder() const;
    void setTranslationsFolder(const QString &folder);
    // The file of the last attempted load (empty before the first).
    QString translationFile() const { return m_translationFile; }

    // The PDF service that every view opening documents shares; created once
    // during start-up, after the splash screen is up.
    void createPdfService();
    QSharedPointer<PdfService> pdfService() const { return m_pdfService; }

    // The one split job and the one merge job, made with the application.
    Split *split() const { return m_split; }
    Merge *merge() const { return m_merge; }

    QString lastSplitFile() const { return m_lastSplitFile; }
    QString lastMergeFile() const { return m_lastMergeFile; }
    void setLastSplitFile(const QString &path);
    void setLastMergeFile(const QString &path);
    void openLastSplitFolder();
    void openLastMergeFolder();

    // Shows a file selected in the file manager, or opens a folder.
    static void openFolderAndSelect(const QString &path);

    // Versions written by the installer; the program's own when absent.
    QString displayVersion() const;
    QString currentVersion() const;

    // The worker program, next to this one unless another was set.
    static QString workerPath();
    static void setWorkerPath(const QString &path);

signals:
    void settingsChanged();
    void lastFolderChanged();

private:
    void setIdentity();
    void loadStyleSheet();
    void loadTranslation();
    void registerMetaTypes();

    QTranslator *m_translator = nullptr;
    QSharedPointer<PdfService> m_pdfService;
    Merge *m_merge = nullptr;
    Split *m_split = nullptr;
    QString m_translationsFolder;
    QString m_translationFile;
    QString m_lastSplitFile;
    QString m_lastMergeFile;
};

#endif
