// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "gfx/palette.h"
#include "gfx/recording_canvas.h"
#include "scope/scope_trace.h"
#include "support/canvas_texts.h"
#include "support/start_folder.h"

using namespace tarvex;
namespace pal = tarvex::palette;
using Kind = RecordingCanvas::Kind;

namespace {

struct ScopeFixture {
    ScopeBuffers buf;
    ScopeState state;
    ControllerImage image;
    LinkState link;
    SizeState size;
    FontChoice fonts;
    UiTexts texts;
    int rpm = 0;
    RecordingCanvas canvas;

    explicit ScopeFixture(int mode = 2) {
        set_size_mode(size, mode);
        fonts = choose_fonts(mode, "ang");
        texts = tarvex::testing::numbered_texts("S");
        link.NoConnection = 0;
        ResetScopeBuffers(buf, size.scale);
        buf.SweepColumn = 202;
    }
    Scope s() {
        return Scope{buf,           state, image, link, size.scale,
                     size.SizeMode, fonts, texts, rpm,  {236, 236, 236}};
    }
    void tick() {
        Scope sc = s();
        RecordScopeTick(canvas, sc);
    }
    std::vector<RecordingCanvas::Call> lines(Pen pen) const {
        std::vector<RecordingCanvas::Call> out;
        for (const auto& c : canvas.of_kind(Kind::Line))
            if (c.pen == pen)
                out.push_back(c);
        return out;
    }
    RecordingCanvas::Call text_at(Point p) const { return tarvex::testing::text_at(canvas, p); }
    bool has_text_at(Point p) const { return tarvex::testing::find_text_at(canvas, p) != nullptr; }
};

}  // namespace

TEST(ScopeScaling, EveryTrace) {
    struct Lambda {
        int raw, type, v;
    } lambdas[] = {{0, 0x00, 0},    {10, 0x00, 15},  {53, 0x00, 79},
                   {54, 0x00, 80},  {255, 0x00, 80}, {255, 0x10, 76},
                   {255, 0x50, 76}, {100, 0x20, 30}, {3, 0x00, 4}};
    for (const auto& l : lambdas)
        EXPECT_EQ(lambda_height(l.raw, l.type), l.v) << l.raw << " " << l.type;
    EXPECT_EQ(actuator_height(255), 85);
    EXPECT_EQ(actuator_height(2), 0);
    EXPECT_EQ(rpm_height(850), 8);
    EXPECT_EQ(rpm_height(8000), 80);
    EXPECT_EQ(rpm_height(12000), 80);
    struct Tps {
        int raw, type, v;
    } tps[] = {{0, 0, 0},  {255, 0, 82}, {255, 1, 0},  {0, 1, 82},  {0, 3, 82},
               {0, 5, 82}, {0, 9, 82},   {0, 11, 82},  {0, 13, 82}, {0, 7, 0},
               {0, 15, 0}, {255, 7, 82}, {100, 6, 32}, {100, 2, 32}};
    for (const auto& t : tps)
        EXPECT_EQ(tps_height(t.raw, t.type), t.v) << t.raw << " type " << t.type;
}

