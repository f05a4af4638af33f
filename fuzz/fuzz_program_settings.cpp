// SPDX-License-Identifier: MIT
// The program-settings scanner: any bytes, a code of at most 31 characters,
// and a file it writes reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/program_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto s =
        tarvex::parse_program_settings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (s.LanguageCode.size() > tarvex::kLanguageCodeMax)
        std::abort();
    if (!s.LanguageCode.empty() &&
        s.LanguageCode.find_first_of(" \t\r\n\v\f") == std::string::npos) {
        const auto back = tarvex::parse_program_settings(
            tarvex::program_settings_text(s.port_number, s.LanguageCode));
        if (back.port_number != s.port_number || back.LanguageCode != s.LanguageCode)
            std::abort();
    }
    return 0;
}
