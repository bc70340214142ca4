#ifndef CLEAVEMARK_SPLIT_MODEPAGE_H
#define CLEAVEMARK_SPLIT_MODEPAGE_H

#include <QFrame>

class QLabel;
class QLineEdit;
class QVBoxLayout;

// The page of one split mode. It asks for no height of its own, so that
// what a mode shows never changes the split page's layout: a long list
// scrolls inside the area rather than pushing the bottom bar down.
class ModePage : public QFrame
{
    Q_OBJECT

public:
    explicit ModePage(QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Its wrapped help text would otherwise ask for height by width.
    bool hasHeightForWidth() const override { return false; }

    QVBoxLayout *pageLayout() const { return m_layout; }

    // The parts the pages are made of: a help text beside the help image, a
    // field for a whole number, a field's label, and the hidden label that
    // tells why a field's entry was refused.
    static QWidget *createHelp(QLabel *&text, QWidget *parent);
    static QLineEdit *createNumberField(QWidget *parent);
    // A field for pages and ranges as typed ("3-5,7", "8-", "-4"): wide
    // enough for its example where it shows one, narrow where it shares a
    // row with more.
    enum class PagesFieldWidth { WithExample, InRow };
    static QLineEdit *createPagesField(QWidget *parent, PagesFieldWidth width);
    static QLabel *createFieldLabel(QWidget *parent);
    static QLabel *createProblemLabel(QWidget *parent);
    // Shows the reason beside the field, or hides the label for an empty one.
    static void showProblem(QLabel *label, const QString &problem);

private:
    QVBoxLayout *m_layout = nullptr;
};

#endif
