#ifndef CLEAVEMARK_PREVIEW_PREVIEWWIDGET_H
#define CLEAVEMARK_PREVIEW_PREVIEWWIDGET_H

#include <QFrame>
#include <QStringList>

class BaseFrame;
class Button;
class Cover;
class DropArea;
class QLabel;
class QStackedLayout;
class Split;

// The split page's document panel. It follows the split job: the drop area
// while no document is set, then the document's thumbnail, name, page count
// and password state, with buttons to preview it, remove it or enter its
// password. Dropping another PDF file on the panel replaces the document.
class PreviewWidget : public QFrame
{
    Q_OBJECT

public:
    enum PageIndex { DropPage = 0, InformationPage = 1 };

    // The panel shows the document of the given split job.
    explicit PreviewWidget(Split *job, QWidget *parent = nullptr);

    int currentPage() const;
    DropArea *dropArea() const { return m_dropArea; }
    BaseFrame *informationPanel() const { return m_information; }
    Cover *cover() const { return m_cover; }
    QLabel *titleLabel() const { return m_title; }
    QLabel *fileNameLabel() const { return m_fileName; }
    QLabel *pagesLabel() const { return m_pages; }
    QLabel *passwordLabel() const { return m_passwordLabel; }
    Button *passwordButton() const { return m_enterPassword; }
    Button *previewButton() const { return m_preview; }
    Button *deleteButton() const { return m_delete; }

signals:
    void previewDocument();

public slots:
    void onDelete();
    void onEnterPassword();
    void onDroppedFile(const QString &file);
    void onDroppedFiles(const QStringList &files);
    void onLoaded();
    void tellWrongPassword();
    void onClean();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *createInformationPanel();
    void connectJob();
    void retranslate();
    void refresh();
    Split *job() const { return m_job; }
    Split *m_job = nullptr;

    QStackedLayout *m_stack = nullptr;
    DropArea *m_dropArea = nullptr;
    BaseFrame *m_information = nullptr;
    Cover *m_cover = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_fileName = nullptr;
    QLabel *m_passwordLabel = nullptr;
    Button *m_enterPassword = nullptr;
    QLabel *m_pages = nullptr;
    Button *m_preview = nullptr;
    Button *m_delete = nullptr;
    bool m_documentShown = false;
    QString m_passwordTriedFor;   // the document a password was entered for, until it is read
};

#endif
