// SPDX-License-Identifier: MIT
#include "history/history_location.h"

namespace tarvex::history {

std::string history_file_path(const std::string& variable_value, const std::string& start_folder) {
    std::string path = variable_value.empty() ? start_folder : variable_value;
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += kHistoryFileName;
    return path;
}

}  // namespace tarvex::history
