// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarvex {

// True while path still names the device open on fd: the node exists and is
// the same character device. False once the node has vanished (the adapter
// was pulled out) or names another device.
bool node_names_descriptor(const std::string& path, int fd);

// True for the errors of a device that has gone away under an open
// descriptor: EIO (hung up), ENODEV, ENXIO.
bool is_device_gone_error(int error);

}  // namespace tarvex
