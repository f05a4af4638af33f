// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

namespace tarvex {

// Which device each of the ports "COM1:" to "COM4:" stands for. By default the
// first four on-board serial ports; the file "Tarvex.ports" in the start
// directory may name others, one line each, as "COM1=/dev/ttyUSB0".
struct PortMap {
    std::array<std::string, 4> device{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};
};

// Port number 1..4 of "COM1:".."COM4:"; 0 for any other name.
int port_number_of(const std::string& port_name);
// "COM1:".."COM4:" for 1..4, "COM1:" for anything else.
std::string port_name_of(int number);

// The device of a port name; the device of COM1 for an unknown name.
const std::string& device_for(const PortMap& map, const std::string& port_name);

// Told of every attempt to open the link's port.
class OpenWatch {
  public:
    virtual ~OpenWatch() = default;
    // After an attempt to open device for port_name; error 0 when it opened.
    virtual void opened(const std::string& port_name, const std::string& device, int error) = 0;
};

}  // namespace tarvex
