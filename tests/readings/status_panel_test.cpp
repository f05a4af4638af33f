// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "gfx/palette.h"
#include "gfx/recording_canvas.h"
#include "readings/dashboard.h"
#include "readings/dashboard_fixture.h"
#include "recording/playback_port.h"

using namespace tarvex;
namespace pal = tarvex::palette;
using Kind = RecordingCanvas::Kind;

namespace {

struct Panel : tarvex::testing::DashFixture {
    Panel() : DashFixture(2, "pol") {
        link.NoConnection = 0;
        image.StatusFrame[2] = 0x26;
        image.LiveFrame[live::LiveStateBits] = 0x08;
        image.SettingsBlock1[block1::EmulType] = 0x80;
    }
    void run(int fuel_bits) {
        image.LiveFrame[live::LiveFuelBits] = static_cast<std::uint8_t>(fuel_bits);
        canvas.clear();
        Dashboard dash = d();
        draw_status_panel(canvas, dash, decode_readings(image, link));
    }
    // What each row was given in the last run: "" when not written.
    std::string row(int r) const {
        std::string out;
        for (const auto& c : canvas.of_kind(Kind::Text))
            if (c.points[0] == Point{40, 405 + 20 * (r - 1)})
                out = c.text + (c.fg == pal::kRed ? "!" : "");
        return out;
    }
    std::string box() const {
        for (const auto& c : canvas.of_kind(Kind::Rectangle))
            if (c.rect == Rect{490, 465, 615, 505})
                return c.brush == pal::kBrushCyan ? "gas" : "petrol";
        return "none";
    }
    Brush lamp() const { return canvas.of_kind(Kind::Ellipse).back().brush; }
};

}  // namespace

TEST(StatusPanel, CasesInOrder) {
    struct Case {
        const char* name;
        int no_connection, generation_byte, state_bits, emul, fuel;
        std::array<const char*, 5> rows;
        const char* box;
        int on_gas;
    } cases[] = {
        {"lost", 1, 0x26, 0x08, 0x80, 0x01, {{"T30!", " ", "T31", " ", " "}}, "petrol", 0},
        {"generation", 0, 0x46, 0x08, 0x80, 0x01, {{"T29!", " ", " ", " ", " "}}, "none", 7},
        {"not ready", 0, 0x26, 0x00, 0x80, 0x01, {{"T12", " ", "T28!", " ", " "}}, "petrol", 0},
        {"simple gas", 0, 0x26, 0x08, 0x00, 0x01, {{"T13", " ", " ", " ", " "}}, "gas", 1},
        {"simple petrol", 0, 0x26, 0x08, 0x00, 0x00, {{"T12", " ", "T27!", " ", " "}}, "petrol", 0},
        {"lpg off", 0, 0x26, 0x08, 0x80, 0x04, {{"T12", "", "T21!", "T22!", ""}}, "petrol", 0},
        {"lpg off waiting", 0, 0x26, 0x08, 0x80, 0x84, {{"T12", "", "T21!", " ", ""}}, "petrol", 0},
        {"on gas, cut-off", 0, 0x26, 0x08, 0x80, 0xC9, {{"T13", " ", "", " ", "T23!"}}, "gas", 1},
        {"on gas", 0, 0x26, 0x08, 0x80, 0xC1, {{"T13", " ", " ", " ", ""}}, "gas", 1},
        {"waiting rpm", 0, 0x26, 0x08, 0x80, 0x80, {{"T12", "", "T24", "T25!", ""}}, "petrol", 0},
        {"cold", 0, 0x26, 0x08, 0x80, 0x00, {{"T12", "", "T24", "T22!", ""}}, "petrol", 0},
        {"learning", 0, 0x26, 0x08, 0x80, 0xC3, {{"T13", "", " ", "", "T17!"}}, "gas", 1},
    };
    for (const auto& c : cases) {
        Panel p;
        p.status.OnGas = 7;
        p.link.NoConnection = c.no_connection;
        p.image.StatusFrame[2] = static_cast<std::uint8_t>(c.generation_byte);
        p.image.LiveFrame[live::LiveStateBits] = static_cast<std::uint8_t>(c.state_bits);
        p.image.SettingsBlock1[block1::EmulType] = static_cast<std::uint8_t>(c.emul);
        p.run(c.fuel);
        for (int r = 1; r <= 5; ++r)
            EXPECT_EQ(p.row(r), c.rows[static_cast<std::size_t>(r - 1)]) << c.name << " row " << r;
        EXPECT_EQ(p.box(), c.box) << c.name;
        EXPECT_EQ(p.status.OnGas, c.on_gas) << c.name;
    }
}

