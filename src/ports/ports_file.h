// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarvex {

// Makes port (1..4) stand for device in the ports file at path, as the line
// "COMn=device": the line that now decides that port is replaced in place, or
// the line is added at the end. Comments, blank lines, the other ports' lines
// and the line endings stay as they are. The file is rewritten under its lock
// as rewrite_file_locked() rewrites, so a failure leaves the old file whole
// and a file that may not be written (unreadable, read-only, not a regular
// file) is never replaced. False, and why in error, when it was not written.
bool assign_port_device(const std::string& path, int port, const std::string& device,
                        std::string* error = nullptr);

}  // namespace tarvex
