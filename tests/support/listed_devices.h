// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

#include "ports/serial_devices.h"

namespace tarvex::testing {

// A device listing the test controls: it offers `now`, and counts the times
// it was asked.
class ListedDevices final : public SerialDeviceSource {
  public:
    std::vector<SerialDevice> devices() override {
        ++asked;
        return now;
    }
    std::vector<SerialDevice> now;
    int asked = 0;
};

}  // namespace tarvex::testing
