#include "split/ModePage.h"

#include "widgets/Button.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

const QSize numberFieldSize(55, 30);
const QSize pagesFieldWithExampleSize(120, 30);
const QSize pagesFieldInRowSize(75, 30);

} // namespace

ModePage::ModePage(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("splitArea"));
    m_layout = new QVBoxLayout(this);
    m_layout->setSizeConstraint(QLayout::SetNoConstraint);
    m_layout->setContentsMargins(16, 12, 16, 12);
    m_layout->setSpacing(10);
}

QSize ModePage::sizeHint() const
{
    return {QFrame::sizeHint().width(), 0};
}

QSize ModePage::minimumSizeHint() const
{
    return {QFrame::minimumSizeHint().width(), 0};
}

QWidget *ModePage::createHelp(QLabel *&text, QWidget *parent)
{
    auto *help = new QWidget(parent);
    auto *row = new QHBoxLayout(help);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(8);
    auto *image = new QLabel(help);
    image->setObjectName(QStringLiteral("help"));
    image->setPixmap(loadStylePixmap(QStringLiteral(":/style/images/helplabel.png")));
    row->addWidget(image, 0, Qt::AlignTop);
    text = new QLabel(help);
    text->setWordWrap(true);
    row->addWidget(text, 1);
    return help;
}

QLineEdit *ModePage::createNumberField(QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setFixedSize(numberFieldSize);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d+")), field));
    return field;
}

QLineEdit *ModePage::createPagesField(QWidget *parent, PagesFieldWidth width)
{
    auto *field = new QLineEdit(parent);
    field->setFixedSize(width == PagesFieldWidth::WithExample ? pagesFieldWithExampleSize : pagesFieldInRowSize);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,\\- ]*")), field));
    return field;
}

QLabel *ModePage::createFieldLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("inputLabel"));
    return label;
}

QLabel *ModePage::createProblemLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("fieldProblem"));
    label->setStyleSheet(QStringLiteral("color: #C62828;"));
    label->setWordWrap(true);
    label->hide();
    return label;
}

// The reason stays until the entry changes.
void ModePage::showProblem(QLabel *label, const QString &problem)
{
    label->setText(problem);
    label->setVisible(!problem.isEmpty());
}
