#pragma once
// A picture control: draws one JPEG picture at its own size from the
// control's top-left corner, cut off at the control's edges. It may hold the
// same picture at twice the pixel size too, which screens of a device pixel
// ratio above 1 draw instead.

#include <QWidget>

#include "qt/jpeg_picture.h"

namespace tarsilo {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // `doubled`, when not empty, is the same picture at twice the pixel size.
    void SetPicture(JpegPicture picture, JpegPicture doubled = {});
    // The ordinary picture.
    const JpegPicture& Picture() const { return picture_; }
    // The picture drawn on a screen of that device pixel ratio.
    const JpegPicture& PictureFor(qreal devicePixelRatio) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    JpegPicture::Display ScreenDisplay() const;
    bool DrawsDoubled(qreal devicePixelRatio) const;

    JpegPicture picture_;
    JpegPicture doubled_;
};

} // namespace tarsilo
