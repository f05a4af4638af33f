// SPDX-License-Identifier: MIT
#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>

#include "app/commands.h"
#include "app/file_tools.h"
#include "app/menu_bar.h"
#include "app/paths.h"
#include "app/port_menu_devices.h"
#include "app/program_settings.h"
#include "app/qt_serial_devices.h"
#include "app/resources.h"
#include "app/view_factory.h"
#include "app/views.h"
#include "history/history_texts.h"
#include "ports/port_names.h"
#include "ports/posix_serial_port.h"
#include "ui/local_file_name.h"
#include "ui/playback_refusal.h"
#include "ui/qt_translation.h"
#include "ui/ui_text_qt.h"
#include "ui/user_dialogs.h"
#include "ui/view_widget.h"

namespace tarvex {

namespace {

// Frame and caption of the original window around its client area.
constexpr int kFrameWidth = 6;
constexpr int kCaptionAndFrameHeight = 25;
constexpr int kMenuBarHeight = 20;

}  // namespace

QSize MainWindow::client_size(int w, int h) {
    return {w - kFrameWidth, h - kCaptionAndFrameHeight - kMenuBarHeight};
}

MainWindow::MainWindow(Program& program, DesktopProbe desktop)
    : program_(program), desktop_(std::move(desktop)) {
    init_resources();
    if (!program_.dialogs) {
        own_dialogs_ =
            std::make_unique<QtUserDialogs>(shown_file_name(program_.DocumentsDirectory));
        program_.dialogs = own_dialogs_.get();
    }
    if (!program_.serial_devices) {
        own_serial_devices_ = std::make_unique<QtSerialDevices>();
        program_.serial_devices = own_serial_devices_.get();
    }
    if (!program_.probe_port) {
        own_probe_port_ = std::make_unique<PosixSerialPort>();
        program_.probe_port = own_probe_port_.get();
    }
    if (!program_.link.watch)
        program_.link.watch = &program_.port_watch;
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Tarvex"));
    setWindowIcon(QIcon(QStringLiteral(":/art/icon_256.png")));
    client_ = new QWidget(this);
    setCentralWidget(client_);
    tools_ = std::make_unique<FileTools>(program_, client_);
    connect(tools_.get(), &FileTools::state_changed, this, [this] {
        set_title_slot(title_slot_);
        apply_menu();
    });
    connect(tools_.get(), &FileTools::title_changed, this, [this] { set_title_slot(title_slot_); });

    auto* exit = new QAction(this);
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    exit->setShortcutContext(Qt::ApplicationShortcut);
    connect(exit, &QAction::triggered, this, [this] { run_command(cmd::Exit); });
    addAction(exit);
    auto* info = new QAction(this);
    info->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F1));
    info->setShortcutContext(Qt::ApplicationShortcut);
    connect(info, &QAction::triggered, this, [this] { run_command(cmd::ProgramInfo); });
    addAction(info);

    creation_sequence();
}

MainWindow::~MainWindow() {
    if (!shut_down_)
        close_port(program_.link);
    if (program_.history)
        program_.history->journal().on_failure({});
}

void MainWindow::open_history() {
    Program& p = program_;
    if (!p.history && !p.HistoryPath.empty()) {
        p.history = history::ProgramHistory::open(p.HistoryPath, "tarvex", p.history_failure);
        if (!p.history)
            report_history_failure(p.history_failure);
    }
    if (!p.history)
        return;
    p.history->attach(p.link, p.image);
    p.history->journal().on_failure(
        [this](const history::StoreError& error) { report_history_failure(error); });
}

void MainWindow::report_history_failure(const history::StoreError& error) {
    std::fprintf(stderr, "tarvex: cannot keep the settings history %s: %s\n",
                 program_.HistoryPath.c_str(), error.sqlite_text.c_str());
    // Said over the window once it shows, never inside a write or a poll.
    QTimer::singleShot(0, this, [this, error] {
        program_.dialogs->message(this, UserDialogs::Icon::Warning, history::history_caption(),
                                  history::history_failure_text(program_.HistoryPath, error));
    });
}

QSize MainWindow::desktop_size() const {
    if (desktop_)
        return desktop_();
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s)
        return {800, 600};
    const QRect g = s->geometry();
    return {g.x() + g.width(), g.y() + g.height()};
}

