// SPDX-License-Identifier: MIT
#include "gfx/palette.h"
#include "readings/dashboard.h"

namespace tarvex {

namespace pal = palette;

namespace {

// The dial is offset by (495,40) design units and scaled by ScaleX on both
// axes, so it stays round.
Point dial_point(const LayoutScale& s, Point p) {
    return {static_cast<int>(s.ScaleX * 495 + s.ScaleX * p.x),
            static_cast<int>(s.ScaleX * 40 + s.ScaleX * p.y)};
}

Point dial_design(const LayoutScale& s, int x, int y) {
    return {static_cast<int>(x * s.ScaleX), static_cast<int>(y * s.ScaleX)};
}

void needle_and_hub(Canvas& c, const Dashboard& d, int i) {
    const LayoutScale& s = d.scale;
    const auto k = static_cast<std::size_t>(i);
    c.line(dial_point(s, d.dial.NeedleBase[k]), dial_point(s, d.dial.NeedleTip[k]), pal::kPenRed4);
    const Point tl = dial_design(s, 605, 150);
    const Point br = dial_design(s, 645, 190);
    c.ellipse({tl.x, tl.y, br.x, br.y}, pal::kPenRed4, pal::kBrushRed);
}

}  // namespace

void draw_rpm_dial(Canvas& c, Dashboard& d) {
    const LayoutScale& s = d.scale;
    const DialTables& t = d.dial;
    DashboardState& st = d.state;
    const auto old = static_cast<std::size_t>(st.NeedleIndex);
    c.line(dial_point(s, t.NeedleBase[old]), dial_point(s, t.NeedleTip[old]), pal::kPenBlack4);

    const int i = std::min(st.CurrentRpm / 50, 160);
    needle_and_hub(c, d, i);

    const bool red_zone = (d.image.Options() & 0x40) != 0;
    for (int k = 0; k <= 8; ++k) {
        const bool red = red_zone && st.LpgOffRpmShown / 1000 < k;
        c.line(dial_point(s, t.TickOuter[static_cast<std::size_t>(20 * k)]),
               dial_point(s, t.MajorTickInner[static_cast<std::size_t>(k)]),
               red ? pal::kPenRed2 : pal::kPenLightGrey2);
    }
    for (int k = 0; k <= 40; ++k) {
        const bool red = red_zone && st.LpgOffRpmShown / 200 < k;
        c.line(dial_point(s, t.TickOuter[static_cast<std::size_t>(4 * k)]),
               dial_point(s, t.MinorTickInner[static_cast<std::size_t>(k)]),
               red ? pal::kPenRed2 : pal::kPenLightGrey2);
    }

    static constexpr Point kDigits[9] = {{540, 205}, {525, 155}, {540, 110}, {570, 80}, {617, 65},
                                         {664, 80},  {699, 110}, {714, 155}, {699, 205}};
    for (int k = 0; k <= 8; ++k) {
        const char digit[2] = {static_cast<char>('0' + k), 0};
        c.text(dial_design(s, kDigits[k].x, kDigits[k].y), digit, d.fonts.SmallFont, pal::kWhite,
               pal::kBlack);
    }
    c.text(dial_design(s, 575, 115), "RPM x 1000", d.fonts.SmallFont, pal::kLightGrey, pal::kBlack);
    needle_and_hub(c, d, i);
    st.NeedleIndex = i;
}

}  // namespace tarvex
