#include "ui/picture_box.h"

#include <QMetaObject>
#include <QPainter>
#include <QScreen>

#include "ui/error_reporting.h"
#include "ui/jpeg_error.h"

namespace tarsilo {

// Not opaque: where the image does not reach, the parent's surface shows.
PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::SetPicture(JpegPicture picture) {
    picture_ = std::move(picture);
    update();
}

JpegPicture::Display PictureBox::ScreenDisplay() const {
    constexpr int PaletteDepth = 8;
    const QScreen* own = screen();
    return own && own->depth() <= PaletteDepth ? JpegPicture::Display::Palette
                                               : JpegPicture::Display::TrueColour;
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    try {
        picture_.Decode(ScreenDisplay());
    } catch (const EJPEG& error) {
        // The dialog's nested event loop must not run while this window's
        // backing store is being painted, or the window could not repaint
        // while the dialog is open; it opens once the painting is done.
        QMetaObject::invokeMethod(
            this, [this, error] { ReportException(error, this); }, Qt::QueuedConnection);
    }
    if (picture_.Image().isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, picture_.Image());
}

} // namespace tarsilo
