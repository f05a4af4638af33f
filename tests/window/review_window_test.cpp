// SPDX-License-Identifier: MIT
// The review window as a fitter uses it: a recording opened through the File
// menu, zoomed with the wheel, both cursors placed and read, and the
// customer's report saved.
#include <QColor>

#include <fstream>
#include <regex>

#include "support/child_process.h"
#include "window/program_window.h"

namespace tarvex::window_test {

namespace {

// Pixels darker than mid-grey: text and lines.
int dark_pixels(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += qGray(image.pixel(x, y)) < 100;
    return n;
}

class ReviewWindow : public ProgramWindowTest {};

TEST_F(ReviewWindow, OpensThroughTheFileMenuZoomsAndReadsBothCursors) {
    StartOptions options;
    options.language = "ang";  // the window titles in English
    start(options);
    const std::string csv = (folder() / "town.csv").string();
    const testing::RunResult sim = testing::run_to_end(
        {{SimProcess::sim_path(), "--record", csv, "--profile", "town", "--seconds", "600"}});
    ASSERT_EQ(sim.exit_code, 0) << sim.err;

    file_item(FileItem::Review);
    ASSERT_EQ(choose_file("Review recordings...", csv), "");
    // Its own window, titled by the recording once it has been read.
    std::string review;
    ASSERT_TRUE(wait_until(
        [&] {
            for (const std::string& w : other_windows())
                if (window_name(w) == "town.csv - Review recordings")
                    review = w;
            return !review.empty();
        },
        kStartDeadline))
        << keep(shot(), "no-review-window");
    focus_window(review);
    const WindowGeometry g = geometry(review);
    // The readout, below the charts, holds no value yet.
    const QRect readout(g.x, g.y + g.height * 2 / 3, g.width, g.height / 3);
    const int empty_readout = dark_pixels(shot(), readout);

    // Ten wheel steps towards the user around the middle: a tenth of the
    // ten minutes shown across the plot.
    const int y = g.y + g.height / 4;
    move_mouse({g.x + g.width / 2, y});
    wheel(false, 10);
    // A click places cursor A, the right button B, 200 pixels apart: about
    // 13 s at this zoom (117 s unzoomed).
    click({g.x + g.width / 2 - 100, y});
    click({g.x + g.width / 2 + 100, y}, 3);
    const std::regex titled(R"(town\.csv - Review recordings - A to B (\d+\.\d\d) s)");
    std::string now;
    std::smatch between;
    ASSERT_TRUE(wait_until([&] {
        return std::regex_match(now = window_name(review), between, titled);
    })) << now
        << "; " << keep(shot(), "no-cursors");
    EXPECT_GT(std::stod(between[1]), 6.0) << now;
    EXPECT_LT(std::stod(between[1]), 30.0) << now << ": not zoomed";
    // Every channel's values at A and B, and min, max and mean between them.
    EXPECT_TRUE(wait_until([&] { return dark_pixels(shot(), readout) > empty_readout + 600; }))
        << keep(shot(), "readout");

    // Save report...: the fields taken as they stand, then a PDF.
    press({"ctrl+s"});
    const std::string fields = window_titled("Report for the customer");
    ASSERT_FALSE(fields.empty()) << keep(shot(), "no-report-fields");
    focus_window(fields);
    press({"Return"});
    const std::filesystem::path pdf = folder() / "report.pdf";
    ASSERT_EQ(choose_file("Save report...", pdf), "");
    std::string head(4, ' ');
    EXPECT_TRUE(wait_until([&] {
        return std::ifstream(pdf).read(head.data(), 4) && head == "%PDF";
    })) << head
        << "; " << keep(shot(), "no-report");
}

}  // namespace

}  // namespace tarvex::window_test
