// SPDX-License-Identifier: MIT
#include "app/paths.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace tarvex {

namespace fs = std::filesystem;

std::string language_file_path(const std::string& start_directory, const std::string& code,
                               const std::string& program_directory) {
    const std::string name = "Tarvex_lang." + code;
    std::error_code ec;
    const fs::path beside_start = fs::path(start_directory) / ".." / "Lang";
    if (fs::is_directory(beside_start, ec))
        return (beside_start / name).string();
    if (!program_directory.empty()) {
        const fs::path candidates[] = {
            fs::path(program_directory) / ".." / "Lang",
            fs::path(program_directory) / ".." / "share" / "tarvex" / "Lang",
        };
        for (const auto& dir : candidates)
            if (fs::is_directory(dir, ec))
                return (dir / name).string();
    }
    return (beside_start / name).string();
}

std::string program_directory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

std::string current_directory() {
    std::error_code ec;
    const fs::path p = fs::current_path(ec);
    return ec ? std::string(".") : p.string();
}

}  // namespace tarvex
