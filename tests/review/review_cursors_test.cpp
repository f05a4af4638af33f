// SPDX-License-Identifier: MIT
// The cursors' readout and the shown stretch of a drive.
#include <gtest/gtest.h>

#include "review/review_cursors.h"
#include "support/drive_builder.h"

using namespace tarvex;
using tarvex::testing::DriveBuilder;
using tarvex::testing::Phase;

TEST(CursorReadout, ValuesAtEachCursorAndStatisticsOfTheRowsWithReadingsBetween) {
    // A row a second: 2000 rpm for 10 s, the link lost for 5 s, 3000 rpm for 10 s.
    DriveBuilder b(1.0);
    b.add({.seconds = 10, .rpm = 2000}).add({.seconds = 5, .link = LinkReading::Lost});
    b.add({.seconds = 10, .rpm = 3000});
    const auto rpm = [](const CursorReadout& r) {
        return r.channels[static_cast<std::size_t>(Channel::EngineSpeed)];
    };
    // From 8.5 s (row 8) to 20 s (row 20): rows 8 to 20 count, the lost ones do not.
    for (const auto& [a, b_t] : {std::pair{8.5, 20.0}, std::pair{20.0, 8.5}}) {
        const CursorReadout r = cursor_readout(b.d, a, b_t);
        EXPECT_DOUBLE_EQ(r.between_s, b_t - a);
        const ChannelReadout c = rpm(r);
        EXPECT_EQ(a < b_t ? c.at_a : c.at_b, 2000);
        EXPECT_EQ(a < b_t ? c.at_b : c.at_a, 3000);
        EXPECT_EQ(c.min, 2000);
        EXPECT_EQ(c.max, 3000);
        // Rows 8 and 9 (2000) and 15 to 20 (3000).
        EXPECT_DOUBLE_EQ(*c.mean, (2 * 2000.0 + 6 * 3000.0) / 8);
    }
    // In the lost stretch nothing is read; before the first row neither.
    const CursorReadout lost = cursor_readout(b.d, 11, 13);
    EXPECT_EQ(rpm(lost).at_a, std::nullopt);
    EXPECT_EQ(rpm(lost).min, std::nullopt);
    EXPECT_EQ(rpm(lost).mean, std::nullopt);
    EXPECT_EQ(rpm(cursor_readout(b.d, -1, 0)).at_a, std::nullopt);
    EXPECT_EQ(rpm(cursor_readout(b.d, -1, 0)).at_b, 2000);
    // Both cursors between two rows: the row in force there.
    EXPECT_EQ(rpm(cursor_readout(b.d, 3.5, 3.5)).mean, 2000.0);
}

TEST(TimeWindow, ZoomKeepsThePointerPanAndEndsStayInsideTheDrive) {
    TimeWindow w;
    w.fit(1000);
    w.zoom(0.5, 0.2);  // 200 s stays under the pointer
    EXPECT_DOUBLE_EQ(w.t0, 100);
    EXPECT_DOUBLE_EQ(w.t1, 600);
    w.pan(-1);  // past the start: stops there
    EXPECT_DOUBLE_EQ(w.t0, 0);
    EXPECT_DOUBLE_EQ(w.span(), 500);
    w.end();
    EXPECT_DOUBLE_EQ(w.t1, 1000);
    EXPECT_DOUBLE_EQ(w.t0, 500);
    w.home();
    EXPECT_DOUBLE_EQ(w.t0, 0);
    w.zoom(1e-9, 0.5);  // never narrower than min_span, nor wider than the drive
    EXPECT_NEAR(w.span(), w.min_span, 1e-9);
    w.zoom(1e9, 0.5);
    EXPECT_DOUBLE_EQ(w.t0, 0);
    EXPECT_DOUBLE_EQ(w.t1, 1000);
}
