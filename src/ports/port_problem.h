// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarvex {

// Why a serial device could not be opened, from the errno of the attempt.
enum class PortProblem {
    None,           // it opened
    NoSuchDevice,   // nothing at that path (the adapter is not plugged in)
    NoPermission,   // the device's mode or group keeps this user out
    HeldByAnother,  // another program has it open exclusively or locked
    NotATerminal,   // the path names something that is not a serial device
    Other,
};

PortProblem port_problem_of(int error);

// The short reason in English, as standard error says it (the Port menu says
// it in the interface language); empty for 0.
std::string port_problem_note(int error);

// The line for standard error about port (e.g. "COM1:") failing to open
// device with error. For no permission it gives the fix when the device's
// group may read and write it: "sudo usermod -aG <group> $USER", then log in
// again.
std::string port_problem_line(const std::string& port_name, const std::string& device, int error);

}  // namespace tarvex
