#include "preview/Cover.h"

#include "widgets/Button.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

const QSize coverSize(75, 100);
const QSize thumbnailRoom(70, 95);
const QSize lockSize(30, 39);

} // namespace

Cover::Cover(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("cover"));
    setFixedSize(coverSize);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_label = new QLabel(this);
    m_label->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_label, 0, Qt::AlignCenter);
}

void Cover::setLook(Look look, const QPixmap &pixmap)
{
    m_look = look;
    switch (look) {
    case Locked:
        m_label->setPixmap(loadStylePixmap(QStringLiteral(":/style/images/lock.png")));
        m_label->setFixedSize(lockSize);
        break;
    case Thumbnail: {
        const QPixmap scaled = pixmap.isNull()
            ? QPixmap()
            : pixmap.scaled(thumbnailRoom, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        m_label->setPixmap(scaled);
        m_label->setFixedSize(scaled.isNull() ? QSize(0, 0) : scaled.size());
        break;
    }
    case Empty:
        m_label->clear();
        break;
    }
}
