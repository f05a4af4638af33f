// SPDX-License-Identifier: MIT
// The port-mapping file: any bytes, never fatal, every device non-empty.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "ports/port_names.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    tarvex::PortMap map;
    std::vector<std::string> problems;
    tarvex::parse_port_map(in, map, &problems);
    for (const auto& d : map.device)
        if (d.empty())
            std::abort();
    return 0;
}
