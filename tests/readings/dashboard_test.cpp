// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/palette.h"
#include "gfx/recording_canvas.h"
#include "link/conversions.h"
#include "readings/dashboard.h"
#include "readings/dashboard_fixture.h"
#include "support/canvas_texts.h"

using namespace tarvex;
namespace pal = tarvex::palette;
using Kind = RecordingCanvas::Kind;

namespace {

struct DashFixture : tarvex::testing::DashFixture {
    using tarvex::testing::DashFixture::DashFixture;
    void values() {
        Dashboard dd = d();
        draw_dashboard_values(canvas, dd);
    }
    RecordingCanvas::Call text_at(Point p) const { return tarvex::testing::text_at(canvas, p); }
    std::vector<RecordingCanvas::Call> rects_with(Brush b) const {
        std::vector<RecordingCanvas::Call> out;
        for (const auto& c : canvas.of_kind(Kind::Rectangle))
            if (c.brush == b)
                out.push_back(c);
        return out;
    }
    int dial_redraws() const {
        int n = 0;
        for (const auto& c : canvas.of_kind(Kind::Text))
            n += c.text == "RPM x 1000";
        return n;
    }
};

}  // namespace

TEST(Dashboard, LinkLostPictureAtTwoSizes) {
    for (int mode : {2, 3}) {
        DashFixture f(mode);
        const LayoutScale& s = f.size.scale;
        f.values();
        auto text = [&](int x, int y) { return f.text_at(s.pt(x, y)).text; };
        EXPECT_EQ(text(40, 45), "0.00");
        EXPECT_EQ(text(40, 155), "0.00");
        EXPECT_EQ(text(305, 196), "0.02");
        EXPECT_EQ(text(40, 265), "000");
        EXPECT_EQ(text(147, 326), "000");  // pointer at A = 0
        EXPECT_EQ(text(157, 315), "^");
        EXPECT_EQ(text(590, 210), "0000");
        EXPECT_EQ(text(510, 265), "0000");
        EXPECT_EQ(text(605, 265), "0000");
        EXPECT_EQ(text(705, 265), "0000");
        EXPECT_EQ(text(490, 375), "000");
        EXPECT_EQ(text(705, 385), "00");
        EXPECT_EQ(f.text_at(s.pt(510, 265)).fg, pal::kGrey);
        EXPECT_EQ(f.text_at(s.pt(605, 265)).fg, pal::kBlack);
        EXPECT_EQ(f.text_at(s.pt(705, 265)).fg, pal::kGrey);
        EXPECT_EQ(f.text_at(s.pt(705, 385)).fg, pal::kGrey);
        // Yellow marker at the left end of the lambda track.
        const auto yellow = f.rects_with(pal::kBrushYellow);
        ASSERT_FALSE(yellow.empty());
        EXPECT_EQ(yellow.front().rect, s.rect(140, 52, 180, 73));
        // No lamp lit: all four silver, with their own outlines.
        const Pen lamp_pens[] = {pal::kPenCyan, pal::kPenDarkGreen, pal::kPenYellow, pal::kPenRed};
        int silver_lamps = 0;
        for (const auto& c : f.canvas.of_kind(Kind::Rectangle))
            for (int k = 0; k < 4; ++k)
                if (c.rect.left == f.size.LampX[k] && c.rect.top == f.size.lamp_box.top) {
                    EXPECT_EQ(c.brush, pal::kBrushSilver);
                    EXPECT_EQ(c.pen, lamp_pens[k]);
                    ++silver_lamps;
                }
        EXPECT_EQ(silver_lamps, 4);
        EXPECT_EQ(f.state.UpperLampLit, 0);
        // Empty actuator bar, then the no-connection rows and the petrol box.
        EXPECT_EQ(f.rects_with(pal::kBrushNavy).front().rect, s.rect(161, 270, 161, 290));
        EXPECT_EQ(text(40, 405), "T30");
        EXPECT_EQ(f.text_at(s.pt(40, 405)).fg, pal::kRed);
        EXPECT_EQ(text(40, 445), "T31");
        EXPECT_EQ(text(40, 425), " ");
        EXPECT_EQ(text(515, 475), "T14");
        EXPECT_EQ(f.status.OnGas, 0);
    }
}

