// SPDX-License-Identifier: MIT
// The markers file beside a recording, the events shown as markers, and the
// alignment of an overlaid drive.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>

#include "review/review_marks.h"
#include "support/decimal_comma_locale.h"
#include "support/file_text.h"

using namespace tarvex;
namespace fs = std::filesystem;

TEST(Markers, NotesOfAnyTextSurviveTheFileAndComeBackSorted) {
    char tmpl[] = "/tmp/tarvex-markers-XXXXXX";
    const fs::path dir = mkdtemp(tmpl);
    const std::string path = markers_path((dir / "drive.csv").string());
    EXPECT_EQ(path, (dir / "drive.csv.markers").string());
    std::vector<Marker> read;
    std::string error;
    // No file yet: no markers, no error.
    ASSERT_TRUE(load_markers(path, read, error)) << error;
    EXPECT_TRUE(read.empty());

    const std::vector<Marker> markers = {
        {61.25, "after\tthe\\ adjustment\nsecond line"}, {3.5, "zimny start, 12 °C"}, {7, ""}};
    ASSERT_TRUE(save_markers(path, markers, error)) << error;
    EXPECT_EQ(tarvex::testing::read_all(path),
              "tarvex-markers 1\n3.500\tzimny start, 12 °C\n7.000\t\n"
              "61.250\tafter\\tthe\\\\ adjustment\\nsecond line\n");
    ASSERT_TRUE(load_markers(path, read, error)) << error;
    EXPECT_EQ(read, (std::vector<Marker>{markers[1], markers[2], markers[0]}));
    fs::remove_all(dir);
}

TEST(Markers, TimesAreWrittenWithAPointUnderADecimalCommaLocale) {
    tarvex::testing::DecimalCommaLocale comma;
    if (!comma.available())
        GTEST_SKIP() << "no locale with a decimal comma could be set";
    std::vector<Marker> read;
    std::string error;
    ASSERT_TRUE(parse_markers(format_markers({{3.5, "x"}}), read, error)) << comma.name() << error;
    EXPECT_EQ(read, (std::vector<Marker>{{3.5, "x"}}));
}

TEST(Markers, AnythingElseIsRefusedNamingTheLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"", "line 1: not a markers file"},
        {"time,seconds\n", "line 1: not a markers file"},
        {"tarvex-markers 1\n1.0\tok\n2.0 no tab\n", "line 3: no tab between the time and the note"},
        {"tarvex-markers 1\r\nabc\tx\r\n", "line 2: the time is not a number of seconds"},
        {"tarvex-markers 1\n-1\tx\n", "line 2: the time is not a number of seconds"},
        {"tarvex-markers 1\n1\tx\\q\n",
         "line 2: a backslash in the note is not followed by \\, t or n"},
    };
    for (const auto& c : cases) {
        std::vector<Marker> out{{1, "old"}};
        std::string error;
        EXPECT_FALSE(parse_markers(c.text, out, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_TRUE(out.empty()) << c.text;
    }
}

TEST(EventMarks, EveryEventInTimeOrderWithTheEndsThatHappened) {
    DriveEvents e;
    e.switchovers = {{30, 40, 1500}};
    e.switchbacks = {50};
    e.cutoffs = {{40, 2.0}};
    e.link_losses = {{10, 5.0}, {90, std::nullopt}};
    e.learning = {{60, 20, LearningEnd::Ended}, {95, 3, LearningEnd::RecordingEnded}};
    std::vector<std::pair<double, EventKind>> got;
    for (const EventMark& m : event_marks(e))
        got.emplace_back(m.t, m.kind);
    const std::vector<std::pair<double, EventKind>> want = {
        {10, EventKind::LinkLost},        {15, EventKind::LinkBack},
        {30, EventKind::SwitchOver},      {40, EventKind::CutOff},
        {50, EventKind::SwitchBack},      {60, EventKind::LearningStarted},
        {80, EventKind::LearningEnded},   {90, EventKind::LinkLost},
        {95, EventKind::LearningStarted},
    };
    EXPECT_EQ(got, want);
}

TEST(Overlay, ShiftsTheSecondDriveOntoTheFirstsSwitchOverOrAMarkerOfBoth) {
    DriveEvents first, second, never;
    first.switchovers = {{95, 35, 1200}, {300, 60, 2000}};
    second.switchovers = {{40, 36, 1300}};
    EXPECT_EQ(shift_on_switchover(first, second), 55.0);
    EXPECT_EQ(shift_on_switchover(second, first), -55.0);
    EXPECT_EQ(shift_on_switchover(first, never), std::nullopt);

    const std::vector<Marker> a = {{10, "idle"}, {20, "after"}, {25, "idle"}, {30, "only here"}};
    const std::vector<Marker> b = {{12.5, "after"}, {14, "idle"}, {16, "after"}};
    EXPECT_EQ(shared_notes(a, b), (std::vector<std::string>{"idle", "after"}));
    EXPECT_EQ(shift_on_marker(a, b, "after"), 7.5);
    EXPECT_EQ(shift_on_marker(a, b, "idle"), -4.0);
    EXPECT_EQ(shift_on_marker(a, b, "only here"), std::nullopt);
}
