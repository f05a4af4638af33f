// SPDX-License-Identifier: MIT
// The keyboard as a fitter uses it: the desktop's shortcuts, Tab through the
// Options view row by row, and the wiring diagram scrolled without the mouse.
#include <algorithm>
#include <sstream>

#include "window/program_window.h"
#include "window/wait.h"

namespace tarvex::window_test {

namespace {

class Keyboard : public ProgramWindowTest {
  protected:
    void SetUp() override {
        StartOptions options;
        options.language = "ang";
        start(options);
    }
    // The dialog of that title comes on the keys and goes on Escape.
    std::string dialog_failure(const std::vector<std::string>& keys, const std::string& title) {
        focus();
        press(keys);
        const std::string dialog = window_titled(title);
        if (dialog.empty())
            return keys[0] + " brought no \"" + title + "\"; " + keep(shot(), keys[0]);
        focus_window(dialog);
        press({"Escape"});
        if (!wait_until([&] { return other_windows().empty(); }))
            return "\"" + title + "\" stayed after Escape; " + keep(shot(), keys[0]);
        return {};
    }
};

TEST_F(Keyboard, ShortcutsReachTheirCommands) {
    const struct {
        const char* keys;
        const char* title;
    } shortcuts[] = {
        {"ctrl+o", "Load settings into the controller"},
        {"ctrl+shift+s", "Save the controller settings"},
        {"ctrl+r", "Record readings..."},
        {"ctrl+p", "Play recording..."},
        {"ctrl+d", "Compare with file"},
        {"ctrl+i", "Save picture..."},
        {"F1", "Program information"},
        {"alt+F1", "Program information"},
    };
    for (const auto& s : shortcuts)
        EXPECT_EQ(dialog_failure({s.keys}, s.title), "");
    focus();
    press({"ctrl+q"});
    EXPECT_TRUE(wait_until([&] { return title().empty(); })) << "ctrl+q left the window open";
}

// Each Tab, then End, which takes a list to its last entry and sends it
// (check boxes and the button take no End): the codes sent follow the rows.
TEST_F(Keyboard, TabGoesThroughTheOptionsRowByRow) {
    ASSERT_TRUE(show_view(Options));
    ASSERT_TRUE(settings_shown());
    // The factory settings show every row. 0: a check box or the button.
    const std::vector<int> rows = {0, 18, 32, 0, 31, 17, 16, 0, 20, 19, 0, 24, 26, 0, 27, 0, 15, 9};
    std::vector<int> seen;
    focus();
    for (std::size_t step = 0; step < rows.size(); ++step) {
        const std::size_t mark = sim_log().mark();
        press({"Tab", "End"});
        // Whatever the keys sent is in the log once two more polls came.
        ASSERT_TRUE(polls_after(mark));
        ASSERT_TRUE(polls_after(sim_log().mark()));
        const auto writes = sim_log().writes_since(mark);
        seen.push_back(writes.empty() ? 0 : writes.front().code);
    }
    // Wherever the focus started, the steps run along the rows, and round.
    std::vector<int> twice = rows;
    twice.insert(twice.end(), rows.begin(), rows.end());
    std::ostringstream codes;
    for (int c : seen)
        codes << ' ' << c;
    EXPECT_NE(std::search(twice.begin(), twice.end(), seen.begin(), seen.end()), twice.end())
        << "codes sent per Tab:" << codes.str();
}

TEST_F(Keyboard, DiagramScrollsByKeysAndWheelAt800x600) {
    ASSERT_TRUE(choose_size(2));
    ASSERT_TRUE(show_view(Schema));
    const QRect picture(client_origin() + QPoint(10, 10), QSize(750, 485));
    const QImage start = settled(picture);
    ASSERT_FALSE(start.isNull());
    QImage before = start;
    const auto moved = [&](const std::string& input) {
        QImage now;
        const bool changed = wait_until([&] {
            now = settled(picture);
            return !now.isNull() && now != before;
        });
        before = now;
        return changed ? std::string() : input + " did not scroll; " + keep(shot(), input);
    };
    for (const char* key : {"Right", "Down", "Next", "Left", "Up", "Prior", "End"}) {
        press({key});
        EXPECT_EQ(moved(key), "");
    }
    press({"Home"});
    EXPECT_TRUE(wait_until([&] { return settled(picture) == start; }))
        << "Home did not bring the start back; " << keep(shot(), "home");
    before = start;
    move_mouse(picture.center());
    wheel(true, 1);
    EXPECT_EQ(moved("wheel"), "");
}

}  // namespace

}  // namespace tarvex::window_test
