// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "support/scripted_serial_port.h"
#include "sim/sim_controller.h"

namespace tarvex::testing {

// A port answering as the simulated controller, its clock a tick counter.
struct SimPort {
    ScriptedSerialPort port;
    sim::SimController controller;
    double t = 5.0;
    explicit SimPort(sim::FaultRates faults = {}, unsigned seed = 3)
        : controller(2, 6, faults, seed) {
        port.set_responder([this](const std::vector<std::uint8_t>& f) {
            const auto r =
                f.size() == 4 ? controller.handle({f[0], f[1], f[2], f[3]}, t) : std::nullopt;
            return r ? r->bytes : std::vector<std::uint8_t>{};
        });
    }
};

}  // namespace tarvex::testing
