// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

namespace tarvex::testing {

// True while this process has a descriptor open on the device node, also
// when the node has been removed since.
inline bool holds_open(const std::string& node) {
    std::error_code ec;
    for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd", ec)) {
        std::error_code link_ec;
        // A node removed since it was opened reads "<node> (deleted)".
        const std::string target = std::filesystem::read_symlink(fd.path(), link_ec).string();
        if (target == node || target == node + " (deleted)")
            return true;
    }
    return false;
}

// Where a symbolic link points; empty when it is not one.
inline std::string link_target(const std::string& link) {
    std::error_code ec;
    return std::filesystem::read_symlink(link, ec).string();
}

}  // namespace tarvex::testing
