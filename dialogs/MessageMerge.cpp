#include "dialogs/MessageMerge.h"

#include "dialogs/MessageScroll.h"
#include "widgets/Button.h"
#include "widgets/WindowBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

MessageMerge::MessageMerge(QWidget *parent)
    : FramelessDialog(QStringLiteral("messageBox"), QMargins(9, 3, 8, 12), parent)
{
    frame()->setMinimumSize(420, 181);
    messageLabel()->setObjectName(QStringLiteral("messageText"));
    MessageScroll::wrapMessage(this);

    m_ok = new Button(frame());
    m_ok->setObjectName(QStringLiteral("buttonSplitOk"));
    m_ok->setFixedHeight(42);
    m_ok->setDefault(true);
    m_open = new Button(frame());
    m_open->setObjectName(QStringLiteral("buttonSplitOpen"));
    m_open->setFixedHeight(42);
    QHBoxLayout *row = addButtonRow();
    row->setSpacing(0);
    row->addStretch();
    row->addWidget(m_ok);
    row->addSpacing(20);
    row->addWidget(m_open);
    row->addStretch();
    retranslate();

    connect(m_ok, &QPushButton::clicked, this, &MessageMerge::onOk);
    connect(m_open, &QPushButton::clicked, this, &MessageMerge::onOpen);
    connect(windowBar(), &WindowBar::closeWindow, this, &MessageMerge::onOk);
}

void MessageMerge::setNote(const QString &note)
{
    m_note = note;
    retranslate();
}

void MessageMerge::retranslate()
{
    setTitle(tr("Merge complete"));
    QString text = m_summary.isEmpty()
                       ? tr("All of your files have been merged. You can open the folder to view the result")
                       : m_summary + QLatin1Char(' ') + tr("You can open the folder to view the result");
    if (!m_note.isEmpty())
        text += QStringLiteral("\n\n") + m_note;
    if (!m_sizes.isEmpty())
        text += QStringLiteral("\n\n") + m_sizes.text(0);
    setText(text);
    m_ok->setText(tr("OK"));
    m_open->setText(tr("OPEN FOLDER"));
}

void MessageMerge::setSizes(const SizeSummary &sizes)
{
    m_sizes = sizes;
    retranslate();
}

void MessageMerge::setSummary(const QString &summary)
{
    m_summary = summary;
    retranslate();
}

void MessageMerge::showEvent(QShowEvent *event)
{
    FramelessDialog::showEvent(event);
    centreOverParent();
}

void MessageMerge::onOk()
{
    done(Ok);
}

void MessageMerge::onOpen()
{
    done(OpenFolder);
}
