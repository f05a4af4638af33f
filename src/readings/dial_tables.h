// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "gfx/canvas.h"

namespace tarvex {

// The engine-speed dial's geometry: points of a 260-unit local frame centred
// on (130,130). Arc index i = 0..160 points (i - 80) x 1.5 degrees clockwise
// from straight up; one step is 50 rpm.
struct DialTables {
    std::array<Point, 161> NeedleTip;      // radius 115
    std::array<Point, 161> NeedleBase;     // radius 20
    std::array<Point, 161> TickOuter;      // radius 124
    std::array<Point, 9> MajorTickInner;   // radius 110, every 20th index
    std::array<Point, 41> MinorTickInner;  // radius 115, every 4th index
};

// The 161 arc points of a radius, with the angle constant 3.14159 and
// round_half, exactly as the controller maker's gauge has them.
std::array<Point, 161> compute_arc(int radius);
// sqrt(radius^2 - (130 - a)^2), the squares taken in integers.
double circle_offset(int radius, int a);
void build_dial_tables(DialTables& tables);

}  // namespace tarvex
