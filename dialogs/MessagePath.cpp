#include "dialogs/MessagePath.h"

#include "widgets/Button.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

MessagePath::MessagePath(const QString &folder, QWidget *parent)
    : MessageView(QString(), QString(), parent)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(8);
    m_path = new QLineEdit(QDir::toNativeSeparators(folder), frame());
    m_path->setObjectName(QStringLiteral("pathField"));
    m_path->setReadOnly(true);
    m_path->setMinimumWidth(300);
    m_path->setCursorPosition(0);
    row->addWidget(m_path, 1);
    m_copy = new Button(frame());
    m_copy->setObjectName(QStringLiteral("buttonCopyPath"));
    m_copy->setFixedHeight(36);
    m_copy->setMinimumWidth(90);
    row->addWidget(m_copy);
    // Between the message and the OK row.
    frameLayout()->insertLayout(frameLayout()->count() - 1, row);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(m_path->text()); });
    retranslate();
}

void MessagePath::retranslate()
{
    setTitle(tr("Cannot open the folder"));
    setText(tr("No file manager answered. The files are in this folder:"));
    m_path->setAccessibleName(tr("Folder"));
    m_copy->setText(tr("COPY"));
    m_copy->setAccessibleName(tr("Copy the folder's path"));
    m_copy->setToolTip(m_copy->accessibleName());
}
