// Points, sizes and rectangles of the drawing and scrolling code, in logical or device
// units, as the platform's POINT, SIZE and RECT hold them.
#pragma once

namespace platform {

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0, cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Right and bottom are outside the rectangle, as the platform draws them.
struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace platform
