// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPoint>
#include <QSize>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/sim_process.h"
#include "window/sim_log.h"
#include "window/window_sizes.h"
#include "window/x_server.h"

namespace tarvex::window_test {

using tarvex::testing::SimProcess;

// The commands of the menu bar by their place on it, after the four menus.
enum BarCommand : int {
    Readings = 4,
    Configuration = 5,
    Options = 6,
    Schema = 7,
    Reset = 8,
    Oscilloscope = 9,
};
inline constexpr int kFileMenu = 0;
inline constexpr int kSizeMenu = 2;
inline constexpr int kLanguageMenu = 3;

// The File menu's items by their place in it.
enum class FileItem : int {
    Open,
    SaveAs,
    Record,
    Play,
    Compare,
    Picture,
    Review,
    Undo,
    History,
    Exit
};

struct StartOptions {
    // The simulator warm and idling on gas, answering at once.
    std::vector<std::string> sim_args{"--no-pacing", "--idle-on-gas"};
    std::string language;  // written to Tarvex.ini; empty: the program's choice
    int screen_width = 1280;
    int screen_height = 1024;
};

struct WindowGeometry {
    int x = 0, y = 0, width = 0, height = 0;
};

// The real tarvex in an X server of its own, against tarvex-sim, driven with
// xdotool as a user drives it. Every process ends with the test; its files
// stay in a folder under /tmp when the test fails.
class ProgramWindowTest : public ::testing::Test {
  protected:
    ~ProgramWindowTest() override;
    void TearDown() override;
    // Starts the X server, the simulator and the program and waits for the
    // program's window; fails the test when one of them does not come up.
    void start(const StartOptions& options = {});

    // The keyboard goes to the main window.
    void focus();
    void press(const std::vector<std::string>& keys);
    // A command of the menu bar from the keyboard: Alt, the arrows, Enter.
    void bar_command(int place);
    // Item k of a menu: Alt, Right to the menu, Down opens it on its first item.
    void menu_item(int menu, int item);
    void file_item(FileItem item) { menu_item(kFileMenu, static_cast<int>(item)); }
    // Typed at the window that has the keyboard.
    void type_text(const std::string& text);
    // In the file dialog of that title: the full path typed into its
    // file-name field, then Enter. Empty once the dialog has taken it and
    // closed, else what went wrong.
    std::string choose_file(const std::string& dialog_title, const std::filesystem::path& path);
    // The view command, then its title; false when the title did not change.
    bool show_view(BarCommand view);
    // The Size command, then the window at its new size; false if it did not come.
    bool choose_size(int mode);

    // The main window's, or another window's.
    WindowGeometry geometry(const std::string& window = {}) const;
    std::string title() const;
    std::string window_name(const std::string& window) const;
    // The program's windows on the screen other than the main window: dialogs
    // and pop-ups (open lists, menus).
    std::vector<std::string> other_windows() const;
    // Gives the keyboard to another window of the program.
    void focus_window(const std::string& window);
    // The program's window of that name other than the main window, once it
    // is on the screen; empty if none came within the deadline.
    std::string window_titled(const std::string& name) const;
    QSize screen_size() const { return {screen_corner_.x() + 1, screen_corner_.y() + 1}; }
    const WindowSize& size() const { return window_size(size_mode_); }
    // Screen point of the client area's top-left corner.
    QPoint client_origin() const;
    // A layout point of the Readings view (placed at (-5, -10)) or of a view
    // placed at the client's corner, on the screen.
    QPoint dashboard_point(double x, double y) const;
    QPoint view_point(double x, double y) const;
    QPoint learning_button_centre() const;

    void click(QPoint at, int button = 1);  // 1 left, 3 right
    void move_mouse(QPoint at);
    // Wheel steps away from the user (down) or towards (up).
    void wheel(bool down, int steps);
    void focus_root_window();
    // The pointer to the screen's corner, outside every window, so that no
    // control shows the pointer over it.
    void park_mouse();

    QImage shot() const;
    // The screen rectangle of the client area.
    QRect client_rect() const;
    // The area once two pictures in a row show it alike; null if it kept changing.
    QImage settled(const QRect& area) const;
    // Keeps the picture in the test's folder; says where, for a failure message.
    std::string keep(const QImage& image, const std::string& name) const;

    // The dashboard has drawn its values and shows the car on gas.
    bool dashboard_on_gas() const;
    // Once the dashboard shows the car on gas (else the button does nothing),
    // a click on the learning button reaches the controller. Empty when it
    // does, else what went wrong.
    std::string learning_click_failure();
    // The program polls the controller's status after the mark.
    bool polls_after(std::size_t mark) const;
    // A settings view has read both settings frames and shown them.
    bool settings_shown();

    // The test's own folder, kept when it fails: the place for its files.
    const std::filesystem::path& folder() const { return dir_; }
    SimLog& sim_log() { return *sim_log_; }
    void signal_simulator(int sig) { sim_->signal(sig); }

  private:
    void stop_all();

    std::filesystem::path dir_;
    std::unique_ptr<XServer> x_;
    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<ChildProcess> program_;
    std::unique_ptr<SimLog> sim_log_;
    std::string window_id_;
    QPoint screen_corner_;
    int size_mode_ = 5;
};

}  // namespace tarvex::window_test
