#ifndef CLEAVEMARK_SPLIT_MARKSMODEPAGE_H
#define CLEAVEMARK_SPLIT_MARKSMODEPAGE_H

#include "split/ModePage.h"

struct MarkedPart;
class Button;
class QLabel;
class QLineEdit;
class QListWidget;
class Split;

// The page of the split "By marks": the parts marked in the page window,
// one row each ("Part 2: pages 5–9, 1 page left out, 1 rotated"), and below
// them the name of the chosen part's file, which the template gives unless
// the user types one. Without marks the page tells where to set them;
// "Mark pages" opens the page window on the thumbnails.
class MarksModePage : public ModePage
{
    Q_OBJECT

public:
    explicit MarksModePage(Split *job, QWidget *parent = nullptr);

    bool isReady() const;
    QListWidget *partsList() const { return m_parts; }
    QLineEdit *nameField() const { return m_name; }
    Button *markPagesButton() const { return m_markPages; }

    // What a part's row says of it.
    static QString partText(int number, const MarkedPart &part);

signals:
    void readyChanged();
    void markPagesRequested();

public slots:
    void refresh();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void showName(int part);
    void nameEdited(const QString &name);

    Split *m_job = nullptr;
    QListWidget *m_parts = nullptr;
    QLabel *m_nameLabel = nullptr;
    QLineEdit *m_name = nullptr;
    Button *m_markPages = nullptr;
    QWidget *m_helpArea = nullptr;
    QLabel *m_help = nullptr;
};

#endif
