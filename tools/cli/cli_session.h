// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>
#include <string>

#include "link/controller_image.h"
#include "link/link_state.h"
#include "ports/posix_serial_port.h"

namespace tarvex::cli {

// The link to the controller for one command: the port resolved and opened
// as the program opens it, the status polled, the frames read.
struct Session {
    explicit Session(std::ostream& messages) : err(messages) { link.port = &port; }

    // Resolves PORT (a device, or COM1..COM4 through Tarvex.ports in the
    // current folder) and opens it; kExitOk or kExitPortUnavailable.
    int open(const std::string& port_argument);
    // Polls the status until it answers, at most as often as the program
    // polls before it calls the link lost; kExitOk or kExitNoAnswer.
    int connect();
    // kExitOk for a generation-2 controller, else kExitNoAnswer with a message.
    int require_generation_2();
    // Reads the live frame and both settings blocks afresh, each until a good
    // reply or a few tries; kExitOk or kExitNoAnswer.
    int read_settings();

    std::ostream& err;
    int timeout_scale = 1;
    PosixSerialPort port;
    LinkState link;
    ControllerImage image;
    std::string device;
};

// 1 to 4 for "COM1" to "COM4", in any case, with or without the colon; 0
// otherwise.
int com_number(std::string s);

// The message for a port that would not open, from its errno.
std::string open_failure_text(const std::string& device, int error);

}  // namespace tarvex::cli