TEST(ScopeRecording, FirstTickWrapAndRedraw) {
    ScopeFixture f;
    f.image.LiveFrame[live::LambdaVoltage] = 20;  // v = 30
    f.image.LiveFrame[live::ActuatorStep] = 90;   // v = 30
    f.image.LiveFrame[live::AttInit] = 60;        // v = 20
    f.image.LiveFrame[live::EnginePeriodHi] = 0xFF;
    f.image.LiveFrame[live::TpsVoltage] = 31;  // v = 10
    f.tick();
    // Flat start at column 203, stored in slot 3.
    EXPECT_EQ(f.buf.SweepColumn, 203);
    const auto lambda = f.lines(pal::kPenDarkOlive2);
    ASSERT_EQ(lambda.size(), 1u);
    EXPECT_EQ(lambda[0].points[0], (Point{202, 100}));
    EXPECT_EQ(lambda[0].points[1], (Point{203, 100}));
    EXPECT_EQ(f.buf.ScopeTrace[TraceLambda][3].y, 100);
    EXPECT_EQ(f.buf.ScopeTrace[TraceRpm][3].y, 350);  // engine stopped: rest level
    EXPECT_EQ(f.buf.lambda_raw[3], 20);
    // No strip blanking yet; the marker two columns ahead; the erase before it.
    bool strip = false, marker = false, erase = false;
    for (const auto& r : f.canvas.of_kind(Kind::Rectangle)) {
        strip |= r.rect.left == 199 && r.rect.right == 204;
        marker |= r.rect.left == 205 && r.rect.right == 206 && r.pen == pal::kPenRed;
        erase |= r.rect.left == 203 && r.rect.right == 205 && r.pen == pal::kPenWhite;
    }
    EXPECT_FALSE(strip);
    EXPECT_TRUE(marker);
    EXPECT_TRUE(erase);
    EXPECT_EQ(f.text_at({630, 290}).text, "0000");
    EXPECT_EQ(f.text_at({630, 70}).text, "0.39");

    // Run to the wrap: the tick at 596 stores point 396 and slot 1.
    f.image.LiveFrame[live::LambdaVoltage] = 40;  // v = 60
    for (int i = 0; i < 400 && f.buf.SweepColumn < 595; ++i)
        f.tick();
    ASSERT_EQ(f.buf.SweepColumn, 595);
    f.canvas.clear();
    f.tick();
    EXPECT_EQ(f.buf.SweepColumn, 201);
    EXPECT_EQ(f.buf.ScopeTrace[TraceLambda][396].y, 70);
    EXPECT_EQ(f.buf.lambda_raw[1], 40);
    EXPECT_EQ(f.lines(pal::kPenDarkOlive2)[0].points[1], (Point{596, 70}));
    f.canvas.clear();
    f.tick();
    EXPECT_EQ(f.lines(pal::kPenDarkOlive2)[0].points[0], (Point{201, 70}));  // joined to the last
    EXPECT_EQ(f.lines(pal::kPenDarkOlive2)[0].points[1], (Point{202, 70}));
    EXPECT_EQ(f.buf.lambda_raw[2], 40);

    // The repaint: points 0..2 take point 3's values, 396 points per trace.
    f.canvas.clear();
    Scope s = f.s();
    RedrawScopeTraces(f.canvas, s);
    const auto polys = f.canvas.of_kind(Kind::Polyline);
    ASSERT_EQ(polys.size(), 5u);
    const Pen order[] = {pal::kPenDarkOlive2, pal::kPenDarkGreen, pal::kPenGreen2, pal::kPenBlue2,
                         pal::kPenNavy2};
    for (int t = 0; t < 5; ++t) {
        EXPECT_EQ(polys[t].pen, order[t]);
        ASSERT_EQ(polys[t].points.size(), 396u);
        EXPECT_EQ(polys[t].points[0], polys[t].points[3]);
        EXPECT_EQ(polys[t].points[2], polys[t].points[3]);
    }
    EXPECT_EQ(polys[0].points[3], (Point{204, 100}));  // slot 3 redrawn one column right
    EXPECT_EQ(f.canvas.of_kind(Kind::Rectangle).size(), 4u);
}

TEST(ScopeRecording, NothingRecordedWhileLostOrCursorOn) {
    ScopeFixture f;
    f.link.NoConnection = 1;
    f.tick();
    EXPECT_EQ(f.buf.SweepColumn, 202);
    EXPECT_TRUE(f.canvas.of_kind(Kind::Line).empty());
    EXPECT_EQ(f.text_at({630, 400}).text, "0.00");  // cleared image: panel 4 plain volts
    EXPECT_NE(f.canvas.find_text("V"), nullptr);
    f.link.NoConnection = 0;
    f.state.ScopeCursorOn = 1;
    f.tick();
    EXPECT_EQ(f.buf.SweepColumn, 202);
}

TEST(ScopeReadouts, PanelFourByTpsType) {
    struct Case {
        int type, tps, state;
        const char* text;
        bool unit, white_box;
    } cases[] = {{1, 100, 0, "3.04", true, false}, {2, 100, 0, "_.__", false, false},
                 {6, 0, 0x10, "OFF", false, true}, {7, 0, 0x00, " ON", false, true},
                 {0, 255, 0, "4.99", true, false}, {9, 51, 0, "0.99", true, false}};
    for (const auto& c : cases) {
        ScopeFixture f(3);
        f.image.SettingsBlock1[block1::LambdaType] = static_cast<std::uint8_t>(c.type);
        f.image.LiveFrame[live::TpsVoltage] = static_cast<std::uint8_t>(c.tps);
        f.image.LiveFrame[live::LiveStateBits] = static_cast<std::uint8_t>(c.state);
        f.tick();
        EXPECT_EQ(f.text_at(f.size.scale.pt(630, 400)).text, c.text) << c.type;
        EXPECT_EQ(f.has_text_at(f.size.scale.pt(700, 400)), c.unit) << c.type;
        bool box = false;
        for (const auto& r : f.canvas.of_kind(Kind::Rectangle))
            box |= r.rect == Rect{865, 528, 893, 528 + 49};  // down to the text cells' bottom
        EXPECT_EQ(box, c.white_box) << c.type;
    }
}

TEST(ScopeCursor, ScrollCodes) {
    struct Case {
        int pos, code, thumb, want;
    } cases[] = {{5, 2, 0, 2},        {395, 1, 0, 395}, {394, 1, 0, 395}, {200, 1, 0, 201},
                 {390, 3, 0, 395},    {100, 3, 0, 110}, {2, 0, 0, 2},     {3, 0, 0, 2},
                 {11, 2, 0, 2},       {12, 2, 0, 2},    {13, 2, 0, 3},    {50, 5, 300, 300},
                 {50, 5, 0xFFFE, -2}, {50, 4, 0, 50},   {50, 6, 0, 50},   {50, 7, 0, 50}};
    for (const auto& c : cases)
        EXPECT_EQ(cursor_scroll(c.pos, c.code, c.thumb), c.want) << c.pos << " code " << c.code;
}

