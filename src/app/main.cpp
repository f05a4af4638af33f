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

#include "app/main_window.h"
#include "app/paths.h"
#include "app/program.h"
#include "config/settings_file.h"
#include "gfx/qt_fonts.h"
#include "link/port_names.h"
#include "link/posix_serial_port.h"

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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    end_on_stop_signals(&app);

    tarvex::Program program;
    program.StartDirectory = tarvex::current_directory();
    program.ProgramDirectory = tarvex::program_directory();
    program.LanguageDirectory = qEnvironmentVariable("TARVEX_LANG_DIR").toStdString();
    program.DocumentsDirectory = qEnvironmentVariable("TARVEX_DOCUMENTS_DIR").toStdString();
    tarvex::PosixSerialPort port;
    program.link.port = &port;
    tarvex::load_port_map(program.StartDirectory + "/" + tarvex::kPortsFileName,
                          program.link.devices);

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
    // A settings file opened from the desktop: its comparison with the
    // controller, never a write.
    const QStringList args = QApplication::arguments();
    if (args.size() > 1 && args[1].endsWith(QStringLiteral(".tvs"), Qt::CaseInsensitive)) {
        const QString file = args[1];
        QTimer::singleShot(0, &window, [&window, file] { window.compare_file(file); });
    }
    const int code = app.exec();
    // Ended by a signal: close the window as File > Exit does, which closes the port.
    if (window.isVisible())
        window.close();
    return code;
}
