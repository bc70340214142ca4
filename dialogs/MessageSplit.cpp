#include "dialogs/MessageSplit.h"

#include "widgets/Button.h"
#include "widgets/WindowBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

MessageSplit::MessageSplit(int count, QWidget *parent)
    : FramelessDialog(QStringLiteral("messageBox"), QMargins(9, 3, 8, 12), parent)
    , m_count(count)
{
    frame()->setMinimumSize(389, 181);
    messageLabel()->setObjectName(QStringLiteral("messageText"));

    m_ok = new Button(frame());
    m_ok->setObjectName(QStringLiteral("buttonSplitOk"));
    m_open = new Button(frame());
    m_open->setObjectName(QStringLiteral("buttonSplitOpen"));
    m_merge = new Button(frame());
    m_merge->setObjectName(QStringLiteral("buttonSplitMerge"));
    QHBoxLayout *row = addButtonRow();
    row->addStretch();
    for (Button *button : {m_ok, m_open, m_merge}) {
        button->setFixedHeight(42);
        row->addWidget(button);
    }
    row->addStretch();
    m_ok->setDefault(true);
    retranslate();

    connect(m_ok, &QPushButton::clicked, this, &MessageSplit::onOk);
    connect(m_open, &QPushButton::clicked, this, &MessageSplit::onOpen);
    connect(m_merge, &QPushButton::clicked, this, &MessageSplit::onMerge);
    connect(windowBar(), &WindowBar::closeWindow, this, &MessageSplit::onOk);
}

void MessageSplit::setOversizedCount(int count)
{
    m_oversized = count;
    retranslate();
}

void MessageSplit::setSizes(const SizeSummary &sizes)
{
    m_sizes = sizes;
    retranslate();
}

void MessageSplit::retranslate()
{
    setTitle(tr("Split complete"));
    QString result = tr("Your document was split in %n files. You can open folder to view the results "
                        "of proceed of merging them.",
                        nullptr, m_count);
    if (m_oversized > 0)
        result += QLatin1Char(' ')
                  + tr("%n of them hold a single page that alone is larger than the size limit.", nullptr,
                       m_oversized);
    if (m_renamed > 0)
        result += QLatin1Char(' ')
                  + tr("%n of them got a name such as \"(1)name.pdf\" because a file of the same name "
                       "was already there.",
                       nullptr, m_renamed);
    if (!m_sizes.isEmpty())
        result += QStringLiteral("\n\n") + m_sizes.text(m_count);
    setText(m_note.isEmpty() ? result : m_note + QStringLiteral("\n\n") + result);
    m_ok->setText(tr("OK"));
    m_open->setText(tr("OPEN"));
    m_merge->setText(tr("MERGE RESULTS"));
}

void MessageSplit::setRenamedCount(int count)
{
    m_renamed = count;
    retranslate();
}

void MessageSplit::setNote(const QString &note)
{
    m_note = note;
    retranslate();
}

void MessageSplit::showEvent(QShowEvent *event)
{
    FramelessDialog::showEvent(event);
    centreOverParent();
}

void MessageSplit::onOk()
{
    done(Ok);
}

void MessageSplit::onOpen()
{
    done(Open);
}

void MessageSplit::onMerge()
{
    done(MergeResults);
}
