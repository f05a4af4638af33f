// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "app/main_window.h"
#include "app/program.h"
#include "ports/posix_serial_port.h"
#include "readings/dial_tables.h"
#include "support/start_folder.h"

namespace tarvex::testing {

// The program in a start folder of its own with Polish texts, on the real
// termios port; a test opens its main window when it has a device.
class RealPortProgramTest : public StartFolderTest {
  protected:
    void SetUp() override {
        StartFolderTest::SetUp();
        write_language_file("pol", "T");
        program.StartDirectory = dir.string();
        program.link.port = &port;
        build_dial_tables(program.dial);
    }
    void TearDown() override {
        window.reset();
        StartFolderTest::TearDown();
    }
    // The main window, on a desktop of 800 x 600.
    void open_window() {
        window = std::make_unique<MainWindow>(program, [] { return QSize(800, 600); });
        window->show();
    }

    Program program;
    PosixSerialPort port;
    std::unique_ptr<MainWindow> window;
};

}  // namespace tarvex::testing
