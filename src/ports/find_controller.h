// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

#include "link/serial_port.h"

namespace tarvex {

// How one device took the search for the controller.
struct ProbedDevice {
    enum class Outcome {
        Answered,   // a good status reply: the controller
        Silent,     // opened, sent the status command, no good reply
        NotOpened,  // not opened, nothing sent: see open_error
    };
    std::string device;
    Outcome outcome = Outcome::Silent;
    int open_error = 0;  // errno of the refused open (EWOULDBLOCK: another program holds it)
};

// Looks for the controller on the devices in turn, through `port`: each is
// opened as the link opens its port, sent one status command and closed
// again. A device another program holds is refused by the exclusive open
// before anything is set or sent, and left alone. Stops at the first device
// that answers; what each device tried did, in order, the last one being the
// controller when its outcome is Answered.
std::vector<ProbedDevice> find_controller(SerialPort& port,
                                          const std::vector<std::string>& devices);

// The controller's device among the probed ones; empty when none answered.
std::string found_device(const std::vector<ProbedDevice>& probed);

}  // namespace tarvex
