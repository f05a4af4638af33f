// SPDX-License-Identifier: MIT
#include "readings/dial_tables.h"

#include <cmath>

#include "link/conversions.h"

namespace tarvex {

namespace {

double steps(int n) {
    return n * 1.5 * 3.14159 / 180;
}

}  // namespace

double circle_offset(int radius, int a) {
    const int d = 130 - a;
    return std::sqrt(static_cast<double>(radius * radius - d * d));
}

std::array<Point, 161> compute_arc(int radius) {
    std::array<Point, 161> arc{};
    const double R = radius;
    // c(v): the other coordinate from the circle, for a coordinate v on the arc.
    auto c = [radius](int v) { return round_half(circle_offset(radius, v)); };
    for (int i = 0; i <= 160; ++i) {
        int x = 0, y = 0;
        if (i <= 20) {
            const int dy = round_half(R * std::sin(steps(20 - i)));
            y = 130 + dy;
            x = 130 - c(y);
        } else if (i <= 49) {
            const int dy = round_half(R * std::sin(steps(i - 20)));
            y = 130 - dy;
            x = 130 - c(y);
        } else if (i <= 80) {
            const int dx = round_half(R * std::cos(steps(i - 20)));
            x = 130 - dx;
            y = 130 - c(x);
        } else if (i <= 110) {
            const int dx = round_half(R * std::cos(steps(60 - (i - 80))));
            x = 130 + dx;
            y = 130 - c(x);
        } else if (i <= 140) {
            const int dy = round_half(R * std::sin(steps(60 - (i - 80))));
            y = 130 - dy;
            x = 130 + c(y);
        } else {
            const int dy = round_half(R * std::sin(steps(i - 140)));
            y = 130 + dy;
            x = 130 + c(y);
        }
        arc[static_cast<std::size_t>(i)] = {x, y};
    }
    return arc;
}

void build_dial_tables(DialTables& t) {
    t.NeedleTip = compute_arc(115);
    t.TickOuter = compute_arc(124);
    const auto major = compute_arc(110);
    for (std::size_t k = 0; k < t.MajorTickInner.size(); ++k)
        t.MajorTickInner[k] = major[20 * k];
    const auto minor = compute_arc(115);
    for (std::size_t k = 0; k < t.MinorTickInner.size(); ++k)
        t.MinorTickInner[k] = minor[4 * k];
    t.NeedleBase = compute_arc(20);
}

}  // namespace tarvex
