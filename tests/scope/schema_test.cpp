// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "scope/schema.h"

using namespace tarvex;

TEST(Schema, SetUpPerSize) {
    const SchemaLayout s1 = schema_setup(1, 634, 405);
    EXPECT_EQ(s1.DiagramOrigin, (Point{10, 10}));
    EXPECT_EQ(s1.viewport_w, 600);
    EXPECT_EQ(s1.viewport_h, 370);
    EXPECT_EQ(s1.max_x, 361);
    EXPECT_EQ(s1.max_y, 266);
    EXPECT_TRUE(s1.bars);
    EXPECT_EQ(s1.hbar, (Rect{10, 380, 610, 395}));
    EXPECT_EQ(s1.vbar, (Rect{610, 10, 625, 380}));
    EXPECT_EQ(s1.DiagramScroll, (Point{0, 0}));

    const SchemaLayout s2 = schema_setup(2, 794, 525);
    EXPECT_EQ(s2.viewport_w, 750);
    EXPECT_EQ(s2.viewport_h, 485);
    EXPECT_EQ(s2.max_x, 211);
    EXPECT_EQ(s2.max_y, 151);
    EXPECT_EQ(s2.hbar, (Rect{10, 495, 760, 515}));
    EXPECT_EQ(s2.vbar, (Rect{760, 10, 780, 495}));

    struct Case {
        int mode, w, h;
        Point origin;
    } cases[] = {{3, 1018, 693, {28, 28}},
                 {4, 1274, 885, {156, 124}},
                 {5, 1274, 949, {156, 156}},
                 {3, 900, 600, {-30, -18}},
                 {4, 960, 635, {0, 0}}};
    for (const auto& c : cases) {
        const SchemaLayout s = schema_setup(c.mode, c.w, c.h);
        EXPECT_FALSE(s.bars);
        EXPECT_EQ(s.viewport_w, 961);
        EXPECT_EQ(s.viewport_h, 636);
        EXPECT_EQ(s.DiagramOrigin, c.origin) << c.w << "x" << c.h;
    }
}

TEST(Schema, ScrollCodes) {
    struct Case {
        int offset, code, thumb, max, want;
    } cases[] = {
        {340, 3, 0, 361, 361}, {300, 3, 0, 361, 350},   {355, 1, 0, 361, 361},
        {100, 1, 0, 361, 110}, {5, 0, 0, 361, 1},       {10, 0, 0, 361, 1},
        {11, 0, 0, 361, 1},    {12, 0, 0, 361, 2},      {30, 2, 0, 361, 1},
        {50, 2, 0, 361, 1},    {0, 2, 0, 151, 1},       {200, 2, 0, 211, 150},
        {7, 5, 123, 361, 123}, {7, 5, 0xFFFF, 361, -1}, {7, 5, 0x8000, 361, -32768},
        {40, 4, 0, 361, 40},   {40, 6, 0, 361, 40},     {40, 7, 99, 361, 40},
        {40, 8, 0, 361, 40},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scroll_offset(c.offset, c.code, c.thumb, c.max), c.want)
            << c.offset << " code " << c.code;
}

TEST(Schema, PictureByLanguage) {
    struct Case {
        const char* code;
        int bitmap;
        const char* picture;
    } cases[] = {{"pol", 179, ":/art/schema_pol.png"},  {"ang", 182, ":/art/schema_ang.png"},
                 {"rus", 1014, ":/art/schema_rus.png"}, {"lit", 192, ":/art/schema_lit.png"},
                 {"ita", 182, ":/art/schema_ang.png"},  {"xyz", 182, ":/art/schema_ang.png"}};
    for (const auto& c : cases) {
        EXPECT_EQ(diagram_bitmap_for(c.code), c.bitmap) << c.code;
        EXPECT_STREQ(diagram_picture_for(c.code), c.picture) << c.code;
    }
}
