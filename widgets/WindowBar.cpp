#include "widgets/WindowBar.h"

#include "widgets/Button.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>

namespace {

// Room that balances the buttons on the right, so the title stays centred.
const QSize mainSpacer(52, 19);
const QSize dialogSpacer(26, 19);

} // namespace

WindowBar::WindowBar(QWidget *parent, Form form)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("windowBar"));
    setFixedHeight(22);

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);

    auto *icon = new QLabel(this);
    const QPixmap pixmap = loadStylePixmap(QStringLiteral(":/style/images/icon16.png"));
    icon->setPixmap(pixmap);
    if (!pixmap.isNull())
        icon->setFixedSize(pixmap.size() / pixmap.devicePixelRatio());
    layout->addWidget(icon);

    const QSize spacer = form == MainWindowForm ? mainSpacer : dialogSpacer;
    layout->addSpacerItem(
        new QSpacerItem(spacer.width(), spacer.height(), QSizePolicy::Fixed, QSizePolicy::Fixed));
    layout->addStretch();

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("windowBarLabel"));
    m_title->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_title);
    layout->addStretch();

    m_minimize = new Button(this);
    m_minimize->setObjectName(QStringLiteral("windowminimize"));
    // Reached by Tab, but a click leaves the focus where it was.
    m_minimize->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(m_minimize, 0, Qt::AlignTop);
    m_minimize->setVisible(form == MainWindowForm);

    m_close = new Button(this);
    m_close->setObjectName(QStringLiteral("windowclose"));
    m_close->setFocusPolicy(Qt::TabFocus);
    layout->addWidget(m_close, 0, Qt::AlignTop);

    connect(m_minimize, &QPushButton::clicked, this, &WindowBar::minimizeWindow);
    connect(m_close, &QPushButton::clicked, this, &WindowBar::closeWindow);
    retranslate();
}

void WindowBar::retranslate()
{
    m_minimize->setAccessibleName(tr("Minimize"));
    m_close->setAccessibleName(tr("Close"));
}

void WindowBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QFrame::changeEvent(event);
}

void WindowBar::setTitle(const QString &title)
{
    m_title->setText(title);
}

QString WindowBar::title() const
{
    return m_title->text();
}
