// Tarvex: diagnostic and configuration tool for an LPG autogas controller.
#include <QApplication>
#include <QStyleFactory>

#include "app/main_window.h"
#include "app/paths.h"
#include "app/program.h"
#include "config/settings_file.h"
#include "gfx/qt_fonts.h"
#include "link/port_names.h"
#include "link/posix_serial_port.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

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
    return app.exec();
}
