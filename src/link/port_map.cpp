// SPDX-License-Identifier: MIT
#include "link/port_map.h"

namespace tarvex {

int port_number_of(const std::string& port_name) {
    if (port_name.size() == 5 && port_name.compare(0, 3, "COM") == 0 && port_name[4] == ':' &&
        port_name[3] >= '1' && port_name[3] <= '4')
        return port_name[3] - '0';
    return 0;
}

std::string port_name_of(int number) {
    if (number < 1 || number > 4)
        number = 1;
    return "COM" + std::to_string(number) + ":";
}

const std::string& device_for(const PortMap& map, const std::string& port_name) {
    int n = port_number_of(port_name);
    return map.device[static_cast<std::size_t>(n >= 1 ? n - 1 : 0)];
}

}  // namespace tarvex
