// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>

#include "readings/dial_tables.h"

using namespace tarvex;

TEST(DialTables, CheckPointsOfEveryRadius) {
    struct Case {
        int radius;
        std::array<Point, 9> points;  // arc indices 0, 20, ..., 160
    } cases[] = {
        {124,
         {{{23, 192},
           {6, 130},
           {23, 68},
           {68, 23},
           {130, 6},
           {192, 23},
           {237, 68},
           {254, 130},
           {237, 192}}}},
        {115,
         {{{30, 187},
           {15, 130},
           {30, 73},
           {72, 31},
           {130, 15},
           {188, 31},
           {230, 73},
           {245, 130},
           {230, 187}}}},
        {110,
         {{{35, 185},
           {20, 130},
           {35, 75},
           {75, 35},
           {130, 20},
           {185, 35},
           {225, 75},
           {240, 130},
           {225, 185}}}},
        {20,
         {{{113, 140},
           {110, 130},
           {113, 120},
           {120, 113},
           {130, 110},
           {140, 113},
           {147, 120},
           {150, 130},
           {147, 140}}}},
    };
    for (const auto& c : cases) {
        const auto arc = compute_arc(c.radius);
        for (int k = 0; k <= 8; ++k)
            EXPECT_EQ(arc[static_cast<std::size_t>(20 * k)], c.points[static_cast<std::size_t>(k)])
                << "radius " << c.radius << " index " << 20 * k;
    }
}

TEST(DialTables, TablesComeFromTheirRadii) {
    DialTables t;
    build_dial_tables(t);
    EXPECT_EQ(t.NeedleTip[80], (Point{130, 15}));
    EXPECT_EQ(t.NeedleBase[0], (Point{113, 140}));
    EXPECT_EQ(t.TickOuter[160], (Point{237, 192}));
    EXPECT_EQ(t.MajorTickInner[4], (Point{130, 20}));
    EXPECT_EQ(t.MajorTickInner[8], (Point{225, 185}));
    EXPECT_EQ(t.MinorTickInner[10], t.NeedleTip[40]);  // radius 115, index 40
    EXPECT_EQ(t.MinorTickInner[40], (Point{230, 187}));
}

TEST(DialTables, ThirtyDegreeAsymmetryFromTheAngleConstant) {
    // 115 sin(20 steps) = 57.49996 rounds to 57; 115 cos(40 steps) = 57.50009 to 58.
    EXPECT_LT(115 * std::sin(20 * 1.5 * 3.14159 / 180), 57.5);
    EXPECT_GT(115 * std::cos(40 * 1.5 * 3.14159 / 180), 57.5);
    const auto arc = compute_arc(115);
    EXPECT_EQ(130 - arc[40].y, 57);  // index 40: dy from the angle
    EXPECT_EQ(130 - arc[60].x, 58);  // index 60: dx from the angle
    EXPECT_DOUBLE_EQ(circle_offset(115, 130), 115.0);
    EXPECT_DOUBLE_EQ(circle_offset(20, 110), 0.0);
}
