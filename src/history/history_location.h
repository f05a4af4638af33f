// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarvex::history {

// The history's file, beside Tarvex.ini unless the launcher says otherwise.
constexpr const char* kHistoryFileName = "Tarvex.history";

// The environment variable through which the desktop launcher names the
// folder of the history (the user's data folder).
constexpr const char* kHistoryDirVariable = "TARVEX_HISTORY_DIR";

// Where the history is kept: Tarvex.history in the folder the variable
// names, else beside Tarvex.ini in the start folder.
std::string history_file_path(const std::string& variable_value, const std::string& start_folder);

}  // namespace tarvex::history
