// SPDX-License-Identifier: MIT
// The test's keyboard and mouse: xdotool, as a user types and clicks.
#include <algorithm>
#include <string>
#include <vector>

#include "window/program_window.h"

namespace tarvex::window_test {

namespace {

std::vector<std::string> repeated(const std::string& key, int times) {
    return std::vector<std::string>(static_cast<std::size_t>(times), key);
}

}  // namespace

void ProgramWindowTest::focus() {
    x_->xdotool({"windowfocus", "--sync", window_id_});
}

void ProgramWindowTest::press(const std::vector<std::string>& keys) {
    std::vector<std::string> args{"key"};
    args.insert(args.end(), keys.begin(), keys.end());
    x_->xdotool(args);
}

void ProgramWindowTest::bar_command(int place) {
    focus();
    std::vector<std::string> keys{"alt"};
    for (const auto& k : repeated("Right", place))
        keys.push_back(k);
    keys.push_back("Return");
    press(keys);
}

void ProgramWindowTest::menu_item(int menu, int item) {
    focus();
    std::vector<std::string> keys{"alt"};
    for (const auto& k : repeated("Right", menu))
        keys.push_back(k);
    keys.push_back("Down");
    for (const auto& k : repeated("Down", item))
        keys.push_back(k);
    keys.push_back("Return");
    press(keys);
}

void ProgramWindowTest::type_text(const std::string& text) {
    x_->xdotool({"type", text});
}

std::string ProgramWindowTest::choose_file(const std::string& dialog_title,
                                           const std::filesystem::path& path) {
    const std::string dialog = window_titled(dialog_title);
    if (dialog.empty())
        return "no dialog \"" + dialog_title + "\" came; " + keep(shot(), "no-file-dialog");
    // The file-name field has the keyboard when the dialog opens.
    focus_window(dialog);
    type_text(path.string());
    press({"Return"});
    const auto closed = [&] {
        const std::vector<std::string> others = other_windows();
        return std::find(others.begin(), others.end(), dialog) == others.end();
    };
    if (!wait_until(closed))
        return "the dialog \"" + dialog_title + "\" did not take " + path.string() + "; " +
               keep(shot(), "file-dialog");
    return {};
}

bool ProgramWindowTest::show_view(BarCommand view) {
    const std::string before = title();
    bar_command(view);
    return wait_until([&] { return title() != before; });
}

bool ProgramWindowTest::choose_size(int mode) {
    menu_item(kSizeMenu, mode - 1);
    const QSize want = client_size(window_size(mode));
    const bool resized = wait_until([&] {
        const WindowGeometry g = geometry();
        return g.width == want.width() && g.height > want.height() &&
               g.height <= window_size(mode).height;
    });
    if (resized)
        size_mode_ = mode;
    return resized;
}

void ProgramWindowTest::focus_window(const std::string& window) {
    x_->xdotool({"windowfocus", "--sync", window});
}

// No --sync: xdotool waits for ever for a pointer that is already there.
void ProgramWindowTest::move_mouse(QPoint at) {
    x_->xdotool({"mousemove", std::to_string(at.x()), std::to_string(at.y())});
}

void ProgramWindowTest::click(QPoint at, int button) {
    x_->xdotool({"mousemove", std::to_string(at.x()), std::to_string(at.y()), "click",
                 std::to_string(button)});
}

void ProgramWindowTest::wheel(bool down, int steps) {
    x_->xdotool({"click", "--repeat", std::to_string(steps), down ? "5" : "4"});
}

void ProgramWindowTest::park_mouse() {
    move_mouse(screen_corner_);
}

void ProgramWindowTest::focus_root_window() {
    x_->xdotool({"windowfocus", "--sync", x_->root_window()});
}

}  // namespace tarvex::window_test
