// SPDX-License-Identifier: MIT
// The oscilloscope's sweep on a true time axis, on a clock the test sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "gfx/palette.h"
#include "gfx/recording_canvas.h"
#include "link/conversions.h"
#include "scope/scope_sweep.h"
#include "support/start_folder.h"
#include "ui/format.h"

using namespace tarvex;
using std::chrono::microseconds;
using std::chrono::milliseconds;

namespace {

struct Sweep {
    ScopeBuffers buf;
    ScopeState state;
    ControllerImage image;
    LinkState link;
    SizeState size;
    FontChoice fonts;
    UiTexts texts = tarvex::testing::numbered_texts("S");
    int rpm = 0;
    RecordingCanvas canvas;
    SweepTime start{std::chrono::hours(5)};
    int columns = 0;  // drawn in all, across wraps

    Sweep() {
        set_size_mode(size, 2);
        fonts = choose_fonts(2, "ang");
        link.NoConnection = 0;
        ResetScopeBuffers(buf, size.scale);
        buf.SweepColumn = 202;
    }
    // One recording tick at `at` after the start, with this lambda sample.
    void tick(microseconds at, int lambda = 0) {
        image.LiveFrame[live::LambdaVoltage] = static_cast<std::uint8_t>(lambda);
        Scope s{buf, state, image, link, size.scale, 2, fonts, texts, rpm, {236, 236, 236}};
        canvas.clear();
        record_scope_tick_at(canvas, s, start + at);
        // Each column draws its red sweep marker in the four bands.
        int markers = 0;
        for (const auto& c : canvas.of_kind(RecordingCanvas::Kind::Rectangle))
            markers += c.pen == palette::kPenRed;
        columns += markers / 4;
    }
    int lambda_in_column(int column) const {
        return buf.lambda_raw[static_cast<std::size_t>(column - 200)];
    }
};

// Columns that the clock says should be drawn by time t: whole intervals.
int whole_columns(microseconds t) {
    return static_cast<int>(t / kSweepColumnTime);
}

}  // namespace

TEST(ScopeSweep, FortySixColumnsInTwoSecondsWhateverTheTick) {
    // Periods in microseconds, from faster than the wire allows to the lost
    // link's half second, and an uneven one.
    const long periods[] = {7000,  10000,  20000,  23958,  25900, 43478,
                            50000, 100000, 250000, 500000, 0};
    for (long period : periods) {
        Sweep sw;
        sw.columns = -1;  // the first sample's own column, drawn at once
        std::mt19937 rng(7);
        microseconds t{0};
        while (true) {
            sw.tick(t, 10);
            // Every tick: all the intervals over so far, no more, no fewer.
            ASSERT_EQ(sw.columns, whole_columns(t)) << period << " at " << t.count();
            if (t >= milliseconds(2000))
                break;
            t += microseconds(period ? period : 15000 + static_cast<long>(rng() % 20000));
        }
        // The tick at or just after 2 s: 46 columns, within a column when ticks are
        // shorter than a column.
        if (t == milliseconds(2000)) {
            EXPECT_EQ(sw.columns, 46) << period;
        } else if (period != 0 && period < 43478) {
            EXPECT_NEAR(sw.columns, 46, 1) << period;
        }
        // The read-outs follow every tick.
        EXPECT_NE(sw.canvas.find_text("0.19"), nullptr) << period;
    }
}

TEST(ScopeSweep, EachColumnReachesItsExtremesAndEndsAtTheLatestSampleOfItsInterval) {
    Sweep sw;
    const double col = std::chrono::duration<double, std::milli>(kSweepColumnTime).count();
    ASSERT_NEAR(col, 43.478, 0.001);
    struct Tick {
        int ms, lambda;
        std::vector<int> new_columns;  // lambda of each column this tick closes
    } ticks[] = {
        {0, 1, {1}},   {10, 50, {}},        {40, 3, {}},  // 1 at once; interval 0: 50, 3
        {50, 4, {3}},                                     // interval 1 opens with 4
        {60, 5, {}},   {200, 6, {5, 5, 5}},               // 1 ends with 5; 2 and 3 had none
        {220, 7, {6}}, {221, 8, {}},
    };
    int column = 202;
    for (const auto& t : ticks) {
        sw.tick(milliseconds(t.ms), t.lambda);
        for (int want : t.new_columns)
            EXPECT_EQ(sw.lambda_in_column(++column), want) << t.ms;
        if (t.ms == 50) {  // column 204 from y 55 (50) to 126 (3), ending at 3
            const auto lambda = sw.canvas.of_kind(RecordingCanvas::Kind::Polyline)[0].points;
            EXPECT_EQ(lambda, (std::vector<Point>{{203, 129}, {204, 55}, {204, 126}}));
        }
        EXPECT_EQ(sw.buf.SweepColumn, column) << t.ms;
        // The read-out shows this tick's sample whatever the sweep did.
        const std::string text = format("%f", t.lambda * 196 / 10000.0).substr(0, 4);
        EXPECT_NE(sw.canvas.find_text(text), nullptr) << t.ms;
    }
    // A repaint keeps the extremes: slot 4 at column 205.
    Scope s{sw.buf, sw.state, sw.image, sw.link, sw.size.scale, 2, sw.fonts, sw.texts, sw.rpm, {}};
    sw.canvas.clear();
    RedrawScopeTraces(sw.canvas, s);
    const auto lambda = sw.canvas.of_kind(RecordingCanvas::Kind::Polyline)[0].points;
    for (const Point p : {Point{205, 55}, Point{205, 126}})
        EXPECT_NE(std::find(lambda.begin(), lambda.end(), p), lambda.end()) << p.y;
}

TEST(ScopeSweep, PausesWhileNotRecordingAndNeverMoreThanASweepAtOnce) {
    Sweep sw;
    sw.tick(milliseconds(0));
    sw.columns = 0;  // not counting the first sample's own column
    sw.tick(milliseconds(100));
    EXPECT_EQ(sw.columns, 2);

    // The link is lost for five seconds: nothing recorded, no columns owed.
    sw.link.NoConnection = 1;
    sw.tick(milliseconds(2000));
    sw.tick(milliseconds(5000));
    EXPECT_EQ(sw.columns, 2);
    sw.link.NoConnection = 0;
    sw.tick(milliseconds(5100));  // opens an interval
    EXPECT_EQ(sw.columns, 2);
    sw.tick(milliseconds(5150));
    EXPECT_EQ(sw.columns, 3);

    // Cursor ticks pause it the same way.
    pause_scope_sweep(sw.buf);
    sw.tick(milliseconds(9000));
    EXPECT_EQ(sw.columns, 3);

    // An hour without a tick while recording: one sweep, not eighty thousand.
    sw.tick(milliseconds(9000) + std::chrono::hours(1));
    EXPECT_EQ(sw.columns, 3 + 395);
    EXPECT_GE(sw.buf.SweepColumn, 201);
    EXPECT_LE(sw.buf.SweepColumn, 596);
    // The axis goes on from there.
    sw.tick(milliseconds(9050) + std::chrono::hours(1));
    EXPECT_EQ(sw.columns, 3 + 395 + 1);

    // A clock that goes back starts a fresh interval.
    sw.tick(milliseconds(10));
    sw.tick(milliseconds(30));
    EXPECT_EQ(sw.columns, 3 + 395 + 1);
    sw.tick(milliseconds(60));
    EXPECT_EQ(sw.columns, 3 + 395 + 2);
}
