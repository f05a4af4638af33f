// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/controller_image.h"

namespace tarvex {

// The 31 expected tokens of a controller settings file: three header lines
// and the 28 keys with their "=", in file order.
const std::array<std::string, 31>& settings_file_tokens();

// The file's text for what the image holds: 31 lines ending in CR LF.
std::string settings_file_text(const ControllerImage& image);

// A file read and checked: the 28 values (low 8 bits) when every token
// matched, in file order.
struct ParsedSettings {
    bool ok = false;
    std::array<std::uint8_t, 28> values{};
};
// Reads 3 tokens, then 28 pairs of a token and a decimal integer, whitespace
// between them; compares the 31 tokens exactly. A token longer than 29
// characters, a missing token or a missing or non-numeric value is a
// mismatch. Anything after the 28th value is ignored.
ParsedSettings parse_settings_file(std::string_view text);
// The same for a file, read only as far as the 28th value; a file larger
// than kMaxSettingsFileBytes is refused unread (not ok). False, and why in
// error, when it cannot be opened or is not a regular file.
inline constexpr long long kMaxSettingsFileBytes = 1 << 20;
bool read_settings_file(const std::string& path, ParsedSettings& settings,
                        std::string* error = nullptr);

}  // namespace tarvex
