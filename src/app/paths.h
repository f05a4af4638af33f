// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace tarvex {

// The language file of a code: "../Lang/Tarvex_lang.<code>" from the start
// directory when that folder exists, else the Lang folder installed with the
// program (beside the program's folder, or in its share directory).
std::string language_file_path(const std::string& start_directory, const std::string& code,
                               const std::string& program_directory);

// The folder holding the running program.
std::string program_directory();
std::string current_directory();

}  // namespace tarvex
