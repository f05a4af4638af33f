// SPDX-License-Identifier: MIT
// The oscilloscope's sweep on a true time axis, on a clock the test sets.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

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
        RecordScopeTickAt(canvas, s, start + at);
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
        std::mt19937 rng(7);
        microseconds t{0};
        while (true) {
            sw.tick(t, 10);
            // Every tick: the first sample's column, then all the intervals
            // over so far, no more, no fewer.
            ASSERT_EQ(sw.columns, 1 + whole_columns(t)) << period << " at " << t.count();
            if (t >= milliseconds(2000))
                break;
            t += microseconds(period ? period : 15000 + static_cast<long>(rng() % 20000));
        }
        // The tick at or just after 2 s: 46 columns after the first, within a
        // column when ticks are shorter than a column.
        if (t == milliseconds(2000)) {
            EXPECT_EQ(sw.columns - 1, 46) << period;
        } else if (period != 0 && period < 43478) {
            EXPECT_NEAR(sw.columns - 1, 46, 1) << period;
        }
        // The read-outs follow every tick.
        EXPECT_NE(sw.canvas.find_text("0.19"), nullptr) << period;
    }
}

TEST(ScopeSweep, EachColumnReachesItsExtremesAndEndsAtItsLatestSample) {
    Sweep sw;
    const double col = std::chrono::duration<double, std::milli>(kSweepColumnTime).count();
    ASSERT_NEAR(col, 43.478, 0.001);
    // Lambda raw values; their heights are 1.5 times, their y 130 less that.
    struct Tick {
        int ms, lambda;
        std::vector<int> new_columns;  // latest lambda of each column this tick closes
        int top = 0, bottom = 0;       // y range of the first of them
    } ticks[] = {
        {0, 10, {10}, 115, 115},  // the first sample at once, flat
        {10, 50, {}},
        {20, 2, {}},
        {40, 20, {}},
        {50, 30, {20}, 55, 127},  // a spike up and down within one interval
        {60, 40, {}},
        {200, 6, {40, 40, 40}, 70, 85},  // 30 and 40; then two empty ones
        {220, 7, {6}, 121, 121},
    };
    int column = 202;
    for (const auto& t : ticks) {
        sw.tick(milliseconds(t.ms), t.lambda);
        // This tick's drawing of the lambda trace.
        std::vector<Point> drawn;
        for (const auto& c : sw.canvas.calls())
            if (c.pen == palette::kPenDarkOlive2)
                drawn.insert(drawn.end(), c.points.begin(), c.points.end());
        for (std::size_t k = 0; k < t.new_columns.size(); ++k) {
            ++column;
            // The value cursor reads the latest sample.
            EXPECT_EQ(sw.lambda_in_column(column), t.new_columns[k]) << t.ms;
            const auto slot = static_cast<std::size_t>(column - 200);
            const int latest_y = 130 - t.new_columns[k] * 15 / 10;
            EXPECT_EQ(sw.buf.ScopeTrace[TraceLambda][slot].y, latest_y) << t.ms;
            if (k > 0)
                continue;
            EXPECT_EQ(sw.buf.top_y[TraceLambda][slot], t.top) << t.ms;
            EXPECT_EQ(sw.buf.bottom_y[TraceLambda][slot], t.bottom) << t.ms;
            // Drawn: the column reaches both extremes and ends at the latest.
            ASSERT_FALSE(drawn.empty()) << t.ms;
            int top = drawn.back().y, bottom = drawn.back().y;
            for (const Point& p : drawn)
                if (p.x == column) {
                    top = std::min(top, p.y);
                    bottom = std::max(bottom, p.y);
                }
            EXPECT_EQ(top, t.top) << t.ms;
            EXPECT_EQ(bottom, t.bottom) << t.ms;
            if (t.new_columns.size() == 1) {
                EXPECT_EQ(drawn.back(), (Point{column, latest_y})) << t.ms;
            }
        }
        EXPECT_EQ(sw.buf.SweepColumn, column) << t.ms;
        // The read-out shows this tick's sample whatever the sweep did.
        const std::string text = format("%f", t.lambda * 196 / 10000.0).substr(0, 4);
        EXPECT_NE(sw.canvas.find_text(text), nullptr) << t.ms;
    }
    // A repaint keeps the spike: slot 4 is redrawn at column 205.
    Scope s{sw.buf, sw.state, sw.image, sw.link, sw.size.scale,
            2,      sw.fonts, sw.texts, sw.rpm,  {236, 236, 236}};
    sw.canvas.clear();
    RedrawScopeTraces(sw.canvas, s);
    std::set<int> ys;
    for (const Point& p : sw.canvas.of_kind(RecordingCanvas::Kind::Polyline)[0].points)
        if (p.x == 205)
            ys.insert(p.y);
    EXPECT_EQ(ys, (std::set<int>{55, 100, 127}));
}

TEST(ScopeSweep, PausesWhileNotRecordingAndNeverMoreThanASweepAtOnce) {
    Sweep sw;
    sw.tick(milliseconds(0));
    sw.tick(milliseconds(100));
    EXPECT_EQ(sw.columns, 3);

    // The link is lost for five seconds: nothing recorded, no columns owed.
    sw.link.NoConnection = 1;
    sw.tick(milliseconds(2000));
    sw.tick(milliseconds(5000));
    EXPECT_EQ(sw.columns, 3);
    sw.link.NoConnection = 0;
    sw.tick(milliseconds(5100));  // opens an interval
    EXPECT_EQ(sw.columns, 3);
    sw.tick(milliseconds(5150));
    EXPECT_EQ(sw.columns, 4);

    // Cursor ticks pause it the same way.
    PauseScopeSweep(sw.buf);
    sw.tick(milliseconds(9000));
    EXPECT_EQ(sw.columns, 4);

    // An hour without a tick while recording: one sweep, not eighty thousand.
    sw.tick(milliseconds(9000) + std::chrono::hours(1));
    EXPECT_EQ(sw.columns, 4 + 395);
    EXPECT_GE(sw.buf.SweepColumn, 201);
    EXPECT_LE(sw.buf.SweepColumn, 596);
    // The axis goes on from there.
    sw.tick(milliseconds(9050) + std::chrono::hours(1));
    EXPECT_EQ(sw.columns, 4 + 395 + 1);

    // A clock that goes back starts a fresh interval.
    sw.tick(milliseconds(10));
    sw.tick(milliseconds(30));
    EXPECT_EQ(sw.columns, 4 + 395 + 1);
    sw.tick(milliseconds(60));
    EXPECT_EQ(sw.columns, 4 + 395 + 2);
}
