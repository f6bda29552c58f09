#pragma once
// The program's icon as a drawing: a cyan square inside a black border with a
// red zig-zag arrow, like a lightning bolt, from the upper right down to the
// lower left. It is laid out on the 32-pixel grid of the window icon and
// scales to any size.

#include <QImage>

namespace tarsilo::icons {

inline constexpr int DesignGrid = 32;

// Pixel-exact drawing is for comparing with the 32-pixel window icon; the
// larger icons are smoothed.
enum class Edges { Smooth, PixelExact };

// The icon at size × size pixels, fully opaque.
QImage DrawIcon(int size, Edges edges = Edges::Smooth);

} // namespace tarsilo::icons
