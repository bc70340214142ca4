#ifndef CLEAVEMARK_PREVIEW_COVER_H
#define CLEAVEMARK_PREVIEW_COVER_H

#include <QFrame>

class QLabel;

// The document's thumbnail on the preview panel: nothing, a lock for a
// document that needs a password, or the first page fitted into the frame.
class Cover : public QFrame
{
    Q_OBJECT

public:
    enum Look { Empty = 0, Locked = 1, Thumbnail = 2 };

    explicit Cover(QWidget *parent = nullptr);

    // The pixmap counts only for the thumbnail look.
    void setLook(Look look, const QPixmap &pixmap = QPixmap());
    Look look() const { return m_look; }
    QLabel *label() const { return m_label; }

private:
    QLabel *m_label = nullptr;
    Look m_look = Empty;
};

#endif
