#pragma once

#include "worker/JobFiles.h"

#include <QDateTime>
#include <QObject>
#include <QSharedPointer>
#include <QStringList>

#include <memory>

class IProgress;
class PdfDocument;
class PdfService;
class TemporaryFiles;

// Turns one split request into PDF files.
//
// Mode 0 cuts the source into one file per page range; mode 1 removes pages
// and saves one edited file; mode 2 cuts it where the bookmarks of one level
// lead; mode 3 cuts it into files no larger than a size limit. Temporary files (decrypted copies, extracted
// pieces) go into the request's session folder, or into the cache folder
// when the request names none, and are removed before run() returns.
class SplitEngine : public QObject
{
    Q_OBJECT

public:
    // The desktop program adds codes of its own for a worker that gave no
    // answer at all (worker/JobErrors.h).
    enum ErrorCode {
        NoError = 0,
        SourceNotFound = 1,            // mode 0
        DecryptionFailed = 2,          // mode 0, nothing could be extracted
        EditedSourceNotFound = 3,      // mode 1
        EditedFileNotSaved = 4,        // mode 1
        PagesNotExtracted = 5,         // mode 1
        NoRangeExtracted = 6,          // modes 0, 2, 3
        NoBookmarksAtLevel = 7,        // mode 2: no bookmark of the level leads to a page
        NoSizeLimit = 8                // mode 3: no size limit above 0
    };

    SplitEngine(const SplitRequest &request, IProgress &progress,
                QSharedPointer<PdfService> service, QObject *parent = nullptr);

    int errorCode() const { return m_errorCode; }
    QStringList outputFiles() const { return m_outputFiles; }
    // Mode 3: the files of one page that alone is larger than the limit.
    QStringList oversizedFiles() const { return m_oversizedFiles; }

    // The merge engine clears both: its pieces are only extracted and re-saved.
    void setApplyProperties(bool apply) { m_applyProperties = apply; }
    void setCompressOutput(bool compress) { m_compressOutput = compress; }

public slots:
    void run();

private:
    // One output of modes 2 and 3.
    struct Piece
    {
        PageRange range;
        QString bookmark;         // the name-safe title of the bookmark it begins at
        bool oversized = false;
    };

    void splitRanges();
    void removePages();
    void splitByBookmarks();
    QList<Piece> bookmarkPieces(PdfDocument &source);
    void splitBySize();
    void writePieces(PdfDocument &source, const QList<Piece> &pieces, int progressOffset);
    std::unique_ptr<PdfDocument> openWorkingSource(TemporaryFiles &temporaries);
    std::unique_ptr<PdfDocument> preparedPiece(PdfDocument &source, const PageRange &range);
    QString pieceName(const Piece &piece, int counter, int counterWidth, int pageWidth) const;
    void failWithoutPieces();

    QString temporaryFolder() const;
    QString outputPathFor(const QString &name) const;
    bool saveRange(const QString &extractionPath, const QString &outputPath);
    bool extractKeptPages(const QSharedPointer<PdfService> &service, const QString &source,
                          const QString &pageList, const QList<int> &removed,
                          const QString &extractionPath);
    bool saveEdited(const QSharedPointer<PdfService> &service, const QString &extractionPath,
                    const QString &outputPath);

    IProgress &m_progress;
    SplitRequest m_request;
    int m_errorCode = NoError;
    QStringList m_outputFiles;
    QStringList m_oversizedFiles;
    bool m_decryptionFailed = false;
    QSharedPointer<PdfService> m_service;
    bool m_applyProperties = true;
    bool m_compressOutput = true;
    QDateTime m_startTime;
};
