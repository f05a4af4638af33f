// SPDX-License-Identifier: MIT
#include "ports/find_controller.h"

#include "link/link_state.h"

namespace tarvex {

std::vector<ProbedDevice> find_controller(SerialPort& port,
                                          const std::vector<std::string>& devices) {
    std::vector<ProbedDevice> probed;
    for (const std::string& device : devices) {
        ProbedDevice p{device};
        if (!port.open(device)) {
            p.outcome = ProbedDevice::Outcome::NotOpened;
            p.open_error = port.last_open_error();
            probed.push_back(p);
            continue;
        }
        // A link of its own on the open port: one status poll, framed and
        // checked as the program polls.
        LinkState probe;
        probe.port = &port;
        probe.PortOpen = 1;
        ControllerImage image;
        poll_status(probe, image);
        close_port(probe);
        p.outcome = probe.NoConnection == 0 ? ProbedDevice::Outcome::Answered
                                            : ProbedDevice::Outcome::Silent;
        probed.push_back(p);
        if (p.outcome == ProbedDevice::Outcome::Answered)
            break;
    }
    return probed;
}

std::string found_device(const std::vector<ProbedDevice>& probed) {
    if (!probed.empty() && probed.back().outcome == ProbedDevice::Outcome::Answered)
        return probed.back().device;
    return {};
}

}  // namespace tarvex
