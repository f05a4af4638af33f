// SPDX-License-Identifier: MIT
#include "support/shell_test.h"

#include "readings/dial_tables.h"
#include "support/sim_answer.h"

namespace tarvex::testing {

void ShellTest::SetUp() {
    StartFolderTest::SetUp();
    program.StartDirectory = dir.string();
    program.link.port = &port;
    build_dial_tables(program.dial);
    port.set_responder([this](const std::vector<std::uint8_t>& frame) {
        return silent ? std::vector<std::uint8_t>{} : sim_answer(controller, frame, sim_time);
    });
}

void ShellTest::TearDown() {
    window.reset();
    StartFolderTest::TearDown();
}

void ShellTest::open_window(QSize size) {
    desktop = size;
    window.reset();
    window = std::make_unique<MainWindow>(program, [this] { return desktop; });
    window->show();
}

std::vector<std::vector<std::uint8_t>> ShellTest::writes() {
    std::vector<std::vector<std::uint8_t>> out;
    for (const auto& w : port.writes())
        if (w[1] >= 5)
            out.push_back(w);
    return out;
}

}  // namespace tarvex::testing
