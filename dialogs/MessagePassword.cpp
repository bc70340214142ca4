#include "dialogs/MessagePassword.h"

#include "widgets/Button.h"
#include "widgets/WindowBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

MessagePassword::MessagePassword(QWidget *parent)
    : FramelessDialog(QStringLiteral("messagePassword"), QMargins(9, 0, 8, 9), parent)
{
    frame()->setMinimumSize(380, 190);

    auto *passwordRow = new QHBoxLayout;
    m_passwordLabel = new QLabel(frame());
    m_passwordLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    passwordRow->addWidget(m_passwordLabel);
    m_password = new QLineEdit(frame());
    m_password->setEchoMode(QLineEdit::Password);
    passwordRow->addWidget(m_password, 1);
    m_passwordLabel->setBuddy(m_password);
    frameLayout()->addLayout(passwordRow);
    frameLayout()->addSpacing(10);

    m_ok = new Button(frame());
    m_ok->setObjectName(QStringLiteral("buttonSplitOk"));
    m_ok->setFixedSize(100, 42);
    m_ok->setDefault(true);
    m_skipButton = new Button(frame());
    m_skipAllButton = new Button(frame());
    for (Button *skip : {m_skipButton, m_skipAllButton}) {
        skip->setObjectName(QStringLiteral("buttonSkip"));
        skip->setFixedHeight(42);
        skip->setMinimumWidth(100);
        skip->setAutoDefault(false);
        skip->hide();
    }
    QHBoxLayout *row = addButtonRow();
    row->addStretch();
    row->addWidget(m_ok);
    row->addWidget(m_skipButton);
    row->addWidget(m_skipAllButton);
    row->addStretch();
    retranslate();

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_skipButton, &QPushButton::clicked, this, &MessagePassword::buttonSkip);
    connect(m_skipAllButton, &QPushButton::clicked, this, &MessagePassword::buttonSkipAll);
    connect(windowBar(), &WindowBar::closeWindow, this, &QDialog::reject);
}

void MessagePassword::retranslate()
{
    setTitle(tr("Enter password"));
    m_passwordLabel->setText(tr("Password:"));
    m_password->setAccessibleName(m_passwordLabel->text());
    m_ok->setText(tr("OK"));
    m_skipButton->setText(tr("SKIP"));
    m_skipAllButton->setText(tr("SKIP ALL"));
}

void MessagePassword::setMessage(const QString &text)
{
    setText(text);
}

void MessagePassword::setSkipVisible(bool visible)
{
    m_skipButton->setVisible(visible);
}

void MessagePassword::setSkipAllVisible(bool visible)
{
    m_skipAllButton->setVisible(visible);
}

QString MessagePassword::password() const
{
    return m_password->text();
}

void MessagePassword::buttonSkip()
{
    m_skip = true;
    accept();
}

void MessagePassword::buttonSkipAll()
{
    m_skipAll = true;
    accept();
}

void MessagePassword::showEvent(QShowEvent *event)
{
    FramelessDialog::showEvent(event);
    m_password->setFocus();
}
