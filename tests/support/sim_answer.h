// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

#include "sim/sim_controller.h"
#include "support/scripted_serial_port.h"

namespace tarvex::testing {

// The simulated controller's answer at time t (seconds) to a frame written to
// a scripted port: nothing for a frame that is not a command's four bytes.
inline std::vector<std::uint8_t> sim_answer(sim::SimController& controller,
                                            const std::vector<std::uint8_t>& frame, double t) {
    if (frame.size() != 4)
        return {};
    const auto reply = controller.handle({frame[0], frame[1], frame[2], frame[3]}, t);
    return reply ? reply->bytes : std::vector<std::uint8_t>{};
}

// The port answers as the controller, at the time that t holds when it reads.
inline void answer_as(ScriptedSerialPort& port, sim::SimController& controller, const double& t) {
    port.set_responder([&controller, &t](const std::vector<std::uint8_t>& frame) {
        return sim_answer(controller, frame, t);
    });
}

}  // namespace tarvex::testing
