#ifndef CLEAVEMARK_JOBS_SPLIT_H
#define CLEAVEMARK_JOBS_SPLIT_H

#include "jobs/MarkedSplit.h"
#include "jobs/WorkerJob.h"
#include "pdf/OutlineEntry.h"
#include "protocol/JobFiles.h"

#include <QPixmap>
#include <QSharedPointer>
#include <QStringList>

class AdvancedSettings;
class InformationReader;
struct InformationResult;
class PageRanges;
class PdfService;
class RenderClient;
class SplitLauncher;

// The one split job of the program: the document to split with what is
// known of it, the mode and its choices, the output properties, and the
// launcher that runs the worker. run() turns the choices into a request:
//
//   mode 0 "Into files of 1 page"      one file per page
//   mode 1 "By groups of pages"        files of groupSize pages from startPage on
//   mode 2 "Get rid of certain pages"  one file without the pages listed
//   mode 3 "By page ranges"            one file per range, as entered
//   mode 4 "By bookmarks"              one file per bookmark of bookmarkLevel
//   mode 5 "By file size"              files of at most maxFileSize bytes
//   mode 6 "By marks"                  one file per part marked in the page window
//
// A canceled or stopped split takes back the pieces it wrote.
class Split : public WorkerJob
{
    Q_OBJECT

public:
    enum Mode { SinglePages = 0, GroupsOfPages = 1, RemovePages = 2, ByRanges = 3, ByBookmarks = 4,
                ByFileSize = 5, ByMarks = 6 };
    static constexpr qint64 DefaultMaxFileSize = 10 * 1024 * 1024;
    // Why a document handed to the job cannot be split.
    enum DocumentProblem { Missing = 0, Unreadable = 1, NoPages = 2, OnePage = 3 };

    explicit Split(QObject *parent = nullptr);
    ~Split() override;

    // Clears the state, tells loadStarted() and reads the document's information in
    // the background: loadFinished() tells when it is known, followed by
    // documentUnusable() when it cannot be split. A path that names no file
    // only tells documentUnusable(Missing), at once.
    void setFile(const QString &path, const QString &password = QString());
    bool isLoading() const;
    void resetState();   // clears the document and its choices, then clean()

    void setMode(int mode);
    void setStartPage(int page);
    void setGroupSize(int size);
    void setOutDirectory(const QString &path);
    void addRidPage(int page);
    void setBookmarkLevel(int level);        // 1 for the top-level bookmarks
    void setMaxFileSize(qint64 bytes);
    // The parts of mode 6 for the document at path: set at once when it is
    // the document loaded, else after it was loaded in its place.
    void setMarkedSplit(const QString &path, const QString &password, const MarkedSplit &split);
    // A part's own file name; empty: from the template.
    void setPartName(int part, const QString &name);
    MarkedSplit markedSplit() const { return m_markedSplit; }

    int mode() const { return m_mode; }
    int startPage() const { return m_startPage; }
    int groupSize() const { return m_groupSize; }
    int bookmarkLevel() const { return m_bookmarkLevel; }
    qint64 maxFileSize() const { return m_maxFileSize; }
    OutlineEntryList outline() const { return m_outline; }
    // How many files a split at each bookmark level makes: element 0 for
    // level 1; empty for a document without bookmarks that lead to pages.
    QList<int> bookmarkPieceCounts() const;
    // The files of the last split that hold one page larger than the size limit.
    QStringList oversizedFiles() const;
    QString outDirectory() const { return m_outDirectory; }
    PageRanges *ridPages() const { return m_ridPages; }   // single pages to remove
    PageRanges *ranges() const { return m_ranges; }       // the ranges of mode 3
    QSharedPointer<AdvancedSettings> settings() const { return m_settings; }
    SplitLauncher *launcher() const { return m_launcher; }

    // Of the last run: outputs the worker did not write and why (a JobCause),
    // and the pieces removed because it was canceled.
    int failedCount() const;
    // Pieces that got a "(n)" name because a file of their name was there.
    int renamedCount() const;
    int failureCause() const;
    QString failureDetail() const;   // the PDF library's reason, for JobCause::StructureDamaged
    // What the last run wrote, when the worker told.
    OutputSizes outputSizes() const;
    int removedCount() const;

    bool isFileSet() const { return m_fileSet; }
    bool isLoaded() const { return m_loaded; }
    QString fileName() const { return m_fileName; }
    QString password() const { return m_password; }
    QString title() const { return m_title; }
    int pageCount() const { return m_pageCount; }   // -1 when unknown
    bool hasSecurity() const { return m_hasSecurity; }
    bool isCopyAllowed() const { return m_copyAllowed; }
    // The first page's size in points, for its thumbnail; empty without one.
    QSize firstPageSize() const { return m_firstPageSize; }
    // Draws pages of the document for the preview.
    RenderClient *renderClient() const;

    QString displayName() const;        // the title, else the file name without extension
    QString fileSizeText() const;       // "0.42 MB"
    QString lastModifiedText() const;   // "Tue Dec 8 22:58:10 2026"

    // The ranges of mode 1: groups of size pages from the start page on; a
    // start below 1 starts at page 1, a size below 2 gives single pages.
    static PageRangeList groupRanges(int pageCount, int startPage, int size);
    // The request run() would hand to the launcher now.
    SplitRequest buildRequest() const;

    // The service documents are read with; handed in by the application.
    void setPdfService(QSharedPointer<PdfService> service);

signals:
    void loadStarted();
    void loadFinished();
    // The document at path cannot be split; engineCode tells why an
    // unreadable one did not open.
    void documentUnusable(const QString &path, int problem, int engineCode, const QString &engineDetail);
    void clean();
    void started();
    void progressChanged(double percenatage);
    void finished(const QStringList &files);
    void complete();
    void splitFailed(int errorCode);
    void contentCopyDisabled();
    void editAdvancedSettings(QSharedPointer<AdvancedSettings> settings);
    // The parts of mode 6 were set or cleared.
    void markedSplitChanged();

public slots:
    // Takes the author of new outputs from the settings again.
    void updateAuthor();
    void run();
    void editSettings();
    void onSplitFinished(int exitCode, const QStringList &files);

private:
    void clearDocument();
    void informationRead(const InformationResult &result);
    // False when the document did not open.
    bool takeInformation(const InformationResult &result);
    PageRangeList rangesOfMode() const;
    bool requestHasWork(const SplitRequest &request) const;

    int m_mode = SinglePages;
    QSharedPointer<AdvancedSettings> m_settings;
    bool m_fileSet = false;
    QString m_outDirectory;
    QString m_fileName;
    QString m_password;
    QString m_title;
    int m_pageCount = -1;
    bool m_hasSecurity = false;
    QSize m_firstPageSize;
    bool m_loaded = false;
    bool m_copyAllowed = false;
    int m_startPage = 1;
    int m_groupSize = 3;
    int m_bookmarkLevel = 1;
    qint64 m_maxFileSize = DefaultMaxFileSize;
    OutlineEntryList m_outline;
    MarkedSplit m_markedSplit;
    MarkedSplit m_pendingSplit;   // for the document being loaded
    PageRanges *m_ridPages = nullptr;
    PageRanges *m_ranges = nullptr;
    SplitLauncher *m_launcher = nullptr;
    InformationReader *m_reader = nullptr;
    QSharedPointer<PdfService> m_service;
};

#endif
