// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <iosfwd>
#include <string>
#include <vector>

#include "link/port_map.h"

namespace tarvex {

inline constexpr const char* kPortsFileName = "Tarvex.ports";
// A port file is a handful of lines; anything longer than this is not one.
inline constexpr std::size_t kMaxPortLine = 4096;
// Nor is a file larger than this one.
inline constexpr std::size_t kMaxPortsFileBytes = 1 << 20;

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
