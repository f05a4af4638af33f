// Tarvex: diagnostic and configuration tool for an LPG autogas controller.
#include <QApplication>
#include <QStyleFactory>

#include "app/main_window.h"
#include "app/paths.h"
#include "app/program.h"
#include "link/port_names.h"
#include "link/posix_serial_port.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    tarvex::Program program;
    program.StartDirectory = tarvex::current_directory();
    program.ProgramDirectory = tarvex::program_directory();
    tarvex::PosixSerialPort port;
    program.link.port = &port;
    tarvex::load_port_map(program.StartDirectory + "/" + tarvex::kPortsFileName,
                          program.link.devices);

    tarvex::build_dial_tables(program.dial);
    tarvex::ResetScopeBuffers(program.scope_buffers, program.size.scale);
    tarvex::MainWindow window(program);
    window.show();
    window.paint_sequence();
    return app.exec();
}
