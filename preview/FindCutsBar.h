#ifndef CLEAVEMARK_PREVIEW_FINDCUTSBAR_H
#define CLEAVEMARK_PREVIEW_FINDCUTSBAR_H

#include "protocol/CutPlan.h"

#include <QSharedPointer>
#include <QWidget>

class Button;
class CheckBox;
class CutFinder;
class PageMarks;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class ViewedDocument;

// The panel that finds where a scanned stack is cut: at blank pages, at
// pages whose text holds a phrase, or at pages with a code. "Find" has the
// renderers look at every page ("Page 4 of 20", "Stop" ends it) and sets
// the cuts and left-out pages found as marks, one step for Undo; the panel
// then tells what it found. Enter finds, Escape closes the panel.
class FindCutsBar : public QWidget
{
    Q_OBJECT

public:
    FindCutsBar(PageMarks *marks, const QString &rendererPath, QWidget *parent = nullptr);

    static QKeySequence openKey();

    void setDocument(const QSharedPointer<ViewedDocument> &document);
    bool isFinding() const;
    // The chosen way takes the focus, first in the panel's tab order.
    void takeFocus();

    QRadioButton *wayButton(CutOptions::Way way) const;
    QLineEdit *phraseField() const { return m_phrase; }
    QLineEdit *prefixField() const { return m_prefix; }
    CheckBox *leaveOutBox() const { return m_leaveOut; }
    QComboBox *sideBox() const { return m_side; }
    CheckBox *duplexBox() const { return m_duplex; }
    Button *findButton() const { return m_find; }
    Button *stopButton() const { return m_stop; }
    QLabel *statusLabel() const { return m_status; }

    // What was found, in words: "3 parts found, 4 pages left out".
    static QString foundText(const FoundCuts &cuts, const PageFactsList &facts, const CutOptions &options);

signals:
    void closeRequested();
    void found();

public slots:
    void find();
    void stop();

protected:
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    CutOptions::Way way() const;
    CutOptions options() const;
    void wayChosen();
    void progressed(int done, int total);
    void finished(const PageFactsList &facts);
    void setStatus(const QString &text);
    void updateControls();
    void retranslate();

    PageMarks *m_marks;
    CutFinder *m_finder;
    QSharedPointer<ViewedDocument> m_document;
    CutOptions m_running;   // the options of the search under way
    QButtonGroup *m_ways = nullptr;
    QLineEdit *m_phrase = nullptr;
    QLineEdit *m_prefix = nullptr;
    CheckBox *m_leaveOut = nullptr;
    QComboBox *m_side = nullptr;
    CheckBox *m_duplex = nullptr;
    Button *m_find = nullptr;
    Button *m_stop = nullptr;
    Button *m_close = nullptr;
    QLabel *m_status = nullptr;
};

#endif
