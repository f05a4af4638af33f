// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <string>

#include "link/port_map.h"
#include "ports/port_problem.h"

namespace tarvex {

// Told of every attempt to open the port: remembers why each device last
// failed, and says so in one line each time the reason changes, never once a
// poll.
class PortWatch final : public OpenWatch {
  public:
    using Say = std::function<void(const std::string& line)>;
    // Says to standard error, or to another sink.
    PortWatch();
    explicit PortWatch(Say say);

    // After an attempt to open device for port_name; error 0 when it opened.
    void opened(const std::string& port_name, const std::string& device, int error) override;
    // Why device last failed to open; empty when it opened or was not tried.
    std::string note(const std::string& device) const;
    PortProblem problem(const std::string& device) const;
    // The errno of device's last failed attempt; 0 when it opened or was not tried.
    int error(const std::string& device) const;

  private:
    Say say_;
    std::map<std::string, int> errors_;  // by device, of its last failed attempt
    std::string said_;                   // the last line said, until an open succeeds
};

}  // namespace tarvex
