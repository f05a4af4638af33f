// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

namespace tarvex::window_test {

// The five window sizes, by size mode 1..5 (the Size menu lists them in that
// order): the window's outer size, the factors that turn layout units into
// pixels, and the learning button's place in the Readings view.
struct WindowSize {
    int mode;
    const char* name;
    int width, height;
    double scale_x, scale_y;
    int button_x, button_y, button_width, button_height;
};

inline constexpr WindowSize kWindowSizes[5] = {
    {1, "640x480", 640, 450, 0.8, 0.77, 540, 358, 71, 30},
    {2, "800x600", 800, 570, 1.0, 1.0, 695, 465, 70, 40},
    {3, "1024x768", 1024, 738, 1.28, 1.32, 880, 610, 95, 60},
    {4, "1280x960", 1280, 930, 1.6, 1.69, 1100, 780, 120, 75},
    {5, "1280x1024", 1280, 994, 1.6, 1.81, 1100, 840, 120, 75},
};

inline const WindowSize& window_size(int mode) {
    return kWindowSizes[mode - 1];
}

// The client area below the menu bar: the outer size less the 3-pixel frame
// on each side, the caption and a 20-pixel menu bar, which the program
// allows for whatever its own menu bar takes.
inline QSize client_size(const WindowSize& s) {
    return {s.width - 6, s.height - 45};
}

// A layout point in pixels: each coordinate times its factor, truncated.
inline QPoint scaled(const WindowSize& s, double x, double y) {
    return {static_cast<int>(x * s.scale_x), static_cast<int>(y * s.scale_y)};
}
// A layout rectangle (left, top)-(right, bottom), right and bottom exclusive.
inline QRect scaled(const WindowSize& s, double left, double top, double right, double bottom) {
    return QRect(scaled(s, left, top), scaled(s, right, bottom) - QPoint(1, 1));
}

}  // namespace tarvex::window_test
