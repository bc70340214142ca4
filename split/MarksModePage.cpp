#include "split/MarksModePage.h"

#include "jobs/Split.h"
#include "widgets/Button.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

MarksModePage::MarksModePage(Split *job, QWidget *parent)
    : ModePage(parent), m_job(job)
{
    m_parts = new QListWidget(this);
    m_parts->setObjectName(QStringLiteral("markedPartsList"));
    pageLayout()->addWidget(m_parts, 1);
    m_helpArea = createHelp(m_help, this);
    pageLayout()->addWidget(m_helpArea);

    auto *row = new QHBoxLayout;
    m_nameLabel = createFieldLabel(this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("partNameField"));
    m_nameLabel->setBuddy(m_name);
    m_markPages = new Button(this);
    m_markPages->setObjectName(QStringLiteral("buttonMarkPages"));
    row->addWidget(m_nameLabel);
    row->addWidget(m_name, 1);
    row->addSpacing(12);
    row->addWidget(m_markPages);
    pageLayout()->addLayout(row);

    connect(m_markPages, &QPushButton::clicked, this, &MarksModePage::markPagesRequested);
    connect(m_parts, &QListWidget::currentRowChanged, this, &MarksModePage::showName);
    connect(m_name, &QLineEdit::textEdited, this, &MarksModePage::nameEdited);
    if (m_job) {
        connect(m_job, &Split::markedSplitChanged, this, &MarksModePage::refresh);
        connect(m_job, &Split::loadFinished, this, &MarksModePage::refresh);
        connect(m_job, &Split::clean, this, &MarksModePage::refresh);
    }
    retranslate();
}

bool MarksModePage::isReady() const
{
    return m_job && !m_job->markedSplit().isEmpty();
}

QString MarksModePage::partText(int number, const MarkedPart &part)
{
    QString text = part.first == part.last ? tr("Part %1: page %2").arg(number).arg(part.first)
                                           : tr("Part %1: pages %2–%3").arg(number).arg(part.first).arg(part.last);
    if (part.leftOut > 0)
        text += tr(", %n page(s) left out", nullptr, part.leftOut);
    if (part.rotated > 0)
        text += tr(", %n rotated", nullptr, part.rotated);
    return text;
}

void MarksModePage::refresh()
{
    const MarkedSplit split = m_job ? m_job->markedSplit() : MarkedSplit();
    const int current = m_parts->currentRow();
    m_parts->clear();
    for (int part = 0; part < split.parts.size(); ++part)
        m_parts->addItem(partText(part + 1, split.parts.at(part)));
    const bool hasParts = !split.isEmpty();
    m_parts->setVisible(hasParts);
    m_helpArea->setVisible(!hasParts);
    m_nameLabel->setEnabled(hasParts);
    m_name->setEnabled(hasParts);
    m_parts->setCurrentRow(hasParts ? qBound(0, current, split.parts.size() - 1) : -1);
    showName(m_parts->currentRow());
    emit readyChanged();
}

void MarksModePage::showName(int part)
{
    const MarkedSplit split = m_job ? m_job->markedSplit() : MarkedSplit();
    m_name->setText(split.parts.value(part).name);
    m_nameLabel->setText(part >= 0 ? tr("Name of part %1:").arg(part + 1) : tr("File name:"));
    m_name->setAccessibleName(m_nameLabel->text());
}

void MarksModePage::nameEdited(const QString &name)
{
    if (m_job)
        m_job->setPartName(m_parts->currentRow(), name);
}

void MarksModePage::retranslate()
{
    m_parts->setAccessibleName(tr("Marked parts"));
    m_name->setPlaceholderText(tr("From the template"));
    m_markPages->setText(tr("Mark pages"));
    m_markPages->setAccessibleName(tr("Mark pages"));
    m_markPages->setToolTip(tr("Opens the page window on the thumbnails"));
    m_help->setText(tr("Mark the pages in the page window: cut after a page, leave pages out or turn them, "
                       "then choose \"Split at marks\". Each part becomes a file."));
    refresh();
}

void MarksModePage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    ModePage::changeEvent(event);
}