void MainWindow::creation_sequence() {
    Program& p = program_;
    attach_menu(kPolishMenu);

    const QSize desk = desktop_size();
    p.DesktopWidth = desk.width();
    p.DesktopHeight = desk.height();
    const int mode = size_mode_for_desktop(desk.width(), desk.height());
    p.DesktopSizeClass = mode;
    enable_size_items(p.menu, mode);

    set_size_mode(p.size, mode);
    select_size_factors();
    place_window();

    const StartupSettings s = read_or_create_settings(kProgramSettingsFile);
    p.LanguageCode = s.LanguageCode;
    p.PortNumber = s.PortNumber;
    close_port(p.link);
    p.link.port_name = port_name_of(p.PortNumber);
    set_port_mark(p.menu, p.PortNumber);

    load_language();
    open_history();

    choose_fonts();
    p.CurrentView = ViewReadings;
    open_view(ViewReadings, true);
    set_title_slot(view_def(ViewReadings).title_slot);

    attach_language_menu();
}

void MainWindow::attach_language_menu() {
    Program& p = program_;
    attach_menu(menu_for_language(p.LanguageCode));
    set_language_check(p.menu, language_item_for(p.LanguageCode));
    enable_size_items(p.menu, p.DesktopSizeClass);
    set_port_mark(p.menu, p.PortNumber);
    select_size_factors();
    highlight_current_view(p.menu, p.CurrentView);
    apply_menu();
}

void MainWindow::place_window() {
    const Program& p = program_;
    const QSize desk = desktop_size();
    const Point at =
        window_position(desk.width(), desk.height(), p.size.WindowWidth, p.size.WindowHeight);
    client_->setFixedSize(client_size(p.size.WindowWidth, p.size.WindowHeight));
    if (menu_bar_)
        menu_bar_->fit_to_width(client_->width());
    fit_window();
    move(at.x, at.y);
}

void MainWindow::fit_window() {
    // The menu bar's height follows its font, which follows the language.
    setFixedSize(client_->width(), client_->height() + menuBar()->sizeHint().height());
}

void MainWindow::select_size_factors() {
    tarvex::select_size_factors(program_.size);
    set_size_check(program_.menu, program_.size.SizeMode);
}

void MainWindow::choose_fonts() {
    program_.fonts = tarvex::choose_fonts(program_.size.SizeMode, program_.LanguageCode);
}

void MainWindow::load_language() {
    const std::string path =
        program_.LanguageDirectory.empty()
            ? language_file_path(program_.StartDirectory, program_.LanguageCode,
                                 program_.ProgramDirectory)
            : program_.LanguageDirectory + "/Tarvex_lang." + program_.LanguageCode;
    load_language_file(path, program_.texts);
    // File dialogs and message-box buttons follow the interface language.
    install_qt_translation(program_.LanguageCode);
}

void MainWindow::save_program_settings() {
    save_settings(kProgramSettingsFile, program_.PortNumber, program_.LanguageCode);
}

void MainWindow::set_title_slot(int slot) {
    title_slot_ = slot;
    setWindowTitle(ui_text(view_texts(program_), slot) + tools_->title_suffix());
}

void MainWindow::attach_menu(int menu_id) {
    auto* bar = new TarvexMenuBar(menu_id, this);
    new PortMenuDevices(bar, program_, *program_.serial_devices);
    bar->set_tool_texts(tools_->menu_texts());
    connect(bar, &TarvexMenuBar::command, this, &MainWindow::run_command);
    setMenuBar(bar);  // deletes the previous bar
    menu_bar_ = bar;
    bar->fit_to_width(client_size(program_.size.WindowWidth, program_.size.WindowHeight).width());
    if (!client_->size().isEmpty())
        fit_window();
    program_.menu.menu_id = menu_id;
    apply_menu();
}

void MainWindow::apply_menu() {
    if (menu_bar_)
        menu_bar_->apply(program_.menu);
}

void MainWindow::destroy_view() {
    if (view_)
        delete view_.data();
    view_ = nullptr;
}

void MainWindow::open_view(int view, bool set_up) {
    ViewWidget* w = make_view(program_, view, client_);
    view_ = w;
    const QRect at = w->home(client_->size());
    w->place(at.x(), at.y(), at.width(), at.height());
    // The set-up runs before the view is shown: showing it paints, and a
    // paint must find the buffers reset for the current size (oscilloscope)
    // and the controls in their places (the learning button).
    if (set_up)
        w->set_up();
    w->place_controls();
    if (view_)
        view_->show();
    if (set_up)
        emit view_created(view);
}

