// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "ui/size_modes.h"

using namespace tarvex;

TEST(SizeModes, DesktopTableAndPlacement) {
    struct Case {
        int w, h;
        int mode, win_w, win_h;
        int x, y;
    } cases[] = {
        {1280, 1024, 5, 1280, 994, 0, 0},   {1280, 1000, 4, 1280, 930, 0, 0},
        {1280, 900, 3, 1024, 738, 128, 81}, {1152, 864, 3, 1024, 738, 64, 63},
        {800, 600, 2, 800, 570, 0, 0},      {1024, 600, 3, 1024, 738, 0, 0},
        {640, 480, 1, 640, 450, 0, 0},      {1920, 1080, 5, 1280, 994, 320, 43},
        {799, 1200, 1, 640, 450, 79, 375},
    };
    for (const auto& c : cases) {
        const int mode = size_mode_for_desktop(c.w, c.h);
        EXPECT_EQ(mode, c.mode) << c.w << "x" << c.h;
        EXPECT_EQ(size_row(mode).width, c.win_w);
        EXPECT_EQ(size_row(mode).height, c.win_h);
        EXPECT_EQ(window_position(c.w, c.h, c.win_w, c.win_h), (Point{c.x, c.y}))
            << c.w << "x" << c.h;
    }
    // Centred horizontally on a desktop lower than the window: kept on screen.
    EXPECT_EQ(window_position(1200, 700, 1024, 738), (Point{88, 0}));
}

TEST(SizeModes, ScaledDesignPoints) {
    struct Case {
        int mode;
        Point corner;  // the design point (800, 570)
    } cases[] = {
        {1, {640, 438}}, {2, {800, 570}}, {3, {1024, 752}}, {4, {1280, 963}}, {5, {1280, 1031}}};
    for (const auto& c : cases) {
        SizeState s;
        set_size_mode(s, c.mode);
        EXPECT_EQ(s.scale.pt(800, 570), c.corner) << c.mode;
    }
    // Before any size is set, points scale as at the smallest size; an
    // out-of-range size leaves the scale as it was.
    SizeState s;
    EXPECT_EQ(s.scale.pt(800, 570), (Point{640, 438}));
    set_size_mode(s, 4);
    set_size_mode(s, 9);
    EXPECT_EQ(s.scale.pt(800, 570), (Point{1280, 963}));
    set_size_mode(s, 2);
    EXPECT_EQ(s.scale.pt(123, 456), (Point{123, 456}));
    EXPECT_EQ(s.scale.rect(20, 20, 450, 110), (Rect{20, 20, 450, 110}));
}

TEST(SizeModes, LampTablesButtonsAndLampSize) {
    struct Case {
        int mode;
        std::array<int, 4> lamp_x;
        int top, right, bottom;
        ButtonPlace button;
        int lamp;
    } cases[] = {
        {1, {113, 172, 231, 290}, 123, 57, 142, {540, 358, 71, 30}, 22},
        {2, {140, 214, 288, 362}, 160, 72, 185, {695, 465, 70, 40}, 30},
        {3, {180, 274, 368, 462}, 211, 92, 243, {880, 610, 95, 60}, 40},
        {4, {225, 343, 461, 579}, 268, 115, 313, {1100, 780, 120, 75}, 50},
        {5, {225, 343, 461, 579}, 288, 115, 335, {1100, 840, 120, 75}, 55},
    };
    for (const auto& c : cases) {
        SizeState s;
        set_size_mode(s, c.mode);
        EXPECT_EQ(s.LampX, c.lamp_x);
        EXPECT_EQ(s.lamp_box.left, 0);
        EXPECT_EQ(s.lamp_box.top, c.top);
        EXPECT_EQ(s.lamp_box.right, c.right);
        EXPECT_EQ(s.lamp_box.bottom, c.bottom);
        const FontChoice f = choose_fonts(c.mode, "pol");
        EXPECT_EQ(f.learn_button.x, c.button.x);
        EXPECT_EQ(f.learn_button.y, c.button.y);
        EXPECT_EQ(f.learn_button.width, c.button.width);
        EXPECT_EQ(f.learn_button.height, c.button.height);
        EXPECT_EQ(f.StatusLampSize, c.lamp);
    }
}

TEST(SizeModes, TwentyFontsByCharacterSet) {
    struct Case {
        int mode;
        int large_h, large_w;
        int small_h, small_w;
        int small_cyr_h, small_cyr_w;
    } cases[] = {{1, 28, 11, 14, 6, 14, 6},
                 {2, 36, 14, 18, 8, 18, 8},
                 {3, 49, 18, 22, 10, 18, 8},
                 {4, 62, 23, 24, 12, 24, 12},
                 {5, 65, 23, 24, 12, 24, 12}};
    for (const auto& c : cases) {
        for (const char* lang : {"pol", "ang", "lit", "ita", "xyz", "rus"}) {
            const bool cyr = std::string(lang) == "rus";
            const FontChoice f = choose_fonts(c.mode, lang);
            EXPECT_EQ(f.LargeFont, (CellFont{c.large_h, c.large_w, 600,
                                             cyr ? Charset::Cyrillic : Charset::CentralEuropean}));
            EXPECT_EQ(f.SmallFont.height, cyr ? c.small_cyr_h : c.small_h) << c.mode << lang;
            EXPECT_EQ(f.SmallFont.width, cyr ? c.small_cyr_w : c.small_w) << c.mode << lang;
            EXPECT_EQ(f.SmallFont.weight, 300);
            EXPECT_EQ(f.SmallFont.charset, cyr ? Charset::Cyrillic : Charset::CentralEuropean);
        }
    }
}
