// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace tarvex {

inline constexpr const char* kProgramSettingsFile = "Tarvex.ini";
constexpr std::size_t kLanguageCodeMax = 31;

// What "Tarvex.ini" holds: the port number and the language code.
struct ProgramSettings {
    int port_number = 0;  // 0 when the file names none
    std::string LanguageCode = "pol";
};

// Scans the file's text: one word; one word and an integer; two words. Every
// word read replaces the language code (cut to 31 characters); the integer is
// the port number. The key words are not checked: only the order counts.
ProgramSettings parse_program_settings(std::string_view text);

// Reads the file into settings; false when it cannot be opened or is not a
// regular file.
bool read_program_settings(const std::string& path, ProgramSettings& settings);

// The file's three lines for a port and a language.
std::string program_settings_text(int port_number, const std::string& language_code);
// Rewrites the whole file beside it, then renames it over the old one, so a
// failed write keeps the old file. False when it could not be written; the
// first failure for a path is said on standard error.
bool save_settings(const std::string& path, int port_number, const std::string& language_code);

// Reads the file, or creates it with port 1 and "pol" when it cannot be read.
// Something other than a regular file in its place is left as it is.
// Gives the port that the settings select (1..4; 1 for any other number).
struct StartupSettings {
    int PortNumber = 1;
    std::string LanguageCode = "pol";
    bool created = false;
};
StartupSettings read_or_create_settings(const std::string& path);

}  // namespace tarvex
