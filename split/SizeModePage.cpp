#include "split/SizeModePage.h"

#include "jobs/Split.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

constexpr double bytesPerMegabyte = 1048576.0;

} // namespace

SizeModePage::SizeModePage(Split *job, QWidget *parent)
    : ModePage(parent), m_job(job)
{
    auto *fields = new QHBoxLayout;
    m_sizeLabel = createFieldLabel(this);
    m_size = new QLineEdit(this);
    m_size->setObjectName(QStringLiteral("maxFileSizeEdit"));
    m_size->setFixedSize(70, 30);
    // Up to five digits, and two decimals after "." or ",".
    m_size->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,5}([.,]\\d{0,2})?")), m_size));
    m_size->setText(QString::number(Split::DefaultMaxFileSize / bytesPerMegabyte));
    m_sizeLabel->setBuddy(m_size);
    m_unit = new QLabel(this);
    m_documentSize = new QLabel(this);
    m_documentSize->setObjectName(QStringLiteral("documentSizeLabel"));
    fields->addWidget(m_sizeLabel);
    fields->addWidget(m_size);
    fields->addWidget(m_unit);
    fields->addSpacing(20);
    fields->addWidget(m_documentSize);
    fields->addStretch();
    pageLayout()->addLayout(fields);
    pageLayout()->addWidget(createHelp(m_help, this));
    pageLayout()->addStretch();

    connect(m_size, &QLineEdit::textChanged, this, &SizeModePage::onSizeEdited);
    if (m_job) {
        connect(m_job, &Split::loadFinished, this, &SizeModePage::refresh);
        connect(m_job, &Split::clean, this, &SizeModePage::refresh);
    }
    retranslate();
}

qint64 SizeModePage::bytesOf(const QString &megabytes)
{
    QString text = megabytes.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && value > 0 ? qint64(value * bytesPerMegabyte) : 0;
}

bool SizeModePage::isReady() const
{
    return bytesOf(m_size->text()) > 0;
}

void SizeModePage::onSizeEdited()
{
    if (m_job)
        m_job->setMaxFileSize(bytesOf(m_size->text()));
    emit readyChanged();
}

void SizeModePage::refresh()
{
    const bool shown = m_job && m_job->isFileSet();
    m_documentSize->setVisible(shown);
    if (shown)
        m_documentSize->setText(tr("The document: %1").arg(m_job->fileSizeText()));
}

void SizeModePage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ModePage::changeEvent(event);
}

void SizeModePage::retranslate()
{
    m_sizeLabel->setText(tr("Largest file:"));
    m_size->setAccessibleName(tr("Largest file size in MB"));
    m_unit->setText(tr("MB"));
    m_help->setText(tr("Pages go into files in their order, each file holding as many pages as fit "
                       "within this size, for example to stay under an e-mail limit. A page that "
                       "alone is larger becomes a file of its own."));
    refresh();
}
