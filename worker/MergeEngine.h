#pragma once

#include "protocol/JobErrors.h"
#include "protocol/JobFiles.h"
#include "worker/TemporaryFiles.h"

#include <QScopedPointer>
#include <QSharedPointer>
#include <QList>
#include <QString>

class IProgress;
class PdfDocument;
class PdfService;

// Builds one PDF file from the ordered documents of a merge request.
//
// A small state machine: prepare, append the items one by one (then put
// reversed documents' pages backwards and, for an alternating merge, take
// one page of each document in turn), compress, set the properties, save. The first failure ends the job with its error
// code; the save target is written only when every earlier step succeeded.
// The progress sink is kept but never called, so a merge prints nothing.
class MergeEngine : public MergeErrors
{
public:
    // Its error codes (MergeErrors::ErrorCode) are part of the job files.

    MergeEngine(const MergeRequest &request, IProgress &progress,
                QSharedPointer<PdfService> service);
    ~MergeEngine();

    void run();

    int errorCode() const { return m_errorCode; }
    QString mergedFileName() const { return m_mergedFileName; }
    QString errorFileName() const { return m_errorFileName; }
    int errorCause() const { return m_errorCause; }   // JobCause
    QString errorDetail() const { return m_errorDetail; }   // the PDF library's reason, for StructureDamaged
    // What the merged file takes, and what optimising it saved.
    OutputSizes outputSizes() const { return m_sizes; }
    // Pages taken into the merged file whose content their source could not
    // decode, by document in the order of the merge; they are carried as
    // they are, not repaired.
    QList<DamagedPage> damagedPages() const { return m_damagedPages; }

private:
    enum State { Prepare = 0, AppendItems = 1, Compress = 2, SetProperties = 3, Save = 4, Finished = 5 };

    // The pages one item added to the merged document, 1-based once the
    // leading blank page is gone.
    struct ItemPages
    {
        int first = 0;
        int count = 0;
        bool reversed = false;
    };

    void prepare();
    void appendNextItem();
    void prefetchNextItem();
    void appendItem(const MergeItem &item);
    QList<int> finalPageOrder() const;
    bool arrangePages();
    void appendRanges(const QString &workingFile, const MergeItem &item);
    // With startsItem, the file is that item's whole document, whose
    // bookmark group begins here.
    bool appendFile(const QString &file, const QString &itemPath, const MergeItem *startsItem = nullptr);
    bool opensWithoutPassword(const QString &file);
    void noteDamagedPages(const MergeItem &item, const QList<int> &damaged);
    void setBookmarkMode();
    void startDocumentBookmark(const MergeItem &item, const QString &workingFile, PdfDocument *opened);
    void finishDocument();
    void compress();
    void applyProperties();
    void save();
    void fail(int errorCode, const QString &itemPath = QString(), int cause = 0, const QString &detail = QString());

    MergeRequest m_request;
    IProgress &m_progress;
    QSharedPointer<PdfService> m_service;
    QScopedPointer<PdfDocument> m_mergedDocument;
    int m_errorCode = NoError;
    int m_errorCause = 0;
    QString m_errorDetail;
    QString m_errorFileName;
    QString m_mergedFileName;
    int m_currentItem = 0;
    int m_state = Prepare;
    bool m_done = false;
    TemporaryFiles m_temporaryFiles;
    QString m_temporaryFolder;
    QList<ItemPages> m_itemPages;
    OutputSizes m_sizes;
    QList<DamagedPage> m_damagedPages;
};
