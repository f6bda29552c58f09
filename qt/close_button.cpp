#include "qt/close_button.h"

#include <QBitmap>
#include <QPixmap>

#include "common/resources/close_glyph.xpm"

namespace tarsilo {

namespace {

constexpr int GlyphSize = 18;

// The glyph image holds two pictures side by side; the colour of its
// bottom-left pixel is transparent.
QPixmap GlyphHalf(const QImage& strip, int index) {
    QImage half = strip.copy(index * GlyphSize, 0, GlyphSize, GlyphSize);
    const QRgb transparent = strip.pixel(0, strip.height() - 1);
    QPixmap pixmap = QPixmap::fromImage(half);
    pixmap.setMask(QBitmap::fromImage(half.createMaskFromColor(transparent, Qt::MaskInColor)));
    return pixmap;
}

} // namespace

QIcon CloseGlyph() {
    // Read from the program's own array: an image file would first be looked
    // for among the image plugins.
    static const QImage strip(close_glyph_xpm);
    QIcon icon;
    icon.addPixmap(GlyphHalf(strip, 0), QIcon::Normal);
    icon.addPixmap(GlyphHalf(strip, 0), QIcon::Active);
    icon.addPixmap(GlyphHalf(strip, 1), QIcon::Disabled);
    return icon;
}

CloseButton::CloseButton(QWidget* parent) : QPushButton(parent) {
    setIcon(CloseGlyph());
    setIconSize(QSize(GlyphSize, GlyphSize));
    connect(this, &QPushButton::clicked, this, [this] { window()->close(); });
}

} // namespace tarsilo
