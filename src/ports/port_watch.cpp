// SPDX-License-Identifier: MIT
#include "ports/port_watch.h"

#include <cstdio>

namespace tarvex {

PortWatch::PortWatch()
    : PortWatch([](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }) {}

PortWatch::PortWatch(Say say) : say_(std::move(say)) {}

void PortWatch::opened(const std::string& port_name, const std::string& device, int error) {
    if (error == 0) {
        errors_.erase(device);
        said_.clear();
        return;
    }
    errors_[device] = error;
    std::string line = port_problem_line(port_name, device, error);
    if (line != said_) {
        say_(line);
        said_ = std::move(line);
    }
}

std::string PortWatch::note(const std::string& device) const {
    const auto it = errors_.find(device);
    return it == errors_.end() ? std::string() : port_problem_note(it->second);
}

PortProblem PortWatch::problem(const std::string& device) const {
    return port_problem_of(error(device));
}

int PortWatch::error(const std::string& device) const {
    const auto it = errors_.find(device);
    return it == errors_.end() ? 0 : it->second;
}

}  // namespace tarvex
