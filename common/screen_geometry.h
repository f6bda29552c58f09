#pragma once
// Screen geometry without a toolkit: pixel positions, sizes and rectangles
// as the desktop reports them (y grows downwards). Each front end converts
// from its own types (QRect, RECT).

namespace tarsilo {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle by its top-left corner and its size; right and bottom are the
// first pixel past it.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    Point TopLeft() const { return {left, top}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace tarsilo
