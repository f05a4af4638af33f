// SPDX-License-Identifier: MIT
#include "support/shell_test.h"

#include "readings/dial_tables.h"

namespace tarvex::testing {

void ShellTest::SetUp() {
    StartFolderTest::SetUp();
    program.StartDirectory = dir.string();
    program.link.port = &port;
    build_dial_tables(program.dial);
    port.set_responder([this](const std::vector<std::uint8_t>& c) -> std::vector<std::uint8_t> {
        if (silent || c.size() != 4)
            return {};
        auto r = controller.handle({c[0], c[1], c[2], c[3]}, sim_time);
        return r ? r->bytes : std::vector<std::uint8_t>{};
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
