#pragma once

#include <QImage>

namespace reference_pictures {

// Pixel size of the serif text in all four pictures.
constexpr int kTextPixelSize = 13;

// The pictures of the reference window, as 8-bit grayscale images of `scale` times their size in
// each direction (1 for ordinary screens, 2 for screens of twice the pixel density).
QImage paintValuesPicture(int scale);   // the notation
QImage paintBallPicture(int scale);     // the formulas for the ball
QImage paintCylinderPicture(int scale); // the formulas for the cylinder
QImage paintDragPicture(int scale);     // the table of drag coefficients

} // namespace reference_pictures
