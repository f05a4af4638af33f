// SPDX-License-Identifier: MIT
// Tarvex: diagnostic and configuration tool for an LPG autogas controller.
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QStyleFactory>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "app/file_tools.h"
#include "app/main_window.h"
#include "app/paths.h"
#include "app/program.h"
#include "app/start_arguments.h"
#include "config/controller_commands.h"
#include "config/settings_file.h"
#include "files/process_start.h"
#include "gfx/qt_fonts.h"
#include "history/history_location.h"
#include "ports/port_names.h"
#include "ports/posix_serial_port.h"
#include "ui/local_file_name.h"
#include "ui/user_dialogs.h"

namespace {

int g_stop_pipe[2] = {-1, -1};

void on_stop_signal(int) {
    const int saved = errno;
    const char byte = 1;
    (void)!::write(g_stop_pipe[1], &byte, 1);
    errno = saved;
}

// SIGINT and SIGTERM end the event loop, and with it the program, which then
// closes its window as File > Exit does. The handler only writes to a pipe
// that the event loop watches.
void end_on_stop_signals(QObject* parent) {
    if (::pipe2(g_stop_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_stop_pipe[0], QSocketNotifier::Read, parent);
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [] {
        char bytes[16];
        while (::read(g_stop_pipe[0], bytes, sizeof bytes) > 0) {
        }
        // Every running event loop ends, a modal dialog's too.
        QCoreApplication::exit(0);
    });
    struct sigaction sa {};
    sa.sa_handler = on_stop_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

// Without a display Qt prints several lines and aborts. Its messages are held
// back while QApplication starts; if it cannot, one line says why instead.
QtMessageHandler g_qt_handler = nullptr;
std::vector<std::pair<QtMsgType, QString>> g_held;

std::string g_display;  // the X display asked for, for the message

void hold_message(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtFatalMsg) {
        g_held.emplace_back(type, text);
        return;
    }
    if (!g_display.empty())
        std::fprintf(stderr, "tarvex: cannot open a window on the display %s\n", g_display.c_str());
    else
        std::fprintf(stderr, "tarvex: cannot open a window: no display\n");
    std::_Exit(1);
}

void release_messages() {
    qInstallMessageHandler(g_qt_handler);
    for (const auto& [type, text] : g_held)
        g_qt_handler ? g_qt_handler(type, QMessageLogContext(), text)
                     : (void)std::fprintf(stderr, "%s\n", qPrintable(text));
    g_held.clear();
}

// The X display asked for (Qt's -display, else DISPLAY); false when there is
// no display at all and no Qt platform is chosen that needs none.
bool find_display(const std::vector<char*>& qt_argv) {
    if (const char* v = std::getenv("DISPLAY"))
        g_display = v;
    bool platform = false;
    for (std::size_t i = 1; i + 1 < qt_argv.size(); ++i) {
        platform = platform || std::strncmp(qt_argv[i], "-platform", 9) == 0;
        if (std::strcmp(qt_argv[i], "-display") == 0 && qt_argv[i + 1])
            g_display = qt_argv[i + 1];
    }
    for (const char* name : {"WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* v = std::getenv(name); v && *v)
            platform = true;
    return platform || !g_display.empty();
}

// An environment variable's bytes, as the system gave them.
std::string environment(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

}  // namespace

int main(int argc, char** argv) {
    tarvex::prepare_process();
    // The settings file is taken out before Qt sees the command line.
    tarvex::StartArguments start = tarvex::parse_start_arguments(argc, argv);
    if (!start.error.empty()) {
        std::fprintf(stderr, "tarvex: %s\nTry 'tarvex --help'.\n", start.error.c_str());
        return 2;
    }
    if (start.help || start.version) {
        if (start.help)
            std::fputs(tarvex::start_usage(), stdout);
        else
            std::printf("tarvex %s\n", tarvex::kProgramVersion);
        return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
    }
    if (!find_display(start.qt_argv)) {
        std::fprintf(stderr,
                     "tarvex: no display (DISPLAY is not set): start it on a desktop; "
                     "tarvex-cli works without one\n");
        return 1;
    }
    int qt_argc = static_cast<int>(start.qt_argv.size()) - 1;
    g_qt_handler = qInstallMessageHandler(hold_message);
    QApplication app(qt_argc, start.qt_argv.data());
    release_messages();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    end_on_stop_signals(&app);

    tarvex::Program program;
    program.StartDirectory = tarvex::current_directory();
    program.ProgramDirectory = tarvex::program_directory();
    program.LanguageDirectory = environment("TARVEX_LANG_DIR");
    program.DocumentsDirectory = environment("TARVEX_DOCUMENTS_DIR");
    program.HistoryPath = tarvex::history::history_file_path(
        environment(tarvex::history::kHistoryDirVariable), program.StartDirectory);
    tarvex::PosixSerialPort port;
    program.link.port = &port;
    const std::string ports_file = program.StartDirectory + "/" + tarvex::kPortsFileName;
    std::string ports_error;
    tarvex::load_port_map(ports_file, program.link.devices, nullptr, &ports_error);

    // Start-up tables, before the window exists: dial geometry, the settings
    // file's tokens, the twenty fonts, the oscilloscope's buffers.
    tarvex::build_dial_tables(program.dial);
    tarvex::settings_file_tokens();
    for (int mode = 1; mode <= 5; ++mode)
        for (const char* code : {"pol", "rus"}) {
            const tarvex::FontChoice f = tarvex::choose_fonts(mode, code);
            tarvex::qt_font(f.LargeFont);
            tarvex::qt_font(f.SmallFont);
        }
    tarvex::ResetScopeBuffers(program.scope_buffers, program.size.scale);
    tarvex::MainWindow window(program);
    window.show();
    window.paint_sequence();
    // A ports file that is there but cannot be read: said once, at start.
    if (!ports_error.empty()) {
        std::fprintf(stderr, "tarvex: cannot read %s: %s\n", ports_file.c_str(),
                     ports_error.c_str());
        QTimer::singleShot(0, &window, [&window, &program, ports_file, ports_error] {
            program.dialogs->message(
                &window, tarvex::UserDialogs::Icon::Warning,
                QCoreApplication::translate("Port", "Port"),
                QCoreApplication::translate("Port",
                                            "%1 could not be read, so COM 1 to COM 4 "
                                            "stand for /dev/ttyS0 to /dev/ttyS3.")
                        .arg(QString::fromLatin1(tarvex::kPortsFileName)) +
                    QStringLiteral("\n\n%1: %2")
                        .arg(tarvex::shown_file_name(ports_file),
                             QString::fromStdString(ports_error)));
        });
    }
    // A settings file opened from the desktop: its comparison with the
    // controller, never a write.
    if (!start.file.empty()) {
        const std::string file = start.file;
        QTimer::singleShot(0, &window, [&window, file] { window.compare_file(file); });
    }
    // A recording given: the review window opens on it beside the program.
    if (!start.recording.empty()) {
        const std::string file = start.recording;
        QTimer::singleShot(0, &window, [&window, file] { window.file_tools().review_file(file); });
    }
    const int code = app.exec();
    // Ended by a signal: close the window as File > Exit does, which closes the port.
    if (window.isVisible())
        window.close();
    return code;
}
