// SPDX-License-Identifier: MIT
// The oscilloscope as a user sees it: nothing drawn outside its panels when
// it is opened or resized, and the value cursor moved from the keyboard.
#include <set>

#include "window/pixels.h"
#include "window/program_window.h"

namespace tarvex::window_test {

namespace {

constexpr int kPanelTops[4] = {40, 150, 260, 370};

// The pens of the five traces and the sweep marker.
const std::vector<QRgb> kTraceColours = {qRgb(128, 120, 0), qRgb(0, 255, 0), qRgb(0, 128, 0),
                                         qRgb(0, 0, 255),   qRgb(0, 0, 128), qRgb(255, 0, 0)};

// Small-font height in pixels by size mode.
constexpr int kSmallFontHeight[5] = {14, 18, 22, 24, 24};

class ScopeWindow : public ProgramWindowTest {
  protected:
    QRect panel(int k) const {
        const int top = kPanelTops[k];
        return QRect(view_point(198, top), view_point(600, top + 100) - QPoint(1, 1));
    }
    // The view at the current size has ticked: its first panel is framed
    // where this size puts it and the sweep marker runs in it.
    bool ticking() const {
        const QImage s = shot();
        const QRect p = panel(0);
        return pixel(s, p.topLeft()) == qRgb(0, 0, 0) &&
               pixel(s, p.bottomRight()) == qRgb(0, 0, 0) &&
               count_colour(s, p.adjusted(1, 1, -1, -1), qRgb(255, 0, 0)) > 0;
    }
    // Trace-coloured pixels in the client area outside the panels, the
    // labels that name the traces in their colours, and the fuel box.
    int strays(const QImage& s) const {
        std::vector<QRect> allowed;
        for (int k = 0; k < 4; ++k)
            allowed.push_back(panel(k));
        for (int label_y : {170, 210, 300, 400})
            allowed.push_back(QRect(
                view_point(50, label_y),
                view_point(198, label_y) + QPoint(-1, kSmallFontHeight[size().mode - 1] + 3)));
        allowed.push_back(QRect(view_point(630, 465), view_point(755, 505)));
        return count_colours(s, client_rect(), kTraceColours, allowed);
    }
};

TEST_F(ScopeWindow, NothingDrawnOutsideThePanelsWhenOpenedOrResized) {
    start();
    const auto check = [&](const std::string& when) {
        ASSERT_TRUE(wait_until([&] { return ticking(); })) << when << "; " << keep(shot(), when);
        const QImage s = shot();
        EXPECT_EQ(strays(s), 0) << when << "; " << keep(s, when);
    };
    ASSERT_TRUE(show_view(Oscilloscope));
    check("opened-at-start-up-size");
    for (int mode : {1, 2, 3, 4, 5}) {
        ASSERT_TRUE(choose_size(mode));
        check(std::string("resized-to-") + size().name);
    }
    ASSERT_TRUE(show_view(Readings));
    ASSERT_TRUE(choose_size(2));
    ASSERT_TRUE(show_view(Oscilloscope));
    check("opened-at-800x600");
}

// A black column through the whole of the first panel's inner band.
std::set<int> cursor_columns(const QImage& s, const QRect& band) {
    std::set<int> columns;
    for (int x = band.left(); x <= band.right(); ++x)
        if (count_colour(s, QRect(x, band.top(), 1, band.height()), qRgb(0, 0, 0)) == band.height())
            columns.insert(x);
    return columns;
}

// The rightmost column with the red sweep marker in the band, or -1.
int marker_column(const QImage& s, const QRect& band) {
    for (int x = band.right(); x >= band.left(); --x)
        if (count_colour(s, QRect(x, band.top(), 1, band.height()), qRgb(255, 0, 0)) > 0)
            return x;
    return -1;
}

TEST_F(ScopeWindow, ValueCursorMovesWithTheKeyboard) {
    start();
    ASSERT_TRUE(show_view(Oscilloscope));
    ASSERT_TRUE(wait_until([&] { return ticking(); }));
    // Inside panel 1, between the frame's sides, over the band the lines span.
    const QRect band(view_point(199, 43) + QPoint(1, 0), view_point(599, 137) - QPoint(1, 1));
    const auto cursor_at = [&](int slot) { return std::set<int>{view_point(slot + 201, 0).x()}; };
    // Tab to the value-cursor box and tick it: the cursor stands at slot 2.
    // The sweep marker, drawn over the cursor, stops where the recording
    // stopped; it must stand clear of the cursor's slots 2 to 14, so the box
    // is ticked once the marker has passed them, and again if a slow machine
    // let the sweep wrap around meanwhile.
    const int clear_of_slots = view_point(14 + 201 + 2, 0).x();
    focus();
    press({"Tab"});
    std::set<int> seen;
    for (int attempt = 0;; ++attempt) {
        ASSERT_LT(attempt, 5) << "the sweep marker never stood clear of the cursor";
        ASSERT_TRUE(wait_until([&] { return marker_column(shot(), band) > clear_of_slots; }));
        press({"space"});
        ASSERT_TRUE(wait_until([&] {
            return (seen = cursor_columns(shot(), band)) == cursor_at(2);
        })) << "the value cursor did not appear; "
            << keep(shot(), "cursor-on");
        if (marker_column(shot(), band) > clear_of_slots)
            break;
        press({"space"});
    }
    // Tab on to the scroll bar; each key moves the cursor by its step.
    press({"Tab"});
    struct Step {
        const char* key;
        int slot;
    };
    for (const Step& step : {Step{"Right", 3}, Step{"Right", 4}, Step{"Next", 14}, Step{"Left", 13},
                             Step{"Prior", 3}, Step{"Left", 2}, Step{"Left", 2}}) {
        press({step.key});
        EXPECT_TRUE(wait_until([&] {
            return (seen = cursor_columns(shot(), band)) == cursor_at(step.slot);
        })) << step.key
            << " should bring the cursor to slot " << step.slot << " (column "
            << *cursor_at(step.slot).begin() << "); columns seen: " << seen.size()
            << (seen.empty() ? "" : ", first " + std::to_string(*seen.begin())) << "; "
            << keep(shot(), std::string("cursor-") + step.key);
        if (HasFailure())
            break;
    }
}

}  // namespace

}  // namespace tarvex::window_test
