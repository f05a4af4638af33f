// SPDX-License-Identifier: MIT
#pragma once

#include <QSize>

#include <memory>

#include "app/main_window.h"
#include "sim/sim_controller.h"
#include "support/scripted_serial_port.h"
#include "support/start_folder.h"

namespace tarvex::testing {

// The program in a start folder of its own, its port scripted to answer as
// the simulated controller (nothing while `silent`), and its main window.
class ShellTest : public StartFolderTest {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Creates (or re-creates) the main window on a desktop of this size; the
    // window reads `desktop` again whenever it looks, so a test can change it.
    void open_window(QSize size = {800, 600});
    // The write commands (codes 5 and up) sent since the port's events were cleared.
    std::vector<std::vector<std::uint8_t>> writes();

    Program program;
    ScriptedSerialPort port;
    sim::SimController controller;
    bool silent = false;
    double sim_time = 10.0;  // seconds on the simulator's clock
    QSize desktop{800, 600};
    std::unique_ptr<MainWindow> window;
};

}  // namespace tarvex::testing
