// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "gfx/canvas.h"

namespace tarvex {

// Design coordinates (the 800 x 570 window) to pixels: each coordinate is
// multiplied by its factor and truncated toward zero by itself.
struct LayoutScale {
    double ScaleX = 0.8;  // the values before any size is applied
    double ScaleY = 0.77;
    int x(double design_x) const { return static_cast<int>(design_x * ScaleX); }
    int y(double design_y) const { return static_cast<int>(design_y * ScaleY); }
    Point pt(double design_x, double design_y) const { return {x(design_x), y(design_y)}; }
    Rect rect(double l, double t, double r, double b) const { return {x(l), y(t), x(r), y(b)}; }
};

// A lamp of the dashboard's lamp row, relative to its LampX: left and right
// offsets, top and bottom, in pixels.
struct LampBox {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct ButtonPlace {
    int x = 0, y = 0, width = 0, height = 0;
};

// Everything that depends on the window size.
struct SizeRow {
    int mode;
    int menu_id;
    int width, height;  // outer size of the main window
    double scale_x, scale_y;
    std::array<int, 4> lamp_x;
    LampBox lamp_box;
    ButtonPlace learn_button;
    int status_lamp;
    CellFont large_font;           // weight 600, both character sets
    CellFont small_font;           // weight 300, Central European
    CellFont small_font_cyrillic;  // weight 300, Cyrillic
};

constexpr int kSizeModes = 5;
// The row of a size mode 1..5; mode 2 for anything else.
const SizeRow& size_row(int mode);
bool valid_size_mode(int mode);

// The window size chosen from the desktop, first match wins. The same number
// is the desktop's size class.
int size_mode_for_desktop(int desktop_w, int desktop_h);

// Where the main window goes: centred when the desktop is more than 50 pixels
// wider than the window, else at the top-left corner. A desktop lower than the
// window gives y 0, so that the caption stays on the screen.
Point window_position(int desktop_w, int desktop_h, int window_w, int window_h);

// The current size and what follows from it.
struct SizeState {
    int SizeMode = 0;
    int WindowWidth = 640, WindowHeight = 450;
    LayoutScale scale;
    std::array<int, 4> LampX{};
    LampBox lamp_box;
};

// Sets the scale factors and lamp layout of state.SizeMode; an out-of-range
// mode changes nothing here.
void select_size_factors(SizeState& state);
// Sets SizeMode with its window size and factors.
void set_size_mode(SizeState& state, int mode);

// The fonts, learning-button place and status-lamp size of a size and language.
struct FontChoice {
    CellFont LargeFont;
    CellFont SmallFont;
    ButtonPlace learn_button;
    int StatusLampSize = 0;
};
FontChoice choose_fonts(int size_mode, const std::string& language_code);
Charset charset_for(const std::string& language_code);

}  // namespace tarvex
