#pragma once
// A picture control: draws one JPEG picture at its own size from the
// control's top-left corner, cut off at the control's edges.

#include <QWidget>

#include "ui/jpeg_picture.h"

namespace tarsilo {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetPicture(JpegPicture picture);
    const JpegPicture& Picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    JpegPicture::Display ScreenDisplay() const;

    JpegPicture picture_;
};

} // namespace tarsilo