// The end of a recording played back is no lost lead: its own text, in black.
TEST(StatusPanel, EndOfAPlayedRecordingIsNotALostLink) {
    Panel p;
    PlaybackSerialPort ended{Recording{}};
    p.link.port = &ended;
    p.link.NoConnection = 1;
    p.recording_ended = "ended";
    p.run(0x01);
    EXPECT_EQ(p.row(1), "ended");
    EXPECT_EQ(p.row(3), " ");
}

// Waiting above the switch-over speed (0 rpm here): release the accelerator.
TEST(StatusPanel, WaitingSpeedMessageAboveTheSwitchOverSpeed) {
    Panel p;
    p.image.LiveFrame[live::EnginePeriodHi] = 0x3A;  // 1000 rpm
    p.run(0x80);
    EXPECT_EQ(p.row(4), "T26!");
}

TEST(StatusPanel, RefusalsOfALearningRequest) {
    struct Case {
        int fuel;
        const char* row5;
        int still_pending;
    } cases[] = {{0xC1, "T18!", 0}, {0xF1, "T19!", 1}, {0xD1, "T20!", 0}};
    for (const auto& c : cases) {
        Panel p;
        p.status.LearnRequestPending = 1;
        p.status.MessageAge = 30;
        p.run(c.fuel);
        EXPECT_EQ(p.row(5), c.row5) << c.fuel;
        EXPECT_EQ(p.status.LearnRequestPending, c.still_pending);
        EXPECT_EQ(p.status.MessageAge,
                  1);  // reset by the refusal, then counted by the waiting state
        p.run(c.fuel);
        EXPECT_EQ(p.row(5) == c.row5, c.still_pending == 1) << "repeats only while pending";
    }
}

TEST(StatusPanel, WaitingMessageIsBlankedOnThe61stRedraw) {
    Panel p;
    p.status.MessageAge = 0;
    for (int i = 1; i <= 60; ++i) {
        p.run(0xD1);
        EXPECT_EQ(p.row(5), "") << i;
    }
    p.run(0xD1);
    EXPECT_EQ(p.row(5), " ");
    EXPECT_EQ(p.status.MessageAge, 60);
    p.run(0xD1);
    EXPECT_EQ(p.row(5), " ");
}

TEST(StatusPanel, LearningLampBlinksOrShinesAndSurvivesALostLink) {
    Panel p;
    p.state.UpperLampLit = 1;
    std::vector<bool> lit;
    for (int i = 0; i < 6; ++i) {
        p.run(0xC3);
        lit.push_back(p.lamp() == pal::kBrushYellow);
    }
    EXPECT_EQ(lit, (std::vector<bool>{false, true, true, false, false, true}));
    EXPECT_EQ(p.row(5), "T16");
    p.state.UpperLampLit = 0;
    p.run(0xC3);
    EXPECT_EQ(p.lamp(), pal::kBrushYellow);
    // The link is lost: case 1 leaves LearningActive, so the lamp stays lit.
    p.link.NoConnection = 1;
    for (int i = 0; i < 3; ++i) {
        p.run(0);
        EXPECT_EQ(p.lamp(), pal::kBrushYellow);
    }
    EXPECT_EQ(p.status.LearningActive, 1);
    // Back on a controller that reports no learning: the lamp goes dark.
    p.link.NoConnection = 0;
    p.run(0xC1);
    EXPECT_EQ(p.lamp(), pal::kBrushOlive);
}

TEST(StatusPanel, SimpleModeKeepsLearningStateAndPendingRequest) {
    Panel p;
    p.image.SettingsBlock1[block1::EmulType] = 0x00;
    p.status.LearningActive = 1;
    p.status.LearnRequestPending = 1;
    p.run(0x01);
    EXPECT_EQ(p.status.LearningActive, 1);
    EXPECT_EQ(p.status.LearnRequestPending, 1);
    EXPECT_EQ(p.row(5), " ");
}
