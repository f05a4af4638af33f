// SPDX-License-Identifier: MIT
// The keyboard: the desktop's shortcuts, Tab through the Options view row by
// row, the wiring diagram scrolled without the mouse.
#include <algorithm>

#include "window/program_window.h"

namespace tarvex::window_test {

namespace {

using Keyboard = ProgramWindowTest;

TEST_F(Keyboard, ShortcutsTabAndTheDiagram) {
    StartOptions english;
    english.language = "ang";
    start(english);
    // Save As saves only settings read since the link came up.
    ASSERT_TRUE(wait_until([&] { return sim_log().count_since(0, kSettings2Code) > 0; }));
    const char* const keys[] = {"ctrl+o", "ctrl+shift+s", "ctrl+r", "ctrl+p",
                                "ctrl+d", "ctrl+i",       "F1"};
    const char* const dialogs[] = {"Load settings into the controller",
                                   "Save the controller settings",
                                   "Record readings...",
                                   "Play recording...",
                                   "Compare with file",
                                   "Save picture...",
                                   "Program information"};
    for (int i = 0; i < 7; ++i) {
        focus();
        press({keys[i]});
        const std::string dialog = window_titled(dialogs[i]);
        ASSERT_FALSE(dialog.empty()) << keys[i] << "; " << keep(shot(), keys[i]);
        focus_window(dialog);
        press({"Escape"});
        ASSERT_TRUE(wait_until([&] { return other_windows().empty(); })) << keys[i];
    }
    // Each Tab, then End, which takes a list to its last entry and sends it (a
    // check box or the button sends nothing): the codes follow the rows.
    const std::vector<int> rows = {0, 18, 32, 0, 31, 17, 16, 0, 20, 19, 0, 24, 26, 0, 27, 0, 15, 9};
    ASSERT_TRUE(show_view(Options) && settings_shown());
    std::vector<int> seen, twice = rows;  // whichever control the focus starts at
    twice.insert(twice.end(), rows.begin(), rows.end());
    for (std::size_t step = 0; step < rows.size(); ++step) {
        const std::size_t mark = sim_log().mark();
        press({"Tab", "End"});
        ASSERT_TRUE(polls_after(mark) && polls_after(sim_log().mark()));
        const auto writes = sim_log().writes_since(mark);
        seen.push_back(writes.empty() ? 0 : writes.front().code);
    }
    EXPECT_NE(std::search(twice.begin(), twice.end(), seen.begin(), seen.end()), twice.end())
        << ::testing::PrintToString(seen);
    // The diagram at 800x600: each key and the wheel move it; Home back to its start.
    ASSERT_TRUE(choose_size(2) && show_view(Schema));
    const QRect picture(client_origin() + QPoint(10, 10), QSize(750, 485));
    const QImage first = settled(picture);
    QImage last = first;
    const auto moved = [&] {  // the picture changed and settled
        const QImage before = last;
        return wait_until([&] { return (last = settled(picture)) != before && !last.isNull(); });
    };
    for (const char* key : {"Right", "Down", "Next", "Left", "Up", "Prior", "End", "Home"}) {
        press({key});
        EXPECT_TRUE(moved()) << key << "; " << keep(shot(), key);
    }
    EXPECT_EQ(last, first) << "Home";
    move_mouse(picture.center());
    wheel(true, 1);
    EXPECT_TRUE(moved()) << "wheel";
    press({"ctrl+q"});
    EXPECT_TRUE(wait_until([&] { return title().empty(); })) << "ctrl+q";
}

}  // namespace

}  // namespace tarvex::window_test
