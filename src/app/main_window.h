// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

#include "app/program.h"
#include "ui/view_widget.h"

namespace tarvex {

class UserDialogs;
class FileTools;
class SerialDeviceSource;

class TarvexMenuBar;

// The single top-level window: the menu bar and the one view shown in its
// client area. It runs the start-up sequence, the commands, the view
// switching, the size and language changes and the shutdown.
class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    // The desktop size in pixels; the primary screen unless a test says otherwise.
    using DesktopProbe = std::function<QSize()>;

    explicit MainWindow(Program& program, DesktopProbe desktop = {});
    ~MainWindow() override;

    // The client area below the menu bar for a window of outer size w x h.
    static QSize client_size(int w, int h);

    void run_command(int id);
    // Shows the comparison of a settings file with the controller (a file
    // opened from the desktop), named by the bytes the system gave.
    void compare_file(const std::string& path);
    FileTools& file_tools() { return *tools_; }
    // What the window does on every paint from the window system.
    void paint_sequence();

    Program& program() { return program_; }
    TarvexMenuBar* tarvex_menu_bar() const { return menu_bar_; }
    ViewWidget* current_view() const { return view_; }
    QWidget* client() const { return client_; }

  signals:
    // After a view was created and set up (tests and later modules hook in here).
    void view_created(int view);

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void creation_sequence();
    QSize desktop_size() const;
    void place_window();
    void fit_window();
    void switch_to_view(int view);
    // Creates a view from its context, places it, sets it up when asked,
    // places its controls and shows it.
    void open_view(int view, bool set_up);
    // Destroys the shown view and opens one of this kind in its place.
    void replace_view(int view);
    void destroy_view();
    void apply_size(int mode);
    void select_size_factors();
    void choose_fonts();
    void language_command(const std::string& code);
    void refresh_view_texts();
    void port_command(int port);
    void attach_menu(int menu_id);
    // The menu of the interface language, with the remembered menu state.
    void attach_language_menu();
    void apply_menu();
    void set_title_slot(int slot);
    void show_program_information();
    void save_program_settings();
    void load_language();
    // Opens the settings history named in the program and points the link's
    // journal at it; says so once when it cannot be kept.
    void open_history();
    void report_history_failure(const history::StoreError& error);

    Program& program_;
    DesktopProbe desktop_;
    TarvexMenuBar* menu_bar_ = nullptr;
    QWidget* client_ = nullptr;
    QPointer<ViewWidget> view_;
    bool shut_down_ = false;
    std::unique_ptr<UserDialogs> own_dialogs_;
    std::unique_ptr<FileTools> tools_;
    int title_slot_ = 0;
    std::unique_ptr<SerialDeviceSource> own_serial_devices_;
    std::unique_ptr<SerialPort> own_probe_port_;
};

}  // namespace tarvex
