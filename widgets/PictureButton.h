#ifndef CLEAVEMARK_WIDGETS_PICTUREBUTTON_H
#define CLEAVEMARK_WIDGETS_PICTUREBUTTON_H

#include <QAbstractButton>
#include <QPixmap>

// A button that is nothing but a picture, scaled into its rectangle with its
// aspect ratio kept. The style sheet may frame it (hover, pressed) like any
// push button; the picture is set by code, e.g. a page thumbnail.
class PictureButton : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)

public:
    explicit PictureButton(QWidget *parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);

    // Where the picture lands inside the button.
    QRect pictureRect() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

#endif