void MainWindow::replace_view(int view) {
    destroy_view();
    program_.CurrentView = view;
    const ViewDef& def = view_def(view);
    // A view set up by the size is set up by the size applied after it.
    open_view(view, !def.set_up_by_size);
    set_title_slot(def.title_slot);
    if (def.set_up_by_size)
        apply_size(program_.size.SizeMode);
}

void MainWindow::switch_to_view(int view) {
    Program& p = program_;
    if (p.CurrentView == view) {
        highlight_current_view(p.menu, p.CurrentView);
        apply_menu();
        return;
    }
    replace_view(view);
    highlight_current_view(p.menu, p.CurrentView);
    apply_menu();
}

void MainWindow::apply_size(int mode) {
    Program& p = program_;
    set_size_mode(p.size, mode);
    select_size_factors();
    place_window();
    choose_fonts();
    // A view kept is placed by the next paint.
    if (!view_def(p.CurrentView).kept_on_change) {
        destroy_view();
        open_view(p.CurrentView, true);
    }
    apply_menu();
    paint_sequence();
}

void MainWindow::language_command(const std::string& code) {
    Program& p = program_;
    p.LanguageCode = code;
    save_program_settings();
    load_language();
    refresh_view_texts();
    attach_language_menu();
}

void MainWindow::refresh_view_texts() {
    const int view = program_.CurrentView;
    if (view_def(view).kept_on_change) {
        // Its paint handling puts the texts on it.
        if (view_)
            view_->window_paint();
        set_title_slot(view_def(view).title_slot);
        return;
    }
    replace_view(view);
}

void MainWindow::port_command(int port) {
    Program& p = program_;
    close_port(p.link);
    p.link.port_name = port_name_of(port);
    set_port_mark(p.menu, port);
    p.PortNumber = port;
    apply_menu();
    save_program_settings();
}

void MainWindow::show_program_information() {
    program_.poll.InfoDialogOpen = 1;
    InfoDialog dialog(info_context(program_), this);
    dialog.exec();
    program_.poll.InfoDialogOpen = 0;
}

void MainWindow::run_command(int id) {
    if (const int view = view_for_command(id)) {
        switch_to_view(view);
        return;
    }
    if (const LanguageDef* l = language_for_command(id)) {
        language_command(l->code);
        return;
    }
    if (const int mode = size_mode_for_command(id)) {
        apply_size(mode);
        return;
    }
    for (int n = 1; n <= 4; ++n)
        if (id == kPortCommands[static_cast<std::size_t>(n - 1)]) {
            port_command(n);
            return;
        }
    switch (id) {
        case cmd::Exit:
            close();
            break;
        case cmd::ProgramInfo:
            show_program_information();
            break;
        case cmd::Open:
            if (!refused_while_playing(program_.link, *program_.dialogs, view_texts(program_),
                                       view_.data()))
                load_controller_settings(file_context(program_), view_.data());
            break;
        case cmd::SaveAs:
            save_controller_settings(file_context(program_), view_.data());
            break;
        case cmd::UndoLastChange:
            history::undo_last_change(history_context(program_), view_.data());
            break;
        case cmd::SettingsHistory:
            history::show_settings_history(history_context(program_), view_.data());
            break;
        default:
            tools_->run(id, view_.data());
            break;
    }
}

void MainWindow::compare_file(const std::string& path) {
    tools_->compare_file(path, view_.data());
}

void MainWindow::paint_sequence() {
    Program& p = program_;
    choose_fonts();
    if (view_) {
        view_->window_paint();
        view_->paint_sequence();
    }
    if (view_def(p.CurrentView).paint_highlights) {
        highlight_current_view(p.menu, p.CurrentView);
        apply_menu();
    }
    const QSize desk = desktop_size();
    if (desk.width() != p.DesktopWidth || desk.height() != p.DesktopHeight) {
        p.DesktopWidth = desk.width();
        p.DesktopHeight = desk.height();
        p.DesktopSizeClass = size_mode_for_desktop(desk.width(), desk.height());
        enable_size_items(p.menu, p.DesktopSizeClass);
        apply_menu();
    }
    if (view_)
        view_->place_controls();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (QWindow* w = windowHandle())
        w->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed())
        paint_sequence();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    destroy_view();
    tools_->stop_all();
    close_port(program_.link);
    shut_down_ = true;
    event->accept();
}

}  // namespace tarvex
