#pragma once

#include <QImage>
#include <QStringList>

namespace reference_pictures {

// Pixel size of the serif text in all four pictures.
constexpr int kTextPixelSize = 13;

// A picture as an 8-bit grayscale image, and what it shows in words, a line of text for each
// line of the picture (a row of the table), made from the same pieces as its ink.
struct ReferencePicture {
    QImage image;
    QStringList lines;
};

// The pictures of the reference window at `scale` times their size in each direction (1 for
// ordinary screens, 2 for screens of twice the pixel density).
ReferencePicture paintValuesPicture(int scale);   // the notation
ReferencePicture paintBallPicture(int scale);     // the formulas for the ball
ReferencePicture paintCylinderPicture(int scale); // the formulas for the cylinder
ReferencePicture paintDragPicture(int scale);     // the table of drag coefficients

} // namespace reference_pictures
