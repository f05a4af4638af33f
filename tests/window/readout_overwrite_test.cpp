// SPDX-License-Identifier: MIT
// A read-out overwritten by a shorter text leaves nothing of the longer one:
// the throttle switch's " ON" after "OFF" looks as " ON" drawn on a new view.
#include <csignal>

#include "window/program_window.h"

namespace tarvex::window_test {

namespace {

struct ReadoutCase {
    const char* name;
    BarCommand view;
    bool dashboard;                   // placed as the Readings view, else at the client's corner
    double left, top, right, bottom;  // the read-out's surroundings, layout units
};

class ReadoutOverwrite : public ProgramWindowTest,
                         public ::testing::WithParamInterface<ReadoutCase> {
  protected:
    QRect area() const {
        const ReadoutCase& c = GetParam();
        const QPoint from =
            c.dashboard ? dashboard_point(c.left, c.top) : view_point(c.left, c.top);
        const QPoint to =
            c.dashboard ? dashboard_point(c.right, c.bottom) : view_point(c.right, c.bottom);
        return QRect(from, to - QPoint(1, 1));
    }
    // The picture of the area once the view has shown the controller's
    // current state (a status poll after the given mark) and stopped changing.
    QImage shown_after(std::size_t mark) {
        if (!polls_after(mark))
            return {};
        const std::size_t later = sim_log().mark();
        if (!polls_after(later))
            return {};
        return settled(area());
    }
};

TEST_P(ReadoutOverwrite, ShorterTextLeavesNoOldPixels) {
    const ReadoutCase& c = GetParam();
    // Throttle type 6: a switch, shown " ON" on petrol and "OFF" on gas.
    StartOptions options;
    options.sim_args.push_back("--setting");
    options.sim_args.push_back("6=6");
    start(options);
    park_mouse();
    if (c.view != Readings) {
        ASSERT_TRUE(show_view(c.view));
    }
    const QImage on_gas = shown_after(sim_log().mark());
    ASSERT_FALSE(on_gas.isNull());

    // The fuel switch holds the car on petrol: "OFF" becomes " ON".
    const std::size_t switched = sim_log().mark();
    signal_simulator(SIGUSR2);
    QImage overwritten;
    ASSERT_TRUE(wait_until([&] {
        overwritten = shown_after(switched);
        return !overwritten.isNull() && overwritten != on_gas;
    })) << "the read-out did not change; "
        << keep(shot(), "not-changed");

    // The same text on a view created afresh.
    ASSERT_TRUE(show_view(c.view == Readings ? Configuration : Readings));
    ASSERT_TRUE(show_view(c.view));
    QImage fresh;
    EXPECT_TRUE(wait_until([&] {
        fresh = shown_after(sim_log().mark());
        return fresh == overwritten;
    })) << "overwritten: "
        << keep(overwritten, "overwritten") << "; drawn afresh: " << keep(fresh, "fresh")
        << "; before: " << keep(on_gas, "before");
}

INSTANTIATE_TEST_SUITE_P(ThrottleSwitch, ReadoutOverwrite,
                         ::testing::Values(
                             // The oscilloscope's fourth read-out and the room to its right.
                             ReadoutCase{"Oscilloscope", Oscilloscope, false, 630, 400, 790, 436},
                             // The dashboard's throttle read-out with its unit, left of the lamps.
                             ReadoutCase{"Dashboard", Readings, true, 25, 150, 130, 200}),
                         [](const ::testing::TestParamInfo<ReadoutCase>& row) {
                             return std::string(row.param.name);
                         });

}  // namespace

}  // namespace tarvex::window_test