TEST(Dashboard, FrameOfRoundedPanelsLabelledInTheLanguagesCharacterSet) {
    DashFixture f(3, "rus");
    Dashboard d = f.d();
    draw_dashboard_frame(f.canvas, d);
    const auto panels = f.canvas.of_kind(Kind::RoundRect);
    ASSERT_EQ(panels.size(), 7u);
    EXPECT_EQ(panels[0].rect, f.size.scale.rect(20, 20, 450, 110));
    EXPECT_EQ(panels[0].brush, pal::kBrushSilver);
    EXPECT_EQ(panels[6].brush, pal::kBrushBlack);  // the dial's
    EXPECT_EQ(f.text_at(f.size.scale.pt(240, 25)).text, "T0");
    EXPECT_EQ(f.text_at(f.size.scale.pt(240, 25)).font.charset, Charset::Cyrillic);
}

TEST(Dashboard, LambdaMarkerPositionAndColour) {
    struct Case {
        int volts, type, state;
        int pos;
        Brush brush;
    } cases[] = {{60, 0x00, 1, 255, pal::kBrushDarkGreen},
                 {51, 0x01, 4, 255, pal::kBrushRed},
                 {23, 0x10, 2, 23, pal::kBrushYellow},
                 {200, 0x20, 0, 200, pal::kBrushYellow},
                 {255, 0x50, 7, 255, pal::kBrushYellow}};
    for (const auto& c : cases) {
        DashFixture f;
        f.image.LiveFrame[live::LambdaVoltage] = static_cast<std::uint8_t>(c.volts);
        f.image.SettingsBlock1[block1::LambdaType] = static_cast<std::uint8_t>(c.type);
        f.image.LiveFrame[live::LiveStateBits] = static_cast<std::uint8_t>(c.state);
        f.values();
        EXPECT_EQ(f.state.LambdaMarkerPos, c.pos) << c.volts;
        const auto marker = f.rects_with(c.brush);
        ASSERT_FALSE(marker.empty());
        EXPECT_EQ(marker.front().rect, (Rect{140 + c.pos, 52, 180 + c.pos, 73}));
    }
}

TEST(Dashboard, LampRowByHighNibble) {
    struct Case {
        int bits, lit, upper;
    } cases[] = {{0x10, 0, 0},  {0x20, 1, 1},  {0x40, 2, 1},  {0x80, 3, 1},
                 {0x30, -1, 0}, {0x00, -1, 0}, {0xF8, -1, 0}, {0x2F, 1, 1}};
    const Brush fills[] = {pal::kBrushCyan, pal::kBrushDarkGreen, pal::kBrushYellow,
                           pal::kBrushRed};
    for (const auto& c : cases) {
        DashFixture f;
        f.state.UpperLampLit = 1 - c.upper;
        f.image.LiveFrame[live::LiveStateBits] = static_cast<std::uint8_t>(c.bits);
        f.values();
        EXPECT_EQ(f.state.UpperLampLit, c.upper) << c.bits;
        for (const auto& r : f.canvas.of_kind(Kind::Rectangle))
            for (int k = 0; k < 4; ++k) {
                if (r.rect.left == f.size.LampX[k] && r.rect.top == f.size.lamp_box.top) {
                    EXPECT_EQ(r.brush, k == c.lit ? fills[k] : pal::kBrushSilver)
                        << "bits " << c.bits << " lamp " << k;
                }
            }
    }
}

