#pragma once

#include <QImage>

namespace reference_pictures {

// Pixel size of the serif text in all four pictures.
constexpr int kTextPixelSize = 13;

// The pictures of the reference window, as 8-bit grayscale images.
QImage paintValuesPicture();   // the notation
QImage paintBallPicture();     // the formulas for the ball
QImage paintCylinderPicture(); // the formulas for the cylinder
QImage paintDragPicture();     // the table of drag coefficients

} // namespace reference_pictures
