// SPDX-License-Identifier: MIT
// Every view reached from every other by the menu bar from the keyboard, and
// a size change on each view, with the learning button where a user clicks it.
#include <algorithm>
#include <map>

#include "window/pixels.h"
#include "window/program_window.h"

namespace tarvex::window_test {

namespace {

const std::vector<BarCommand> kViews = {Readings, Schema, Configuration,
                                        Options,  Reset,  Oscilloscope};

const char* view_name(BarCommand v) {
    switch (v) {
        case Readings:
            return "Readings";
        case Configuration:
            return "Configuration";
        case Options:
            return "Options";
        case Schema:
            return "Schema";
        case Reset:
            return "Reset";
        case Oscilloscope:
            return "Oscilloscope";
    }
    return "?";
}

// A walk through n places that goes once from every place to every other and
// ends where it started (the directed complete graph is Eulerian).
std::vector<int> every_switch_tour(int n) {
    std::vector<std::vector<int>> left(static_cast<std::size_t>(n));
    for (int a = 0; a < n; ++a)
        for (int b = n - 1; b >= 0; --b)
            if (a != b)
                left[static_cast<std::size_t>(a)].push_back(b);
    std::vector<int> stack{0}, tour;
    while (!stack.empty()) {
        auto& next = left[static_cast<std::size_t>(stack.back())];
        if (next.empty()) {
            tour.push_back(stack.back());
            stack.pop_back();
        } else {
            stack.push_back(next.back());
            next.pop_back();
        }
    }
    std::reverse(tour.begin(), tour.end());
    return tour;
}

using ViewSwitch = ProgramWindowTest;

TEST_F(ViewSwitch, EveryViewFromEveryOtherKeepsTheLearningButtonInPlace) {
    start();
    ASSERT_EQ(learning_click_failure(), "") << "at start-up";
    std::map<BarCommand, std::string> titles{{Readings, title()}};
    const std::vector<int> tour = every_switch_tour(static_cast<int>(kViews.size()));
    ASSERT_EQ(tour.size(), kViews.size() * (kViews.size() - 1) + 1);
    for (std::size_t i = 1; i < tour.size(); ++i) {
        const BarCommand from = kViews[static_cast<std::size_t>(tour[i - 1])];
        const BarCommand to = kViews[static_cast<std::size_t>(tour[i])];
        const std::string step = std::string(view_name(from)) + " to " + view_name(to);
        SCOPED_TRACE(step);
        ASSERT_TRUE(show_view(to)) << "the title did not change; " << keep(shot(), "switch");
        // Each view has a title of its own, the same at every visit.
        const std::string now = title();
        if (titles.count(to)) {
            EXPECT_EQ(now, titles[to]);
        } else {
            for (const auto& [view, t] : titles)
                EXPECT_NE(now, t) << "the title of " << view_name(view);
            titles[to] = now;
        }
        if (to == Readings) {
            ASSERT_EQ(learning_click_failure(), "");
        }
    }
}

// A size change while a view is shown: the window takes the size and the
// view is laid out for it as if it had been opened at that size.
struct SizeChangeCase {
    BarCommand view;
    int mode;
};

class SizeChange : public ProgramWindowTest,
                   public ::testing::WithParamInterface<SizeChangeCase> {};

TEST_P(SizeChange, LaysTheViewOutForTheNewSize) {
    const SizeChangeCase c = GetParam();
    start();
    if (c.view != Readings) {
        ASSERT_TRUE(show_view(c.view));
    }
    const std::string view_title = title();
    ASSERT_TRUE(choose_size(c.mode)) << keep(shot(), "size");
    EXPECT_EQ(title(), view_title);
    switch (c.view) {
        case Readings:
            EXPECT_EQ(learning_click_failure(), "");
            break;
        case Oscilloscope: {
            // The four panels' corners at the new scale.
            const auto panels_drawn = [&] {
                const QImage s = shot();
                for (int top : {40, 150, 260, 370})
                    if (pixel(s, view_point(198, top)) != qRgb(0, 0, 0) ||
                        pixel(s, view_point(600, top + 100) - QPoint(1, 1)) != qRgb(0, 0, 0))
                        return false;
                return true;
            };
            EXPECT_TRUE(wait_until(panels_drawn)) << keep(shot(), "scope");
            break;
        }
        default: {
            if (c.view == Configuration || c.view == Options) {
                ASSERT_TRUE(settings_shown());
            }
            park_mouse();
            const QImage resized = settled(client_rect());
            ASSERT_FALSE(resized.isNull()) << "the view never settled";
            ASSERT_TRUE(show_view(Readings));
            ASSERT_TRUE(show_view(c.view));
            park_mouse();
            QImage fresh;
            EXPECT_TRUE(wait_until([&] {
                fresh = shot().copy(client_rect());
                return fresh == resized;
            })) << "after the size change: "
                << keep(resized, "after-size-change")
                << "; opened at that size: " << keep(fresh, "opened-at-size");
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    EachView, SizeChange,
    ::testing::Values(SizeChangeCase{Readings, 2}, SizeChangeCase{Configuration, 3},
                      SizeChangeCase{Options, 1}, SizeChangeCase{Schema, 4},
                      SizeChangeCase{Reset, 2}, SizeChangeCase{Oscilloscope, 1}),
    [](const ::testing::TestParamInfo<SizeChangeCase>& row) {
        return std::string(view_name(row.param.view)) + "To" + window_size(row.param.mode).name;
    });

}  // namespace

}  // namespace tarvex::window_test
