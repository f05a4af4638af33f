// SPDX-License-Identifier: MIT
#pragma once

#include "ports/serial_devices.h"

namespace tarvex {

// The serial devices of the system's listing (Qt's serial-port library, which
// asks udev), with their by-id names, in menu order.
class QtSerialDevices final : public SerialDeviceSource {
  public:
    std::vector<SerialDevice> devices() override;
};

}  // namespace tarvex