TEST(Dashboard, TpsTextByType) {
    struct Case {
        int type, raw, state;
        const char* text;
        int cleared_right;  // 0 when no area is cleared first
    } cases[] = {{0, 100, 0, "1.96", 0},   {1, 100, 0, "3.04", 0},   {2, 100, 0, "_.__", 0},
                 {6, 0, 0x00, " ON", 105}, {6, 0, 0x10, "OFF", 105}, {7, 0, 0x18, "OFF", 110}};
    for (const auto& c : cases) {
        DashFixture f;
        f.image.SettingsBlock1[block1::LambdaType] = static_cast<std::uint8_t>(0x10 | c.type);
        f.image.LiveFrame[live::TpsVoltage] = static_cast<std::uint8_t>(c.raw);
        f.image.LiveFrame[live::LiveStateBits] = static_cast<std::uint8_t>(c.state);
        f.values();
        EXPECT_EQ(f.text_at({40, 155}).text, c.text) << c.type;
        bool cleared = false;
        for (const auto& r : f.canvas.of_kind(Kind::Rectangle))
            cleared |= r.rect == Rect{30, 155, c.cleared_right, 195};
        EXPECT_EQ(cleared, c.cleared_right != 0) << c.type;
    }
}

TEST(Dashboard, ActuatorWindowsStayInsideTheTrack) {
    struct Case {
        int att_init, min_bj, max_bj, min, max;
        Rect cyan, red;
    } cases[] = {
        {0, 30, 10, 255, 5, {161, 295, 171, 300}, {161, 305, 166, 310}},
        {250, 10, 255, 3, 200, {401, 295, 418, 300}, {408, 305, 418, 310}},
        {100, 20, 20, 0, 0, {241, 295, 281, 300}, {261, 305, 261, 310}},
    };
    for (const auto& c : cases) {
        DashFixture f;
        f.image.LiveFrame[live::AttInit] = static_cast<std::uint8_t>(c.att_init);
        f.image.SettingsBlock2[block2::AttMin_BJ] = static_cast<std::uint8_t>(c.min_bj);
        f.image.SettingsBlock2[block2::AttMax_BJ] = static_cast<std::uint8_t>(c.max_bj);
        f.image.SettingsBlock2[block2::AttMin] = static_cast<std::uint8_t>(c.min);
        f.image.SettingsBlock2[block2::AttMax] = static_cast<std::uint8_t>(c.max);
        f.values();
        EXPECT_EQ(f.rects_with(pal::kBrushCyan).front().rect, c.cyan) << c.att_init;
        EXPECT_EQ(f.rects_with(pal::kBrushRed).front().rect, c.red) << c.att_init;
        for (const auto& r : f.canvas.of_kind(Kind::Rectangle)) {
            if (r.rect.top < 295 || r.rect.bottom > 310)
                continue;
            EXPECT_GE(std::min(r.rect.left, r.rect.right), 160);
            EXPECT_LE(std::max(r.rect.left, r.rect.right), 418);
        }
    }
}

TEST(Dashboard, SpeedTextsAndDialRedraws) {
    DashFixture f;
    Dashboard d = f.d();
    draw_dashboard_frame(f.canvas, d);
    EXPECT_EQ(f.dial_redraws(), 1);

    auto set_period = [&](unsigned p) {
        f.image.LiveFrame[live::EnginePeriodLo] = static_cast<std::uint8_t>(p & 0xFF);
        f.image.LiveFrame[live::EnginePeriodHi] = static_cast<std::uint8_t>(p >> 8);
    };
    struct Step {
        unsigned period;
        int lpg_off_rpm;
        const char* text;
        int redraws;  // dial redraws in this call
    } steps[] = {
        {0xFFFF, 0, "0000", 0},                   // engine stopped, nothing changed
        {period_from_rpm(850), 0, "0850", 1},     // speed changed
        {period_from_rpm(850), 0, "0850", 0},     // nothing changed
        {period_from_rpm(850), 6000, "0850", 1},  // threshold changed
        {1500, 6000, "1000", 1},                  // 10000 rpm: four characters
        {1500, 6000, "1000", 0},
    };
    for (const auto& s : steps) {
        f.canvas.clear();
        set_period(s.period);
        if (s.lpg_off_rpm) {
            const unsigned p = period_from_rpm(s.lpg_off_rpm);
            f.image.SettingsBlock2[block2::LPGOffRPMLo] = static_cast<std::uint8_t>(p & 0xFF);
            f.image.SettingsBlock2[block2::LPGOffRPMHi] = static_cast<std::uint8_t>(p >> 8);
        }
        f.values();
        EXPECT_EQ(f.text_at({590, 210}).text, s.text);
        EXPECT_EQ(f.dial_redraws(), s.redraws) << s.text;
    }
    EXPECT_EQ(f.state.CurrentRpm, 10000);
    EXPECT_EQ(f.state.NeedleIndex, 160);
}

