// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

namespace tarvex {

// Which device each of the ports "COM1:" to "COM4:" stands for. By default the
// first four on-board serial ports; the file "Tarvex.ports" in the start
// directory may name others, one line each, as "COM1=/dev/ttyUSB0".
struct PortMap {
    std::array<std::string, 4> device{"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3"};
};

inline constexpr const char* kPortsFileName = "Tarvex.ports";
// A port file is a handful of lines; anything longer than this is not one.
inline constexpr std::size_t kMaxPortLine = 4096;
// Nor is a file larger than this one.
inline constexpr std::size_t kMaxPortsFileBytes = 1 << 20;

// Port number 1..4 of "COM1:".."COM4:"; 0 for any other name.
int port_number_of(const std::string& port_name);
// "COM1:".."COM4:" for 1..4, "COM1:" for anything else.
std::string port_name_of(int number);

// The device of a port name; the device of COM1 for an unknown name.
const std::string& device_for(const PortMap& map, const std::string& port_name);

// One line "COMn=path" (n 1..4, blanks around either side allowed): its port
// number and device. False for any other line, comments included.
bool parse_port_line(const std::string& line, int& port, std::string& device);
// Reads port lines into map. Blank lines and lines starting with '#' are
// ignored; a line that is not "COMn=path" with n 1..4 and a non-empty path is
// skipped and described in problems (with its line number), as is a line
// over 4096 characters, which is never held whole. Never fails.
void parse_port_map(std::istream& in, PortMap& map, std::vector<std::string>* problems = nullptr);
// Same for a file; a missing file, or one that is not a regular file or is
// larger than kMaxPortsFileBytes, leaves the map as it is. True when the file
// was read; else, when a file is there that cannot be read (no permission,
// not a regular file, too large), error says why.
bool load_port_map(const std::string& path, PortMap& map,
                   std::vector<std::string>* problems = nullptr, std::string* error = nullptr);

}  // namespace tarvex