TEST(ScopeCursor, RepairReadoutsAndSharedColumns) {
    ScopeFixture f(1);
    f.image.LiveFrame[live::LambdaVoltage] = 30;
    f.image.LiveFrame[live::ActuatorStep] = 77;
    f.image.LiveFrame[live::EnginePeriodLo] = 0x98;
    f.image.LiveFrame[live::EnginePeriodHi] = 0x3A;  // 15000: 1000 rpm
    f.image.LiveFrame[live::LiveFuelBits] = 0x01;
    for (int i = 0; i < 10; ++i)
        f.tick();
    f.state.ScopeCursorOn = 1;
    f.buf.ScopeOldCursor = 7;
    f.canvas.clear();
    Scope s = f.s();
    DrawScopeCursor(f.canvas, s, 8);
    // New cursor black, old one white, then the traces repaired around slot 7.
    const auto rects = f.canvas.of_kind(Kind::Rectangle);
    EXPECT_EQ(rects[0].pen, pal::kPenBlack);
    EXPECT_EQ(rects[0].rect.left, static_cast<int>((8 + 201) * 0.8));
    EXPECT_EQ(rects[4].pen, pal::kPenWhite);
    EXPECT_EQ(rects[4].rect.left, static_cast<int>((7 + 201) * 0.8));
    const auto polys = f.canvas.of_kind(Kind::Polyline);
    ASSERT_EQ(polys.size(), 5u);
    EXPECT_EQ(polys[0].points[0], f.buf.ScopeTrace[TraceLambda][6]);
    EXPECT_EQ(polys[0].points[2], f.buf.ScopeTrace[TraceLambda][8]);
    EXPECT_EQ(polys[1].pen, pal::kPenDarkGreen);  // AttInit before the actuator
    EXPECT_EQ(f.buf.ScopeOldCursor, 8);
    // Read-outs from slot 8.
    EXPECT_EQ(f.text_at(f.size.scale.pt(630, 180)).text, "077");
    EXPECT_EQ(f.text_at(f.size.scale.pt(630, 290)).text, "1000");
    EXPECT_EQ(f.rpm, 1000);
    EXPECT_NE(f.canvas.find_text("S15"), nullptr);  // gas box from the recorded fuel bits

    // In SizeMode 1 neighbouring slots can share a pixel column (4 and 5: 164.0 and 164.8).
    int shared = -1;
    for (int c = 2; c < 395 && shared < 0; ++c)
        if (static_cast<int>((c + 201) * 0.8) == static_cast<int>((c + 202) * 0.8))
            shared = c;
    ASSERT_EQ(shared, 4);
    f.buf.ScopeOldCursor = shared;
    f.canvas.clear();
    DrawScopeCursor(f.canvas, s, shared + 1);
    // The white line of the old position lands on the new black one.
    const auto r2 = f.canvas.of_kind(Kind::Rectangle);
    EXPECT_EQ(r2[0].rect.left, r2[4].rect.left);
    EXPECT_EQ(r2[4].pen, pal::kPenWhite);
    // The next tick at the same position draws it without erasing.
    f.canvas.clear();
    DrawScopeCursor(f.canvas, s, shared + 1);
    EXPECT_TRUE(f.canvas.of_kind(Kind::Polyline).empty());
    EXPECT_EQ(f.canvas.of_kind(Kind::Rectangle)[0].pen, pal::kPenBlack);
}

TEST(ScopeLayout, LabelsAndSensorTexts) {
    struct Case {
        int type;
        const char* sensor;
        const char* tps;
    } cases[] = {{0x00, "0 - 1 V       ", "S84"},
                 {0x11, "0 - 5 V  '-'  ", "S85"},
                 {0x24, "0 - 5 V  '+'  ", "S86"},
                 {0x56, "0,8 - 1,6 V   ", "S87"},
                 {0x67, "", "S88"},
                 {0xF9, "", "S89"}};
    for (const auto& c : cases) {
        EXPECT_EQ(lambda_sensor_text(c.type), c.sensor);
        ScopeFixture f;
        f.image.SettingsBlock1[block1::LambdaType] = static_cast<std::uint8_t>(c.type);
        Scope s = f.s();
        DrawScopeLayout(f.canvas, s);
        EXPECT_EQ(f.text_at({50, 420}).text, c.tps);
        EXPECT_EQ(f.has_text_at({50, 90}), *c.sensor != 0);
        EXPECT_EQ(f.text_at({50, 60}).fg, pal::kOlive);
        EXPECT_EQ(f.text_at({50, 400}).fg, pal::kNavy);
        EXPECT_EQ(f.text_at({196 + 46 * 8, 490}).text, "16");
        EXPECT_EQ(f.canvas.of_kind(Kind::Rectangle).size(), 4u);
    }
}