TEST(Dashboard, DialNeedleAndRedZone) {
    struct Case {
        int rpm;
        bool red_zone;
        int lpg_off;
        int needle;
        int first_red_major, first_red_minor;  // 9 / 41 for none
    } cases[] = {{0, true, 4500, 0, 5, 23},
                 {4000, true, 5000, 80, 6, 26},
                 {8000, false, 4500, 160, 9, 41},
                 {12000, true, 0, 160, 1, 1}};
    for (const auto& c : cases) {
        DashFixture f(5);
        f.state.CurrentRpm = c.rpm;
        f.state.LpgOffRpmShown = c.lpg_off;
        f.image.SettingsBlock1[block1::Options] = c.red_zone ? 0x40 : 0xBF;
        Dashboard d = f.d();
        draw_rpm_dial(f.canvas, d);
        EXPECT_EQ(f.state.NeedleIndex, c.needle);
        const auto lines = f.canvas.of_kind(Kind::Line);
        ASSERT_EQ(lines.size(), 1u + 1u + 9u + 41u + 1u);  // erase, needle, ticks, needle again
        EXPECT_EQ(lines[0].pen, pal::kPenBlack4);
        EXPECT_EQ(lines[1].pen, pal::kPenRed4);
        for (int k = 0; k <= 8; ++k)
            EXPECT_EQ(lines[static_cast<std::size_t>(2 + k)].pen,
                      k >= c.first_red_major ? pal::kPenRed2 : pal::kPenLightGrey2)
                << c.rpm << " major " << k;
        for (int k = 0; k <= 40; ++k)
            EXPECT_EQ(lines[static_cast<std::size_t>(11 + k)].pen,
                      k >= c.first_red_minor ? pal::kPenRed2 : pal::kPenLightGrey2)
                << c.rpm << " minor " << k;
        // Drawn round: both axes scaled by ScaleX (1.6) around the centre (625,170).
        const Point tip = lines[1].points[1];
        const Point expect{
            static_cast<int>(1.6 * 495 +
                             1.6 * f.dial.NeedleTip[static_cast<std::size_t>(c.needle)].x),
            static_cast<int>(1.6 * 40 +
                             1.6 * f.dial.NeedleTip[static_cast<std::size_t>(c.needle)].y)};
        EXPECT_EQ(tip, expect);
        const auto hub = f.canvas.of_kind(Kind::Ellipse).front().rect;
        EXPECT_EQ(hub, (Rect{968, 240, 1032, 304}));
    }
}

TEST(Dashboard, LpgOnTemperatureOfThreeDigitsStaysReadable) {
    DashFixture f;
    f.image.SettingsBlock1[block1::LPGOnTemp] = 255;
    f.image.SettingsBlock1[block1::Options] = 0x02;
    f.values();
    const auto t = f.text_at({705, 385});
    EXPECT_EQ(t.text, "100");
    EXPECT_LT(t.font.width, f.fonts.SmallFont.width);
    EXPECT_EQ(t.fg, pal::kBlack);
}
