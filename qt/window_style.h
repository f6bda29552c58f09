#pragma once
// Fonts, icon and screen scaling shared by the two windows.
//
// The windows were laid out at 96 pixels per inch for a window font whose
// text height is 13 pixels. The substitute window font (Liberation Sans at
// 11 pixels) has its own text height at 96 ppi; that height is the reference,
// so nothing scales at 96 ppi and the layout grows with the font elsewhere.

#include <QFont>
#include <QIcon>
#include <QRect>

#include "common/layout_scale.h"

class QWidget;

namespace tarsilo {

// The window font at a screen resolution: the design height × dpi / 96.
QFont WindowFont(qreal dpi = DesignDpi);
// The serif font that draws the Greek-letter labels (ρ, μ).
QFont GreekLetterFont(qreal dpi = DesignDpi);

// Registers the icon and glyph resources of this library (idempotent).
void EnsureUiResources();

// The window icon: a cyan square with a black border and a red zig-zag arrow.
QIcon WindowIcon();

// Scales design geometry by the measured text height of the window font at
// the screen's resolution over its height at 96 ppi (TextHeightScale on Qt's
// rectangles).
class LayoutScale {
public:
    explicit LayoutScale(qreal dpi);
    bool IsIdentity() const { return scale_.IsIdentity(); }
    int Apply(int designPixels) const { return scale_.Apply(designPixels); }
    // Scales the left/top and right/bottom edges, each to the nearest pixel.
    QRect Apply(const QRect& design) const;
    QSize Apply(const QSize& design) const;
    qreal Dpi() const { return dpi_; }

private:
    qreal dpi_;
    TextHeightScale scale_;
};

// The logical resolution of the screen the widget is on (or the primary one).
qreal ScreenDpi(const QWidget* widget);

} // namespace tarsilo
