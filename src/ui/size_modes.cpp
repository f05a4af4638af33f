// SPDX-License-Identifier: MIT
#include "ui/size_modes.h"

namespace tarvex {

namespace {

constexpr CellFont large(int h, int w) {
    return {h, w, 600, Charset::CentralEuropean};
}
constexpr CellFont small(int h, int w) {
    return {h, w, 300, Charset::CentralEuropean};
}
constexpr CellFont small_cyr(int h, int w) {
    return {h, w, 300, Charset::Cyrillic};
}

const std::array<SizeRow, kSizeModes> kRows = {{
    {1,
     40028,
     640,
     450,
     0.8,
     0.77,
     {113, 172, 231, 290},
     {0, 123, 57, 142},
     {540, 358, 71, 30},
     22,
     large(28, 11),
     small(14, 6),
     small_cyr(14, 6)},
    {2,
     40029,
     800,
     570,
     1.0,
     1.0,
     {140, 214, 288, 362},
     {0, 160, 72, 185},
     {695, 465, 70, 40},
     30,
     large(36, 14),
     small(18, 8),
     small_cyr(18, 8)},
    {3,
     40030,
     1024,
     738,
     1.28,
     1.32,
     {180, 274, 368, 462},
     {0, 211, 92, 243},
     {880, 610, 95, 60},
     40,
     large(49, 18),
     small(22, 10),
     small_cyr(18, 8)},
    {4,
     40032,
     1280,
     930,
     1.6,
     1.69,
     {225, 343, 461, 579},
     {0, 268, 115, 313},
     {1100, 780, 120, 75},
     50,
     large(62, 23),
     small(24, 12),
     small_cyr(24, 12)},
    {5,
     40031,
     1280,
     994,
     1.6,
     1.81,
     {225, 343, 461, 579},
     {0, 288, 115, 335},
     {1100, 840, 120, 75},
     55,
     large(65, 23),
     small(24, 12),
     small_cyr(24, 12)},
}};

}  // namespace

bool valid_size_mode(int mode) {
    return mode >= 1 && mode <= kSizeModes;
}

const SizeRow& size_row(int mode) {
    return kRows[static_cast<std::size_t>(valid_size_mode(mode) ? mode - 1 : 1)];
}

int size_mode_for_desktop(int w, int h) {
    if (w >= 1280 && h >= 1024)
        return 5;
    if (w >= 1280 && h >= 960)
        return 4;
    if (w >= 1024)
        return 3;
    if (w >= 800)
        return 2;
    return 1;
}

Point window_position(int desktop_w, int desktop_h, int window_w, int window_h) {
    if (desktop_w - window_w > 50) {
        const int y = (desktop_h - window_h) / 2;
        return {(desktop_w - window_w) / 2, y < 0 ? 0 : y};
    }
    return {0, 0};
}

void select_size_factors(SizeState& state) {
    if (!valid_size_mode(state.SizeMode))
        return;
    const SizeRow& row = size_row(state.SizeMode);
    state.scale.ScaleX = row.scale_x;
    state.scale.ScaleY = row.scale_y;
    state.LampX = row.lamp_x;
    state.lamp_box = row.lamp_box;
}

void set_size_mode(SizeState& state, int mode) {
    state.SizeMode = mode;
    if (valid_size_mode(mode)) {
        state.WindowWidth = size_row(mode).width;
        state.WindowHeight = size_row(mode).height;
    }
    select_size_factors(state);
}

Charset charset_for(const std::string& language_code) {
    return language_code == "rus" ? Charset::Cyrillic : Charset::CentralEuropean;
}

FontChoice choose_fonts(int size_mode, const std::string& language_code) {
    const SizeRow& row = size_row(size_mode);
    FontChoice c;
    const Charset cs = charset_for(language_code);
    c.LargeFont = row.large_font;
    c.LargeFont.charset = cs;
    c.SmallFont = cs == Charset::Cyrillic ? row.small_font_cyrillic : row.small_font;
    c.learn_button = row.learn_button;
    c.StatusLampSize = row.status_lamp;
    return c;
}

}  // namespace tarvex
