#pragma once

#include "pdf/DocumentInformation.h"
#include "pdf/InformationWorker.h"

#include <QObject>
#include <QString>

#include <memory>

class QTimer;
struct PendingRead;

// What to read of one document.
struct InformationRequest
{
    QString path;
    QString password;
    bool readOutline = false;
    bool readPageSizes = false;
};

// What one read told; engineError is PdfEngine::TookTooLong when the read
// did not end within the time limit.
struct InformationResult
{
    DocumentInformation info;
    AddErrors error = AddCannotOpen;
    int engineError = 0;
    QString engineErrorDetail;   // the PDF library's reason, for PdfEngine::StructureDamaged
};

// Reads a document's information in the renderer program (sheafrender
// --inform, see InformationProtocol.h), which a thread of its own starts and
// waits for, so that neither the caller's thread nor the window's memory
// pays for a document that is costly to parse: the window keeps only the
// small record. A read that overruns the time limit is reported as one that
// took too long, and its program is ended. Without the renderer program the
// document is read in that thread, through a service of its own.
class InformationReader : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultTimeLimitMs = 10000;

    explicit InformationReader(QObject *parent = nullptr);
    ~InformationReader() override;

    void setTimeLimit(int milliseconds);
    // Starts reading; a read still running is forgotten without a word.
    void start(const InformationRequest &request);
    void cancel();
    bool isReading() const { return bool(m_read); }
    // How many readers of this process are reading now.
    static int readingCount();

    // Reads in the calling thread's stead and waits for at most the time limit.
    static InformationResult read(const InformationRequest &request, int timeLimitMs = DefaultTimeLimitMs);
    // The same for a window's thread, for a dialog that needs the answer
    // before it goes on: the window keeps painting and answering while the
    // user's input waits until the document is read.
    static InformationResult readAnswering(const InformationRequest &request);
    // Parses the document here, without a helper process and its limits.
    static InformationResult readInThisProcess(const InformationRequest &request);

signals:
    // Once per start() that was not forgotten.
    void finished(const InformationResult &result);

protected:
    void customEvent(QEvent *event) override;

private:
    void forget();
    void timeLimitReached();

    std::shared_ptr<PendingRead> m_read;
    QTimer *m_timer = nullptr;
};
