#ifndef CLEAVEMARK_SPLIT_SIZEMODEPAGE_H
#define CLEAVEMARK_SPLIT_SIZEMODEPAGE_H

#include "split/ModePage.h"

class QLabel;
class QLineEdit;
class Split;

// The page of the split "By file size": the largest size of a file, in MB
// (as the document panel counts them, 1048576 bytes), with the document's
// own size for comparison.
class SizeModePage : public ModePage
{
    Q_OBJECT

public:
    explicit SizeModePage(Split *job, QWidget *parent = nullptr);

    // The field holds a size above 0.
    bool isReady() const;
    QLineEdit *sizeField() const { return m_size; }
    QLabel *documentSizeLabel() const { return m_documentSize; }

    // The field's text in bytes: a decimal number with "." or ","; 0 when it is none.
    static qint64 bytesOf(const QString &megabytes);

signals:
    void readyChanged();

public slots:
    void refresh();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void onSizeEdited();

private:
    void retranslate();

    Split *m_job = nullptr;
    QLabel *m_sizeLabel = nullptr;
    QLineEdit *m_size = nullptr;
    QLabel *m_unit = nullptr;
    QLabel *m_documentSize = nullptr;
    QLabel *m_help = nullptr;
};

#endif
