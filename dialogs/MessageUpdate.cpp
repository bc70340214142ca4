#include "dialogs/MessageUpdate.h"

#include "widgets/Button.h"
#include "widgets/WindowBar.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

MessageUpdate::MessageUpdate(const QString &version, QWidget *parent)
    : FramelessDialog(QStringLiteral("messagePassword"), QMargins(9, 0, 8, 13), parent)
    , m_version(version)
{
    frame()->setMinimumSize(380, 160);
    // The version is shown in bold; it is escaped so that it stays plain text.
    messageLabel()->setTextFormat(Qt::RichText);
    messageLabel()->setTextInteractionFlags(Qt::NoTextInteraction);
    messageLabel()->setOpenExternalLinks(false);
    messageLabel()->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto *readAboutRow = new QHBoxLayout;
    readAboutRow->setSpacing(4);
    m_readAbout = new QLabel(frame());
    readAboutRow->addWidget(m_readAbout);
    m_newFeatures = new Button(frame());
    m_newFeatures->setObjectName(QStringLiteral("buttonNewFeatures"));
    m_newFeatures->setFlat(true);
    m_newFeatures->setCursor(Qt::PointingHandCursor);
    m_newFeatures->setAutoDefault(false);
    readAboutRow->addWidget(m_newFeatures);
    readAboutRow->addStretch();
    frameLayout()->addLayout(readAboutRow);
    frameLayout()->addSpacing(10);

    m_cancel = new Button(frame());
    m_cancel->setObjectName(QStringLiteral("buttonCancel"));
    m_cancel->setFixedHeight(42);
    m_cancel->setMinimumWidth(110);
    m_cancel->setAutoDefault(false);
    m_download = new Button(frame());
    m_download->setObjectName(QStringLiteral("buttonSaveSettings"));
    m_download->setFixedHeight(42);
    m_download->setMinimumWidth(150);
    m_download->setDefault(true);
    QHBoxLayout *row = addButtonRow();
    row->addStretch();
    row->addWidget(m_cancel);
    row->addWidget(m_download);
    retranslate();

    connect(m_newFeatures, &QPushButton::clicked, this, &MessageUpdate::requestNewFeatures);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_download, &QPushButton::clicked, this, &QDialog::accept);
    connect(windowBar(), &WindowBar::closeWindow, this, &MessageUpdate::onCloseWindow);
}

void MessageUpdate::retranslate()
{
    setTitle(tr("Update available!"));
    setText(tr("New version of the program is available: <b>%1</b>.")
                .arg(m_version.toHtmlEscaped()));
    m_readAbout->setText(tr("Read about"));
    m_newFeatures->setText(tr("new features"));
    m_cancel->setText(tr("CANCEL"));
    m_download->setText(tr("DOWNLOAD"));
}

void MessageUpdate::onCloseWindow()
{
    reject();
}

void MessageUpdate::showEvent(QShowEvent *event)
{
    FramelessDialog::showEvent(event);
    centreOverParent();
    m_download->setFocus();
}
